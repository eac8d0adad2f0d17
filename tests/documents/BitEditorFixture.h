#pragma once

#include "DocumentWindowFixture.h"

#include "documents/CHILDWINBit.h"

#include <QAction>
#include <QDir>
#include <QTest>
#include <QTextBlock>

inline const QByteArray accessFile = "[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n";

// A document in its host whose flag lines open bit editors, with the
// document's folder as the current directory.
class BitEditor : public DocumentWindow
{
protected:
    BitEditor() { QDir::setCurrent(path(QString())); }

    TMDIChild *openIni(const QByteArray &bytes, const QString &name = QStringLiteral("myapp_v2.ini"))
    {
        folder.write(name, bytes);
        return host.open(path(name));
    }

    QList<TMDIChildBit *> editors() const { return host.document()->findChildren<TMDIChildBit *>(); }

    // Double-clicks the line; the bit editor it opened, or nullptr.
    TMDIChildBit *doubleClickLine(int line, Qt::MouseButton button = Qt::LeftButton)
    {
        const QList<TMDIChildBit *> before = editors();
        QPlainTextEdit *memo = host.document()->MemoIni;
        const QRect caret = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(line)));
        QTest::mouseDClick(memo->viewport(), button, {}, caret.center() + QPoint(4, 0));
        for (TMDIChildBit *editor : editors())
            if (!before.contains(editor))
                return editor;
        return nullptr;
    }

    static void choose(TMDIChildBit *editor, const QString &item)
    {
        editor->findChild<QAction *>(item)->trigger();
    }
};
