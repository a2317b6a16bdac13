// CP932 decoding and encoding, and the split into lines, on any bytes.
#include "fuzz_support.h"

#include "platform/textfile.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString text = platform::decodeCp932(bytes);
    const QByteArray encoded = platform::encodeCp932(text);
    // Text decoded without an invalid byte is CP932 text: it is written and
    // read back as it is.
    if (!text.contains(QChar(0xFFFD)))
        fuzz::require(platform::decodeCp932(encoded) == text, "decoded CP932 text encodes and decodes to itself");

    for (const QString& line : platform::splitLines(text))
        fuzz::require(!line.contains(u'\r') && !line.contains(u'\n'), "no line keeps a line break");

    // The same bytes as UTF-16 text (any code units, lone surrogates too):
    // encoding never fails, and what it writes reads back as CP932.
    std::vector<char16_t> units(size / 2);
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    const QString any = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    const QString back = platform::decodeCp932(platform::encodeCp932(any));
    fuzz::require(!back.contains(QChar(0xFFFD)), "encoded text is valid CP932");
    return 0;
}
