#pragma once

#include "flags/BitField.h"
#include "flags/BitTableUndo.h"
#include "flags/IncludeFile.h"
#include "grid/GridPrint.h"

#include <QFrame>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QKeyEvent;
class QMenu;
class QUndoStack;
class TBinaryWordStrip;
class TCellGrid;
class TCheckBoxColumn;
class TFlagValueField;
class TTextColumn;

// The flag editor: one 32-bit flag word as a bit table of one row per
// bit, kept in step with the ticks, together with the word's identity
// (INI section, key, prefix and note), its bit definition files and its
// include files. The arithmetic lives in FlagWord.h; the frame applies it
// to the grid, whose OnChange runs the recalculation after every cell write.
class TBitFrame : public QFrame, private TBitTableStates
{
    Q_OBJECT

public:
    explicit TBitFrame(QWidget *parent = nullptr);
    ~TBitFrame() override;

    // --- The flag word --------------------------------------------------
    quint32 HexValue() const { return m_hexValue; }
    bool BottomUp() const { return m_bottomUp; }
    // The order change: every row keeps its tick, name and description and
    // now stands for the mirrored bit.
    void SetBottomUp(bool Value);
    bool IncludeC() const { return m_includeC; }
    // Also writes the Pascal include file beside FlagFileBase, if any.
    void SetIncludeC(bool Value);
    // After every recalculation "$" and 8 uppercase digits.
    const QString &FlagHexA() const { return m_flagHexA; }
    // Ticks the rows whose masks the hex text names; an invalid text raises
    // the conversion error and is kept as FlagHexA until the next recalculation.
    void SetFlagHexA(const QString &Value);
    // With OredFlag, setting FlagHexA only adds ticks.
    bool OredFlag() const { return m_oredFlag; }
    void SetOredFlag(bool Value) { m_oredFlag = Value; }

    // --- The flag word's identity (short texts) --------------------------
    // Section, FlagLabel and FlagPrefix ignore an empty text; otherwise the
    // text is stored and shown in its combo box with no item selected.
    const QString &Section() const { return m_section; }
    void SetSection(const QString &Value);
    const QString &FlagLabel() const { return m_flagLabel; }
    void SetFlagLabel(const QString &Value);
    const QString &FlagPrefix() const { return m_flagPrefix; }
    void SetFlagPrefix(const QString &Value);
    // Stored also when empty, and shown in the footer of "Used for".
    const QString &FlagNote() const { return m_flagNote; }
    void SetFlagNote(const QString &Value);
    // The INI document's capitalized base name: the first part of the bit
    // definition files' name on Save.
    const QString &IniBaseName() const { return m_iniBaseName; }
    void SetIniBaseName(const QString &Value);
    // The path of the bit definition files, with or without an extension.
    const QString &FlagFileBase() const { return m_flagFileBase; }
    void SetFlagFileBase(const QString &Value) { m_flagFileBase = Value; }

    // --- The table ----------------------------------------------------------
    // The recalculation: the flag word from the ticked rows, into HexValue,
    // FlagHexA and the footers.
    void GridBitsChange();
    // Unticks every row and writes the standard masks of the order.
    void FillMasks(bool bottomUp);
    // Rows in groups of four, one group per hexadecimal digit, in two shades;
    // in a table with fields, each row in the shade of its lowest bit's digit.
    void ShadeRowGroups();
    // 32 empty rows with the masks of the current order; no file in use.
    void ClearTable();

    // --- Fields -------------------------------------------------------------
    // The run of the row's mask when the row is a field.
    std::optional<TFieldRun> FieldRunOfRow(int row) const;
    // The named values of the fields, by mask.
    const TFieldValueNames &FieldValueNames() const { return m_fieldNames; }
    // The field row's value into the word: one undo step.
    void SetFieldValue(int row, quint32 value);
    // The rows of the bits lowestBit .. lowestBit + width - 1 become one
    // field row, which keeps the first of their names unless `name` gives
    // one: one undo step. The field row `edited`, when given, is split first
    // in the same step, its description going with the new field. False,
    // changing nothing, when a bit of the run has no row of its own.
    bool MakeField(TFieldRun run, const QString &name, const QList<TFieldValue> &values,
                   std::optional<int> edited = std::nullopt);
    // The field row becomes one row per bit, each with its bit of the
    // word: one undo step.
    void SplitField(int row);

    // --- Bit definition files --------------------------------------------
    // Loads the pair named by `name` (with or without folder and extension),
    // where it exists.
    void LoadFlagFiles(const QString &name);
    // Writes the pair; false, writing nothing, when the name's file name
    // part is empty or begins with ".". An empty name keeps FlagFileBase.
    bool SaveFlagFiles(const QString &name);

    // --- Include files ------------------------------------------------------
    // What "&Include create" does: writes the include file of the form
    // beside the bit definition files; its full path. Raises
    // FileCreateError when the file cannot be written.
    QString CreateIncludeFile(TIncludeForm form);
    // What the include generator reads from the frame.
    TIncludeSource IncludeSource() const;

    // --- Undo -----------------------------------------------------------------
    // Each user action that changes the table is one step: a tick, an edited
    // name or description, a typed value, an order change, Clear, Load and a
    // hex text written to FlagHexA.
    QUndoStack *UndoStack() const { return m_undoStack; }

