// frmParvona: the frame of the game window - opening, tabs, caption, layout,
// saving, closing and the keeping of a grid selection. The grid fillers are in
// frmParvonaGrids.cpp, the commands of the buttons in frmParvonaCommands.cpp.
#include "game/frmParvona.h"

#include "forms/dialoghelpers.h"

#include "core/gamefile.h"
#include "core/masterlists.h"
#include "core/printstate.h"
#include "core/ranking.h"
#include "core/records.h"
#include "core/series.h"
#include "grid/uctMyGrid.h"
#include "platform/eradate.h"
#include "platform/ui/windowgeometry.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTabBar>

#include <algorithm>
#include <vector>

namespace {

// Designed sizes in twips.
constexpr int kTopWidth = 10275;
constexpr int kTopRWidth = 4335;
constexpr int kPanelHeight = 615;
constexpr int kBottomL0Width = 7575;
constexpr int kBottomL1Width = 7155;
constexpr int kBottomL3Width = 7155;
constexpr int kBottomRWidth = 4095;
constexpr int kDesignedWidth = 15600;
constexpr int kDesignedHeight = 10500;
constexpr int kMinimumSize = 6000;

constexpr int kTwipsPerPixel = uctMyGrid::TwipsPerPixel;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

// The settings keys of the window's size, place and state: Score_Width ...
const QString kGeometryKeys = QStringLiteral("Score");

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, int x, int w)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(x, 6, w, 30);
    b->setAutoDefault(false);
    return b;
}

QWidget* makePanel(QWidget* parent, const char* name, int widthTwips)
{
    auto* p = new QWidget(parent);
    p->setObjectName(QLatin1String(name));
    p->resize(px(widthTwips), px(kPanelHeight));
    return p;
}

}  // namespace

QString frmParvona::pfErrorDescription(const std::exception& e)
{
    return vb::errorDescription(e);
}

frmParvona::frmParvona(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("frmParvona"));
    setAttribute(Qt::WA_DeleteOnClose);
    psCreateControls();
    psWireCommands();
    Form_Load();
}

frmParvona::~frmParvona() = default;

// ---------------------------------------------------------------- controls

