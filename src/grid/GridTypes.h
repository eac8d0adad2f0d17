#pragma once

#include "grid/GridOptionSet.h"

// Option and kind enumerations of the grid; the values of the option enums
// are their bit numbers in the option words.

enum TGridOption {
    goCanHideColumn, goDisableColumnMoving, goDisableKeys, goEscClearEdit, goFooter, goGrid,
    goHeader, goIndicator, goInput, goLockFixedCols, goMultiSelect, goRowResizing, goRowMoving,
    goSecondClickEdit, goSelectFullRow, goUseDefaultValues, goInplaceEditEvents
};
using TGridOptions = TOptionSet<TGridOption>;

enum TAppearanceOption {
    ao3DGridLines, aoAlphaBlendedSelection, aoBoldTextSelection, aoDontFillCells, aoHideFocus,
    aoHideSelection, aoHighlightSlideCells, aoHintMarks, aoIndicateSelectedCell, aoIndicateSortedColumn
};
using TAppearanceOptions = TOptionSet<TAppearanceOption>;

enum TColumnOption {
    coAutoSize, coCanClick, coCanInput, coCanSort, coDisableMoving, coDontHighlight, coEditing,
    coEditorAutoSelect, coFixedSize, coImageForIcon, coPublicUsing, coFullResort, coSearchColumn,
    coShowTextFitHint, coTextForCaption
};
using TColumnOptions = TOptionSet<TColumnOption>;

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TOptionSet<TFontStyle>;

enum TSelectionMoveDirection { mdNone, mdUp, mdDown, mdLeft, mdRight };
enum TSortedStyle { soDefault, soDarker, soWhite };
enum TSortKind { skAscending, skDescending };
enum TSortType { stAlphabetic, stBoolean, stCaseInsensitive, stCustom, stNumeric, stDate, stIP };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };
enum TWrapKind { wkNone, wkEllipsis, wkPathEllipsis, wkWordWrap };
enum TDisplayMode { dmImageOnly, dmTextAndImage, dmTextOnly };
enum TDrawingOptions { doNormal, doBackgroundOnly, doCustom, doCustomOnly };
enum THeaderOrientation { hoHorizontal, hoVertical };
enum TFormulaKind { fkNone, fkAverage, fkCount, fkDistinct, fkMaximum, fkMinimum, fkSum, fkCustom };
enum TFormatMaskKind { mkText, mkFloat };
enum TDataChangeType { dcAddRow, dcInsertRow, dcDeleteRow };

// What happened to the rows, as the grid tells its view: rows appended
// from Index on, one row inserted or deleted at Index, all rows removed,
// or the rows put into a new order by a sort.
enum class TRowsChangeKind { Appended, Inserted, Deleted, Cleared, Reordered };
struct TRowsChange
{
    TRowsChangeKind Kind;
    int Index = -1;
};

// The selection moves that keys on the grid ask for.
enum class TGridMove { Left, Right, Up, Down, PageUp, PageDown, Home, End, Tab, ShiftTab };

// Where a key would put the selected cell. Handled is false when the key
// is not the grid's (Tab without WantTabs); LeaveControl asks the view to
// pass the focus on (Tab at the very last cell with TabLeaveControl).
struct TSelectionMove
{
    int ACol = 0;
    int ARow = 0;
    bool Handled = false;
    bool LeaveControl = false;
};
