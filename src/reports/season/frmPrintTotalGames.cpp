// frmPrintTotalGames: the season tally and print dialog.
#include "reports/season/frmPrintTotalGames.h"

#include "core/ini.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "core/season.h"
#include "forms/frmCategory.h"
#include "platform/eradate.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"
#include "reports/modReports.h"
#include "reports/season/frmSelectPrintMember.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>

namespace {

const QString kSetup = QStringLiteral("Setup");

// The settings keys in the order they are written.
const QString kSortBelong = QStringLiteral("SeriesPrint_SortBelong");
const QString kNameOrEntries = QStringLiteral("SeriesPrint_NameOrEntries");
const QString kTotalRankingMode = QStringLiteral("SeriesPrint_TotalRankingMode");
const QString kTeamHowtoRank = QStringLiteral("SeriesPrint_TeamHowtoRank");
const QString kPrivateGames = QStringLiteral("SeriesPrint_PrivateGames");
const QString kJudgeDaSu = QStringLiteral("SeriesPrint_JudgeDaSu");
const QString kJudgeBirthday = QStringLiteral("SeriesPrint_JudgeBirthday");
const QString kBelongOrLocation = QStringLiteral("SeriesPrint_BelongOrLocation");

QString fmt0(double v)
{
    return vb::Format(v, QStringLiteral("0"));
}

// A stored option index: the leading number of the text, rounded; a blank,
// missing or out-of-range value gives the default.
int storedOption(const QString& key, int count, int defaultIndex)
{
    const QString text = gfReadIniFile(gstrIniFile, kSetup, key);
    if (vb::Trim(text).isEmpty())
        return defaultIndex;
    const double v = std::nearbyint(vb::Val(text));
    return v >= 0 && v < count ? static_cast<int>(v) : defaultIndex;
}

// A stored tick: ticked when the value is not 0, and when it is blank.
bool storedTick(const QString& key)
{
    const QString text = gfReadIniFile(gstrIniFile, kSetup, key);
    return vb::Trim(text).isEmpty() || vb::Val(text) != 0;
}

template <std::size_t N>
int chosenIndex(const std::array<QRadioButton*, N>& options)
{
    for (std::size_t i = 0; i < N; ++i)
        if (options[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

// The game of a season record; a record naming no listed game is a
// subscript error.
const GameInfo& listedGame(Long gameNo)
{
    if (gameNo < 0 || gameNo > glngGameListUBound())
        vb::raiseSubscriptOutOfRange();
    return gGameList[static_cast<std::size_t>(gameNo)];
}

// gPersonalGameInfo as the season settings with the holes and rounds left to
// the player's own games.
void psResetPersonalGameInfo()
{
    gPersonalGameInfo = gSeasonGameInfo;
    gPersonalGameInfo.Hole = 0;
    gPersonalGameInfo.Round = 0;
}

void psWidenPersonalGameInfo(Long gameNo)
{
    const GameInfo& game = listedGame(gameNo);
    gPersonalGameInfo.Hole = std::max(gPersonalGameInfo.Hole, game.Hole);
    gPersonalGameInfo.Round = std::max(gPersonalGameInfo.Round, game.Round);
}

}  // namespace

// ---------------------------------------------------------------- inputs

void gsPrepareSeasonPrint(Long seriesFilter, Long courseFilter)
{
    gSeasonGameInfo.Tittle = QString();
    gSeasonGameInfo.MaxScoreNo = 0;
    gSeasonGameInfo.SeriesID = seriesFilter;
    gSeasonGameInfo.CourceID = courseFilter;
    gSeasonGameInfo.Hole = 0;
    gSeasonGameInfo.Round = 0;
    gSeasonGameInfo.TeamHowtoRank = 1;
    gSeasonGameInfo.CategoryGender = 0;
    gSeasonGameInfo.CategoryAgeLow = -1;
    gSeasonGameInfo.CategoryAgeHigh = -1;
    gSeasonGameInfo.JudgeDaSu = 5;
    gSeasonGameInfo.JudgeBirthday = 1;
    gSeasonGameInfo.GameFileName = QString();

    gstrSeasonFirstDate = QStringLiteral("9999/99/99");
    gstrSeasonLastDate = QStringLiteral("0000/00/00");
    for (Long index : gSelectedGames) {
        const GameInfo& game = listedGame(index);
        if (vb::StrComp(game.Date, gstrSeasonFirstDate) < 0)
            gstrSeasonFirstDate = game.Date;
        if (vb::StrComp(game.Date, gstrSeasonLastDate) > 0)
            gstrSeasonLastDate = game.Date;
        gSeasonGameInfo.Hole = std::max(gSeasonGameInfo.Hole, game.Hole);
        gSeasonGameInfo.Round = std::max(gSeasonGameInfo.Round, game.Round);
    }
    gSeasonGameInfo.Date = gstrSeasonLastDate;

    bool holesDiffer = false;
    bool roundsDiffer = false;
    for (Long index : gSelectedGames) {
        const GameInfo& game = gGameList[static_cast<std::size_t>(index)];
        holesDiffer = holesDiffer || game.Hole != gSeasonGameInfo.Hole;
        roundsDiffer = roundsDiffer || game.Round != gSeasonGameInfo.Round;
    }
    gstrSeasonDiffer = QString(holesDiffer ? QLatin1Char('1') : QLatin1Char('0'))
                       + (roundsDiffer ? QLatin1Char('1') : QLatin1Char('0'));

    gstrDialogText2 = QString();
    if (seriesFilter > 0)
        gstrDialogText2 = QStringLiteral("* ")
                          + gfReadIniFile(gstrSeriesFile, QStringLiteral("Series") + fmt0(seriesFilter),
                                          QStringLiteral("Name"))
                          + QStringLiteral(" * ");
    if (courseFilter > 0)
        gstrDialogText2 +=
            gfReadIniFile(gstrCourceFile, QStringLiteral("Cource") + fmt0(courseFilter), QStringLiteral("Name"));

    gstrDialogCaption = QString();
    if (gstrSeasonDiffer == QStringLiteral("00"))
        gstrDialogCaption = fmt0(gSeasonGameInfo.Hole) + QStringLiteral("ﾎｰﾙ、") + fmt0(gSeasonGameInfo.Round)
                            + QStringLiteral("ﾗｳﾝﾄﾞ ： ");
    const QString period = QStringLiteral("ggge年m月d日(aaa)");
    gstrDialogCaption += vb::FormatDateText(gstrSeasonFirstDate, period) + QStringLiteral("～")
                         + vb::FormatDateText(gstrSeasonLastDate, period);
}

// ---------------------------------------------------------------- the dialog

frmPrintTotalGames::frmPrintTotalGames(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPrintTotalGames"));
    setWindowTitle(QStringLiteral("集計/印刷"));
    setModal(true);
    psBuildControls();
    Form_Load();
}

void frmPrintTotalGames::psBuildControls()
{
    QFont formFont = font();
    formFont.setPointSizeF(11.25);
    setFont(formFont);
    QFont smallFont = formFont;
    smallFont.setPointSizeF(9.75);

    const auto frame = [this](const char* name, const QString& caption, QWidget* parent) {
        auto* f = new QGroupBox(caption, parent);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };
    const auto button = [](const char* name, const QString& caption, QWidget* parent) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(105);
        return b;
    };
    const auto printButton = [&button](const char* name, QWidget* parent) {
        return button(name, QStringLiteral("印刷"), parent);
    };
    const auto label = [](const char* name, const QString& caption, QWidget* parent) {
        auto* l = new QLabel(caption, parent);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    const auto option = [](const char* name, int index, const QString& caption, QWidget* parent) {
        auto* o = new QRadioButton(caption, parent);
        o->setObjectName(QStringLiteral("%1_%2").arg(QString::fromLatin1(name)).arg(index));
        return o;
    };
    const auto box = [](const char* name, QWidget* parent) {
        auto* t = new QLineEdit(parent);
        t->setObjectName(QString::fromLatin1(name));
        return t;
    };

    // Title lines.
    Label1 = label("Label1", QStringLiteral("タイトル1："), this);
    txtTittle1 = box("txtTittle1", this);
    Label3 = label("Label3", QStringLiteral("タイトル2："), this);
    txtTittle2 = box("txtTittle2", this);
    txtTittle1->setMinimumWidth(581);
    auto* titles = new QGridLayout;
    titles->addWidget(Label1, 0, 0, Qt::AlignRight);
    titles->addWidget(txtTittle1, 0, 1);
    titles->addWidget(Label3, 1, 0, Qt::AlignRight);
    titles->addWidget(txtTittle2, 1, 1);

    // 参加者一覧表.
    fraEntryList = frame("fraEntryList", QStringLiteral("参加者一覧表"), this);
    chkEntryBelong = new QCheckBox(QStringLiteral("所属"), fraEntryList);
    chkEntryBelong->setObjectName(QStringLiteral("chkEntryBelong"));
    optEntry[0] = option("optEntry", 0, QStringLiteral("名前"), fraEntryList);
    optEntry[1] = option("optEntry", 1, QStringLiteral("参加"), fraEntryList);
    btnEntryList = printButton("btnEntryList", fraEntryList);
    {
        auto* row = new QHBoxLayout(fraEntryList);
        row->addWidget(chkEntryBelong);
        row->addWidget(optEntry[0]);
        row->addWidget(optEntry[1]);
        row->addStretch(1);
        row->addWidget(btnEntryList);
    }

    // 通算順位表: the bases top to bottom as the frame shows them, the
    // minimum boxes beside the three averages.
    fraTotalRanking = frame("fraTotalRanking", QStringLiteral("通算順位表"), this);
    btnCategory = button("btnCategory", QStringLiteral("部門別の設定"), fraTotalRanking);
    optTotalRankingMode[3] = option("optTotalRankingMode", 3, QStringLiteral("合計"), fraTotalRanking);
    optTotalRankingMode[1] = option("optTotalRankingMode", 1, QStringLiteral("ゲーム平均"), fraTotalRanking);
    optTotalRankingMode[0] = option("optTotalRankingMode", 0, QStringLiteral("ラウンド平均"), fraTotalRanking);
    optTotalRankingMode[2] = option("optTotalRankingMode", 2, QStringLiteral("ホール平均"), fraTotalRanking);
    optTotalRankingMode[4] = option("optTotalRankingMode", 4, QStringLiteral("ホールインワン数"), fraTotalRanking);
    lblKiteiGame = label("lblKiteiGame", QStringLiteral("規定ゲーム数："), fraTotalRanking);
    txtKiteiGame = box("txtKiteiGame", fraTotalRanking);
    lblKiteiRound = label("lblKiteiRound", QStringLiteral("規定ラウンド数："), fraTotalRanking);
    txtKiteiRound = box("txtKiteiRound", fraTotalRanking);
    Label2 = label("Label2", QStringLiteral("規定ホール数："), fraTotalRanking);
    txtKiteiHole = box("txtKiteiHole", fraTotalRanking);
    for (QLineEdit* t : {txtKiteiGame, txtKiteiRound, txtKiteiHole}) {
        t->setFixedWidth(45);
        t->setAlignment(Qt::AlignRight);
    }
    fraBelongOrLocation = frame("fraBelongOrLocation", QStringLiteral("印刷する？"), fraTotalRanking);
    fraBelongOrLocation->setFont(smallFont);
    optBelongOrLocation[0] = option("optBelongOrLocation", 0, QStringLiteral("なし"), fraBelongOrLocation);
    optBelongOrLocation[1] = option("optBelongOrLocation", 1, QStringLiteral("所属"), fraBelongOrLocation);
    optBelongOrLocation[2] = option("optBelongOrLocation", 2, QStringLiteral("地域"), fraBelongOrLocation);
    {
        auto* row = new QHBoxLayout(fraBelongOrLocation);
        for (QRadioButton* o : optBelongOrLocation)
            row->addWidget(o);
    }
    btnTotalRanking = printButton("btnTotalRanking", fraTotalRanking);
    btnTotalRanking->setMinimumHeight(53);
    {
        auto* grid = new QGridLayout(fraTotalRanking);
        grid->addWidget(btnCategory, 0, 3, Qt::AlignRight);
        grid->addWidget(optTotalRankingMode[3], 1, 0);
        grid->addWidget(optTotalRankingMode[1], 2, 0);
        grid->addWidget(lblKiteiGame, 2, 1, Qt::AlignRight);
        grid->addWidget(txtKiteiGame, 2, 2);
        grid->addWidget(optTotalRankingMode[0], 3, 0);
        grid->addWidget(lblKiteiRound, 3, 1, Qt::AlignRight);
        grid->addWidget(txtKiteiRound, 3, 2);
        grid->addWidget(optTotalRankingMode[2], 4, 0);
        grid->addWidget(Label2, 4, 1, Qt::AlignRight);
        grid->addWidget(txtKiteiHole, 4, 2);
        grid->addWidget(optTotalRankingMode[4], 5, 0, 1, 3);
        grid->addWidget(fraBelongOrLocation, 6, 0, 1, 3);
        grid->addWidget(btnTotalRanking, 6, 3, Qt::AlignBottom);
        grid->setColumnStretch(3, 1);
    }

    // 同点時の順位判定方法.
    fraJudge = frame("fraJudge", QStringLiteral("同点時の順位判定方法"), this);
    fraJudge->setFont(smallFont);
    Label7 = label("Label7", QStringLiteral("打数："), fraJudge);
    const QStringList da{QStringLiteral("なし"), QStringLiteral("1打"), QStringLiteral("2打"),
                         QStringLiteral("3打"), QStringLiteral("4打"), QStringLiteral("5打")};
    for (int k = 0; k < 6; ++k)
        optJudgeDa[k] = option("optJudgeDa", k, da[k], fraJudge);
    chkJudgeBirthday = new QCheckBox(QStringLiteral("生年月日が先（年令が上）の人が上位"), fraJudge);
    chkJudgeBirthday->setObjectName(QStringLiteral("chkJudgeBirthday"));
    {
        auto* rows = new QVBoxLayout(fraJudge);
        auto* row = new QHBoxLayout;
        row->addWidget(Label7);
        for (QRadioButton* o : optJudgeDa)
            row->addWidget(o);
        row->addStretch(1);
        rows->addLayout(row);
        auto* birthday = new QHBoxLayout;
        birthday->addSpacing(Label7->sizeHint().width() + row->spacing());
        birthday->addWidget(chkJudgeBirthday);
        birthday->addStretch(1);
        rows->addLayout(birthday);
    }

    // The frames of the right-hand column.
    const auto plainFrame = [&](QGroupBox*& f, const char* name, const QString& caption, QPushButton*& b,
                                const char* buttonName) {
        f = frame(name, caption, this);
        b = printButton(buttonName, f);
        auto* row = new QHBoxLayout(f);
        row->addStretch(1);
        row->addWidget(b);
    };
    plainFrame(fraBestGame, "fraBestGame", QStringLiteral("ベスト・ゲーム"), btnBestGame, "btnBestGame");
    plainFrame(fraBestRound, "fraBestRound", QStringLiteral("ベスト・ラウンド"), btnBestRound, "btnBestRound");
    plainFrame(fraTeamList, "fraTeamList", QStringLiteral("チーム一覧表"), btnTeamList, "btnTeamList");

    fraTeamRanking = frame("fraTeamRanking", QStringLiteral("チーム順位表"), this);
    optTeamHowtoRank[0] = option("optTeamHowtoRank", 0, QStringLiteral("合計"), fraTeamRanking);
    optTeamHowtoRank[1] = option("optTeamHowtoRank", 1, QStringLiteral("R平均"), fraTeamRanking);
    btnTeamRanking = printButton("btnTeamRanking", fraTeamRanking);
    {
        auto* row = new QHBoxLayout(fraTeamRanking);
        row->addSpacing(12);
        row->addWidget(optTeamHowtoRank[0]);
        row->addWidget(optTeamHowtoRank[1]);
        row->addStretch(1);
        row->addWidget(btnTeamRanking);
    }

    fraPrivateRanking = frame("fraPrivateRanking", QStringLiteral("個別ゲーム一覧表"), this);
    optPrivateGames[0] = option("optPrivateGames", 0, QStringLiteral("日付順"), fraPrivateRanking);
    optPrivateGames[1] = option("optPrivateGames", 1, QStringLiteral("成績順"), fraPrivateRanking);
    optPrivateGames[2] = option("optPrivateGames", 2, QStringLiteral("ゲーム情報"), fraPrivateRanking);
    btnPrivateRanking = printButton("btnPrivateRanking", fraPrivateRanking);
    btnPrivateRanking->setMinimumHeight(41);
    {
        auto* grid = new QGridLayout(fraPrivateRanking);
        grid->setColumnMinimumWidth(0, 12);
        grid->addWidget(optPrivateGames[0], 0, 1);
        grid->addWidget(optPrivateGames[1], 0, 2);
        grid->addWidget(optPrivateGames[2], 1, 1, 1, 2);
        grid->addWidget(btnPrivateRanking, 0, 4, 2, 1, Qt::AlignVCenter);
        grid->setColumnStretch(3, 1);
    }
    plainFrame(fraPrivateScore, "fraPrivateScore", QStringLiteral("個別スコア表"), btnPrivateScore,
               "btnPrivateScore");

    btnOK = button("btnOK", QStringLiteral("閉じる"), this);

    auto* left = new QVBoxLayout;
    left->addWidget(fraEntryList);
    left->addWidget(fraTotalRanking);
    left->addWidget(fraJudge);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(fraBestGame);
    right->addWidget(fraBestRound);
    right->addWidget(fraTeamList);
    right->addWidget(fraTeamRanking);
    right->addWidget(fraPrivateRanking);
    right->addWidget(fraPrivateScore);
    right->addStretch(1);
    auto* close = new QHBoxLayout;
    close->addStretch(1);
    close->addWidget(btnOK);
    right->addLayout(close);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(titles);
    layout->addSpacing(8);
    layout->addLayout(columns);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Enter moves on from the five boxes, which select their text on focus.
    for (QLineEdit* t : {txtTittle1, txtTittle2, txtKiteiGame, txtKiteiRound, txtKiteiHole}) {
        formhelpers::enterAsTab(t);
        formhelpers::selectAllOnFocus(t);
    }
    formhelpers::setImeMode(txtTittle1, formhelpers::ImeMode::Hiragana);
    formhelpers::setImeMode(txtTittle2, formhelpers::ImeMode::Hiragana);
    for (QLineEdit* t : {txtKiteiGame, txtKiteiRound, txtKiteiHole})
        formhelpers::setImeMode(t, formhelpers::ImeMode::Off);
    formhelpers::chosenOptionIsTheStop({optEntry.begin(), optEntry.end()});
    formhelpers::chosenOptionIsTheStop({optTotalRankingMode.begin(), optTotalRankingMode.end()});
    formhelpers::chosenOptionIsTheStop({optBelongOrLocation.begin(), optBelongOrLocation.end()});
    formhelpers::chosenOptionIsTheStop({optJudgeDa.begin(), optJudgeDa.end()});
    formhelpers::chosenOptionIsTheStop({optTeamHowtoRank.begin(), optTeamHowtoRank.end()});
    formhelpers::chosenOptionIsTheStop({optPrivateGames.begin(), optPrivateGames.end()});

    const auto onClick = [this](QPushButton* b, void (frmPrintTotalGames::*handler)()) {
        connect(b, &QPushButton::clicked, this, handler);
    };
    onClick(btnEntryList, &frmPrintTotalGames::btnEntryList_Click);
    onClick(btnTotalRanking, &frmPrintTotalGames::btnTotalRanking_Click);
    onClick(btnBestGame, &frmPrintTotalGames::btnBestGame_Click);
    onClick(btnBestRound, &frmPrintTotalGames::btnBestRound_Click);
    onClick(btnTeamList, &frmPrintTotalGames::btnTeamList_Click);
    onClick(btnTeamRanking, &frmPrintTotalGames::btnTeamRanking_Click);
    onClick(btnPrivateRanking, &frmPrintTotalGames::btnPrivateRanking_Click);
    onClick(btnPrivateScore, &frmPrintTotalGames::btnPrivateScore_Click);
    onClick(btnCategory, &frmPrintTotalGames::btnCategory_Click);
    onClick(btnOK, &frmPrintTotalGames::btnOK_Click);
}

void frmPrintTotalGames::Form_Load()
{
    // 1. Titles.
    txtTittle1->setText(gstrDialogText2);
    txtTittle2->setText(gstrDialogCaption);

    // 2. Options from the settings; the basis always starts on ラウンド平均.
    chkEntryBelong->setChecked(storedTick(kSortBelong));
    optEntry[storedOption(kNameOrEntries, 2, 1)]->setChecked(true);
    optTotalRankingMode[0]->setChecked(true);
    optTeamHowtoRank[storedOption(kTeamHowtoRank, 2, 0)]->setChecked(true);
    optPrivateGames[storedOption(kPrivateGames, 3, 0)]->setChecked(true);
    optJudgeDa[storedOption(kJudgeDaSu, 6, 5)]->setChecked(true);
    chkJudgeBirthday->setChecked(storedTick(kJudgeBirthday));
    optBelongOrLocation[storedOption(kBelongOrLocation, 3, 1)]->setChecked(true);

    // 3. No category yet.
    fraTotalRanking->setTitle(pfTotalRankingTitle());

    // 4. Default minimums from the number of ticked games: half of them,
    // that half times the rounds, the rounds box times the holes.
    const double half = (glngSelectedGamesUBound() + 1) / 2.0;
    txtKiteiGame->setText(fmt0(half));
    txtKiteiRound->setText(fmt0(half * gSeasonGameInfo.Round));
    txtKiteiHole->setText(fmt0(vb::Val(txtKiteiRound->text()) * gSeasonGameInfo.Hole));

    // 5. What the ticked games' sizes rule out.
    const bool holesDiffer = gstrSeasonDiffer.startsWith(QLatin1Char('1'));
    const bool roundsDiffer = gstrSeasonDiffer == QStringLiteral("01");
    if (roundsDiffer || holesDiffer) {
        for (QWidget* w : std::initializer_list<QWidget*>{optTotalRankingMode[1], lblKiteiGame, txtKiteiGame,
                                                          fraBestGame, btnBestGame, optPrivateGames[1]})
            w->setEnabled(false);
        if (optPrivateGames[1]->isChecked())
            optPrivateGames[0]->setChecked(true);
    }
    if (holesDiffer) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 optTotalRankingMode[0], lblKiteiRound, txtKiteiRound, fraBestRound, btnBestRound, fraTeamList,
                 btnTeamList, fraTeamRanking, optTeamHowtoRank[0], optTeamHowtoRank[1], btnTeamRanking})
            w->setEnabled(false);
        optTotalRankingMode[2]->setChecked(true);
    }
}

