// The version block reader: whatever the bytes, the walk ends, nothing
// outside the buffer is read (the sanitizers watch), and the answers
// agree with each other.
#include "FuzzSupport.h"

#include "app/u_versioninfo.h"
#include "platform/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TVersionInfo info(fuzzInput(data, size));
    const int count = info.StringCount();
    require(count == int(info.Strings().size()), "StringCount counts the strings read");
    for (int index = 0; index < count; ++index) {
        const QString key = info.KeyAt(index);
        bool found = true;
        try {
            info.ValueOf(key);
        } catch (const TarvexError &) {
            found = false;
        }
        require(found, "every listed key has a value");
    }
    require(info.StringCount() == count, "a second query gives the same answer");
    return 0;
}
