#pragma once

#include <QString>

class TBitFrame;
struct TFlagWordLocation;

// The bit editor's title for a flag word of the document titled
// `documentTitle` (its file path): base name, section and key, each
// capitalized and joined by blanks, "Myapp Access Flags".
QString FlagWordTitle(const QString &documentTitle, const TFlagWordLocation &flagWord);

// Hands a flag word to a flag editor frame as a double click on its line
// does: section, key, base name and note, then the bit definition files
// named after them (in `pairFolder`, or the current directory when it is
// empty), then prefix and hex text, so the line decides the ticks. An
// invalid hex text raises the conversion error with all earlier steps done.
void OpenFlagWordInFrame(TBitFrame &frame, const QString &documentTitle, const TFlagWordLocation &flagWord,
                         const QString &pairFolder = {});

// What the flag word means by its bit definition files in the current
// directory, as FlagWordMeaning reads it: "Audit | WriteEnable | Level =
// Warnings". Empty when there is no table file, or the line's hex text
// or the files cannot be read.
QString FlagWordMeaningOf(const QString &documentTitle, const TFlagWordLocation &flagWord);
