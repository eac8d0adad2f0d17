#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>

class TCustomCellGrid;

// The grid's delimited text files: UTF-16 LE with byte order mark, one
// line per row ended by CR LF, one field per column in creation order.
// Fields holding the separator or a quotation mark are quoted, quotation
// marks doubled, CR written as the line-break character and LF dropped.
namespace GridTextFile {

QByteArray encode(const TCustomCellGrid &Grid, QChar Separator, QChar LineBreakChar);
// Replaces all rows by the rows of the bytes (UTF-16 LE or BE by byte
// order mark, otherwise one character per byte).
void decode(TCustomCellGrid &Grid, const QByteArray &Bytes, QChar Separator, QChar LineBreakChar);

// File forms of the two; failures raise InOutError and leave an old file as it was.
void save(const TCustomCellGrid &Grid, const QString &FileName, QChar Separator, QChar LineBreakChar);
void load(TCustomCellGrid &Grid, const QString &FileName, QChar Separator, QChar LineBreakChar);

} // namespace GridTextFile