// ---------------------------------------------------------------- procedures

Long frmPrintTotalGames::pfMinimumValue(const QString& text)
{
    const double v = std::nearbyint(vb::Val(text));
    if (v >= static_cast<double>(std::numeric_limits<Long>::max()))
        return std::numeric_limits<Long>::max();
    if (v <= static_cast<double>(std::numeric_limits<Long>::min()))
        return std::numeric_limits<Long>::min();
    return static_cast<Long>(v);
}

void frmPrintTotalGames::psSaveSeriesPrintSetup()
{
    gstrPrintTitle1 = txtTittle1->text();
    gstrPrintTitle2 = txtTittle2->text();
    mEntryByBelong = chkEntryBelong->isChecked() ? 1 : 0;
    mEntryOrder = optEntry[0]->isChecked() ? 0 : 1;
    gintTotalRankingMode = static_cast<Integer>(chosenIndex(optTotalRankingMode));

    const auto minimum = [](QLineEdit* box) {
        const Long v = pfMinimumValue(box->text());
        box->setText(fmt0(v));
        return v;
    };
    glngKiteiGame = minimum(txtKiteiGame);
    glngKiteiRound = minimum(txtKiteiRound);
    glngKiteiHole = minimum(txtKiteiHole);

    gSeasonGameInfo.TeamHowtoRank = optTeamHowtoRank[0]->isChecked() ? 0 : 1;
    mPersonalGamesOrder = static_cast<Integer>(chosenIndex(optPrivateGames));
    gSeasonGameInfo.JudgeDaSu = static_cast<Integer>(chosenIndex(optJudgeDa));
    gSeasonGameInfo.JudgeBirthday = chkJudgeBirthday->isChecked() ? 1 : 0;
    gintBelongOrLocation = static_cast<Integer>(chosenIndex(optBelongOrLocation));

    // The eight keys in one replace of the settings file, so that it never
    // holds the options of two different prints.
    const std::pair<const QString&, Long> keys[] = {
        {kSortBelong, mEntryByBelong},
        {kNameOrEntries, mEntryOrder},
        {kTotalRankingMode, gintTotalRankingMode},
        {kTeamHowtoRank, gSeasonGameInfo.TeamHowtoRank},
        {kPrivateGames, mPersonalGamesOrder},
        {kJudgeDaSu, gSeasonGameInfo.JudgeDaSu},
        {kJudgeBirthday, gSeasonGameInfo.JudgeBirthday},
        {kBelongOrLocation, gintBelongOrLocation},
    };
    std::vector<platform::ProfileKey> stored;
    for (const auto& [key, value] : keys)
        stored.push_back({kSetup, key, fmt0(value)});
    gfWriteIniKeys(gstrIniFile, stored);
}

