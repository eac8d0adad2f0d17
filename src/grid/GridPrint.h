#pragma once

#include "grid/GridBinding.h"
#include "grid/GridPrintLayout.h"

class QPrinter;

enum TPrintMedia { pmPaper, pmScreen };

// Prints a grid's header captions and rows onto a printer's pages, the
// header band repeated at the top of every page; no title, footer or page
// number. All sizes are device pixels of the printer's page. The binding
// to the grid is cleared when the grid is destroyed.
class TCustomGridPrint : private TGridBinding
{
public:
    TCustomGridPrint() = default;
    virtual ~TCustomGridPrint();
    TCustomGridPrint(const TCustomGridPrint &) = delete;
    TCustomGridPrint &operator=(const TCustomGridPrint &) = delete;

    TCustomCellGrid *Associate() const { return m_associate; }
    void SetAssociate(TCustomCellGrid *Value);
    int HeaderSize() const { return m_settings.HeaderSize; }
    void SetHeaderSize(int Value) { m_settings.HeaderSize = Value; }
    int RowSize() const { return m_settings.RowSize; }
    void SetRowSize(int Value) { m_settings.RowSize = Value; }
    TPrintOptions Options() const { return m_settings.Options; }
    void SetOptions(TPrintOptions Value) { m_settings.Options = Value; }
    int PageHeight() const { return m_settings.PageHeight; }
    void SetPageHeight(int Value) { m_settings.PageHeight = Value; }
    int PageWidth() const { return m_settings.PageWidth; }
    void SetPageWidth(int Value) { m_settings.PageWidth = Value; }
    const TMargins &InnerMargins() const { return m_settings.InnerMargins; }
    void SetInnerMargins(const TMargins &Value) { m_settings.InnerMargins = Value; }
    int FromRow() const { return m_settings.FromRow; }
    void SetFromRow(int Value) { m_settings.FromRow = Value; }
    int ToRow() const { return m_settings.ToRow; } // 0: the grid's last row
    void SetToRow(int Value) { m_settings.ToRow = Value; }
    // pmPaper takes the page size from the printer; pmScreen keeps the
    // PageWidth and PageHeight that were set.
    TPrintMedia PrintMedia() const { return m_printMedia; }
    void SetPrintMedia(TPrintMedia Value) { m_printMedia = Value; }

    // Prints the bound grid as one job on the printer; without a grid
    // nothing is started. Raises PrinterError when the printer fails.
    // False when a row could not fit even on a page of its own: the print
    // then ends before that row.
    bool Print(QPrinter &Printer);

private:
    void GridDestroyed(TCustomCellGrid *Grid) override;

    TCustomCellGrid *m_associate = nullptr;
    TGridPrintSettings m_settings;
    TPrintMedia m_printMedia = pmPaper;
};

// The print component as the windows use it.
class TGridPrint final : public TCustomGridPrint
{
};
