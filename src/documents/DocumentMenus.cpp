#include "documents/DocumentMenus.h"

#include <QKeyEvent>
#include <QMenu>

namespace {

QMenu *addMenu(QWidget *owner, const QString &objectName, const QString &caption)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(objectName);
    return menu;
}

QAction *addItem(QMenu *menu, const QString &objectName, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(objectName);
    item->setShortcut(shortcut);
    return item;
}

} // namespace

TDocumentMenus::TDocumentMenus(QWidget *owner)
{
    File1 = addMenu(owner, QStringLiteral("File1"), QStringLiteral("&File"));
    New1 = addItem(File1, QStringLiteral("New1"), QStringLiteral("&New"));
    Open1 = addItem(File1, QStringLiteral("Open1"), QStringLiteral("&Open..."));
    Close1 = addItem(File1, QStringLiteral("Close1"), QStringLiteral("&Close"));
    Save1 = addItem(File1, QStringLiteral("Save1"), QStringLiteral("&Save"));
    Saveas1 = addItem(File1, QStringLiteral("Saveas1"), QStringLiteral("Save &as..."));
    Print1 = addItem(File1, QStringLiteral("Print1"), QStringLiteral("&Print"));
    Printersetup1 = addItem(File1, QStringLiteral("Printersetup1"), QStringLiteral("Printer setup..."));
    File1->addSeparator();
    Exit1 = addItem(File1, QStringLiteral("Exit1"), QStringLiteral("E&xit"));

    Edit1 = addMenu(owner, QStringLiteral("Edit1"), QStringLiteral("&Edit"));
    Cut1 = addItem(Edit1, QStringLiteral("Cut1"), QStringLiteral("Cu&t"), Qt::CTRL | Qt::Key_X);
    Copy1 = addItem(Edit1, QStringLiteral("Copy1"), QStringLiteral("&Copy"), Qt::CTRL | Qt::Key_C);
    Paste1 = addItem(Edit1, QStringLiteral("Paste1"), QStringLiteral("&Paste"), Qt::CTRL | Qt::Key_V);
    Delete1 = addItem(Edit1, QStringLiteral("Delete1"), QStringLiteral("De&lete"), Qt::CTRL | Qt::Key_D);
    Edit1->addSeparator();
    Selectall1 = addItem(Edit1, QStringLiteral("Selectall1"), QStringLiteral("Select &all"), Qt::CTRL | Qt::Key_A);
    Edit1->addSeparator();
    Find1 = addItem(Edit1, QStringLiteral("Find1"), QStringLiteral("&Suchen..."), Qt::CTRL | Qt::Key_F);
    Gotoline1 = addItem(Edit1, QStringLiteral("Gotoline1"), QStringLiteral("&Gehe zu Zeile..."), Qt::CTRL | Qt::Key_G);
    Edit1->addSeparator();
    MI_KeepLayout = addItem(Edit1, QStringLiteral("MI_KeepLayout"), QStringLiteral("Kommentare und Layout &beibehalten"));
    MI_KeepLayout->setCheckable(true);
    Edit1->addSeparator();
    // The keypad's Enter opens it as the main Return key does.
    OpenBitEditor1 = addItem(Edit1, QStringLiteral("OpenBitEditor1"), QStringLiteral("&Bit-Editor öffnen"));
    OpenBitEditor1->setShortcuts({Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter});
}

QAction *TDocumentMenus::itemCarrying(const QKeyEvent &key) const
{
    // A key of the keypad carries the keypad flag, which no item's shortcut names.
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (QMenu *menu : menus()) {
        for (QAction *item : menu->actions()) {
            if (item->shortcuts().contains(pressed))
                return item;
        }
    }
    return nullptr;
}
