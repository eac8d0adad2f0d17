#include "documents/KeepLayoutSetting.h"

#include <QSettings>

namespace {

QSettings programSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("tarvex"), QStringLiteral("tarvex"));
}

const QString keepLayoutKey = QStringLiteral("Documents/KeepLayout");

} // namespace

bool KeepLayoutChosen()
{
    return programSettings().value(keepLayoutKey, false).toBool();
}

void ChooseKeepLayout(bool keep)
{
    programSettings().setValue(keepLayoutKey, keep);
}
