// The season total ranking: one row per player of gSeasonTotalRanking, in
// rank order, ranked on the basis gintTotalRankingMode (0 round average,
// 1 game average, 2 hole average, 3 total, 4 holes-in-one). The basis sets
// the title ("総合通算順位表［ﾗｳﾝﾄﾞ平均］"), the average column or the four
// stroke-class columns, the bold columns and the thick column lines. Under
// the averages a double line sets off the players below the required
// rounds, games or holes; under the total a thick line every group of equal
// games, rounds and holes.
//
// Filling a page copies gSeasonGameInfo into gGame (the title reads the
// season's category through it).
#pragma once

#include "reports/pageframe.h"

class frmPfSeasonTotalRanking : public PageFrame {
public:
    frmPfSeasonTotalRanking();

    // The category title & "通算順位表" & the basis text (also before a
    // load: the proposed name of a PDF file).
    QString reportTitle() const override;

protected:
    void pfDataSetBody() override;

private:
    // The category title & "通算順位表", after gGame := gSeasonGameInfo.
    static QString pfGetPageTitle();
    // The basis text of gintTotalRankingMode ("［ﾗｳﾝﾄﾞ平均］").
    static QString pfBasisText();
    // The basis changes of the head.
    void psSetBasis();

    bool m_handicaps = false;
};
