#include "core/masterlists.h"

#include "core/helpers.h"
#include "core/ini.h"
#include "platform/eradate.h"
#include "platform/vbruntime.h"

#include <QFileInfo>
#include <QHash>
#include <algorithm>

namespace {

std::function<QDate()> gToday;

// Notes of values that did not fit their field, with the file each came from.
struct UnreadableValue {
    QString file;
    QString line;
};
std::vector<UnreadableValue> gUnreadable;

void noteUnreadable(const QString& file, const QString& section, const QString& key,
                    const QString& value)
{
    const QString line = QFileInfo(file).fileName() + QStringLiteral(" [") + section
                         + QStringLiteral("] ") + key + QLatin1Char('=') + value;
    for (const UnreadableValue& u : gUnreadable)
        if (u.line == line)
            return;
    gUnreadable.push_back({file, line});
}

void forgetUnreadable(const QString& file)
{
    std::erase_if(gUnreadable, [&file](const UnreadableValue& u) { return u.file == file; });
}

// Stores the text's value with the given conversion; an overflow gives 0 and
// a note, every other error passes on.
template <typename T, typename Convert>
T storedOrZero(const QString& file, const QString& section, const QString& key,
               const QString& value, Convert convert)
{
    try {
        return convert(value);
    } catch (const vb::VbError& e) {
        if (e.number() != 6)
            throw;
        noteUnreadable(file, section, key, value);
        return 0;
    }
}

QString todayText()
{
    const QDate d = gToday ? gToday() : QDate::currentDate();
    return vb::FormatDate(d, QStringLiteral("yyyy/mm/dd"));
}

const MemberInfo* findMember(Long id)
{
    for (const MemberInfo& m : gMemberList)
        if (m.IDNo == id)
            return &m;
    return nullptr;
}

const BelongInfo* findBelong(Long id)
{
    for (const BelongInfo& b : gBelongList)
        if (b.BelongID == id)
            return &b;
    return nullptr;
}

// The parsed file's values looked up through an index of the sections by
// name (the first section of a name wins, as in gfGetIniExValue), so reading
// thousands of players stays linear.
class ParsedFile {
public:
    ParsedFile()
    {
        for (Long s = 0; s <= glngIniExSectionsUBound(); ++s) {
            const QString& name = gIniExSections[static_cast<size_t>(s)].Name;
            if (!m_sections.contains(name))
                m_sections.insert(name, s);
        }
    }

    QString value(const QString& section, const QString& key) const
    {
        const auto it = m_sections.constFind(section);
        if (it == m_sections.constEnd())
            return QString();
        const IniExSection& s = gIniExSections[static_cast<size_t>(*it)];
        for (Long k = s.FirstKey; k < s.FirstKey + s.KeyCount; ++k) {
            if (k < 0 || k > glngIniExKeysUBound())
                break;
            const IniExKey& e = gIniExKeys[static_cast<size_t>(k)];
            if (e.Key == key)
                return e.Value;
        }
        return QString();
    }

    // The player numbers 1..max that have a section "member" & n (n written
    // without leading zeros), ascending.
    std::vector<Long> memberNumbers(Long max) const
    {
        // Section names are unique and a number has one written form, so
        // no number comes twice.
        std::vector<Long> numbers;
        const QString prefix = QStringLiteral("member");
        for (auto it = m_sections.constBegin(); it != m_sections.constEnd(); ++it) {
            const QString& name = it.key();
            if (!name.startsWith(prefix))
                continue;
            const QString digits = name.mid(prefix.size());
            bool ok = false;
            const long long n = digits.toLongLong(&ok);
            if (!ok || n < 1 || n > max || QString::number(n) != digits)
                continue;
            numbers.push_back(static_cast<Long>(n));
        }
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }

private:
    QHash<QString, Long> m_sections;
};

QString genderPiece(Integer gender)
{
    switch (gender) {
    case 1: return QStringLiteral(" (男");
    case 2: return QStringLiteral(" (女");
    default: return QStringLiteral(" (");
    }
}

QString regionPiece(const MemberInfo& m)
{
    if (vb::Trim(m.Location).isEmpty())
        return QString();
    return QStringLiteral("：") + m.Location;
}

}  // namespace

void gsSetMemberAgeClock(std::function<QDate()> today)
{
    gToday = std::move(today);
}

Integer gfStoredInteger(const QString& file, const QString& section, const QString& key,
                        const QString& value)
{
    return storedOrZero<Integer>(file, section, key, value, &vb::CIntText);
}

Long gfStoredLong(const QString& file, const QString& section, const QString& key,
                  const QString& value)
{
    return storedOrZero<Long>(file, section, key, value, &vb::CLngText);
}

QStringList gfTakeUnreadableValues()
{
    QStringList lines;
    for (const UnreadableValue& u : gUnreadable)
        lines << u.line;
    gUnreadable.clear();
    return lines;
}