void frmPrintTotalGames::psMsgNoPrintData()
{
    gsMsgNoPrintData(this);
}

QString frmPrintTotalGames::pfTotalRankingTitle()
{
    gGame = gSeasonGameInfo;
    return gfGetCategoryTitle() + QStringLiteral("通算順位表");
}

void frmPrintTotalGames::psFilterTotalRankingByCategory()
{
    gSeasonTotalRanking = corehelpers::keptInCategory(gSeasonTotalRanking, gSeasonGameInfo, gSeasonGameInfo.Date);
}

Long frmPrintTotalGames::pfSelectPrintMember()
{
    for (MemberInfo& m : gMemberList) {
        m.Marked = 0;
        m.TeamID = QString();
    }
    Long previous = 0;
    for (const SeasonScore& s : gSeasonScores) {
        if (s.IDNo != previous) {
            const Long at = gfGetMemberIndex(s.IDNo);
            if (at >= 0)
                gMemberList[static_cast<std::size_t>(at)].Marked = 1;
        }
        previous = s.IDNo;
    }

    platform::resetMousePointer();
    {
        frmSelectPrintMember chooser(this);
        chooser.exec();
    }
    platform::setHourglass();
    return gintDialogResult == -1 ? -1 : glngDialogParam;
}

// ---------------------------------------------------------------- handlers

