#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

QTranslator *InstallQtTranslations(const QLocale &locale)
{
    // qtbase holds the texts of Qt's widgets and dialogs, the print dialogs included.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    translator->setParent(QCoreApplication::instance());
    return translator.release();
}
