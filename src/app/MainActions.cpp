#include "app/MainActions.h"

#include "app/ToolBarIcons.h"

#include <QAction>
#include <QKeySequence>

namespace {

QAction *makeAction(QObject *owner, const QString &name, const QString &category, const QString &caption,
                    const QString &hint, const QKeySequence &shortcut = {})
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    action->setProperty("category", category);
    action->setProperty("hint", hint);
    action->setToolTip(hint.section(u'|', 0, 0));
    action->setShortcut(shortcut);
    return action;
}

} // namespace

TMainActions::TMainActions(QObject *owner)
{
    const QString file = QStringLiteral("File");
    FileNew1 = makeAction(owner, QStringLiteral("FileNew1"), file, QStringLiteral("&Neu"),
                          QStringLiteral("Neu|Neue Datei erstellen"), Qt::CTRL | Qt::Key_N);
    FileOpen1 = makeAction(owner, QStringLiteral("FileOpen1"), file, QStringLiteral("Ö&ffnen"),
                           QStringLiteral("Öffnen|Datei öffnen"), Qt::CTRL | Qt::Key_O);
    FileClose1 = makeAction(owner, QStringLiteral("FileClose1"), file, QStringLiteral("&Schließen"),
                            QStringLiteral("Schließen|Aktuelle Datei schließen"));
    FileSave1 = makeAction(owner, QStringLiteral("FileSave1"), file, QStringLiteral("&Speichern"),
                           QStringLiteral("Speichern|Aktuelle Datei speichern"), Qt::CTRL | Qt::Key_S);
    FileSaveAs1 = makeAction(owner, QStringLiteral("FileSaveAs1"), file, QStringLiteral("Speichern &unter..."),
                             QStringLiteral("Speichern unter|Datei unter einem anderen Namen speichern"));
    FileExit1 = makeAction(owner, QStringLiteral("FileExit1"), file, QStringLiteral("&Beenden"),
                           QStringLiteral("Beenden|Programm beenden"));

    const QString edit = QStringLiteral("Edit");
    EditCut1 = makeAction(owner, QStringLiteral("EditCut1"), edit, QStringLiteral("&Ausschneiden"),
                          QStringLiteral("Ausschneiden|Markiertes Objekt in die Zwischenablage verschieben"),
                          Qt::CTRL | Qt::Key_X);
    EditCopy1 = makeAction(owner, QStringLiteral("EditCopy1"), edit, QStringLiteral("&Kopieren"),
                           QStringLiteral("Kopieren|Markiertes Objekt in die Zwischenablage kopieren"),
                           Qt::CTRL | Qt::Key_C);
    EditPaste1 = makeAction(owner, QStringLiteral("EditPaste1"), edit, QStringLiteral("&Einfügen"),
                            QStringLiteral("Einfügen|Inhalt der Zwischenablage einfügen"), Qt::CTRL | Qt::Key_V);

    const QString window = QStringLiteral("Window");
    WindowCascade1 = makeAction(owner, QStringLiteral("WindowCascade1"), window, QStringLiteral("Ü&berlappend"),
                                QStringLiteral("Überlappend"));
    WindowTileHorizontal1 = makeAction(owner, QStringLiteral("WindowTileHorizontal1"), window,
                                       QStringLiteral("Hori&zontal anordnen"), QStringLiteral("Horizontal anordnen"));
    WindowTileVertical1 = makeAction(owner, QStringLiteral("WindowTileVertical1"), window,
                                     QStringLiteral("&Vertikal anordnen"), QStringLiteral("Vertikal anordnen"));
    WindowMinimizeAll1 = makeAction(owner, QStringLiteral("WindowMinimizeAll1"), window,
                                    QStringLiteral("&Alle verkleinern"), QStringLiteral("Alle verkleinern"));
    WindowArrangeAll1 = makeAction(owner, QStringLiteral("WindowArrangeAll1"), window, QStringLiteral("Alle an&ordnen"),
                                   QStringLiteral("Alle anordnen"));

    HelpAbout1 = makeAction(owner, QStringLiteral("HelpAbout1"), QStringLiteral("Help"), QStringLiteral("&Info..."),
                            QStringLiteral("Info|Anzeige von Programminformationen, Versionsnummer und Copyright-Vermerk"));

    for (QAction *action : toolBarActions()) {
        if (action)
            action->setIcon(ToolBarIcon(action->objectName()));
    }
}

QList<QAction *> TMainActions::all() const
{
    return {FileNew1,         FileOpen1,      FileClose1,     FileSave1,           FileSaveAs1,
            FileExit1,        EditCut1,       EditCopy1,      EditPaste1,          WindowCascade1,
            WindowTileHorizontal1, WindowTileVertical1, WindowMinimizeAll1, WindowArrangeAll1, HelpAbout1};
}

QList<QAction *> TMainActions::windowActions() const
{
    return {WindowCascade1, WindowTileHorizontal1, WindowTileVertical1, WindowMinimizeAll1, WindowArrangeAll1};
}

QList<QAction *> TMainActions::toolBarActions() const
{
    return {FileNew1,       FileOpen1,           FileSave1,          nullptr, EditCut1, EditCopy1, EditPaste1,
            nullptr,        WindowCascade1,      WindowTileHorizontal1, WindowTileVertical1};
}
