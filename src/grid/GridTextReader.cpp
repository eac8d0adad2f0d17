#include "grid/GridTextReader.h"

#include "grid/CustomCellGrid.h"

#include <QByteArray>
#include <algorithm>
#include <limits>

namespace {

constexpr char16_t quote = u'"';

QString utf16(const QByteArray &bytes, bool bigEndian)
{
    // The mark is not content; an odd last byte holds no whole character.
    const qsizetype units = (bytes.size() - 2) / 2;
    QString text(units, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const uchar *>(bytes.constData()) + 2;
    QChar *out = text.data();
    for (qsizetype i = 0; i < units; ++i, in += 2) {
        const ushort first = in[0];
        const ushort second = in[1];
        out[i] = QChar(bigEndian ? ushort(first << 8 | second) : ushort(second << 8 | first));
    }
    return text;
}

// Holds the view's per-row work back while rows are appended, also when
// a handler's failure ends the load early.
class RowsLoad
{
public:
    explicit RowsLoad(TCustomCellGrid &grid)
        : m_grid(grid)
    {
        m_grid.BeginRowsLoad();
    }
    ~RowsLoad() { m_grid.EndRowsLoad(); }
    RowsLoad(const RowsLoad &) = delete;
    RowsLoad &operator=(const RowsLoad &) = delete;

private:
    TCustomCellGrid &m_grid;
};

} // namespace

GridTextReader::GridTextReader(TCustomCellGrid &AGrid, QChar ASeparator, QChar ALineBreakChar)
    : m_grid(AGrid)
    , m_separator(ASeparator)
    , m_lineBreakChar(ALineBreakChar)
{
}

QString GridTextReader::decodeBytes(const QByteArray &bytes)
{
    if (bytes.size() > 1) {
        const auto first = uchar(bytes[0]);
        const auto second = uchar(bytes[1]);
        if (first == 0xFF && second == 0xFE)
            return utf16(bytes, false);
        if (first == 0xFE && second == 0xFF)
            return utf16(bytes, true);
    }
    // Latin-1 is exactly "every byte is the character with that code".
    return QString::fromLatin1(bytes);
}

void GridTextReader::read(const QString &text)
{
    m_grid.ClearRows();
    m_grid.Rows().Reserve(int(std::min<qsizetype>(text.count(u'\n') + 1, std::numeric_limits<int>::max())));
    const RowsLoad load(m_grid);
    const QChar *characters = text.constData();
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length) {
        const QChar ch = characters[i];
        if (!isSpecial(ch)) {
            // Plain runs are copied at once rather than character by character.
            qsizetype end = i + 1;
            while (end < length && !isSpecial(characters[end]))
                ++end;
            m_field.append(characters + i, end - i);
            i = end;
            continue;
        }
        if (ch == m_separator) {
            if (m_quoteCount % 2 == 1)
                m_field += ch;
            else
                endField();
        } else if (ch == m_lineBreakChar) {
            m_field += QStringLiteral("\r\n");
        } else if (ch == quote) {
            readQuote();
        } else if (ch == u'\n') {
            endField();
            m_rowDue = true;
        }
        ++i; // CR is ignored
    }
    if (!m_field.isEmpty())
        endField();
}

void GridTextReader::readQuote()
{
    ++m_quoteCount;
    // An enclosing pair vanishes and a doubled quotation mark gives one.
    if ((m_quoteCount % 2 == 1 && !m_field.isEmpty()) || m_quoteCount == 3)
        m_field += quote;
}

void GridTextReader::endField()
{
    m_quoteCount = 0;
    if (m_rowDue) {
        m_grid.AddRow(1);
        m_row = m_grid.RowCount() - 1;
        m_col = 0;
        m_rowDue = false;
    }
    // A field beyond the last column is dropped, but still reported.
    m_grid.SetCells(m_col, m_row, m_field);
    if (m_grid.OnLoadProgress)
        m_grid.OnLoadProgress(&m_grid, m_col, m_row);
    ++m_col;
    m_field.clear();
}

bool GridTextReader::isSpecial(QChar ch) const
{
    return ch == m_separator || ch == m_lineBreakChar || ch == quote || ch == u'\r' || ch == u'\n';
}
