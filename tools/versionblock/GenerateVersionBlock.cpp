// Build step: turns the description of the program's version block into
// its VS_VERSIONINFO bytes. Usage: generate_version_block <description> <output>
#include "VersionDescription.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <exception>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <description> <output>\n", argv[0]);
        return 2;
    }
    const QString descriptionPath = QString::fromLocal8Bit(argv[1]);
    QFile description(descriptionPath);
    if (!description.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(description.errorString()));
        return 1;
    }
    QByteArray bytes;
    try {
        bytes = EncodeVersionBlock(VersionBlockFromDescription(QString::fromUtf8(description.readAll())));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.what());
        return 1;
    }
    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(bytes) != bytes.size() || !output.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
