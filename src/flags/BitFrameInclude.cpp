#include "flags/BitFrames.h"

#include "flags/BitDefinitionFiles.h"
#include "flags/IncludeText.h"
#include "grid/CellGrid.h"
#include "grid/TextColumn.h"
#include "platform/FileIo.h"

#include <QComboBox>

void TBitFrame::SetIncludeC(bool Value)
{
    m_includeC = Value;
    if (!m_flagFileBase.isEmpty())
        writeFileAtomically(ReplacedExtension(m_flagFileBase, QStringLiteral(".inc")),
                            IncludeFileBytes(IncludeSource(), TIncludeForm::Pascal));
}

void TBitFrame::MI_IncClick(QAction *Sender)
{
    if (Sender == MI_BF_Pascal)
        CreateIncludeFile(TIncludeForm::Pascal);
    else if (Sender == MI_BF_C)
        CreateIncludeFile(TIncludeForm::C);
    else
        CreateIncludeFile(TIncludeForm::Cpp);
}

QString TBitFrame::CreateIncludeFile(TIncludeForm form)
{
    // A name still being typed counts: the popup menu leaves the editor open.
    GridBits->ApplyEditing();
    return WriteIncludeFile(IncludeSource(), form);
}

TIncludeSource TBitFrame::IncludeSource() const
{
    TIncludeSource source;
    source.prefixText = CBX_Prefix->currentText();
    source.section = m_section;
    source.flagLabel = m_flagLabel;
    source.flagFileBase = m_flagFileBase;
    source.bottomUp = m_bottomUp;
    for (int row = 0; row < GridBits->RowCount(); ++row) {
        const std::optional<TFieldRun> run = FieldRunOfRow(row);
        source.rows.push_back({GridBits->Cells(ColHex->Index(), row), GridBits->Cells(ColMask->Index(), row),
                               GridBits->Cells(ColLabel->Index(), row),
                               run ? m_fieldNames.value(FieldMask(*run)) : QList<TFieldValue>()});
    }
    source.flagWordHex = ColHex->Footer().Caption();
    return source;
}
