// The profile text: an unchanged parse gives back its input, and a value
// set reads back.
#include "FuzzSupport.h"

#include "platform/TextCodec.h"
#include "util/ProfileText.h"

#include <QStringList>

namespace {

// Section and key names the file can hold: letters, digits and blanks inside.
QString nameFrom(const QString &text)
{
    QString name;
    for (QChar ch : text.left(24))
        name += ch.isLetterOrNumber() && ch.unicode() < 128 ? ch : u'x';
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = decodeText(fuzzInput(data, size)).text;
    TProfileText profile(text);
    require(profile.text() == text, "an unchanged parse gives back the input");

    const QStringList parts = text.split(u'\n');
    const QString section = nameFrom(parts.value(0));
    const QString key = nameFrom(parts.value(1));
    QString value = parts.value(2).left(80);
    value.remove(u'\r');
    if (section.isEmpty() || key.isEmpty())
        return 0;
    profile.setValue(section, key, value);
    require(profile.value(section, key) == value, "a value set reads back");
    require(TProfileText(profile.text()).value(section, key) == value, "a value set reads back after a new parse");
    return 0;
}
