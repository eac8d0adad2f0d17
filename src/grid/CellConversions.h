#pragma once

#include <QString>

// The text conversions of string cells. Readers raise ConversionError
// with the framework's German message for text that is not a value.
namespace CellConversions {

// "True"/"False" in any letter case, or an integer (non-zero is true).
bool toBoolean(const QString &Text);
QString fromBoolean(bool Value); // "True" or "False"

// Decimal with optional sign, "$" + hex or "0x" + hex; leading blanks allowed.
int toInteger(const QString &Text);

// A decimal number with "." or "," as decimal separator.
double toFloat(const QString &Text);
QString fromFloat(double Value);

// Days since 30 December 1899 written "dd.MM.yyyy", followed by
// " hh:mm:ss" unless the time is midnight; reading also takes a time of
// day alone. Empty text is 0.
double toDateTime(const QString &Text);
QString fromDateTime(double Value);

} // namespace CellConversions
