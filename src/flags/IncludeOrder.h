#pragma once

#include "flags/IncludeFile.h"

// What tarvex-include's --bottom-up writes: the same rows with the same
// masks and the same flag word, listed from the least significant bit up
// (by the lowest bit of each mask; rows whose masks name no bit keep their
// order after them), as a bottom-up ("_up") file. Unlike the bit editor's
// "Bits Bottom-Up", nothing is mirrored, so every constant agrees with the
// INI line.
TIncludeSource InBottomUpOrder(TIncludeSource source);
