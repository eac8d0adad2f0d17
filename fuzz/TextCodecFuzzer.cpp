// The 8-bit codec: decoding and encoding again in the detected encoding
// gives back every byte.
#include "FuzzSupport.h"

#include "platform/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzInput(data, size);
    DecodedText decoded = decodeText(bytes);
    TextEncoding encoding = decoded.encoding;
    require(encodeText(decoded.text, encoding) == bytes, "decode then encode gives back the bytes");
    require(encoding == decoded.encoding, "the decoded text fits its own encoding");
    return 0;
}
