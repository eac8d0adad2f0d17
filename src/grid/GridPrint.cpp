#include "grid/GridPrint.h"

#include "grid/CustomCellGrid.h"
#include "grid/GridCellPainter.h"
#include "platform/PrintJob.h"

#include <QFontMetrics>
#include <QPrinter>

namespace {

void drawPage(QPainter *painter, const TCustomCellGrid &grid, const TGridPrintPage &page, qreal glyphScale)
{
    TPartPaintState captionState;
    captionState.Font = TGridCellPainter::paperFont(grid.GridFont());
    captionState.TextColor = Qt::black;
    for (const TPrintedHeaderCell &header : page.Header)
        ColumnPartPainter::paintHeaderCaption(painter, header.Place, *grid.Columns[header.ACol], captionState);

    // Cell backgrounds are not printed.
    TCellPaintState cellState;
    cellState.Background = Qt::transparent;
    cellState.Printing = true;
    cellState.GlyphScale = glyphScale;
    for (const TPrintedCell &printed : page.Cells) {
        const TCustomGridColumn &column = *grid.Columns[printed.ACol];
        const TCell &cell = grid.Cell(printed.ACol, printed.ARow);
        cellState.TextColor = cell.TextColor();
        TGridCellPainter::forColumn(column).paint(painter, printed.Rect, cell, column, cellState);
    }
    for (const QRect &rule : page.Rules)
        painter->fillRect(rule, Qt::black);
}

} // namespace

TCustomGridPrint::~TCustomGridPrint()
{
    SetAssociate(nullptr);
}

void TCustomGridPrint::SetAssociate(TCustomCellGrid *Value)
{
    if (m_associate)
        m_associate->RemoveBinding(this);
    m_associate = Value;
    if (m_associate)
        m_associate->AddBinding(this);
}

void TCustomGridPrint::GridDestroyed(TCustomCellGrid *Grid)
{
    if (Grid == m_associate)
        m_associate = nullptr;
}

bool TCustomGridPrint::Print(QPrinter &Printer)
{
    if (!m_associate)
        return true;
    if (m_printMedia == pmPaper) {
        m_settings.PageHeight = Printer.height();
        m_settings.PageWidth = Printer.width();
    }
    // Captions are measured in the font the page draws them in.
    const QFontMetrics captionMetrics(TGridCellPainter::paperFont(m_associate->GridFont()), &Printer);
    // Check boxes and sort arrows grow with the printer's resolution as the
    // text does; at their screen size they would be specks on paper.
    const qreal glyphScale = TGridCellPainter::paperScale(Printer);
    const TGridPrintLayout layout = GridPrintLayout::compute(*m_associate, m_settings, captionMetrics, glyphScale);
    TPrintJob job(Printer);
    for (size_t page = 0; page < layout.Pages.size(); ++page) {
        if (page > 0)
            job.newPage();
        drawPage(&job.painter(), *m_associate, layout.Pages[page], glyphScale);
    }
    job.end();
    return layout.AllRowsFit;
}
