#pragma once

#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/TextColumn.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

// Records the grid's events and view hooks as lines, e.g. "OnChange 1 2"
// or "InvalidateCell 1 2", in the order they happen.
class EventLog
{
public:
    void add(const QString &line) { m_lines << line; }
    const QStringList &lines() const { return m_lines; }
    void clear() { m_lines.clear(); }
    // Attaches a recorder to every event of the grid.
    void listenTo(TCustomCellGrid &grid);

private:
    QStringList m_lines;
};

// A windowless grid whose view hooks write into an event log.
class RecordingGrid : public TCustomCellGrid
{
public:
    EventLog log;

    void InvalidateCell(int ACol, int ARow) override;
    void LayoutChanged() override;
    void RowsChanged(TRowsChange Change) override; // "RowsChanged Inserted 2"
    void ScrollToTop() override;
};

// A grid shaped like the bit table: one check box column and three text
// columns, every event recorded.
struct BitTableGrid
{
    explicit BitTableGrid(int rows = 0);
    QStringList eventsOnly() const; // the log without the view hooks

    RecordingGrid grid;
    TCheckBoxColumn *ColBit;
    TTextColumn *ColHex;
    TTextColumn *ColMask;
    TTextColumn *ColLabel;
};

// A grid of text columns only, every event recorded.
struct TextGrid
{
    explicit TextGrid(int columns);

    RecordingGrid grid;
};

// The cell texts of one row, joined with "|" for short comparisons.
QString rowText(const TCustomCellGrid &grid, int row);


// A row of a parameterised test known by its name. With CaseName as the
// name generator it is listed as Suite.Test/Name, and GetParam() prints as
// the name too, so no listing shows the row's raw bytes.
struct NamedCase
{
    const char *name;
};

std::ostream &operator<<(std::ostream &out, const NamedCase &row);

struct CaseName
{
    template<typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case> &info) const
    {
        return info.param.name;
    }
};
