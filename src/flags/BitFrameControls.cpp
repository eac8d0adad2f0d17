#include "flags/BitFrames.h"

#include "flags/ComboBoxKinds.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "platform/CommandGuard.h"
#include "platform/Desktop.h"
#include "platform/PrintJob.h"
#include "util/StringHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

// A combo box with its items in a group box with the caption and the
// shown hint; the combo box's own hint is kept but not shown.
struct TComboGroup
{
    const char *groupName;
    const char *caption;
    const char *hint;
    const char *comboName;
    const char *comboHint;
    QStringList items;
};

QComboBox *addComboGroup(QWidget *parent, QHBoxLayout *strip, int stretch, const TComboGroup &item, QGroupBox *&group)
{
    group = new QGroupBox(QString::fromLatin1(item.caption), parent);
    group->setObjectName(QString::fromLatin1(item.groupName));
    group->setToolTip(QString::fromLatin1(item.hint));
    auto *combo = new QComboBox(group);
    combo->setObjectName(QString::fromLatin1(item.comboName));
    combo->setProperty("hint", QString::fromLatin1(item.comboHint));
    // The group box's caption and hint name the box for a screen reader.
    combo->setAccessibleName(group->title().trimmed());
    combo->setAccessibleDescription(group->toolTip());
    combo->addItems(item.items);
    auto *layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(combo);
    strip->addWidget(group, stretch);
    return combo;
}

QFont namedFont(const QString &family, QFont::StyleHint hint)
{
    QFont font(family);
    font.setPixelSize(11);
    font.setStyleHint(hint);
    font.setFixedPitch(hint == QFont::TypeWriter);
    return font;
}

template<typename TColumn>
TColumn *addColumn(TCellGrid *grid, const QString &caption, int width, const QFont &font, TColumnOptions options)
{
    auto *column = grid->Columns.template Add<TColumn>();
    column->Header().SetCaption(caption);
    column->SetWidth(width);
    column->SetFont(font);
    column->SetOptions(options);
    return column;
}

} // namespace

void TBitFrame::createTopStrip()
{
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *strip = new QHBoxLayout(Panel1);
    strip->setContentsMargins(0, 0, 0, 0);

    CBX_Section = addComboGroup(Panel1, strip, 3,
                                {"GB_Section", "Section", "Section on Initfile", "CBX_Section",
                                 "Section label in Ini-Files",
                                 {u"Access"_s, u"Application"_s, u"Init"_s, u"Network"_s, u"User"_s}},
                                GB_Section);
    MakeFreeTextComboBox(CBX_Section);
    CBX_Section->setCurrentIndex(0);

    CBX_Label = addComboGroup(Panel1, strip, 3,
                              {"GB_Label", "Label", "Label on InitFile Section", "CBX_Label", "Key label in Ini-File",
                               {u"Bits"_s, u"Control"_s, u"Flags"_s, u"User"_s}},
                              GB_Label);
    MakeFreeTextComboBox(CBX_Label);
    CBX_Label->setCurrentIndex(-1);
    CBX_Label->setEditText(u"Flags"_s);

    CBX_Prefix = addComboGroup(Panel1, strip, 2,
                               {"GB_Prefix", "Prefix ", "Prefix for include declarations", "CBX_Prefix",
                                "Used as prefix for constans in generated include files",
                                {u"bb"_s, u"bf"_s, u"cb"_s, u"cf"_s, u"fb"_s, u"kb"_s, u"kf"_s, u"ub"_s, u"uc"_s,
                                 u"uf"_s, u"vb"_s, u"vf"_s}},
                               GB_Prefix);
    MakeChoiceOnlyComboBox(CBX_Prefix);
    CBX_Prefix->setCurrentIndex(-1);

    CHB_Bottom = new QCheckBox(u"Bits Bottom-Up"_s, Panel1);
    CHB_Bottom->setObjectName(u"CHB_Bottom"_s);
    CHB_Bottom->setToolTip(u"MSB-LSB sorted order"_s);
    strip->addWidget(CHB_Bottom, 2);
}

void TBitFrame::createBitTable()
{
    GridBits->setObjectName(QStringLiteral("GridBits"));
    GridBits->setAccessibleName(QStringLiteral("Bits"));
    GridBits->SetStartRowCount(32);
    GridBits->SetOptions({goDisableColumnMoving, goFooter, goGrid, goHeader});
    GridBits->SetAppearanceOptions(
        {aoBoldTextSelection, aoHideSelection, aoHighlightSlideCells, aoIndicateSortedColumn});
    GridBits->SetWantTabs(true);
    GridBits->SetHint(QStringLiteral("Change Flags on bit column"));
    GridBits->SetShowHint(true);

    const QFont sans = namedFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif);
    const QFont fixed = namedFont(QStringLiteral("Terminal"), QFont::TypeWriter);
    // No column sorts: a header click only marks it.
    ColBit = addColumn<TCheckBoxColumn>(GridBits, QStringLiteral("Bit"), 24, sans,
                                        {coCanClick, coCanInput, coDisableMoving, coPublicUsing});
    ColBit->SetMinWidth(4);
    ColHex = addColumn<TTextColumn>(GridBits, QStringLiteral("Hex Value"), 63, fixed,
                                    {coCanClick, coCanInput, coDisableMoving, coPublicUsing, coShowTextFitHint});
    ColMask = addColumn<TTextColumn>(GridBits, QStringLiteral("Name (Mask)"), 80, fixed,
                                     {coCanClick, coCanInput, coEditing, coPublicUsing, coShowTextFitHint});
    ColLabel = addColumn<TTextColumn>(GridBits, QStringLiteral("Used for"), 366, sans,
                                      {coCanClick, coCanInput, coEditing, coPublicUsing, coShowTextFitHint});

    // The decimal word fills its 12 characters from the right; so aligned,
    // a narrow column cuts its leading blanks rather than its last digits.
    ColMask->Footer().SetAlignment(taRightJustify);

    GridBits->OnChange = [this](TCustomCellGrid *, int, int) { GridBitsChange(); };
    GridBits->installEventFilter(this);
    GridBits->viewport()->installEventFilter(this);
}

