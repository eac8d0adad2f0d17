#include "flags/BitDefinitionFiles.h"

#include <QFileInfo>

QString ReplacedExtension(const QString &path, const QString &extension)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar ch = path[i];
        if (ch == u'.')
            return path.first(i) + extension;
        if (ch == u'\\' || ch == u'/' || ch == u':')
            break;
    }
    return path + extension;
}

QString FlagFilesName(const QString &iniBaseName, const QString &section, const QString &key)
{
    QString name = iniBaseName + section + key;
    // A dot would also be read as the start of the extension and cut the name.
    for (const QChar separator : {u'/', u'\\', u'.'})
        name.replace(separator, u'_');
    return name;
}

QString TableFileName(const QString &flagFileBase)
{
    return ReplacedExtension(flagFileBase, QStringLiteral(".bfx"));
}

QString SettingsFileName(const QString &flagFileBase)
{
    return ReplacedExtension(flagFileBase, QStringLiteral(".bfi"));
}

QString FullPath(const QString &name)
{
    return QFileInfo(name).absoluteFilePath();
}