void frmParvona::psCreateControls()
{
    resize(px(kDesignedWidth), px(kDesignedHeight));
    setMinimumSize(px(kMinimumSize), px(kMinimumSize));

    picTop = makePanel(this, "picTop", kTopWidth);
    btnGameInfo = makeButton(picTop, "btnGameInfo", QStringLiteral("ゲーム設定"), 4, 84);
    btnCategory = makeButton(picTop, "btnCategory", QStringLiteral("部門別の設定"), 92, 96);
    lblTittleCaption = new QLabel(QStringLiteral("タイトル："), picTop);
    lblTittleCaption->setObjectName(QStringLiteral("lblTittleCaption"));
    lblTittleCaption->setGeometry(196, 6, 64, 30);
    lblTittleCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTittle = new QLabel(picTop);
    lblTittle->setObjectName(QStringLiteral("lblTittle"));
    lblTittle->setGeometry(260, 6, 250, 30);
    lblDateCaption = new QLabel(QStringLiteral("日付："), picTop);
    lblDateCaption->setObjectName(QStringLiteral("lblDateCaption"));
    lblDateCaption->setGeometry(514, 6, 40, 30);
    lblDateCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDate = new QLabel(picTop);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setGeometry(554, 6, 130, 30);

    picTopR = makePanel(this, "picTopR", kTopRWidth);
    lblEntryNum = new QLabel(picTopR);
    lblEntryNum->setObjectName(QStringLiteral("lblEntryNum"));
    lblEntryNum->setGeometry(4, 6, px(kTopRWidth) - 12, 30);
    lblEntryNum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    picBody = new QWidget(this);
    picBody->setObjectName(QStringLiteral("picBody"));
    tabBody = new QTabBar(picBody);
    tabBody->setObjectName(QStringLiteral("tabBody"));
    tabBody->setExpanding(false);
    tabBody->setDrawBase(true);
    // Created in the order the layout places them.
    uctGridList = new uctMyGrid(picBody);
    uctGridList->setObjectName(QStringLiteral("uctGridList"));
    uctGridList2 = new uctMyGrid(picBody);
    uctGridList2->setObjectName(QStringLiteral("uctGridList2"));
    uctGridList0 = new uctMyGrid(picBody);
    uctGridList0->setObjectName(QStringLiteral("uctGridList0"));
    uctGridList4 = new uctMyGrid(picBody);
    uctGridList4->setObjectName(QStringLiteral("uctGridList4"));
    uctGridList6 = new uctMyGrid(picBody);
    uctGridList6->setObjectName(QStringLiteral("uctGridList6"));
    uctGridList7 = new uctMyGrid(picBody);
    uctGridList7->setObjectName(QStringLiteral("uctGridList7"));

    picBottomL0 = makePanel(this, "picBottomL0", kBottomL0Width);
    btnAddMember0 = makeButton(picBottomL0, "btnAddMember0", QStringLiteral("参加追加"), 4, 80);
    btnDeleteMember0 = makeButton(picBottomL0, "btnDeleteMember0", QStringLiteral("参加取消"), 86, 80);
    btnTeam = makeButton(picBottomL0, "btnTeam", QStringLiteral("ﾁｰﾑ設定"), 168, 80);
    btnGotoScore = makeButton(picBottomL0, "btnGotoScore", QStringLiteral("スコア画面へ"), 250, 100);
    btnGrouping = makeButton(picBottomL0, "btnGrouping", QStringLiteral("ﾗｳﾝﾄﾞ･ｸﾞﾙｰﾌﾟ編成"), 352, 148);

    picBottomL1 = makePanel(this, "picBottomL1", kBottomL1Width);
    btnScore = makeButton(picBottomL1, "btnScore", QStringLiteral("スコア入力"), 4, 120);

    picBottomL3 = makePanel(this, "picBottomL3", kBottomL3Width);
    btnGotoScore2 = makeButton(picBottomL3, "btnGotoScore2", QStringLiteral("スコア画面へ"), 4, 120);

    picBottomR = makePanel(this, "picBottomR", kBottomRWidth);
    btnPrint = makeButton(picBottomR, "btnPrint", QStringLiteral("印刷"), 4, 86);
    btnExit = makeButton(picBottomR, "btnExit", QStringLiteral("閉じる"), 94, 86);
    btnSave = makeButton(picBottomR, "btnSave", QStringLiteral("保存"), 184, 86);

    picBottomL0->hide();
    picBottomL1->hide();
    picBottomL3->hide();

    connect(tabBody, &QTabBar::currentChanged, this, [this](int index) {
        if (!mInTabReset && index >= 0)
            tabBody_Click();
    });
    connect(btnSave, &QPushButton::clicked, this, [this] { btnSave_Click(); });
    connect(btnExit, &QPushButton::clicked, this, [this] { btnExit_Click(); });
}

// ---------------------------------------------------------------- opening

void frmParvona::Form_Load()
{
    platform::setHourglass();
    try {
        psApplyStoredGeometry();

        gbolGameUnsaved = true;
        mModified = 0;
        gsClearCalcResults();

        for (MemberInfo& m : gMemberList) {
            m.Marked = 0;
            m.TeamID.clear();
        }

        if (!vb::Trim(gGame.GameFileName).isEmpty()) {
            QString problem;
            mReadIncomplete = !gfReadGameLines(&problem);
            if (mReadIncomplete) {
                platform::resetMousePointer();
                gsMsgScoreDataNotRead(problem, this);
                platform::setHourglass();
            }
        } else {
            // A new game: Round lines per chosen participant, in their order.
            const Integer rounds = gGame.Round;
            gScoreLines.clear();
            gScoreLines.reserve(gNewEntries.size() * std::max<Integer>(rounds, 0));
            for (const NewEntry& e : gNewEntries) {
                for (Integer r = 1; r <= rounds; ++r) {
                    ScoreLine line;
                    line.IDNo = e.IDNo;
                    line.RoundNo = r;
                    line.TeamID = e.TeamID;
                    gScoreLines.push_back(line);
                }
            }
            mModified = 1;
        }

        uctGridList->setVisible(true);
        uctGridList2->setVisible(false);
        mSelScoreLine.IDNo = 0;
        mScoreTopRow = 0;
        mSelMemberID = 0;
        mEntryTopRow = 0;

        mTabCount = 6;
        ResetTabCaption();
        mCurrentTab = 1;
        psSelectTab(TabEntries);

        platform::setHourglass();
        psSetList1();
        psSetList0();
        psSetCaption();
        platform::resetMousePointer();
    } catch (const std::exception&) {
        platform::resetMousePointer();
    }
    mLoaded = true;
    psResizeControls();
}

