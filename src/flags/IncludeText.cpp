#include "flags/IncludeText.h"

#include "flags/IncludeHeader.h"
#include "platform/FileIo.h"
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

QString WriteIncludeFile(const TIncludeSource &source, TIncludeForm form)
{
    const QString path = IncludeFileName(source.flagFileBase, source.bottomUp, form);
    writeFileAtomically(path, IncludeFileBytes(source, form));
    return path;
}