QAction *TBitFrame::addMenuItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

void TBitFrame::createPopupMenu()
{
    PopupBits->setObjectName(QStringLiteral("PopupBits"));
    const auto item = &TBitFrame::addMenuItem;
    MI_BF_Load = item(PopupBits, QStringLiteral("MI_BF_Load"), QStringLiteral("&Load"));
    MI_BF_Save = item(PopupBits, QStringLiteral("MI_BF_Save"), QStringLiteral("&Save"));
    MI_BF_SaveAs = item(PopupBits, QStringLiteral("MI_BF_SaveAs"), QStringLiteral("Save &As"));
    MI_BF_Clear = item(PopupBits, QStringLiteral("MI_BF_Clear"), QStringLiteral("&Clear"));
    MI_Inc = PopupBits->addMenu(QStringLiteral("&Include create"));
    MI_Inc->setObjectName(QStringLiteral("MI_Inc"));
    MI_Inc->menuAction()->setObjectName(QStringLiteral("MI_Inc"));
    MI_BF_Pascal = item(MI_Inc, QStringLiteral("MI_BF_Pascal"), QStringLiteral("Pascal"));
    MI_BF_CPP = item(MI_Inc, QStringLiteral("MI_BF_CPP"), QStringLiteral("CPP"));
    MI_BF_C = item(MI_Inc, QStringLiteral("MI_BF_C"), QStringLiteral("C header"));
    Print1 = item(PopupBits, QStringLiteral("Print1"), QStringLiteral("&Print"));
}

void TBitFrame::connectCommands()
{
    // Every command runs through the command guard: a failure is reported
    // and the frame goes on.
    const auto onTrigger = [this](auto *sender, auto signal, auto handler) {
        connect(sender, signal, this, [this, handler] { runCommand(this, [this, handler] { (this->*handler)(); }); });
    };
    onTrigger(MI_BF_Load, &QAction::triggered, &TBitFrame::MI_BF_LoadClick);
    onTrigger(MI_BF_Save, &QAction::triggered, &TBitFrame::MI_BF_SaveClick);
    onTrigger(MI_BF_SaveAs, &QAction::triggered, &TBitFrame::MI_BF_SaveAsClick);
    onTrigger(MI_BF_Clear, &QAction::triggered, &TBitFrame::MI_BF_ClearClick);
    onTrigger(Print1, &QAction::triggered, &TBitFrame::Print1Click);
    onTrigger(MI_BF_Field, &QAction::triggered, &TBitFrame::MI_BF_FieldClick);
    onTrigger(MI_BF_SplitField, &QAction::triggered, &TBitFrame::MI_BF_SplitFieldClick);
    onTrigger(CHB_Bottom, &QCheckBox::clicked, &TBitFrame::CHB_BottomClick);
    onTrigger(CBX_Prefix, &QComboBox::activated, &TBitFrame::CBX_PrefixChange);
    // The prefix is part of every constant's name.
    connect(CBX_Prefix, &QComboBox::currentTextChanged, this, [this] { markDefinitionFindings(); });
    for (QAction *form : {MI_BF_Pascal, MI_BF_CPP, MI_BF_C})
        connect(form, &QAction::triggered, this, [this, form] { runCommand(this, [this, form] { MI_IncClick(form); }); });
}

// The context menu opens on a right click, the menu key and Shift+F10;
// from the keyboard at the selected cell.
bool TBitFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ContextMenu) {
        showPopupMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    if (watched == GridBits && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (fieldRowKey(*key))
            return true;
        if (key->key() == Qt::Key_Menu || (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            const QRect cell = GridBits->gridGeometry().cellRect(GridBits->SelectedColumn(), GridBits->SelectedRow());
            showPopupMenu(GridBits->viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint()));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void TBitFrame::showPopupMenu(const QPoint &globalPos)
{
    PopupBits->popup(globalPos);
}

void TBitFrame::CHB_BottomClick()
{
    SetBottomUp(CHB_Bottom->isChecked());
    GridBits->Update();
}

void TBitFrame::CBX_PrefixChange()
{
    // The chosen item stays selected: only the field takes the text.
    m_flagPrefix = ShortText(TrimBlanks(TextBeforeAny(QStringLiteral(";"), CBX_Prefix->currentText())));
}

void TBitFrame::MI_BF_ClearClick()
{
    ClearTable();
}

void TBitFrame::createGridPrint()
{
    GridPrint.SetAssociate(GridBits);
    GridPrint.SetHeaderSize(129);
    GridPrint.SetRowSize(86);
}

void TBitFrame::Print1Click()
{
    // A name still being typed is printed: the popup menu leaves the editor open.
    GridBits->ApplyEditing();
    QPrinter &printer = applicationPrinter();
    if (!desktop().printDialog(this, printer))
        return;
    // The print's sizes are device pixels: at 600 dots per inch a row of
    // 86 is 3.6 mm high, room for one line of the table's text.
    printer.setResolution(600);
    printer.setDocName(window()->windowTitle());
    GridPrint.Print(printer);
}
