// The profile reader and writer on any file: a value written reads back,
// nothing else changes its reading, a write is idempotent, and a deleted
// section reads as absent.
//
// Input: byte 0 chooses the operation, bytes 1-3 the section, the key and
// the value; the rest is the file.
#include "fuzz_support.h"

#include "platform/profile.h"

#include <QStringList>

namespace {

const QStringList kSections = {QStringLiteral("Management"), QStringLiteral("Score1"),
                               QStringLiteral("member1"),    QStringLiteral("group2"),
                               QStringLiteral("Setup"),      QStringLiteral("Ranking"),
                               QStringLiteral("ｾｸｼｮﾝ"),       QStringLiteral("設定表"),
                               QStringLiteral("Fuzz")};
const QStringList kKeys = {QStringLiteral("MaxScoreNo"), QStringLiteral("IDNo"),  QStringLiteral("Name"),
                           QStringLiteral("Holes"),      QStringLiteral("State"), QStringLiteral("Key"),
                           QStringLiteral("名前ソ")};
const QStringList kValues = {QString(),
                             QStringLiteral("1"),
                             QStringLiteral("32767"),
                             QStringLiteral("a=b"),
                             QStringLiteral("[表]"),
                             QStringLiteral("東町 ｸﾗﾌﾞ"),
                             QStringLiteral("3,4,,5,"),
                             QString(255, QChar(u'ソ'))};

// Every value a probe of the known names reads.
QStringList probe(const QString& path)
{
    const platform::ProfileFile file(path);
    QStringList values;
    for (const QString& s : kSections)
        for (const QString& k : kKeys)
            values << file.value(s, k);
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const QString path = fuzz::scratch() + QStringLiteral("/profile.ini");
    fuzz::writeFile(path, fuzz::bytesOf(data + 4, size - 4));
    const int op = data[0] % 3;
    const qsizetype si = data[1] % kSections.size();
    const qsizetype ki = data[2] % kKeys.size();
    const QString& section = kSections[si];
    const QString& key = kKeys[ki];
    const QString& value = kValues[data[3] % kValues.size()];

    const QStringList before = probe(path);
    if (op == 2) {
        fuzz::require(platform::profileDeleteSection(path, section), "a section of a file in a writable folder can be deleted");
        const QStringList after = probe(path);
        for (qsizetype s = 0; s < kSections.size(); ++s)
            for (qsizetype k = 0; k < kKeys.size(); ++k) {
                const qsizetype i = s * kKeys.size() + k;
                if (s == si)
                    fuzz::require(after[i].isEmpty(), "a deleted section reads as absent");
                else
                    fuzz::require(after[i] == before[i], "deleting a section changes no other section");
            }
        return 0;
    }

    fuzz::require(platform::profileWrite(path, section, key, value), "a file in a writable folder can be written");
    const QByteArray written = fuzz::readFile(path);
    const QStringList after = probe(path);
    for (qsizetype i = 0; i < before.size(); ++i) {
        if (i == si * kKeys.size() + ki)
            fuzz::require(after[i] == value, "a written value reads back");
        else
            fuzz::require(after[i] == before[i], "a write changes no other value");
    }
    if (op == 1) {
        fuzz::require(platform::profileWrite(path, section, key, value), "a file in a writable folder can be written");
        fuzz::require(fuzz::readFile(path) == written, "writing the same value again changes nothing");
    }
    return 0;
}
