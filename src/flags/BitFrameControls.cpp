#include "flags/BitFrames.h"

#include "flags/ComboBoxKinds.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "platform/CommandGuard.h"
#include "util/StringHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>

namespace {

// A group box with its caption and shown hint around one combo box,
// whose own hint is kept but not shown.
QGroupBox *comboGroup(QWidget *parent, const QString &name, const QString &caption, const QString &hint,
                      QComboBox *combo, const QString &comboName, const QString &comboHint)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(name);
    group->setToolTip(hint);
    combo->setParent(group);
    combo->setObjectName(comboName);
    combo->setProperty("hint", comboHint);
    auto *layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(combo);
    return group;
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
    CBX_Section = new QComboBox;
    GB_Section = comboGroup(Panel1, QStringLiteral("GB_Section"), QStringLiteral("Section"),
                            QStringLiteral("Section on Initfile"), CBX_Section, QStringLiteral("CBX_Section"),
                            QStringLiteral("Section label in Ini-Files"));
    MakeFreeTextComboBox(CBX_Section);
    CBX_Section->addItems({QStringLiteral("Access"), QStringLiteral("Application"), QStringLiteral("Init"),
                           QStringLiteral("Network"), QStringLiteral("User")});
    CBX_Section->setCurrentIndex(0);

    CBX_Label = new QComboBox;
    GB_Label = comboGroup(Panel1, QStringLiteral("GB_Label"), QStringLiteral("Label"),
                          QStringLiteral("Label on InitFile Section"), CBX_Label, QStringLiteral("CBX_Label"),
                          QStringLiteral("Key label in Ini-File"));
    MakeFreeTextComboBox(CBX_Label);
    CBX_Label->addItems(
        {QStringLiteral("Bits"), QStringLiteral("Control"), QStringLiteral("Flags"), QStringLiteral("User")});
    CBX_Label->setCurrentIndex(-1);
    CBX_Label->setEditText(QStringLiteral("Flags"));

    CBX_Prefix = new QComboBox;
    GB_Prefix = comboGroup(Panel1, QStringLiteral("GB_Prefix"), QStringLiteral("Prefix "),
                           QStringLiteral("Prefix for include declarations"), CBX_Prefix, QStringLiteral("CBX_Prefix"),
                           QStringLiteral("Used as prefix for constans in generated include files"));
    MakeChoiceOnlyComboBox(CBX_Prefix);
    for (const char *prefix : {"bb", "bf", "cb", "cf", "fb", "kb", "kf", "ub", "uc", "uf", "vb", "vf"})
        CBX_Prefix->addItem(QString::fromLatin1(prefix));
    CBX_Prefix->setCurrentIndex(-1);

    CHB_Bottom = new QCheckBox(QStringLiteral("Bits Bottom-Up"), Panel1);
    CHB_Bottom->setObjectName(QStringLiteral("CHB_Bottom"));
    CHB_Bottom->setToolTip(QStringLiteral("MSB-LSB sorted order"));

    auto *strip = new QHBoxLayout(Panel1);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->addWidget(GB_Section, 3);
    strip->addWidget(GB_Label, 3);
    strip->addWidget(GB_Prefix, 2);
    strip->addWidget(CHB_Bottom, 2);
}

void TBitFrame::createBitTable()
{
    GridBits->setObjectName(QStringLiteral("GridBits"));
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

void TBitFrame::createPopupMenu()
{
    PopupBits->setObjectName(QStringLiteral("PopupBits"));
    const auto item = [this](QMenu *menu, const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    MI_BF_Load = item(PopupBits, QStringLiteral("MI_BF_Load"), QStringLiteral("&Load"));
    MI_BF_Save = item(PopupBits, QStringLiteral("MI_BF_Save"), QStringLiteral("&Save"));
    MI_BF_SaveAs = item(PopupBits, QStringLiteral("MI_BF_SaveAs"), QStringLiteral("Save &As"));
    MI_BF_Clear = item(PopupBits, QStringLiteral("MI_BF_Clear"), QStringLiteral("&Clear"));
    MI_Inc = PopupBits->addMenu(QStringLiteral("&Include create"));
    MI_Inc->setObjectName(QStringLiteral("MI_Inc"));
    MI_Inc->menuAction()->setObjectName(QStringLiteral("MI_Inc"));
    MI_BF_Pascal = item(MI_Inc, QStringLiteral("MI_BF_Pascal"), QStringLiteral("Pascal"));
    MI_BF_CPP = item(MI_Inc, QStringLiteral("MI_BF_CPP"), QStringLiteral("CPP"));
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
    onTrigger(CHB_Bottom, &QCheckBox::clicked, &TBitFrame::CHB_BottomClick);
    onTrigger(CBX_Prefix, &QComboBox::activated, &TBitFrame::CBX_PrefixChange);
    for (QAction *form : {MI_BF_Pascal, MI_BF_CPP})
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

void TBitFrame::Print1Click()
{
    // Printing the bit table is not offered yet.
}
