#pragma once

class QByteArray;

// The reference parser: inih reads the file at `path` (in the file system's
// encoding) and counts its entries.
long CountInihEntries(const QByteArray &path);
