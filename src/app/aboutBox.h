#pragma once

#include <QDialog>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class TCellGrid;
class TTextColumn;
class TVersionInfo;

// The about box: the program file, its date, the computer and user names
// and every version string of the program, in a key/value grid that its
// pop-up menu exports to a text file beside the program file.
class TAboutBox : public QDialog
{
    Q_OBJECT

public:
    // About the program file at `programFilePath`.
    explicit TAboutBox(const QString &programFilePath, QWidget *parent = nullptr);
    ~TAboutBox() override;

    QFrame *const Panel1;
    QLabel *const ProgramIcon;
    QLabel *const LBL_Company;
    QLabel *const LBL_ProductName;
    QPushButton *const Button1;
    TCellGrid *const AGX_About;
    TTextColumn *const ColKey;
    TTextColumn *const ColValue;
    QMenu *const PopupMenu1;
    QAction *const Save1;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpPanel();
    void setUpGrid();
    void centerOnScreen();

    void FormShow();
    void Save1Click();
    void ProgramIconClick();

    const QString m_programFilePath;
    bool m_filled = false;
};

// The reader of the program's version block that every about box shares:
// created at the first showing, kept until the program ends; nullptr
// before that and when the program has no version block.
TVersionInfo *AboutVersionInfo();
// The program file's full path, once a box has been filled.
const QString &AboutFileName();