void gsReadBelongData()
{
    gBelongList.clear();
    // The group file is parsed once for the whole list.
    const IniFileReader groups(gstrGroupFile);
    const Long maxNo = groups.highestNumber(QStringLiteral("MaxGroupNo"));
    for (Long n = 1; n <= maxNo; ++n) {
        const QString section = QStringLiteral("group") + QString::number(n);
        const QString name = groups.value(section, QStringLiteral("Name"));
        if (vb::Trim(name).isEmpty())
            continue;
        BelongInfo b;
        b.BelongID = n;
        b.Name = vb::Trim(name);
        b.ShortName = vb::Trim(groups.value(section, QStringLiteral("ShortName")));
        b.State = gfStoredInteger(gstrGroupFile, section, QStringLiteral("State"),
                                  groups.value(section, QStringLiteral("State")));
        b.Marked = 0;
        gBelongList.push_back(b);
    }
}

void gsReadMemberData()
{
    gMemberList.clear();
    forgetUnreadable(gstrMemberFile);
    if (gfReadIniExFile(gstrMemberFile) != 0)
        return;

    const ParsedFile file;
    const auto integer = [&file](const QString& section, const QString& key) {
        return gfStoredInteger(gstrMemberFile, section, key, file.value(section, key));
    };
    const auto longValue = [&file](const QString& section, const QString& key) {
        return gfStoredLong(gstrMemberFile, section, key, file.value(section, key));
    };
    const Long n = longValue(QStringLiteral("Management"), QStringLiteral("MaxMemberNo"));
    for (const Long i : file.memberNumbers(n)) {
        const QString section = QStringLiteral("member") + QString::number(i);
        const QString name = vb::Trim(file.value(section, QStringLiteral("Name")));
        if (name.isEmpty())
            continue;
        MemberInfo m;
        m.IDNo = i;
        m.Name = name;
        m.Birthday = vb::Trim(file.value(section, QStringLiteral("Birthday")));
        m.State = integer(section, QStringLiteral("State"));
        m.Gender = integer(section, QStringLiteral("Gender"));
        m.BelongID = longValue(section, QStringLiteral("BelongID"));
        m.Sort = vb::Trim(file.value(section, QStringLiteral("Sort")));
        m.Location = vb::Trim(file.value(section, QStringLiteral("Location")));
        m.Marked = 0;
        m.TeamID = QString();
        gMemberList.push_back(m);
    }
    gsClearIniEx();
}

QString gfGetMemberName(Long id)
{
    const MemberInfo* m = findMember(id);
    return m ? m->Name : QString();
}

QString gfGetMemberGender(Long id, Integer latin)
{
    const MemberInfo* m = findMember(id);
    if (!m)
        return QString();
    switch (m->Gender) {
    case 1: return latin != 0 ? QStringLiteral("M") : QStringLiteral("男");
    case 2: return latin != 0 ? QStringLiteral("F") : QStringLiteral("女");
    default: return QStringLiteral("-");
    }
}

QString gfGetMemberBirthday(Long id)
{
    const MemberInfo* m = findMember(id);
    if (!m)
        return QString();
    const auto d = vb::parseDate(m->Birthday);
    return d ? vb::FormatDate(*d, QStringLiteral("yyyy/mm/dd")) : QString();
}

QString gfGetMemberAge(Long id, const QString& refDate)
{
    const MemberInfo* m = findMember(id);
    return m ? gfGetAge(m->Birthday, refDate, 0) : QString();
}

Long gfGetMemberIndex(Long id)
{
    for (size_t i = 0; i < gMemberList.size(); ++i)
        if (gMemberList[i].IDNo == id)
            return static_cast<Long>(i);
    return -1;
}

Long gfGetMemberBelongID(Long id)
{
    const MemberInfo* m = findMember(id);
    return m ? m->BelongID : 0;
}

QString gfGetMemberBelongName(Long id)
{
    const MemberInfo* m = findMember(id);
    if (!m || m->BelongID == 0)
        return QString();
    return gfGetBelongName(m->BelongID);
}

QString gfGetMemberBelongShortName(Long id)
{
    const MemberInfo* m = findMember(id);
    if (!m || m->BelongID == 0)
        return QString();
    return gfGetBelongShortName(m->BelongID);
}

QString gfGetBelongName(Long belongId)
{
    const BelongInfo* b = findBelong(belongId);
    return b ? b->Name : QString();
}

QString gfGetBelongShortName(Long belongId)
{
    const BelongInfo* b = findBelong(belongId);
    if (!b)
        return QString();
    if (!vb::Trim(b->ShortName).isEmpty())
        return b->ShortName;
    return vb::Left(b->Name, 5);
}

QString gfGetMemberLocation(Long id)
{
    const MemberInfo* m = findMember(id);
    return m ? vb::Left(m->Location, 5) : QString();
}

QString gfGetMemberDescription(const MemberInfo& member)
{
    QString s = QStringLiteral(" ") + member.Name + genderPiece(member.Gender);
    if (!member.Birthday.isEmpty()) {
        s += QStringLiteral("、") +
             vb::FormatDateText(vb::Trim(member.Birthday), QStringLiteral("gggee年m月d日生")) +
             QStringLiteral("　") + gfGetAge(member.Birthday, todayText(), 0) + QStringLiteral("歳");
    }
    return s + regionPiece(member) + QStringLiteral(")");
}

QString gfGetMemberShortDescription(const MemberInfo& member)
{
    QString s = member.Name + genderPiece(member.Gender);
    if (!member.Birthday.isEmpty())
        s += QStringLiteral("、") + gfGetAge(member.Birthday, todayText(), 0) + QStringLiteral("歳");
    return s + regionPiece(member) + QStringLiteral(")");
}
