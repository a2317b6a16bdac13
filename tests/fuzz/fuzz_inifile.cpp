// The whole-file reader on any file: the tables it fills stay consistent and
// every key it found is answered by the look-up.
#include "fuzz_support.h"

#include "core/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzz::scratch() + QStringLiteral("/wholefile.ini");
    fuzz::writeFile(path, fuzz::bytesOf(data, size));
    if (gfReadIniExFile(path) == 0) {
        const Long keys = static_cast<Long>(gIniExKeys.size());
        Long next = 0;
        for (const IniExSection& s : gIniExSections) {
            fuzz::require(s.FirstKey == next && s.KeyCount >= 0 && s.FirstKey + s.KeyCount <= keys,
                          "sections own consecutive keys");
            next = s.FirstKey + s.KeyCount;
            fuzz::require(!s.Name.contains(u'\r') && !s.Name.contains(u'\n'), "names stay on their line");
        }
        fuzz::require(next == keys, "every key belongs to a section");
        for (const IniExSection& s : gIniExSections) {
            const IniExSection& first = gIniExSections[static_cast<size_t>(gfFindIniExSection(s.Name))];
            for (Long k = first.FirstKey; k < first.FirstKey + first.KeyCount; ++k) {
                const IniExKey& key = gIniExKeys[static_cast<size_t>(k)];
                const QString value = gfGetIniExValue(s.Name, key.Key);
                // The first key of the name in the first section of the name.
                Long firstKey = first.FirstKey;
                while (gIniExKeys[static_cast<size_t>(firstKey)].Key != key.Key) ++firstKey;
                fuzz::require(value == gIniExKeys[static_cast<size_t>(firstKey)].Value,
                              "a look-up answers the first key of the first section");
            }
        }
    }
    gsClearIniEx();
    return 0;
}
