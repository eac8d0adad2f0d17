#pragma once

#include <QString>

class TCustomCellGrid;
class TProfileFile;
class TProfileSnapshot;

// The column layout of a grid in an INI file: per column its sort kind,
// visibility, sorted mark, display position, width, header caption and
// header hint, in sections named by a fixed title followed by `suffix`
// ("Columns Sizes" + suffix, ...), one key "Column<n>" per column index n
// in creation order.

// Writes the layout; nothing happens without a file. Raises
// ProfileWriteError when the file cannot be written.
void WriteGridLayout(const TCustomCellGrid &grid, TProfileFile *iniFile, const QString &suffix);

// Applies the layout, column by column in creation order, from the file as
// it is when the call begins (it is read once). A display
// position outside the grid raises the list index error and stops the
// reading at that column. Positions that put two columns into one display
// slot are ignored: storing them would hide a column.
void ReadGridLayout(TCustomCellGrid &grid, const TProfileFile &iniFile, const QString &suffix);
// The same from a file read beforehand, or from a settings text.
void ReadGridLayout(TCustomCellGrid &grid, const TProfileSnapshot &iniFile, const QString &suffix);

// Writes the layout under the suffix "Default". Returns 0 for an empty
// name, 1 when written, -1 when the file could not be written.
int SaveGridLayout(const TCustomCellGrid &grid, const QString &fileName);

// Applies the layout (empty suffix) from the file if it exists, swallowing
// every error; in every case the grid shows hints afterwards.
void LoadGridLayout(TCustomCellGrid &grid, const QString &fileName);
