#include "flags/BitFrames.h"

#include "flags/BitDefinitionFiles.h"
#include "grid/CellGrid.h"
#include "grid/TextColumn.h"
#include "platform/Desktop.h"
#include "util/GridAdjust.h"
#include "util/PathHelpers.h"
#include "util/ProfileFile.h"
#include "util/StringHelpers.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>

namespace {

const QString indexOfSection = QStringLiteral("IndexOf");
constexpr QChar separator = u';';
constexpr QChar lineBreakChar = u'|';

// The name used when no part of the flag word names the pair.
const QString fallbackName = QStringLiteral("GridBits");

// BF_OpenDialog and BF_SaveAsDialog: both show table and settings files.
FileDialogRequest bitFileDialog(const QString &filter, const QString &folder)
{
    FileDialogRequest request;
    request.filter = filter;
    request.defaultExtension = QStringLiteral(".bfi");
    request.initialDir = folder;
    return request;
}

// The text, or the fallback name when it is empty.
QString orFallback(const QString &name)
{
    return name.isEmpty() ? fallbackName : name;
}

} // namespace

void TBitFrame::LoadFlagFiles(const QString &name)
{
    UndoStep step(*this);
    m_flagFileBase = FullPath(name);
    const QString tableFile = TableFileName(m_flagFileBase);
    const QString settingsFile = SettingsFileName(m_flagFileBase);
    GB_BitFrame->setTitle(tableFile);
    {
        RecalculationBatch batch(*this);
        if (QFileInfo(tableFile).isFile()) {
            GridBits->LoadFromTextFile(tableFile, separator, lineBreakChar);
            loadFieldValueNames(settingsFile);
        }
        // The layout read, else the width before any field, holds.
        restoreBitColumnWidth();
        LoadGridLayout(*GridBits, settingsFile);
        ShadeRowGroups();
    }
    applySelectedItems(settingsFile);
    GridBitsChange();
    GridBits->Update();
}

bool TBitFrame::SaveFlagFiles(const QString &name)
{
    if (!name.isEmpty())
        m_flagFileBase = FullPath(name);
    if (BaseNameWithoutExtension(m_flagFileBase).isEmpty())
        return false;
    GB_BitFrame->setTitle(m_flagFileBase);
    GridBits->ApplyEditing();

    // The combo boxes name the flag word from now on; their selection stays.
    const QString section = ShortText(TrimBlanks(CBX_Section->currentText()));
    const QString label = ShortText(TrimBlanks(CBX_Label->currentText()));
    if (!section.isEmpty())
        m_section = section;
    if (!label.isEmpty())
        m_flagLabel = label;
    SetFlagHexA(u'$' + ColHex->Footer().Caption());

    GridBits->SaveToTextFile(TableFileName(m_flagFileBase), separator, lineBreakChar);
    const QString settingsFile = SettingsFileName(m_flagFileBase);
    if (SaveGridLayout(*GridBits, settingsFile) == 1)
        storeSelectedItems(settingsFile);
    storeFieldValueNames(settingsFile);
    return true;
}

void TBitFrame::MI_BF_SaveClick()
{
    SetFlagHexA(u'$' + ColHex->Footer().Caption());
    const QString base = orFallback(FlagFilesName(m_iniBaseName, m_section, m_flagLabel));
    SaveFlagFiles(base + QStringLiteral(".bfi"));
    GB_BitFrame->setTitle(FullPath(base + QStringLiteral(".bf?")));
}

void TBitFrame::MI_BF_SaveAsClick()
{
    const std::optional<QString> chosen = desktop().saveFileName(
        this, bitFileDialog(QStringLiteral("BitFrame files|*.bf?"), FolderPart(m_flagFileBase)));
    if (!chosen)
        return;
    // Save names the pair itself, in the chosen folder, which is now the
    // current directory.
    m_flagFileBase = *chosen;
    MI_BF_SaveClick();
}

void TBitFrame::MI_BF_LoadClick()
{
    const std::optional<QString> chosen = desktop().openFileName(
        this, bitFileDialog(QStringLiteral("Bit files|*.bf?"), FolderPart(m_flagFileBase)));
    if (!chosen)
        return;
    UndoStep step(*this);
    // Either file of the pair may be chosen; the pair is looked up in its
    // folder, which is now the current directory.
    const QString base = orFallback(BaseNameWithoutExtension(*chosen));
    LoadFlagFiles(base + QStringLiteral(".bfi"));
    ShadeRowGroups();
    GridBitsChange();
    GB_BitFrame->setTitle(FullPath(base + QStringLiteral(".bf?")));
}

namespace {

struct TSelectedItemKey
{
    const char *key;
    QComboBox *TBitFrame::*combo;
};

constexpr TSelectedItemKey selectedItemKeys[] = {
    {"Section", &TBitFrame::CBX_Section}, {"Label", &TBitFrame::CBX_Label}, {"Prefix", &TBitFrame::CBX_Prefix}};

} // namespace

// Only a combo box in which an item is chosen takes the stored item; -1,
// an index outside the list or a missing value leaves none chosen.
void TBitFrame::applySelectedItems(const QString &settingsFile)
{
    const TProfileSnapshot settings{TProfileFile(settingsFile)}; // read once for all three keys
    for (const TSelectedItemKey &item : selectedItemKeys) {
        QComboBox *combo = this->*item.combo;
        if (combo->currentIndex() < 0)
            continue;
        const int index = settings.ReadInteger(indexOfSection, QString::fromLatin1(item.key), -1);
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

void TBitFrame::storeSelectedItems(const QString &settingsFile) const
{
    TProfileFile settings(settingsFile);
    for (const TSelectedItemKey &item : selectedItemKeys)
        settings.WriteInteger(indexOfSection, QString::fromLatin1(item.key), (this->*item.combo)->currentIndex());
    settings.UpdateFile();
}
