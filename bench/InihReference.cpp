#include "InihReference.h"

#include <QByteArray>
#include <ini.h>

long CountInihEntries(const QByteArray &path)
{
    long entries = 0;
    ini_parse(
        path.constData(),
        [](void *user, const char *, const char *, const char *) {
            ++*static_cast<long *>(user);
            return 1;
        },
        &entries);
    return entries;
}
