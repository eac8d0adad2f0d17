#include "documents/IniTextArea.h"

#include "documents/TextAreaView.h"

#include <QMimeData>

TIniTextArea::TIniTextArea(QWidget *parent)
    : QPlainTextEdit(parent)
{
}

QMimeData *TIniTextArea::createMimeDataFromSelection() const
{
    auto *data = new QMimeData;
    data->setText(TextAreaSelection(this));
    return data;
}

bool TIniTextArea::canInsertFromMimeData(const QMimeData *source) const
{
    return !source->hasUrls() && QPlainTextEdit::canInsertFromMimeData(source);
}

void TIniTextArea::insertFromMimeData(const QMimeData *source)
{
    if (canInsertFromMimeData(source))
        InsertIntoTextArea(this, source->text());
}
