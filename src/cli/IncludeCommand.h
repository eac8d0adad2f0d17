#pragma once

#include "cli/IncludeArguments.h"

class QIODevice;

// Exit statuses of tarvex-include.
enum TIncludeStatus { ExitDone = 0, ExitFindings = 1, ExitFailed = 2 };

// Runs tarvex-include: for each flag word, what the bit editor does when
// its line is double-clicked and the include file created at once. The
// paths written go to `out` (or the file's bytes, with --output -);
// findings and errors go to `err` in the compilers' form
// "FILE:LINE: warning: SECTION/KEY row N (MASK): message". Needs a
// QApplication: the flag words pass through the bit editor's own frame.
int RunTarvexInclude(const TIncludeArguments &arguments, QIODevice &out, QIODevice &err);
