#include "grid/GridPrintLayout.h"

#include "grid/CustomCellGrid.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

struct PrintedColumn
{
    const TCustomGridColumn *Column;
    int Left; // page pixels
    int Width;
};

// printableWidth × width / totalWidth to the nearest integer, halves to
// the even neighbour; in integers, so that exact halves are seen as such.
int sharedWidth(int printableWidth, int width, int totalWidth)
{
    if (totalWidth <= 0)
        return 0;
    const qint64 product = qint64(printableWidth) * width;
    qint64 quotient = product / totalWidth;
    const qint64 twiceRemainder = 2 * (product % totalWidth);
    if (twiceRemainder > totalWidth || (twiceRemainder == totalWidth && quotient % 2 != 0))
        ++quotient;
    return int(quotient);
}

// The visible columns in display order, sharing the printable width in
// proportion to their screen widths.
std::vector<PrintedColumn> printedColumns(const TCustomCellGrid &grid, const TGridPrintSettings &settings)
{
    const TMargins &margins = settings.InnerMargins;
    const int printableWidth = settings.PageWidth - margins.Left - margins.Right;
    const int totalWidth = grid.Columns.TotalWidth();
    std::vector<PrintedColumn> columns;
    int x = margins.Left;
    for (int position = 0; position < grid.Columns.Count(); ++position) {
        const TCustomGridColumn *column = grid.Columns.PositionItem(position);
        if (!column->Visible())
            continue;
        const int width = sharedWidth(printableWidth, column->Width(), totalWidth);
        columns.push_back({column, x, width});
        x += width;
    }
    return columns;
}

// Walks the rows as the printer does, page by page.
class LayoutBuilder
{
public:
    LayoutBuilder(const TCustomCellGrid &grid, const TGridPrintSettings &settings, const QFontMetrics &metrics,
                  qreal glyphScale)
        : m_grid(grid)
        , m_settings(settings)
        , m_metrics(metrics)
        , m_glyphScale(glyphScale)
        , m_columns(printedColumns(grid, settings))
        , m_bottom(settings.PageHeight - settings.InnerMargins.Bottom)
    {
    }

    TGridPrintLayout build()
    {
        startPage(true);
        const int lastRow = m_settings.ToRow != 0 ? std::min(m_settings.ToRow, m_grid.RowCount() - 1)
                                                  : m_grid.RowCount() - 1;
        for (int row = std::max(m_settings.FromRow, 0); row <= lastRow; ++row) {
            if (!printed(row))
                continue;
            if (!m_pageStarted)
                startPage(false);
            while (m_y + m_settings.RowSize > m_bottom) {
                if (!m_rowsOnPage) {
                    // Not even a page of its own holds the row: it never fits.
                    m_layout.AllRowsFit = false;
                    return std::move(m_layout);
                }
                startPage(true);
            }
            placeRow(row);
        }
        return std::move(m_layout);
    }

private:
    // With poSelectedRows only the grid's selected row is printed.
    bool printed(int row) const
    {
        return m_grid.Rows().Record(row).Visible
            && (row == m_grid.SelectedRow() || !m_settings.Options.Contains(poSelectedRows));
    }

    void startPage(bool withHeader)
    {
        m_layout.Pages.emplace_back();
        m_pageStarted = true;
        m_rowsOnPage = false;
        m_y = m_settings.InnerMargins.Top;
        if (withHeader)
            placeHeader();
    }

    TGridPrintPage &page() { return m_layout.Pages.back(); }

    void placeHeader()
    {
        for (const PrintedColumn &column : m_columns) {
            const QRect rect(column.Left, m_y, column.Width, m_settings.HeaderSize);
            page().Header.push_back({column.Column->Index(), rect,
                                     ColumnPartPainter::headerCaptionPlace(rect, *column.Column, m_metrics, true,
                                                                           m_glyphScale)});
        }
        m_y += m_settings.HeaderSize;
    }

    void placeRow(int row)
    {
        for (const PrintedColumn &column : m_columns)
            page().Cells.push_back({column.Column->Index(), row,
                                    QRect(column.Left, m_y, column.Width, m_settings.RowSize)});
        m_rowsOnPage = true;
        m_y += m_settings.RowSize;
        if (!m_settings.Options.Contains(poHorzGridLines))
            return;
        if (m_y + 1 > m_bottom) {
            // The rule no longer fits: the next row goes on at the top of
            // a new page, without a header band.
            m_pageStarted = false;
            return;
        }
        const TMargins &margins = m_settings.InnerMargins;
        page().Rules.push_back(QRect(margins.Left, m_y, m_settings.PageWidth - margins.Right - margins.Left, 1));
        m_y += 1;
    }

    const TCustomCellGrid &m_grid;
    const TGridPrintSettings &m_settings;
    const QFontMetrics &m_metrics;
    const qreal m_glyphScale;
    const std::vector<PrintedColumn> m_columns;
    const int m_bottom; // lowest y a row or rule may reach
    TGridPrintLayout m_layout;
    bool m_pageStarted = false;
    bool m_rowsOnPage = false;
    int m_y = 0;
};

} // namespace

namespace GridPrintLayout {

TGridPrintLayout compute(const TCustomCellGrid &grid, const TGridPrintSettings &settings,
                         const QFontMetrics &captionMetrics, qreal glyphScale)
{
    return LayoutBuilder(grid, settings, captionMetrics, glyphScale).build();
}

} // namespace GridPrintLayout
