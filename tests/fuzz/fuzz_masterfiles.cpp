// The player, group and series files as a user may have edited them: read
// as the main window and the dialogs read them, and described as the lists
// show the players.
#include "fuzz_support.h"

#include "core/core.h"
#include "core/ini.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::scratch();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    for (const QString* file : {&gstrMemberFile, &gstrGroupFile, &gstrSeriesFile})
        fuzz::writeFile(*file, bytes);

    gsReadMemberData();

    // The groups as the main window lists them (a few hundred numbers are
    // enough to reach every section an input can hold).
    gBelongList.clear();
    const IniFileReader groups(gstrGroupFile);
    const Long maxNo = std::min<Long>(groups.highestNumber(QStringLiteral("MaxGroupNo")), 400);
    for (Long n = 1; n <= maxNo; ++n) {
        const QString section = QStringLiteral("group") + QString::number(n);
        const QString name = vb::Trim(groups.value(section, QStringLiteral("Name")));
        if (name.isEmpty())
            continue;
        BelongInfo b;
        b.BelongID = n;
        b.Name = name;
        b.ShortName = vb::Trim(groups.value(section, QStringLiteral("ShortName")));
        b.State = gfStoredInteger(gstrGroupFile, section, QStringLiteral("State"),
                                  groups.value(section, QStringLiteral("State")));
        gBelongList.push_back(b);
    }

    for (const MemberInfo& m : gMemberList) {
        gfGetMemberDescription(m);
        gfGetMemberShortDescription(m);
        gfGetMemberAge(m.IDNo, QStringLiteral("2026/05/10"));
        gfGetMemberBirthday(m.IDNo);
        gfGetMemberGender(m.IDNo, 1);
        gfGetMemberBelongShortName(m.IDNo);
        gfGetMemberLocation(m.IDNo);
    }

    for (Long id = 0; id <= 3; ++id) {
        SeriesInfo info;
        if (!gfGetSeriesInfo(id, info))
            continue;
        for (Long place = 1; place <= 12; ++place)
            gfGetPointOfRank(info, place);
    }
    gfTakeUnreadableValues();
    return 0;
}
