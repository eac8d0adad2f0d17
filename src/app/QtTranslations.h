#pragma once

class QLocale;
class QTranslator;

// Installs Qt's own translations for `locale` (Debian qt6-translations-l10n),
// so Qt's file, print and overwrite dialogs and its standard buttons speak
// the user's language. The program's own texts stay as they are: none of
// them passes through a translator. Returns the installed translator,
// owned by the application, or nullptr where no translation is found.
QTranslator *InstallQtTranslations(const QLocale &locale);
