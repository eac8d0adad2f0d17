#pragma once

#include "VersionBlockWriter.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Hand-made version resources for the reader's tests.
using TStringPairs = QList<QPair<QString, QString>>;

TVersionBlock StringTable(const QString &key, const TStringPairs &strings);
TVersionBlock StringFileInfo(const QList<TVersionBlock> &tables);
TVersionBlock VarFileInfo();
// The root block; with fixed information (signature as given) unless
// `withFixedInfo` is false.
QByteArray VersionResource(const QList<TVersionBlock> &children, bool withFixedInfo = true,
                           quint32 signature = 0xFEEF04BD);
// One resource with one string table "040704E4" of these strings.
QByteArray ResourceWithStrings(const TStringPairs &strings);

// The program's own block, as embedded by the build.
QByteArray EmbeddedVersionBlock();
// Where the block with this key starts in `resource` (its wLength).
qsizetype BlockOffset(const QByteArray &resource, const QString &key);
void SetUInt16(QByteArray &bytes, qsizetype offset, quint16 value);