void frmPrintTotalGames::psHandle(const char* handler, const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        platform::MsgBox(QString::fromLatin1(handler) + QStringLiteral("(): ") + vb::errorDescription(e),
                         platform::vbOKOnly, QStringLiteral("エラー"), this);
    }
}

bool frmPrintTotalGames::pfStartReport(const std::function<Integer()>& kind)
{
    platform::setHourglass();
    psSaveSeriesPrintSetup();
    gsClearCalcResults();
    if (gfSetSeasonTallicor(kind())) {
        platform::resetMousePointer();
        return false;
    }
    return true;
}

bool frmPrintTotalGames::pfStartReport(Integer kind)
{
    return pfStartReport([kind] { return kind; });
}

bool frmPrintTotalGames::pfNoData(bool nothing)
{
    if (!nothing)
        return false;
    platform::resetMousePointer();
    psMsgNoPrintData();
    return true;
}

void frmPrintTotalGames::psLaunch(Integer (*launcher)(Integer, QWidget*))
{
    launcher(0, this);
    platform::resetMousePointer();
}

void frmPrintTotalGames::btnEntryList_Click()
{
    psHandle("btnEntryList_Click", [this] {
        if (!pfStartReport(SeasonKindEntryList))
            return;
        if (pfNoData(gsCalSeasonEntryList(mEntryByBelong, mEntryOrder)))
            return;
        psLaunch(gfPrintSeasonEntryList);
    });
}

