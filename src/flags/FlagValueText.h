#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// A flag word as a user types it: "$A003", "0xA003" or "0XA003"
// (hexadecimal), "40963" (decimal) or "0b1010000000000011" (binary), with
// "_" or blanks allowed between digits and blanks around the whole text.
// Leading zeros do not count against the 32 bits. Nothing when the text is
// no such number or needs more than 32 bits.
std::optional<quint32> ReadTypedFlagValue(const QString &text);