void frmParvona::psApplyStoredGeometry()
{
    platform::applyStoredWindowGeometry(this, gstrIniFile, kGeometryKeys,
                                        QSize(px(kDesignedWidth), px(kDesignedHeight)),
                                        QSize(px(kMinimumSize), px(kMinimumSize)));
}

// ---------------------------------------------------------------- closing

void frmParvona::btnExit_Click()
{
    close();
}

void frmParvona::closeEvent(QCloseEvent* event)
{
    // Form_QueryUnload: stay open when the question says so.
    if (pfConfirmSaveScore()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmParvona::Form_Unload()
{
    platform::storeWindowGeometry(this, gstrIniFile, kGeometryKeys);

    emit closed();
}

// True = keep the window open.
bool frmParvona::pfConfirmSaveScore()
{
    if (mModified == 0)
        return false;
    if (vb::IsDate(vb::Trim(gGame.Date))) {
        const int answer = platform::MsgBox(QStringLiteral("スコア・データを保存します。よろしいですか？"),
                                            platform::vbYesNoCancel, QStringLiteral("スコア保存確認"), this);
        if (answer == platform::vbCancel)
            return true;
        if (answer == platform::vbYes) {
            psScoreDataSave();
            // A save that failed keeps the edits and the window.
            return mModified != 0;
        }
        return false;
    }
    psShowDateMessage();
    return true;
}

// ---------------------------------------------------------------- saving

void frmParvona::psShowDateMessage()
{
    platform::MsgBox(dialoghelpers::dateErrorText(), platform::vbOKOnly, QStringLiteral("エラー"), this);
}

void frmParvona::btnSave_Click()
{
    if (vb::IsDate(vb::Trim(gGame.Date))) {
        mModified = 1;   // saved even when nothing was changed
        psScoreDataSave();
    } else {
        psShowDateMessage();
    }
}

void frmParvona::psScoreDataSave()
{
    if (mModified == 0)
        return;
    if (mReadIncomplete) {
        platform::MsgBox(QStringLiteral("スコア・データを完全に読み込めなかったため、保存できません。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        return;
    }
    try {
        platform::setHourglass();
        gsScoreLinesToData();
        // The save works out the finishing places in gRanking; the result
        // grid on show keeps the table its rows point into.
        const std::vector<PersonRank> shown = gRanking;
        const QString saved = gfGameDataSave();
        gRanking = shown;
        if (!saved.isEmpty()) {
            mModified = 0;
            psSetCaption();
            gbolGameUnsaved = false;
        }
        platform::resetMousePointer();
    } catch (const std::exception&) {
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("スコアデータの保存に失敗しました。"), platform::vbOKOnly,
                         QStringLiteral("System error"), this);
    }
}

// ---------------------------------------------------------------- tabs

void frmParvona::ResetTabCaption()
{
    mInTabReset = true;
    try {
        while (tabBody->count() > 0)
            tabBody->removeTab(0);
        for (int k = 1; k <= mTabCount; ++k) {
            QString caption;
            switch (k) {
            case TabEntries: caption = QStringLiteral(" 参加者一覧 "); break;
            case TabScores: caption = QStringLiteral(" ☆　スコア　☆ "); break;
            case TabRanking: caption = QStringLiteral(" ") + gfGetCategoryTitle() + QStringLiteral("順位 "); break;
            case TabBestRound: caption = QStringLiteral(" ﾍﾞｽﾄ･ﾗｳﾝﾄﾞ "); break;
            case TabTeamList: caption = QStringLiteral(" ﾁｰﾑ一覧 "); break;
            case TabTeamRanking: caption = QStringLiteral(" ﾁｰﾑ順位 "); break;
            default: break;
            }
            tabBody->addTab(caption);
        }
    } catch (const std::exception& e) {
        mInTabReset = false;
        platform::MsgBox(QStringLiteral("ResetTabCaption(): ") + pfErrorDescription(e), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        return;
    }
    mInTabReset = false;
}

void frmParvona::psSelectTab(int k)
{
    if (k < 1 || k > tabBody->count())
        return;
    if (tabBody->currentIndex() == k - 1)
        tabBody_Click();   // the tab bar does not signal a re-selection
    else
        tabBody->setCurrentIndex(k - 1);
}

void frmParvona::tabBody_Click()
{
    uctGridList0->hide();
    uctGridList->hide();
    uctGridList2->hide();
    uctGridList4->hide();
    uctGridList6->hide();
    uctGridList7->hide();
    picBottomL0->hide();
    picBottomL1->hide();
    picBottomL3->hide();

    try {
        const int k = tabBody->currentIndex() + 1;
        platform::setHourglass();
        switch (k) {
        case TabEntries:
            uctGridList0->show();
            picBottomL0->show();
            break;
        case TabScores:
            uctGridList->show();
            picBottomL1->show();
            psSetEntryNum();
            break;
        case TabRanking:
            gsCalPersonRanking(0);
            gsFilterRankingByCategory(gGame.Date);
            psSetList2();
            uctGridList2->show();
            picBottomL3->show();
            break;
        case TabBestRound:
            gsCalRoundRanking();
            psSetList4();
            uctGridList4->show();
            picBottomL3->show();
            break;
        case TabTeamList:
            gsCalTeamList();
            psSetList6();
            uctGridList6->show();
            picBottomL3->show();
            break;
        case TabTeamRanking:
            gsCalTeamRanking();
            psSetList7();
            uctGridList7->show();
            break;
        default:
            break;
        }
        platform::resetMousePointer();
        mCurrentTab = static_cast<Integer>(k);
    } catch (const std::exception&) {
        platform::resetMousePointer();
    }
}

// ---------------------------------------------------------------- caption and labels

void frmParvona::psSetCaption()
{
    QString caption = QStringLiteral("Tallicor - ") + gfSeriesName(gGame.SeriesID) + QStringLiteral(" - ");
    if (!vb::Trim(gGame.GameFileName).isEmpty())
        caption += vb::Trim(gGame.Tittle);
    else
        caption += QStringLiteral("新しいゲーム");
    if (mModified != 0)
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
    lblTittle->setText(vb::Trim(gGame.Tittle));
    lblDate->setText(vb::FormatDateText(vb::Trim(gGame.Date), QStringLiteral("ggge年m月d日(aaa)")));
}

void frmParvona::psSetEntryNum()
{
    gintPrintEntryNum = gfCountGameMembers();
    QString text = QStringLiteral("参加 ") + QString::number(gintPrintEntryNum) + QStringLiteral("名");
    gintPrintTeamNum = gfCountGameTeams();
    if (gintPrintTeamNum > 0)
        text += QStringLiteral("、") + QString::number(gintPrintTeamNum) + QStringLiteral("ﾁｰﾑ");
    lblEntryNum->setText(text);
}

void frmParvona::psSetEntryNumTeam()
{
    gintPrintTeamNum = gfCountGameTeams();
    lblEntryNum->setText(QStringLiteral("参加 ") + QString::number(gintPrintTeamNum) + QStringLiteral("ﾁｰﾑ")
                         + QStringLiteral("、") + QString::number(glngRankingUBound() + 1) + QStringLiteral("名"));
}

// ---------------------------------------------------------------- layout

void frmParvona::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!isMinimized())
        psResizeControls();
}

void frmParvona::psResizeControls()
{
    if (!mLoaded)
        return;
    const int w = width();
    const int h = height();
    const int panelH = px(kPanelHeight);

    picTop->setGeometry(0, 0, px(kTopWidth), panelH);
    picTopR->setGeometry(w - picTopR->width(), 0, picTopR->width(), picTop->height());

    const int bodyH = std::max(h - picBottomL1->height() - picTop->height(), 0);
    picBody->setGeometry(4, picTop->height(), std::max(w - 8, 0), bodyH);
    const int tabH = tabBody->sizeHint().height();
    tabBody->setGeometry(0, 0, picBody->width(), tabH);
    const QRect client(0, tabH, picBody->width(), std::max(bodyH - tabH, 0));
    for (uctMyGrid* grid : {uctGridList, uctGridList2, uctGridList0, uctGridList4, uctGridList6, uctGridList7})
        grid->setGeometry(client);

    const int bottomTop = h - picBottomL1->height();
    picBottomL1->move(0, bottomTop);
    picBottomL0->setGeometry(0, bottomTop, picBottomL0->width(), picBottomL1->height());
    picBottomL3->setGeometry(0, bottomTop, picBottomL3->width(), picBottomL1->height());
    picBottomR->setGeometry(w - picBottomR->width(), bottomTop, picBottomR->width(), picBottomL1->height());
}

// ---------------------------------------------------------------- keeping a selection

void frmParvona::psRefreshScoreList()
{
    platform::setHourglass();
    try {
        uctGridList->gsInterruptResizeCol();
        mSelScoreLine.IDNo = 0;
        mScoreTopRow = uctGridList->gfGetTopIndexOfRowsY();
        psSetList1();
        platform::resetMousePointer();
    } catch (const std::exception&) {
        platform::resetMousePointer();
    }
}

void frmParvona::psRefreshEntryList()
{
    platform::setHourglass();
    try {
        uctGridList0->gsInterruptResizeCol();
        mSelMemberID = 0;
        mEntryTopRow = uctGridList0->gfGetTopIndexOfRowsY();
        psSetList0();
        platform::resetMousePointer();
    } catch (const std::exception&) {
        platform::resetMousePointer();
    }
}

void frmParvona::psKeepSelectedScore()
{
    const int rows = uctGridList->gfRowCount();
    for (int n = 1; n <= rows - 1; ++n) {
        if (uctGridList->gfGetRowSelected(n)) {
            if (n - 1 <= glngScoreLinesUBound()) {
                mSelScoreLine = gScoreLines[n - 1];
                return;
            }
            break;
        }
    }
    mSelScoreLine.IDNo = 0;
}

void frmParvona::psSelectKeptScore()
{
    for (Long i = 0; i <= glngScoreLinesUBound(); ++i) {
        const ScoreLine& line = gScoreLines[i];
        if (line.IDNo == mSelScoreLine.IDNo && line.RoundNo == mSelScoreLine.RoundNo) {
            // Selecting a selected row would clear it: the kept line ends
            // selected either way.
            if (!uctGridList->gfGetRowSelected(i + 1))
                uctGridList->gsSetSelectRow(i + 1);
            return;
        }
    }
}

void frmParvona::psSelectKeptMember()
{
    const int rows = uctGridList0->gfRowCount();
    for (int n = 1; n <= rows - 1; ++n) {
        const Long index = uctGridList0->gfGetRowItemData(n) - 1;
        if (index < 0 || index > glngScoreLinesUBound())
            continue;
        if (gScoreLines[index].IDNo == mSelMemberID) {
            if (!uctGridList0->gfGetRowSelected(n))
                uctGridList0->gsSetSelectRow(n);
            return;
        }
    }
}
