#include "app/MainForm.h"
#include "app/QtTranslations.h"
#include "app/aboutBox.h"
#include "platform/ScriptedDesktop.h"
#include "support/QStringPrinting.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Every text of the program's own actions, menu items and about box
// labels. A menu item shows its shortcut after a tab in the desktop's own
// key names ("Strg+N" under German), which are Qt's texts, not ours.
QStringList programTexts()
{
    TMainForm form(QStringLiteral("/opt/tools/tarvex"));
    TAboutBox box(QStringLiteral("/opt/tools/tarvex"));
    QStringList texts;
    for (const QAction *action : form.findChildren<QAction *>()) {
        if (!action->objectName().isEmpty())
            texts << action->text().section(u'\t', 0, 0) << action->toolTip().section(u'\t', 0, 0);
    }
    for (const QLabel *label : box.findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

QString cancelButtonText()
{
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return buttons.button(QDialogButtonBox::Cancel)->text();
}

TEST(QtTranslations, QtsOwnTextsFollowTheLocaleWhileTheProgramsStay)
{
    ScriptedDesktop desktop;
    const QStringList before = programTexts();
    EXPECT_EQ(cancelButtonText(), u"Cancel");

    QTranslator *translator = InstallQtTranslations(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_NE(translator, nullptr) << "qt6-translations-l10n is missing";
    EXPECT_EQ(cancelButtonText(), u"Abbrechen");
    EXPECT_EQ(programTexts(), before);

    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace
