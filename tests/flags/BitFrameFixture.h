#pragma once

#include "flags/BitFrames.h"
#include "flags/FieldDefinition.h"
#include "platform/ScriptedDesktop.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QAccessibleInterface>
#include <QByteArray>
#include <QList>
#include <gtest/gtest.h>

// A flag editor frame in a fresh current folder, with the scripted desktop
// answering its dialogs and taking its error reports.
class BitFrameTest : public ::testing::Test
{
protected:
    BitFrameTest();

    QString path(const QString &name) const { return folder.path(name); }
    bool ticked(int row) const;
    QList<int> tickedRows() const;
    QString mask(int row) const;
    QString footer(int column) const;
    // As the user does it: through the grid's toggle, OnChange included.
    void toggle(int row);
    // As a screen reader does it: the accessible toggle action.
    static void doToggleAction(QAccessibleInterface *target);
    void setName(int row, const QString &name, const QString &usedFor = {});
    // Typed into the cell's in-place editor and stored with Enter.
    void typeInPlace(int col, int row, const QString &text);
    // Typed (pasted, where it holds a control character) into the value
    // field of `target` and confirmed with Enter.
    static void enterValue(TBitFrame &target, const QString &text);
    // What the user sees of a frame: every row, the word wherever it is
    // shown, the order, the caption and the combo boxes' texts.
    static QString shown(const TBitFrame &target);
    // The menu item with that object name, chosen as the user chooses it.
    void choose(const QString &item);
    // "&Field..." on the row, its dialog filled in and confirmed.
    void makeField(int row, TFieldRun run, const QString &name, const QList<TFieldValueTexts> &values);
    // Space on the field row, and the value chosen from the menu it opens.
    void chooseFieldValue(int row, const QString &value);
    // The value chosen from the open menu of a field's values.
    void pickFieldValue(const QString &value);
    // A frame opened from the line FLAGS=$0000A001,bf;Read and write under
    // [ACCESS] of myapp_v2.ini.
    void openAsFromIniLine();

    CurrentDirectoryGuard guard;
    ScriptedDesktop desktop;
    TestFolder folder;
    TBitFrame frame;
};

// A grid text file's bytes: UTF-16 LE behind FF FE, lines ended by CR LF.
QByteArray gridTextFile(const QStringList &lines);
