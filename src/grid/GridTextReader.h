#pragma once

#include <QChar>
#include <QString>

class QByteArray;
class TCustomCellGrid;

// Reads the characters of a grid text file into a grid, field by field:
// a quotation mark count decides whether the separator ends the field,
// the line-break character stands for CR LF, CR is ignored and LF ends
// the row. Each stored field raises OnChange, and every field, also one
// dropped for want of a column, raises OnLoadProgress.
class GridTextReader
{
public:
    GridTextReader(TCustomCellGrid &AGrid, QChar ASeparator, QChar ALineBreakChar);

    // UTF-16 LE after FF FE, UTF-16 BE after FE FF (an odd last byte is
    // dropped), otherwise one character per byte from the first byte.
    static QString decodeBytes(const QByteArray &bytes);

    // Removes all rows, then appends one row per line of the text.
    void read(const QString &text);

private:
    void readQuote();
    void endField();
    bool isSpecial(QChar ch) const;

    TCustomCellGrid &m_grid;
    QChar m_separator;
    QChar m_lineBreakChar;
    QString m_field;
    int m_quoteCount = 0;
    int m_row = -1;
    int m_col = 0;
    bool m_rowDue = true;
};