    // --- Components -----------------------------------------------------------
    QGroupBox *const GB_BitFrame;
    QWidget *const Panel1;
    QGroupBox *GB_Section = nullptr;
    QComboBox *CBX_Section = nullptr;
    QGroupBox *GB_Label = nullptr;
    QComboBox *CBX_Label = nullptr;
    QGroupBox *GB_Prefix = nullptr;
    QComboBox *CBX_Prefix = nullptr;
    QCheckBox *CHB_Bottom = nullptr;
    QGroupBox *GB_Value = nullptr;
    TFlagValueField *EDT_Value = nullptr;
    TCellGrid *const GridBits;
    TCheckBoxColumn *ColBit = nullptr;
    TTextColumn *ColHex = nullptr;
    TTextColumn *ColMask = nullptr;
    TTextColumn *ColLabel = nullptr;
    TBinaryWordStrip *BinaryWord = nullptr; // below the table

    QMenu *const PopupBits;
    QAction *MI_BF_Load = nullptr;
    QAction *MI_BF_Save = nullptr;
    QAction *MI_BF_SaveAs = nullptr;
    QAction *MI_BF_Clear = nullptr;
    QMenu *MI_Inc = nullptr;
    QAction *MI_BF_Pascal = nullptr;
    QAction *MI_BF_CPP = nullptr;
    QAction *MI_BF_C = nullptr;
    QAction *Print1 = nullptr;
    QAction *MI_BF_Field = nullptr;
    QAction *MI_BF_SplitField = nullptr;
    QAction *MI_BF_Undo = nullptr;
    QAction *MI_BF_Redo = nullptr;
    TGridPrint GridPrint; // bound to GridBits

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Cell writes inside a batch recalculate once, when the batch ends (and
    // only when a cell was written), instead of once per write: the result
    // is the same, and a table of thousands of rows stays responsive.
    class RecalculationBatch
    {
    public:
        explicit RecalculationBatch(TBitFrame &frame);
        ~RecalculationBatch();
        RecalculationBatch(const RecalculationBatch &) = delete;
        RecalculationBatch &operator=(const RecalculationBatch &) = delete;

    private:
        TBitFrame &m_frame;
    };

    // A user action: the state before and after it become one undo step
    // when they differ. Steps inside a step belong to the outermost.
    class UndoStep
    {
    public:
        explicit UndoStep(TBitFrame &frame);
        ~UndoStep();
        UndoStep(const UndoStep &) = delete;
        UndoStep &operator=(const UndoStep &) = delete;

    private:
        TBitFrame &m_frame;
    };

    void createTopStrip();
    void createValueControls();
    void createUndoCommands();
    void createBitTable();
    void createPopupMenu();
    // A named item at the end of the menu.
    static QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption);
    void createGridPrint();
    void connectCommands();
    void showPopupMenu(const QPoint &globalPos);

    void CHB_BottomClick();
    void CBX_PrefixChange();
    void MI_BF_LoadClick();
    void MI_BF_SaveClick();
    void MI_BF_SaveAsClick();
    void MI_BF_ClearClick();
    void MI_IncClick(QAction *Sender);
    void Print1Click();
    void EDT_ValueEnter(quint32 word);
    void BinaryWordClick(int bit);
    void MI_BF_UndoClick();
    void MI_BF_RedoClick();
    void MI_BF_FieldClick();
    void MI_BF_SplitFieldClick();
    void createFieldCommands();
    // The choice of the selected field row's value, at the row.
    void chooseFieldValue(int row);
    // The number dialog for the field row's value, offering `offered`.
    void askFieldValue(int row, int offered);
    // Enter and digits on a field row (Space reaches the grid's toggle
    // request); whether the key was taken.
    bool fieldRowKey(const QKeyEvent &key);
    // Whether a key or a click on the row's tick opens the choice instead.
    bool isFieldRow(int row) const { return FieldRunOfRow(row).has_value(); }
    bool hasFieldRow() const;
    // The lowest bit of the row's mask; nothing for 0 or a text that is no number.
    std::optional<int> lowestBitOfRow(int row) const;
    // The value of every field row shown in its tick cell, the Bit column
    // widened to read it in full.
    void showFieldValues();
    // The Bit column back at the width it had before fields widened it.
    void restoreBitColumnWidth();
    // The rows' masks mirrored, fields keeping their values: the order
    // change of a table with fields.
    void mirrorRows();
    void loadFieldValueNames(const QString &settingsFile);
    void storeFieldValueNames(const QString &settingsFile) const;

    // The name and mask cells of rows that would break or mislead an
    // include file, in the error colour with a hint saying why.
    void markDefinitionFindings();
    void applySelectedItems(const QString &settingsFile);
    void storeSelectedItems(const QString &settingsFile) const;
    QString maskText(int row) const;
    // The word into HexValue, FlagHexA, the footers, the value field and
    // the binary strip.
    void showFlagWord(quint32 word);
    // HexValue into the value field and the binary strip.
    void showWordControls();
    TBitTableState captureState() const override;
    void restoreState(const TBitTableState &state, TBitTableParts parts) override;
    // The table's rows replaced by these, ticks, masks and texts.
    void writeRows(const QList<TBitRowState> &rows);
    void recordUndoStep(const TBitTableState &before);

    quint32 m_hexValue = 0;
    bool m_bottomUp = false;
    bool m_includeC = false;
    QString m_flagHexA;
    bool m_oredFlag = false;
    QString m_section;
    QString m_flagLabel;
    QString m_flagPrefix;
    QString m_flagNote;
    QString m_iniBaseName;
    QString m_flagFileBase;
    TFieldValueNames m_fieldNames;
    quint32 m_fieldBits = 0; // the word's bits under the field rows' masks
    std::optional<int> m_bitColumnWidth; // the Bit column's width before fields widened it
    int m_batchDepth = 0;
    bool m_recalculationDue = false;
    QUndoStack *const m_undoStack;
    int m_undoDepth = 0;
    std::optional<TBitTableState> m_stepBefore;
    std::optional<TBitTableState> m_gridEditBefore; // from OnEditAccept to OnAfterEdit
};
