// The list of registered teams: every identifier of "team.dat" with its
// description, 37 teams a page, under the fixed title
// "*** チーム識別一覧  ***" and the count "登録数 n". Reads the team file
// itself on every load (section Team, ID1/Detail1, ... up to the first blank
// identifier, values trimmed); a missing file is an empty list.
#pragma once

#include "reports/pageframe.h"

#include <QStringList>

class frmPfRegiTeamList : public PageFrame {
public:
    frmPfRegiTeamList();

protected:
    void pfDataSetBody() override;
};
