#include "grid/GridTextFile.h"

#include "grid/CustomCellGrid.h"
#include "grid/GridTextReader.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"

#include <QFileInfo>
#include <cerrno>

namespace {

constexpr char16_t quote = u'"';

QString fieldOf(const QString &text, QChar separator, QChar lineBreakChar)
{
    const bool enclosed = text.contains(separator) || text.contains(quote);
    QString field;
    field.reserve(text.size() + 2);
    if (enclosed)
        field += quote;
    for (const QChar ch : text) {
        if (ch == quote)
            field += QStringLiteral("\"\"");
        else if (ch == u'\r')
            field += lineBreakChar;
        else if (ch != u'\n')
            field += ch;
    }
    if (enclosed)
        field += quote;
    return field;
}

QString tableText(const TCustomCellGrid &grid, QChar separator, QChar lineBreakChar)
{
    QString text;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.Columns.Count(); ++col) {
            if (col > 0)
                text += separator;
            text += fieldOf(grid.Cells(col, row), separator, lineBreakChar);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

QByteArray utf16LittleEndianWithMark(const QString &text)
{
    QByteArray bytes(2 + 2 * text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    *out++ = char(0xFF);
    *out++ = char(0xFE);
    for (const QChar ch : text) {
        *out++ = char(ch.unicode() & 0xFF);
        *out++ = char(ch.unicode() >> 8);
    }
    return bytes;
}

// Why a save failed, as a system error number: what the file system
// shows speaks first, else the error the failing call left behind.
int saveFailureReason(const QString &fileName, int lastError)
{
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return ENOENT;
    if (file.isDir())
        return EISDIR;
    if ((file.exists() && !file.isWritable()) || !folder.isWritable())
        return EACCES;
    return lastError != 0 ? lastError : EIO;
}

} // namespace

namespace GridTextFile {

QByteArray encode(const TCustomCellGrid &Grid, QChar Separator, QChar LineBreakChar)
{
    return utf16LittleEndianWithMark(tableText(Grid, Separator, LineBreakChar));
}

void decode(TCustomCellGrid &Grid, const QByteArray &Bytes, QChar Separator, QChar LineBreakChar)
{
    GridTextReader reader(Grid, Separator, LineBreakChar);
    reader.read(GridTextReader::decodeBytes(Bytes));
}

void save(const TCustomCellGrid &Grid, const QString &FileName, QChar Separator, QChar LineBreakChar)
{
    const QByteArray bytes = encode(Grid, Separator, LineBreakChar);
    errno = 0;
    try {
        writeFileAtomically(FileName, bytes);
    } catch (const FileCreateError &) {
        // The grid's callers expect input/output errors, in its words.
        throw InOutError::fromSystemError(saveFailureReason(FileName, errno));
    }
}

void load(TCustomCellGrid &Grid, const QString &FileName, QChar Separator, QChar LineBreakChar)
{
    QByteArray bytes;
    try {
        bytes = readWholeFile(FileName);
    } catch (const FileOpenError &) {
        if (!QFileInfo::exists(FileName))
            throw InOutError::fileNotFound();
        throw InOutError::accessDenied();
    }
    decode(Grid, bytes, Separator, LineBreakChar);
}

} // namespace GridTextFile
