// Shared pieces of the report page tests: the team file of the registered
// team list.
#pragma once

#include "core/records.h"
#include "platform/textfile.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace reptest {

// The team file with `count` teams "T1".."Tn" ("詳細1".."詳細n"), the extra
// lines after them, as the team dialog would leave it.
inline QStringList teamLines(int count)
{
    QStringList lines{QStringLiteral("[Team]")};
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("ID%1=T%1").arg(n) << QStringLiteral("Detail%1=詳細%1").arg(n);
    return lines;
}

inline bool writeTeamFile(const QStringList& lines)
{
    QDir().mkpath(gstrDataFolder);
    return platform::writeTextLinesAtomic(gstrTeamFile, lines);
}

// 38 teams with blanks around the second, no description for the third
// and a blank identifier after the 38th that hides the 40th.
inline QStringList thirtyEightTeams()
{
    QStringList lines = teamLines(38);
    lines[3] = QStringLiteral("ID2=  T2　");
    lines[4] = QStringLiteral("Detail2=　詳細2  ");
    lines.removeAt(6);   // Detail3
    lines << QStringLiteral("ID39=  ") << QStringLiteral("Detail39=x") << QStringLiteral("ID40=T40")
          << QStringLiteral("Detail40=hidden");
    return lines;
}

}  // namespace reptest
