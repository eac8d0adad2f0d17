#pragma once

#include <QPlainTextEdit>

// The document's text area (`MemoIni`): every way text leaves or enters it
// through the clipboard or by dragging goes through the same stand-in
// mapping as reading and loading its text, so a line break character of
// the file survives copy and paste, and a pasted stand-in character stays
// what it is. Dragged files are not text: they pass on to the main window,
// which opens or refuses them, instead of landing here as their addresses.
class TIniTextArea : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TIniTextArea(QWidget *parent = nullptr);

protected:
    QMimeData *createMimeDataFromSelection() const override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
