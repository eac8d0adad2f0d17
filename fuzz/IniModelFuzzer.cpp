// The in-memory INI file: its rebuilt text loads into the same sections,
// and writing a value whose names come from the input keeps it so.
#include "FuzzSupport.h"

#include "documents/IniModel.h"
#include "platform/TextCodec.h"

#include <QStringList>

namespace {

// Names and values that a line of the rebuilt text can hold as they are.
QString lineSafe(const QString &text)
{
    QString safe;
    for (QChar ch : text)
        safe += (ch.unicode() <= 32 || ch == u'=' || ch == u'[' || ch == u']' || ch == u';') ? u'_' : ch;
    return safe;
}

void requireStableRebuild(const TIniModel &model)
{
    TIniModel reloaded(QStringLiteral("reloaded.ini"));
    reloaded.loadText(model.rebuiltText(u"\r\n"));
    require(reloaded.sections() == model.sections(), "the rebuilt text loads into the same sections");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = decodeText(fuzzInput(data, size)).text;
    TIniModel model(QStringLiteral("fuzzed.ini"));
    model.loadText(text);
    requireStableRebuild(model);

    // Section, key and value from the input's first three lines.
    const QStringList parts = text.split(u'\n');
    const QString section = lineSafe(parts.value(0).left(40));
    const QString key = lineSafe(parts.value(1).left(40));
    if (!section.isEmpty() && !key.isEmpty()) {
        model.write(section, key, QStringLiteral("$0000A001,bf;") + lineSafe(parts.value(2).left(40)));
        requireStableRebuild(model);
    }
    return 0;
}
