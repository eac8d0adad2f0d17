#include "flags/IncludeText.h"

#include "flags/IncludeHeader.h"
#include "platform/TextCodec.h"

QString IncludeFileText(const TIncludeSource &source, TIncludeForm form)
{
    return form == TIncludeForm::C ? CHeaderText(source) : PascalOrCppText(source, form);
}

QByteArray IncludeFileBytes(const TIncludeSource &source, TIncludeForm form)
{
    TextEncoding encoding; // a new 8-bit text file
    return encodeText(IncludeFileText(source, form), encoding);
}
