#include "core/ini.h"

#include "platform/profile.h"
#include "platform/textfile.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QStringView>
#include <algorithm>

QString pfCutAtNull(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

QString gfReadIniFile(const QString& file, const QString& section, const QString& key)
{
    return pfCutAtNull(platform::profileRead(file, section, key));
}

QString IniFileReader::value(const QString& section, const QString& key) const
{
    return pfCutAtNull(m_file.value(section, key));
}

Long IniFileReader::highestNumber(const QString& maxKey) const
{
    const double v = vb::Val(value(QStringLiteral("Management"), maxKey));
    return vb::CLng(std::clamp(v, 0.0, 32767.0));
}

Long gfWriteIniFile(const QString& file, const QString& section, const QString& key,
                    const QString& value)
{
    return platform::profileWrite(file, section, key, value) ? 1 : 0;
}

Long gsDeleteIniSection(const QString& file, const QString& section)
{
    return platform::profileDeleteSection(file, section) ? 1 : 0;
}

Long gfWriteIniSection(const QString& file, const QString& section,
                       const std::vector<std::pair<QString, QString>>& keys)
{
    return platform::profileWriteSection(file, section, keys) ? 1 : 0;
}

Long gfWriteIniKeys(const QString& file, const std::vector<platform::ProfileKey>& keys)
{
    return platform::profileWriteKeys(file, keys) ? 1 : 0;
}

void gsClearIniEx()
{
    std::vector<IniExSection>().swap(gIniExSections);
    std::vector<IniExKey>().swap(gIniExKeys);
}

namespace {

// Positions past this column did not fit the reader's 16-bit counters: such
// a line fails the load.
constexpr qsizetype kMaxColumn = 32767;

bool isBlankLine(QStringView line)
{
    for (QChar c : line)
        if (c.unicode() != u' ' && c.unicode() != 0x3000)
            return false;
    return true;
}

Integer failIniEx()
{
    platform::resetMousePointer();
    return -1;
}

}  // namespace

Integer gfReadIniExFile(const QString& file)
{
    gsClearIniEx();
    QStringList lines;
    if (!platform::readTextLines(file, lines))
        return failIniEx();

    for (const QString& stored : lines) {
        const QStringView line(stored);
        if (isBlankLine(line))
            continue;
        if (line.front() == u'[') {
            // The name runs from the second character to the first "]" found
            // from there; "]" right at the second character or none: empty.
            const qsizetype close = line.indexOf(u']', 1);
            if (close + 1 > kMaxColumn)
                return failIniEx();
            IniExSection s;
            if (close > 1)
                s.Name = line.mid(1, close - 1).toString();
            s.FirstKey = static_cast<Long>(gIniExKeys.size());
            s.KeyCount = 0;
            gIniExSections.push_back(std::move(s));
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            continue;
        if (eq + 1 > kMaxColumn || gIniExSections.empty())
            return failIniEx();
        gIniExKeys.push_back(IniExKey{line.left(eq).toString(), line.mid(eq + 1).toString()});
        gIniExSections.back().KeyCount += 1;
    }
    return 0;
}

Long gfFindIniExSection(const QString& section)
{
    for (size_t s = 0; s < gIniExSections.size(); ++s)
        if (gIniExSections[s].Name == section)
            return static_cast<Long>(s);
    return -1;
}

QString gfGetIniExValue(const QString& section, const QString& key)
{
    const Long found = gfFindIniExSection(section);
    if (found < 0)
        return QString();
    const IniExSection& s = gIniExSections[static_cast<size_t>(found)];
    const Long last = s.FirstKey + s.KeyCount;
    for (Long i = s.FirstKey; i < last && i < static_cast<Long>(gIniExKeys.size()); ++i)
        if (gIniExKeys[i].Key == key)
            return gIniExKeys[i].Value;
    return QString();
}
