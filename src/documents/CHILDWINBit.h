#pragma once

#include <QPointer>
#include <QWidget>

class QAction;
class TBitFrame;
class TIniModel;
struct TFlagWordLocation;

// The bit editor window: one flag word of an INI document in a flag editor
// frame. "Save &Init" writes the word back into the document's in-memory
// INI file; that and closing make the document rebuild its text. An
// ordinary top-level window owned by the document window, destroyed with
// it (then silently).
class TMDIChildBit : public QWidget
{
    Q_OBJECT

public:
    // Visible from its creation, in front of `documentWindow`, which owns it,
    // wide enough for the whole bit table, beside the document window and
    // cascaded from the document's other bit editors.
    explicit TMDIChildBit(QWidget *documentWindow);
    ~TMDIChildBit() override;

    // Titles the window and hands the flag word to the frame: section, key,
    // base name and note, then the bit definition files named after them,
    // then prefix and hex text, so the line decides the ticks. An invalid
    // hex text raises the conversion error with all earlier steps done.
    void OpenFlagWord(const QString &documentTitle, const TFlagWordLocation &flagWord);

    TBitFrame *const TBitFrame1;
    QAction *const SaveInit1;

    // The document's in-memory INI file, not owned; absent when the
    // document has none.
    TIniModel *IniFile = nullptr;
    // Receives the reload notification.
    QPointer<QWidget> DocumentWindow;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void addFocusKeys();
    int tableFittingWidth();
    QPoint initialPlace() const;
    void SaveInit1Click();
    void FormCloseQuery();
    // The reload notification, with the flag word as its parameter.
    void notifyDocument();
};