void frmPrintTotalGames::btnTotalRanking_Click()
{
    psHandle("btnTotalRanking_Click", [this] {
        // The report kind follows the basis stored with the other options.
        if (!pfStartReport([] {
                static constexpr Integer kinds[] = {SeasonKindRoundAverage, SeasonKindGameAverage,
                                                    SeasonKindHoleAverage, SeasonKindSeasonTotal,
                                                    SeasonKindHoleInOne};
                return kinds[gintTotalRankingMode];
            }))
            return;
        if (pfNoData(gsCalSeasonTotalRanking()))
            return;
        // A category that nobody fits still prints: an empty ranking.
        psFilterTotalRankingByCategory();
        psLaunch(gfPrintSeasonTotalRanking);
    });
}

void frmPrintTotalGames::btnBestGame_Click()
{
    psHandle("btnBestGame_Click", [this] {
        if (!pfStartReport(SeasonKindBestGame))
            return;
        if (pfNoData(gsCalSeasonGameRanking()))
            return;
        psLaunch(gfPrintSeasonGameRanking);
    });
}

void frmPrintTotalGames::btnBestRound_Click()
{
    psHandle("btnBestRound_Click", [this] {
        if (!pfStartReport(SeasonKindBestRound))
            return;
        if (pfNoData(gsCalSeasonGameRanking()))
            return;
        psLaunch(gfPrintSeasonRoundRanking);
    });
}

