#pragma once

#include "DocumentHost.h"

#include "documents/KeepLayoutSetting.h"
#include "documents/TextAreaView.h"
#include "platform/ScriptedDesktop.h"
#include "support/TestFiles.h"

#include <QByteArray>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

// The example INI file as it lies on disk, as the document shows it, and
// as Save writes it back.
inline const QByteArray exampleFile = "; settings of myapp\r\n"
                                      "loose text\r\n"
                                      "[ACCESS]\r\n"
                                      "\r\n"
                                      "FLAGS = $0000A001,bf;Read and write\r\n"
                                      "; old = $00000001,bf;Read\r\n"
                                      "[Paths]\r\n"
                                      "  Home  =  C:\\data  \r\n";
inline const char *const exampleShown = "[ACCESS]\nFLAGS=$0000A001,bf;Read and write\n\n[Paths]\nHome=C:\\data\n\n";
inline const QByteArray exampleRebuilt =
    "[ACCESS]\r\nFLAGS=$0000A001,bf;Read and write\r\n\r\n[Paths]\r\nHome=C:\\data\r\n\r\n";

// The keep-layout choice is the program's: a test that makes it leaves it off.
struct KeepLayoutChoiceRestored
{
    ~KeepLayoutChoiceRestored() { ChooseKeepLayout(false); }
};

// One document window in its host, a fresh folder and the scripted desktop.
class DocumentWindow : public ::testing::Test
{
protected:
    TMDIChild *openExample()
    {
        folder.write(QStringLiteral("myapp_v2.ini"), exampleFile);
        return host.open(path(QStringLiteral("myapp_v2.ini")));
    }
    QString path(const QString &name) const { return folder.path(name); }
    QString shownText() const { return TextAreaText(host.document()->MemoIni); }
    // In place of the whole text, as the user types or pastes it.
    void type(const QString &text) const
    {
        host.document()->MemoIni->selectAll();
        InsertIntoTextArea(host.document()->MemoIni, text);
    }

    CurrentDirectoryGuard guard; // Save As moves the current directory
    ScriptedDesktop desktop;
    TestFolder folder;
    DocumentHost host;
};
