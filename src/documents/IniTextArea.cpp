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

void TIniTextArea::insertFromMimeData(const QMimeData *source)
{
    if (source->hasText())
        InsertIntoTextArea(this, source->text());
}