void frmPrintTotalGames::btnTeamList_Click()
{
    psHandle("btnTeamList_Click", [this] {
        if (!pfStartReport(SeasonKindTeamList))
            return;
        if (pfNoData(gsCalSeasonTeamList()))
            return;
        psLaunch(gfPrintSeasonTeamList);
    });
}

void frmPrintTotalGames::btnTeamRanking_Click()
{
    psHandle("btnTeamRanking_Click", [this] {
        if (!pfStartReport(SeasonKindTeamRanking))
            return;
        if (pfNoData(gsCalSeasonTeamList()) || pfNoData(gsCalSeasonTeamRanking()))
            return;
        psLaunch(gfPrintSeasonTeamRanking);
    });
}

void frmPrintTotalGames::btnPrivateRanking_Click()
{
    psHandle("btnPrivateRanking_Click", [this] {
        if (!pfStartReport(SeasonKindPersonalGames))
            return;
        if (pfNoData(gfSortSeasonTallicor()))
            return;
        const Long member = pfSelectPrintMember();
        if (member <= 0) {
            platform::resetMousePointer();
            return;
        }

        // The player's records, adjacent after the sort, in game-date order.
        gSeasonGameRanking.clear();
        psResetPersonalGameInfo();
        const auto first = std::find_if(gSeasonScores.begin(), gSeasonScores.end(),
                                        [member](const SeasonScore& s) { return s.IDNo == member; });
        for (auto it = first; it != gSeasonScores.end() && it->IDNo == member; ++it) {
            gSeasonGameRanking.push_back(*it);
            psWidenPersonalGameInfo(it->GameNo);
        }
        if (pfNoData(gSeasonGameRanking.empty()))
            return;
        if (mPersonalGamesOrder == 1 && pfNoData(gsCalSeasonPersonalGameScore()))
            return;
        psLaunch(mPersonalGamesOrder == 2 ? gfPrintSeasonPersonalGameInfo : gfPrintSeasonPersonalGameScore);
    });
}

void frmPrintTotalGames::btnPrivateScore_Click()
{
    psHandle("btnPrivateScore_Click", [this] {
        if (!pfStartReport(SeasonKindPersonalRounds))
            return;
        if (pfNoData(gfSortSeasonTallicor()))
            return;
        const Long member = pfSelectPrintMember();
        if (member <= 0) {
            platform::resetMousePointer();
            return;
        }
        if (pfNoData(gsCalSeasonPersonalRoundScore(member)))
            return;
        psResetPersonalGameInfo();
        for (const SeasonRoundLine& line : gSeasonRoundLines)
            if (line.RoundNo == 1)
                psWidenPersonalGameInfo(line.GameNo);
        psLaunch(gfPrintSeasonPersonalRoundScore);
    });
}

void frmPrintTotalGames::btnCategory_Click()
{
    psHandle("btnCategory_Click", [this] {
        gGame = gSeasonGameInfo;
        {
            frmCategory category(this);
            category.exec();
        }
        if (gintDialogResult != -1) {
            gSeasonGameInfo = gGame;
            fraTotalRanking->setTitle(pfTotalRankingTitle());
        }
    });
}

void frmPrintTotalGames::btnOK_Click()
{
    accept();
}
