// Shared pieces of the season report tests: a season folder with the
// dialog's inputs prepared as the main window does, and the previews the
// launchers open, recorded instead of shown.
#pragma once

#include "core/test_season_fixture.h"

#include "core/ini.h"
#include "core/printstate.h"
#include "print/modPreview.h"
#include "print/pageform.h"
#include "reports/season/frmPrintTotalGames.h"

#include <QString>

#include <memory>
#include <vector>

namespace seasontest {

// One preview a launcher opened: the page form, its page count, and the
// first page as loaded.
struct Preview {
    QString form;
    Integer pages = 0;
    std::shared_ptr<print::PageForm> firstPage;
};

// A season folder whose previews are recorded. prepare() sets the dialog's
// inputs from the ticked games as the main window's 集計/印刷 does (series
// and course filters すべて unless given).
class SeasonFolder : public seasonfx::Folder {
protected:
    void SetUp() override
    {
        seasonfx::Folder::SetUp();
        gBelongList.clear();
        print::setPreviewWindow([this](QWidget*) {
            gintPageNo = 1;
            Preview p;
            p.pages = gintPageCount;
            p.firstPage = print::loadPageForm(gfrmPrintForm);
            p.form = p.firstPage->name();
            previews.push_back(p);
        });
    }

    void TearDown() override
    {
        print::setPreviewWindow({});
        gBelongList.clear();
        seasonfx::Folder::TearDown();
    }

    static void prepare(Long series = -1, Long course = -1) { gsPrepareSeasonPrint(series, course); }

    // A player with gender, birthday and group.
    static void member(Long id, Integer gender, const QString& birthday = QString(), Long belong = 0,
                       const QString& sort = QString())
    {
        testsupport::addMember(id, QStringLiteral("選手%1").arg(id), birthday, gender, belong);
        gMemberList.back().Sort = sort;
    }

    static void group(Long id, const QString& name, Integer state = 0)
    {
        BelongInfo b;
        b.BelongID = id;
        b.Name = name;
        b.State = state;
        gBelongList.push_back(b);
    }

    // A game of `hole` x `round` whose players all complete every round in
    // `strokes` a hole.
    static seasonfx::Game evenGame(const QString& date, Integer hole, Integer round, const std::vector<Long>& ids,
                                   int strokes = 3)
    {
        seasonfx::Game g;
        g.date = date;
        g.hole = hole;
        g.round = round;
        QStringList holes;
        for (int h = 0; h < hole; ++h)
            holes << QString::number(strokes);
        for (Long id : ids) {
            seasonfx::Player p;
            p.id = id;
            for (int r = 0; r < round; ++r)
                p.rounds.push_back(holes.join(','));
            g.players.push_back(p);
        }
        return g;
    }

    QString setting(const QString& key) const { return gfReadIniFile(gstrIniFile, QStringLiteral("Setup"), key); }
    void store(const QString& key, const QString& value) const
    {
        gfWriteIniFile(gstrIniFile, QStringLiteral("Setup"), key, value);
    }

    std::vector<Preview> previews;
};

}  // namespace seasontest
