#include "VersionBlocks.h"

#include <QResource>
#include <QtEndian>

TVersionBlock StringTable(const QString &key, const TStringPairs &strings)
{
    QList<TVersionBlock> children;
    for (const auto &[name, value] : strings)
        children.append(StringBlock(name, value));
    return ParentBlock(key, children);
}

TVersionBlock StringFileInfo(const QList<TVersionBlock> &tables)
{
    return ParentBlock(QStringLiteral("StringFileInfo"), tables);
}

TVersionBlock VarFileInfo()
{
    return ParentBlock(QStringLiteral("VarFileInfo"), {TranslationBlock({{0x0407, 0x04E4}})});
}

QByteArray VersionResource(const QList<TVersionBlock> &children, bool withFixedInfo, quint32 signature)
{
    TVersionBlock root = ParentBlock(QStringLiteral("VS_VERSION_INFO"), children);
    if (withFixedInfo) {
        root.Type = TVersionBlock::Binary;
        root.Value = FixedFileInfoBytes({});
        qToLittleEndian(signature, root.Value.data());
        root.ValueLength = quint16(root.Value.size());
    }
    return EncodeVersionBlock(root);
}

QByteArray ResourceWithStrings(const TStringPairs &strings)
{
    return VersionResource({StringFileInfo({StringTable(QStringLiteral("040704E4"), strings)}), VarFileInfo()});
}

QByteArray EmbeddedVersionBlock()
{
    return QResource(QStringLiteral(":/tarvex/VS_VERSION_INFO")).uncompressedData();
}

qsizetype BlockOffset(const QByteArray &resource, const QString &key)
{
    QByteArray pattern(reinterpret_cast<const char *>(key.utf16()), key.size() * 2);
    pattern.append(2, '\0');
    const qsizetype keyAt = resource.indexOf(pattern);
    return keyAt < 0 ? -1 : keyAt - 6;
}

void SetUInt16(QByteArray &bytes, qsizetype offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}
