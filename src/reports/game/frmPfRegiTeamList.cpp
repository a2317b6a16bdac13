#include "reports/game/frmPfRegiTeamList.h"

#include "core/ini.h"
#include "core/records.h"
#include "platform/profile.h"
#include "platform/textfile.h"
#include "platform/vbruntime.h"

using print::AlignCenter;
using print::AlignLeft;
using print::AlignRight;
using print::label;
using print::line;

frmPfRegiTeamList::frmPfRegiTeamList()
    : PageFrame(QStringLiteral("frmPfRegiTeamList"), QStringLiteral("チーム識別一覧表"))
{
    Width = 11280;
    Height = 14850;
    const print::Font normal = font(12);
    const print::Font bold = font(12, true);

    add(label("lblScorePage").at(7560, 0, 2700, 240).align(AlignRight).withFont(bold).sizedToText());
    add(label("lblSeasonTittle").at(960, 300, 9285, 255).withFont(bold)
            .text(QStringLiteral("*** チーム識別一覧  ***")));
    add(label("lblEntryNum").at(9180, 660, 1035, 240).align(AlignRight).withFont(normal).sizedToText());
    add(label("lblSPTotal", 83).at(1020, 1020, 1515, 315).align(AlignCenter).withFont(normal)
            .text(QStringLiteral("チーム識別")));
    add(label("lblSPTotal", 82).at(2640, 1020, 7575, 255).align(AlignCenter).withFont(normal)
            .text(QStringLiteral("詳細")));
    add(label("lblPage").at(5198, 14760, 915, 195).align(AlignCenter).withFont(font(9.75)));

    add(line("linTop").from(960, 960, 10260, 960).thick(2));
    add(line("linTate", 0).from(960, 960, 960, 2280).thick(2));
    add(line("linTate", 1).from(2580, 960, 2580, 2280).thick(2));
    add(line("linTate", 2).from(10260, 960, 10260, 2280).thick(2));
    add(line("linFutoYoko", 0).from(960, 1320, 10260, 1320).thick(2).color(print::kRed).hidden());
    add(line("linHosoYoko", 0).from(960, 1680, 10260, 1680).color(print::kBlue).hidden());

    add(label("lblTeamID", 0).at(1020, 1380, 1515, 255).align(AlignCenter).withFont(bold)
            .color(print::kRed).text(QStringLiteral("ABC")).hidden());
    add(label("lblTeamDetail", 0).at(2700, 1380, 7515, 255).align(AlignLeft).withFont(normal)
            .color(print::kBlue).text(QStringLiteral("チームの詳細")).hidden());
}

namespace {

struct TeamList {
    QStringList ids;
    QStringList details;
};

// The team file, read key by key from one loading of the file: ID1,
// Detail1, ... up to the first blank identifier, trimmed.
TeamList pfReadTeamFile(const QString& path)
{
    TeamList list;
    const platform::ProfileFile file(path);
    const QString team = QStringLiteral("Team");
    for (int n = 1;; ++n) {
        const QString num = QString::number(n);
        const QString id = vb::Trim(pfCutAtNull(file.value(team, QStringLiteral("ID") + num)));
        if (id.isEmpty())
            break;
        list.ids << id;
        list.details << vb::Trim(pfCutAtNull(file.value(team, QStringLiteral("Detail") + num)));
    }
    return list;
}

// A report loads its page form once to count and once per page, and every
// load reads the whole list: the list read last is kept and read again only
// when the file is another one or has changed since.
const TeamList& pfTeams()
{
    static QString path;
    static platform::FileStamp stamp;
    static TeamList list;
    static bool read = false;
    const platform::FileStamp now = platform::fileStamp(gstrTeamFile);
    if (!read || path != gstrTeamFile || !(stamp == now)) {
        list = pfReadTeamFile(gstrTeamFile);
        path = gstrTeamFile;
        stamp = now;
        read = true;
    }
    return list;
}

}  // namespace

void frmPfRegiTeamList::pfDataSetBody()
{
    const TeamList& teams = pfTeams();
    control(QStringLiteral("lblEntryNum")).caption = QStringLiteral("登録数 ") + QString::number(teams.ids.size());
    psStretchTateToTop();
    psClearPageTexts();

    Walk walk;
    walk.rows = teams.ids.size();
    walk.drawRow = [&](Long i) {
        psCell(QStringLiteral("lblTeamID"), teams.ids[i]);
        psCell(QStringLiteral("lblTeamDetail"), teams.details[i]);
    };
    psWalk(walk);
}
