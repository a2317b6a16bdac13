#include "mainwin/frmMain.h"

#include "core/gamefile.h"
#include "core/helpers.h"
#include "core/ini.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "core/series.h"
#include "grid/uctMyGrid.h"
#include "mainwin/frmAbout.h"
#include "registers/frmBelong.h"
#include "registers/frmCourceRegi.h"
#include "registers/frmMember.h"
#include "mainwin/frmPeriod.h"
#include "registers/frmSeriesRegi.h"
#include "game/frmSetTeam.h"
#include "mainwin/modWebUpload.h"
#include "reports/season/frmPrintPoinsRanking.h"
#include "reports/season/frmPrintTotalGames.h"
#include "platform/eradate.h"
#include "platform/folders.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <exception>
#include <vector>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kRowHeight = 350;
constexpr Long kNoSelection = std::numeric_limits<Long>::min();

const QString kSetup = QStringLiteral("Setup");
const QString kWindowSize = QStringLiteral("WindowSize");
const QString kErrorTitle = QStringLiteral("エラー");

// OLE colours of the list.
constexpr quint32 kButtonFace = 0x8000000Fu;
constexpr quint32 kHighlight = 0x8000000Du;
constexpr quint32 kHighlightText = 0x8000000Eu;
constexpr quint32 kEvenRowBack = 240u + 255u * 256u + 240u * 65536u;   // RGB(240, 255, 240)

QString fmt0(double v)
{
    return vb::Format(v, QStringLiteral("0"));
}

// The numeric value of a settings text into `value`; false (value kept)
// when it is blank or fits no Long: a damaged settings file must not keep
// the window from opening.
bool storedLong(const QString& text, Long& value)
{
    if (vb::Trim(text).isEmpty())
        return false;
    const double v = vb::Val(text);
    if (!(v > -2147483648.5 && v < 2147483647.5))
        return false;
    value = vb::CLng(v);
    return true;
}

// The numeric value of a settings text, blank (or damaged) = -1.
Long savedChoice(const QString& key)
{
    Long v = -1;
    storedLong(gfReadIniFile(gstrIniFile, kSetup, key), v);
    return v;
}

// Runs a handler of the window; an error that nothing below trapped is shown
// with the handler's name instead of ending the program.
template <typename F>
void guarded(QWidget* owner, const char* name, F&& f)
{
    try {
        f();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        platform::MsgBox(QString::fromLatin1(name) + QStringLiteral("() : ") + vb::errorDescription(e),
                         platform::vbCritical, kErrorTitle, owner);
    }
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, int x, int y,
                        int w, int h)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, y, w, h);
    // Enter presses the button that has the focus, as a click does.
    b->setAutoDefault(true);
    return b;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, int x, int y, int w,
                  int h, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(x, y, w, h);
    l->setAlignment(align);
    return l;
}

QComboBox* makeCombo(QWidget* parent, const char* name, int x, int y, int w, int h)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setGeometry(x, y, w, h);
    c->setEditable(false);
    c->setMaxVisibleItems(20);
    return c;
}

}  // namespace

// ---------------------------------------------------------------- window

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_QuitOnClose, true);
    // A fixed window: it can be minimised, not maximised or resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    psBuildControls();
    psBuildMenus();
    Form_Load();
}

frmMain::~frmMain() = default;

QString frmMain::productPageUrl()
{
    return QStringLiteral("https://talvane.example.com/tallicor/");
}

QString frmMain::onlineHelpUrl()
{
    return QStringLiteral("https://talvane.example.com/tallicor/help/");
}

QString frmMain::localHelpPath()
{
    return platform::installationFolder() + QStringLiteral("/html/help/index.html");
}

QString frmMain::readMePath()
{
    return platform::installationFolder() + QStringLiteral("/") + QStringLiteral("readme.html");
}

void frmMain::psBuildControls()
{
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("frmMainBody"));
    setCentralWidget(body);

    // Top row: the registers, the new game at the right.
    btnBelong = makeButton(body, "btnBelong", QStringLiteral("所属登録"), 12, 10, 104, 32);
    btnMember = makeButton(body, "btnMember", QStringLiteral("プレイヤー登録"), 122, 10, 116, 32);
    btnSeries = makeButton(body, "btnSeries", QStringLiteral("シリーズ＆大会"), 244, 10, 116, 32);
    btnCource = makeButton(body, "btnCource", QStringLiteral("コース登録"), 366, 10, 104, 32);
    btnTeamRegi = makeButton(body, "btnTeamRegi", QStringLiteral("チーム登録"), 476, 10, 104, 32);
    btnNewGame = makeButton(body, "btnNewGame", QStringLiteral("新しいゲーム"), 649, 10, 128, 32);

    // The filter frame.
    fraFilter = new QGroupBox(QStringLiteral("抽出条件"), body);
    fraFilter->setObjectName(QStringLiteral("fraFilter"));
    fraFilter->setGeometry(12, 50, 606, 122);

    Label1 = makeLabel(fraFilter, "Label1", QStringLiteral("シリーズ＆大会："), 8, 22, 112, 24,
                       Qt::AlignRight | Qt::AlignVCenter);
    cobSeason = makeCombo(fraFilter, "cobSeason", 124, 22, 300, 24);
    btnPointTotal = makeButton(fraFilter, "btnPointTotal", QStringLiteral("ポイント集計/印刷"), 432, 20,
                               160, 28);

    Label3 = makeLabel(fraFilter, "Label3", QStringLiteral("コース："), 8, 54, 112, 24,
                       Qt::AlignRight | Qt::AlignVCenter);
    cobCource = makeCombo(fraFilter, "cobCource", 124, 54, 300, 24);

    Label2 = makeLabel(fraFilter, "Label2", QStringLiteral("ゲーム形式："), 8, 86, 112, 24,
                       Qt::AlignRight | Qt::AlignVCenter);
    cobHoleRound = makeCombo(fraFilter, "cobHoleRound", 124, 86, 170, 24);
    btnPeriod = makeButton(fraFilter, "btnPeriod", QStringLiteral("期間"), 302, 84, 60, 28);
    lblPeriod = makeLabel(fraFilter, "lblPeriod", QString(), 368, 86, 232, 24);

    btnSeasonPrint = makeButton(body, "btnSeasonPrint", QStringLiteral("集計/印刷"), 630, 128, 147, 38);

    lblGameListCount = makeLabel(body, "lblGameListCount", QString(), 617, 176, 160, 20,
                                 Qt::AlignRight | Qt::AlignVCenter);

    // The grid area: 11475 x 4995 twips.
    picGameListBody = new QFrame(body);
    picGameListBody->setObjectName(QStringLiteral("picGameListBody"));
    picGameListBody->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picGameListBody->setLineWidth(2);
    picGameListBody->setGeometry(12, 198, 11475 / kTwipsPerPixel, 4995 / kTwipsPerPixel);

    uctGameList = new uctMyGrid(picGameListBody);
    uctGameList->setObjectName(QStringLiteral("uctGameList"));

    // Bottom row.
    const int by = 198 + 4995 / kTwipsPerPixel + 10;
    btnSyukeiClear = makeButton(body, "btnSyukeiClear", QStringLiteral("集計 クリア"), 12, by, 100, 32);
    btnSyukeiCheckedAll = makeButton(body, "btnSyukeiCheckedAll", QStringLiteral("集計 全選択"), 118, by,
                                     100, 32);
    btnOpenGame = makeButton(body, "btnOpenGame", QStringLiteral("開く"), 248, by, 84, 32);
    btnGamePrint = makeButton(body, "btnGamePrint", QStringLiteral("印刷"), 338, by, 84, 32);
    btnDeleteGame = makeButton(body, "btnDeleteGame", QStringLiteral("削除"), 428, by, 84, 32);
    btnUploadFile = makeButton(body, "btnUploadFile", QStringLiteral("ｱｯﾌﾟﾛｰﾄﾞ･ﾌｧｲﾙの作成"), 530, by, 150,
                               32);
    btnClose = makeButton(body, "btnClose", QStringLiteral("終了"), 693, by, 84, 32);

    timMain = new QTimer(this);
    timMain->setObjectName(QStringLiteral("timMain"));
    timMain->setInterval(200);

    const int bodyHeight = by + 32 + 12;
    body->setFixedSize(789, bodyHeight);

    // Wiring.
    auto click = [this](QPushButton* b, const char* name, void (frmMain::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, name, handler] {
            guarded(this, name, [this, handler] { (this->*handler)(); });
        });
    };
    click(btnBelong, "btnBelong_Click", &frmMain::btnBelong_Click);
    click(btnMember, "btnMember_Click", &frmMain::btnMember_Click);
    click(btnSeries, "btnSeries_Click", &frmMain::btnSeries_Click);
    click(btnCource, "btnCource_Click", &frmMain::btnCource_Click);
    click(btnTeamRegi, "btnTeamRegi_Click", &frmMain::btnTeamRegi_Click);
    click(btnNewGame, "btnNewGame_Click", &frmMain::btnNewGame_Click);
    click(btnPeriod, "btnPeriod_Click", &frmMain::btnPeriod_Click);
    click(btnPointTotal, "btnPointTotal_Click", &frmMain::btnPointTotal_Click);
    click(btnSeasonPrint, "btnSeasonPrint_Click", &frmMain::btnSeasonPrint_Click);
    click(btnSyukeiClear, "btnSyukeiClear_Click", &frmMain::btnSyukeiClear_Click);
    click(btnSyukeiCheckedAll, "btnSyukeiCheckedAll_Click", &frmMain::btnSyukeiCheckedAll_Click);
    click(btnOpenGame, "btnOpenGame_Click", &frmMain::btnOpenGame_Click);
    click(btnGamePrint, "btnGamePrint_Click", &frmMain::btnGamePrint_Click);
    click(btnDeleteGame, "btnDeleteGame_Click", &frmMain::btnDeleteGame_Click);
    click(btnUploadFile, "btnUploadFile_Click", &frmMain::btnUploadFile_Click);
    click(btnClose, "btnClose_Click", &frmMain::btnClose_Click);

    // A user's choice in a list runs its click handler; the program's own
    // changes happen with signals blocked and call the handler themselves.
    const std::pair<QComboBox*, const char*> lists[] = {
        {cobSeason, "cobSeason_Click"}, {cobCource, "cobCource_Click"}, {cobHoleRound, "cobHoleRound_Click"}};
    for (const auto& [cob, name] : lists) {
        connect(cob, &QComboBox::currentIndexChanged, this, [this, cob = cob, name = name](int) {
            guarded(this, name, [this, cob] { psRunComboClick(cob); });
        });
    }

    connect(uctGameList, &uctMyGrid::MGCellClick, this, [this](int c, int r) {
        guarded(this, "uctGameList_MGCellClick", [&] { uctGameList_MGCellClick(c, r); });
    });
    connect(uctGameList, &uctMyGrid::MGCellDblClick, this, [this](int c, int r) {
        guarded(this, "uctGameList_MGCellDblClick", [&] { uctGameList_MGCellDblClick(c, r); });
    });
    connect(uctGameList, &uctMyGrid::MGCellCheckBoxClick, this, [this](int c, int r, int v) {
        guarded(this, "uctGameList_MGCellCheckBoxClick",
                [&] { uctGameList_MGCellCheckBoxClick(c, r, v); });
    });

    // The timer keeps its own silence: it traps every error itself.
    connect(timMain, &QTimer::timeout, this, &frmMain::timMain_Timer);
}

void frmMain::psBuildMenus()
{
    QMenuBar* bar = menuBar();

    mnuFile = bar->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile_ExitApp = mnuFile->addAction(QStringLiteral("Tallicor の終了(&X)"));
    mnuFile_ExitApp->setObjectName(QStringLiteral("mnuFile_ExitApp"));

    mnuTool = bar->addMenu(QStringLiteral("ツール(&T)"));
    mnuTool->setObjectName(QStringLiteral("mnuTool"));
    mnuTool_Backup = mnuTool->addAction(QStringLiteral("バックアップ(&B)"));
    mnuTool_Backup->setObjectName(QStringLiteral("mnuTool_Backup"));

    mnuHelp = bar->addMenu(QStringLiteral("ヘルプﾟ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp_AboutTallicor = mnuHelp->addAction(QStringLiteral("Tallicor について（ｵﾝﾗｲﾝ）"));
    mnuHelp_AboutTallicor->setObjectName(QStringLiteral("mnuHelp_AboutTallicor"));
    mnuHelp_OnlineHelp = mnuHelp->addAction(QStringLiteral("ヘルプ（ｵﾝﾗｲﾝ）"));
    mnuHelp_OnlineHelp->setObjectName(QStringLiteral("mnuHelp_OnlineHelp"));
    mnuHelp_Line3 = mnuHelp->addSeparator();
    mnuHelp_Line3->setObjectName(QStringLiteral("mnuHelp_Line3"));
    mnuHelp_LocalHelp = mnuHelp->addAction(QStringLiteral("ローカル・ヘルプ"));
    mnuHelp_LocalHelp->setObjectName(QStringLiteral("mnuHelp_LocalHelp"));
    mnuHelp_Line1 = mnuHelp->addSeparator();
    mnuHelp_Line1->setObjectName(QStringLiteral("mnuHelp_Line1"));
    mnuHelp_ReadMe = mnuHelp->addAction(QStringLiteral("ReadMe.html"));
    mnuHelp_ReadMe->setObjectName(QStringLiteral("mnuHelp_ReadMe"));
    mnuHelp_Line2 = mnuHelp->addSeparator();
    mnuHelp_Line2->setObjectName(QStringLiteral("mnuHelp_Line2"));
    mnuHelp_About = mnuHelp->addAction(QStringLiteral("バージョン情報(&A)..."));
    mnuHelp_About->setObjectName(QStringLiteral("mnuHelp_About"));

    auto item = [this](QAction* a, const char* name, void (frmMain::*handler)()) {
        connect(a, &QAction::triggered, this, [this, name, handler] {
            guarded(this, name, [this, handler] { (this->*handler)(); });
        });
    };
    item(mnuFile_ExitApp, "mnuFile_ExitApp_Click", &frmMain::mnuFile_ExitApp_Click);
    item(mnuTool_Backup, "mnuTool_Backup_Click", &frmMain::mnuTool_Backup_Click);
    item(mnuHelp_AboutTallicor, "mnuHelp_AboutTallicor_Click", &frmMain::mnuHelp_AboutTallicor_Click);
    item(mnuHelp_OnlineHelp, "mnuHelp_OnlineHelp_Click", &frmMain::mnuHelp_OnlineHelp_Click);
    item(mnuHelp_LocalHelp, "mnuHelp_LocalHelp_Click", &frmMain::mnuHelp_LocalHelp_Click);
    item(mnuHelp_ReadMe, "mnuHelp_ReadMe_Click", &frmMain::mnuHelp_ReadMe_Click);
    item(mnuHelp_About, "mnuHelp_About_Click", &frmMain::mnuHelp_About_Click);
}

// ---------------------------------------------------------------- load / unload

void frmMain::Form_Load()
{
    // 1. Position from the settings file (twips). The layout fixes the
    // window's size first: a top-level window whose size its layout changes
    // after the move is placed by its inside rather than its frame (X11), and
    // would then creep up by the title bar's height at every start.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
    psMoveToStoredPosition();

    // 2. The grid fills the inside of its picture box.
    uctGameList->setGeometry(picGameListBody->contentsRect());

    // 3. Title; the layout is fixed.
    setWindowTitle(QStringLiteral("Corvanti - Tallicor"));
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // 4. Empty lists and state.
    gMemberList.clear();
    gBelongList.clear();
    mKeepTopRow = -1;
    lblGameListCount->setText(QString());
    mGameWindowOpen = 0;
    cobClear(cobSeason);

    // 5. Games, players, groups.
    psReadGameList();
    gsReadMemberData();
    psReadGroups();

    // 6. Filters and grid.
    psSetSeasonList();

    // 7.
    psSetButtonsEnabled();

    timMain->start();

    // Values of the master files that did not fit their field were read as
    // 0: once the window is open the user is told which entries to mend.
    const QStringList unreadable = gfTakeUnreadableValues();
    if (!unreadable.isEmpty()) {
        QTimer::singleShot(0, this, [this, unreadable] {
            platform::MsgBox(QStringLiteral("次のデータに読み取れない値があります。該当する項目は 0 として扱います。\n")
                                 + unreadable.join(QLatin1Char('\n')),
                             platform::vbOKOnly | platform::vbExclamation, kErrorTitle, this);
        });
    }
}

void frmMain::psMoveToStoredPosition()
{
    const QString top = gfReadIniFile(gstrIniFile, kWindowSize, QStringLiteral("Main_Top"));
    Long y = 0;
    if (!storedLong(top, y)) {
        // The default position: centred on the primary screen.
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect avail = s->availableGeometry();
            const QSize sz = sizeHint();
            move(avail.x() + std::max(0, (avail.width() - sz.width()) / 2),
                 avail.y() + std::max(0, (avail.height() - sz.height()) / 2));
        }
        return;
    }
    Long x = pos().x() * kTwipsPerPixel;
    storedLong(gfReadIniFile(gstrIniFile, kWindowSize, QStringLiteral("Main_Left")), x);
    if (y < 0)
        y = 0;
    if (x < 0)
        x = 0;
    QPoint p(x / kTwipsPerPixel, y / kTwipsPerPixel);

    // A position off every screen (a screen that has gone) comes back onto
    // the primary screen: the top left corner of the title bar must show.
    const QRect grip(p, QSize(120, 24));
    bool visible = false;
    for (QScreen* s : QGuiApplication::screens())
        if (s->availableGeometry().intersects(grip))
            visible = true;
    if (!visible) {
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect avail = s->availableGeometry();
            const QSize sz = sizeHint();
            p.setX(std::clamp(p.x(), avail.left(), std::max(avail.left(), avail.right() - sz.width())));
            p.setY(std::clamp(p.y(), avail.top(), std::max(avail.top(), avail.bottom() - sz.height())));
        }
    }
    move(p);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    // The frame's position as the window system keeps it for the normal
    // window (a minimised window keeps its last normal position here).
    const QPoint p = pos();
    gfWriteIniFile(gstrIniFile, kWindowSize, QStringLiteral("Main_Top"), fmt0(double(p.y()) * kTwipsPerPixel));
    gfWriteIniFile(gstrIniFile, kWindowSize, QStringLiteral("Main_Left"), fmt0(double(p.x()) * kTwipsPerPixel));
}

void frmMain::btnClose_Click()
{
    close();
}

void frmMain::mnuFile_ExitApp_Click()
{
    close();
}

// ---------------------------------------------------------------- return from a game

void frmMain::gsShowMain()
{
    try {
        // 1.
        show();
        mGameWindowOpen = 0;
        // 2.
        gsClearCalcResults();
        // 3. Not saved: everything stays as it was.
        if (gbolGameUnsaved)
            return;

        // 4.1 A stored game keeps the scroll position.
        if (mOpenedStoredGame == 1)
            mKeepTopRow = uctGameList->gfGetTopIndexOfRowsY();

        // 4.2 Unticked games.
        const QStringList unticked = psUntickedGames();

        // 4.3 The filters as they were.
        const Long oldSeason = cobSelectedData(cobSeason, kNoSelection);
        const Long oldHoleRound = cobSelectedData(cobHoleRound, kNoSelection);
        const Long oldCource = cobSelectedData(cobCource, kNoSelection);

        // 4.4 The edited game becomes the selected one.
        gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedGame"), vb::Trim(gGame.GameFileName));

        // 4.5 Reload.
        psReadGameList();
        psSetSeasonList();

        // 4.6 - 4.8 Filters that would hide the edited game.
        const Long season = cobSelectedData(cobSeason, kNoSelection);
        if (cobSeason->currentIndex() >= 0 && season != -1 && season != gGame.SeriesID) {
            for (int i = 0; i < cobSeason->count(); ++i) {
                if (cobSeason->itemData(i).toInt() == gGame.SeriesID) {
                    cobSetListIndex(cobSeason, i);
                    break;
                }
            }
        }
        const Long hr = cobSelectedData(cobHoleRound, kNoSelection);
        if (cobHoleRound->currentIndex() >= 0 && hr != -1
            && hr != Long(gGame.Hole) * 100 + gGame.Round)
            cobSetListIndex(cobHoleRound, 0);
        const Long cource = cobSelectedData(cobCource, kNoSelection);
        if (cobCource->currentIndex() >= 0 && cource != -1 && cource != gGame.CourceID)
            cobSetListIndex(cobCource, 0);

        // 4.9 Widen the period to the game's date.
        bool widened = false;
        if (!vb::Trim(mPeriodFrom).isEmpty() && vb::StrComp(vb::Trim(mPeriodFrom), gGame.Date) > 0) {
            mPeriodFrom = gGame.Date;
            widened = true;
        }
        if (!vb::Trim(mPeriodTo).isEmpty() && vb::StrComp(vb::Trim(mPeriodTo), gGame.Date) < 0) {
            mPeriodTo = gGame.Date;
            widened = true;
        }
        if (widened) {
            psShowPeriod();
            psSetGamesList();
        }

        // 4.10 The ticks come back unless a filter changed on the way.
        if (cobSelectedData(cobSeason, kNoSelection) == oldSeason
            && cobSelectedData(cobHoleRound, kNoSelection) == oldHoleRound
            && cobSelectedData(cobCource, kNoSelection) == oldCource)
            psUntickGames(unticked);

        // 4.11
        psSetButtonsEnabled();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("gsShowMain() : ") + vb::errorDescription(e), platform::vbCritical,
                         kErrorTitle, this);
    }
}

// ---------------------------------------------------------------- hand-over timer

QWidget* frmMain::gameWindow() const
{
    if (auto* w = findChild<QWidget*>(QStringLiteral("frmParvona")))
        return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmParvona"))
            return w;
    return nullptr;
}

void frmMain::timMain_Timer()
{
    try {
        if (gstrReExecuteFile.isEmpty() || !QFileInfo::exists(gstrReExecuteFile))
            return;
        const QString really =
            gfReadIniFile(gstrReExecuteFile, QStringLiteral("ReExecute"), QStringLiteral("Really"));
        if (vb::Trim(really) == QStringLiteral("Yes")) {
            QWidget* target = mGameWindowOpen != 0 ? gameWindow() : this;
            if (target) {
                if (target->isMinimized()) {
                    target->showNormal();
                } else {
                    target->raise();
                    target->activateWindow();
                }
            }
        }
        QFile::remove(gstrReExecuteFile);
    } catch (...) {
        // Silent: the file is handled at the next tick.
    }
}

// ---------------------------------------------------------------- buttons

void frmMain::psSetButtonsEnabled()
{
    if (cobSeason->currentIndex() < 0) {
        btnSeasonPrint->setEnabled(false);
        btnNewGame->setEnabled(false);
        btnOpenGame->setEnabled(false);
        btnGamePrint->setEnabled(false);
        btnDeleteGame->setEnabled(false);
        btnUploadFile->setEnabled(false);
        btnPointTotal->setVisible(false);
        return;
    }

    btnPointTotal->setVisible(false);
    const Long series = cobSelectedData(cobSeason);
    if (series > 0) {
        SeriesInfo info;
        if (gfGetSeriesInfo(series, info) && info.PointSeries == 1)
            btnPointTotal->setVisible(true);
    }

    bool livePlayer = false;
    for (const MemberInfo& m : gMemberList)
        if (m.State != 2) {
            livePlayer = true;
            break;
        }
    btnNewGame->setEnabled(livePlayer);

    bool ticked = false;
    bool selected = false;
    for (int r = 1; r < uctGameList->gfRowCount(); ++r) {
        if (uctGameList->gfGetCellData(0, r, QStringLiteral("Value")).toInt() != 0)
            ticked = true;
        if (uctGameList->gfGetRowSelected(r))
            selected = true;
    }
    btnSeasonPrint->setEnabled(ticked);

    btnOpenGame->setEnabled(selected);
    btnGamePrint->setEnabled(selected);
    btnDeleteGame->setEnabled(selected);
    btnUploadFile->setEnabled(selected);
}

void frmMain::btnBelong_Click()
{
    frmBelong dlg(this);
    dlg.exec();
}

void frmMain::btnMember_Click()
{
    {
        frmMember dlg(this);
        dlg.exec();
    }
    psSetButtonsEnabled();
}

void frmMain::btnSeries_Click()
{
    {
        frmSeriesRegi dlg(this);
        dlg.exec();
    }
    psClearDeletedRefs();
    psSetSeasonList();
}

void frmMain::btnCource_Click()
{
    {
        frmCourceRegi dlg(this);
        dlg.exec();
    }
    psClearDeletedRefs();
    psSetSeasonList();
}

void frmMain::btnTeamRegi_Click()
{
    glngDialogParam = 1;
    frmSetTeam dlg(this);
    dlg.exec();
}

// The game commands (new, open, print, delete) and psClearDeletedRefs are in
// frmMainGameCommands.cpp.

void frmMain::btnPointTotal_Click()
{
    const Long series = cobSelectedData(cobSeason);
    if (series <= 0)
        return;
    gintDialogResult = -1;
    glngDialogParam = series;
    frmPrintPoinsRanking dlg(this);
    dlg.exec();
}

void frmMain::btnSeasonPrint_Click()
{
    if (cobSeason->currentIndex() < 0 || cobHoleRound->currentIndex() < 0 || cobCource->currentIndex() < 0)
        return;
    try {
        platform::setHourglass();
        gSelectedGames.clear();
        for (int r = 1; r < uctGameList->gfRowCount(); ++r)
            if (uctGameList->gfGetCellData(0, r, QStringLiteral("Value")).toInt() != 0)
                gSelectedGames.push_back(uctGameList->gfGetRowItemData(r));
        gsPrepareSeasonPrint(cobSelectedData(cobSeason), cobSelectedData(cobCource));
        platform::resetMousePointer();
        if (gSelectedGames.empty())
            return;
        {
            frmPrintTotalGames dlg(this);
            dlg.exec();
        }
        gSelectedGames.clear();
        gsClearCalcResults();
    } catch (const std::exception&) {
        // The command ends without a word of its own.
        platform::resetMousePointer();
    }
}

void frmMain::btnUploadFile_Click()
{
    gsUploadFileExport(this, cobSeason->currentIndex() >= 0, uctGameList);
}

void frmMain::btnPeriod_Click()
{
    gstrDialogText1 = vb::Trim(mPeriodFrom);
    gstrDialogText2 = vb::Trim(mPeriodTo);
    {
        frmPeriod dlg(this);
        dlg.exec();
    }
    if (gintDialogResult != -1) {
        mPeriodFrom = vb::Trim(gstrDialogText1);
        mPeriodTo = vb::Trim(gstrDialogText2);
        psShowPeriod();
        psSetGamesList();
        // The rebuilt list may have lost its selected row.
        psSetButtonsEnabled();
    }
}

// ---------------------------------------------------------------- menus

namespace {

// Puts the folder's path on the clipboard and says where it is (the backup
// when the folder cannot be opened).
void showFolderOnClipboard(const QString& folder, QWidget* owner)
{
    platform::ui().setClipboardText(folder);
    platform::MsgBox(QStringLiteral("Tallicorのデータフォルダを開けませんでした。\n") + folder + QStringLiteral("\n")
                         + QStringLiteral("このフォルダの場所をクリップボードにコピーしました。\n")
                         + QStringLiteral("ファイルマネージャーのアドレス欄などに貼り付け(ペースト)て開いてください。"),
                     platform::vbOKOnly | platform::vbExclamation, QStringLiteral("バックアップ"), owner);
}

}  // namespace

void frmMain::mnuTool_Backup_Click()
{
    const QString text =
        QStringLiteral("Tallicorのデータフォルダを開きます。\n")
        + QStringLiteral("\"data\"フォルダを他の場所（外部ハードディスクやUSBメモリなど）にコピーして保存（退避）してください。\n")
        + QStringLiteral("復元はTallicorを終了させてから、\"data\"フォルダを入れ替えてください。\n");
    const int answer = platform::MsgBox(text, platform::vbOKCancel, QStringLiteral("バックアップ"), this);
    if (answer == platform::vbCancel)
        return;
    // Without a file manager the user still learns where the data is.
    const QString folder = gstrDocFolder;
    const QPointer<frmMain> guard(this);
    auto fallback = [folder, guard] { showFolderOnClipboard(folder, guard.data()); };
    if (!platform::ui().openFolder(folder, fallback))
        fallback();
}

void frmMain::psOpenHelpAddress(const QString& address)
{
    gsOpenWebPageOrShowUrl(address, this);
}

void frmMain::mnuHelp_AboutTallicor_Click()
{
    psOpenHelpAddress(productPageUrl());
}

void frmMain::mnuHelp_OnlineHelp_Click()
{
    psOpenHelpAddress(onlineHelpUrl());
}

void frmMain::mnuHelp_LocalHelp_Click()
{
    psOpenHelpAddress(localHelpPath());
}

void frmMain::mnuHelp_ReadMe_Click()
{
    psOpenHelpAddress(readMePath());
}

void frmMain::mnuHelp_About_Click()
{
    frmAbout dlg(this);
    dlg.exec();
}

// ---------------------------------------------------------------- combo semantics

void frmMain::cobClear(QComboBox* cob)
{
    const QSignalBlocker block(cob);
    cob->clear();
    cob->setCurrentIndex(-1);
}

void frmMain::cobAddItem(QComboBox* cob, const QString& text, Long itemData)
{
    const QSignalBlocker block(cob);
    const int current = cob->currentIndex();
    cob->addItem(text, QVariant(int(itemData)));
    // Adding never selects.
    cob->setCurrentIndex(current);
}

void frmMain::cobSetListIndex(QComboBox* cob, int index)
{
    {
        const QSignalBlocker block(cob);
        cob->setCurrentIndex(index);
    }
    psRunComboClick(cob);
}

Long frmMain::cobSelectedData(const QComboBox* cob, Long none)
{
    const int i = cob->currentIndex();
    if (i < 0)
        return none;
    return cob->itemData(i).toInt();
}

void frmMain::psRunComboClick(QComboBox* cob)
{
    if (cob == cobSeason)
        cobSeason_Click();
    else if (cob == cobHoleRound)
        cobHoleRound_Click();
    else if (cob == cobCource)
        cobCource_Click();
}

// ---------------------------------------------------------------- filter lists

void frmMain::psSetSeasonList()
{
    // 1.
    cobClear(cobSeason);
    const Long saved = savedChoice(QStringLiteral("SelectedSeason"));
    // 2. The series file is parsed once for the whole list.
    const IniFileReader series(gstrSeriesFile);
    const Long maxNo = series.highestNumber(QStringLiteral("MaxSeriesNo"));
    // 3.
    cobAddItem(cobSeason, QStringLiteral("すべて"), -1);
    if (saved == -1)
        cobSetListIndex(cobSeason, cobSeason->count() - 1);
    cobAddItem(cobSeason, QStringLiteral("指定なし"), 0);
    if (saved == 0)
        cobSetListIndex(cobSeason, cobSeason->count() - 1);
    // 4.
    for (Long n = 1; n <= maxNo; ++n) {
        const QString section = QStringLiteral("Series") + fmt0(n);
        if (vb::Val(series.value(section, QStringLiteral("State"))) != 0)
            continue;
        cobAddItem(cobSeason, series.value(section, QStringLiteral("Name")), n);
        if (n == saved)
            cobSetListIndex(cobSeason, cobSeason->count() - 1);
    }
    // 5.
    if (cobSeason->currentIndex() < 0)
        cobSetListIndex(cobSeason, cobSeason->count() - 1);
}

void frmMain::cobSeason_Click()
{
    if (cobSeason->currentIndex() >= 0)
        gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedSeason"), fmt0(cobSelectedData(cobSeason)));
    {
        // The dependent lists are refilled without rebuilding the grid each
        // time; the flag is cleared whatever happens.
        mListsFilling = 1;
        struct Done {
            Integer& flag;
            ~Done() { flag = 0; }
        } done{mListsFilling};
        psSetHoleRoundList();
        psSetCourceList();
        psSetDefaultPeriod();
    }
    psSetGamesList();
    psSetButtonsEnabled();
}

namespace {

// The distinct values of the games of a series (every game for -1), in the
// order first met, sorted by their six-digit texts.
std::vector<Long> distinctValues(Long series, Long (*value)(const GameInfo&))
{
    std::vector<Long> values;
    for (const GameInfo& g : gGameList) {
        if (series != -1 && g.SeriesID != series)
            continue;
        const Long v = value(g);
        if (std::find(values.begin(), values.end(), v) == values.end())
            values.push_back(v);
    }
    if (values.size() < 2)
        return values;
    std::vector<QString> keys;
    std::vector<Long> index;
    for (std::size_t i = 0; i < values.size(); ++i) {
        keys.push_back(vb::Format(values[i], QStringLiteral("000000")));
        index.push_back(Long(i));
    }
    csQuickSort_Asc(0, Long(values.size()) - 1, index, keys, 0);
    std::vector<Long> sorted;
    for (Long i : index)
        sorted.push_back(values[i]);
    return sorted;
}

Long holeRoundOf(const GameInfo& g)
{
    return Long(g.Hole) * 100 + g.Round;
}

Long courceOf(const GameInfo& g)
{
    return g.CourceID;
}

QString holeRoundText(Long v)
{
    const Long holes = vb::CLng(v / 100.0);
    const Long rounds = v % 100;
    return (holes < 10 ? QStringLiteral(" ") : QString()) + fmt0(holes) + QStringLiteral(" ﾎｰﾙ、 ")
           + fmt0(rounds) + QStringLiteral(" ﾗｳﾝﾄﾞ");
}

QString courceName(Long id)
{
    return vb::Trim(gfReadIniFile(gstrCourceFile, QStringLiteral("Cource") + fmt0(id), QStringLiteral("Name")));
}

// A game's date as "yyyy/mm/dd" for comparing with the period; empty when
// the game has none.
QString comparableDate(const GameInfo& g)
{
    const QString t = vb::Trim(g.Date);
    return t.isEmpty() ? QString() : vb::FormatDateText(t, QStringLiteral("yyyy/mm/dd"));
}

// A course filter entry: the course's name, "指定なし" for games without one.
QString courceFilterText(Long id)
{
    return id != 0 ? courceName(id) : QStringLiteral("指定なし");
}

}  // namespace

// Fills the hole-and-round or the course filter with the distinct values of
// the games of the chosen series, "すべて" before them when there are several
// (and alone when there are none); the stored choice is selected, else the
// last entry.
void frmMain::psFillGameFilter(QComboBox* cob, const QString& key, Long (*valueOf)(const GameInfo&),
                               QString (*textOf)(Long))
{
    if (cobSeason->currentIndex() < 0) {
        cobClear(cob);
        return;
    }
    const Long saved = savedChoice(key);
    const std::vector<Long> values = distinctValues(cobSelectedData(cobSeason), valueOf);
    cobClear(cob);
    if (values.empty()) {
        cobAddItem(cob, QStringLiteral("すべて"), -1);
        cobSetListIndex(cob, 0);
        return;
    }
    if (values.size() >= 2) {
        cobAddItem(cob, QStringLiteral("すべて"), -1);
        cobSetListIndex(cob, 0);
    }
    for (Long v : values) {
        cobAddItem(cob, textOf(v), v);
        if (v == saved)
            cobSetListIndex(cob, cob->count() - 1);
    }
    if (cob->currentIndex() < 0)
        cobSetListIndex(cob, cob->count() - 1);
}

void frmMain::psSetHoleRoundList()
{
    psFillGameFilter(cobHoleRound, QStringLiteral("SelectedHoleRound"), &holeRoundOf, &holeRoundText);
}

void frmMain::psSetCourceList()
{
    psFillGameFilter(cobCource, QStringLiteral("SelectedCource"), &courceOf, &courceFilterText);
}

void frmMain::cobHoleRound_Click()
{
    if (cobHoleRound->currentIndex() >= 0)
        gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedHoleRound"),
                       fmt0(cobSelectedData(cobHoleRound)));
    psSetGamesList();
    psSetButtonsEnabled();
}

void frmMain::cobCource_Click()
{
    if (cobCource->currentIndex() >= 0)
        gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedCource"), fmt0(cobSelectedData(cobCource)));
    psSetGamesList();
    psSetButtonsEnabled();
}

// ---------------------------------------------------------------- period

void frmMain::psSetDefaultPeriod()
{
    try {
        if (cobSeason->currentIndex() < 0) {
            mPeriodFrom.clear();
            mPeriodTo.clear();
            return;
        }
        const Long series = cobSelectedData(cobSeason);
        QString lowest = QStringLiteral("9999/99/99");
        QString highest = QStringLiteral("0000/00/00");
        bool met = false;
        for (const GameInfo& g : gGameList) {
            if (series != -1 && g.SeriesID != series)
                continue;
            met = true;
            const QString d = comparableDate(g);
            if (vb::StrComp(d, lowest) < 0)
                lowest = d;
            if (vb::StrComp(d, highest) > 0)
                highest = d;
        }
        if (!met) {
            mPeriodFrom.clear();
            mPeriodTo.clear();
        } else {
            mPeriodFrom = lowest;
            mPeriodTo = highest;
        }
        psShowPeriod();
    } catch (...) {
        // Silent: the period keeps what was set before the error.
    }
}

void frmMain::psShowPeriod()
{
    const QString from = vb::Trim(mPeriodFrom);
    const QString to = vb::Trim(mPeriodTo);
    if (from.isEmpty() && to.isEmpty()) {
        lblPeriod->setText(QString());
        return;
    }
    const QString pattern = QStringLiteral("gee/mm/dd");
    QString text;
    if (!from.isEmpty())
        text += vb::FormatDate(vb::CDate(from), pattern);
    text += QStringLiteral("　～　");
    if (!to.isEmpty())
        text += vb::FormatDate(vb::CDate(to), pattern);
    lblPeriod->setText(text);
}

// ---------------------------------------------------------------- game list

void frmMain::psSetGamesList()
{
    if (mListsFilling == 1)
        return;
    try {
        lblGameListCount->setText(QString());
        if (cobSeason->currentIndex() < 0) {
            uctGameList->gsClear();
            uctGameList->gsUpdate();
            return;
        }

        const Long series = cobSelectedData(cobSeason);
        const bool hrSelected = cobHoleRound->currentIndex() >= 0;
        const Long hr = cobSelectedData(cobHoleRound);
        const bool courceSelected = cobCource->currentIndex() >= 0;
        const Long cource = cobSelectedData(cobCource);
        const QString from = vb::Trim(mPeriodFrom);
        const QString to = vb::Trim(mPeriodTo);

        // 3. Filter.
        std::vector<Long> kept;
        for (Long i = 0; i <= glngGameListUBound(); ++i) {
            const GameInfo& g = gGameList[i];
            if (series != -1 && g.SeriesID != series)
                continue;
            if (hrSelected && hr != -1
                && (g.Hole != vb::CLng(hr / 100.0) || g.Round != hr % 100))
                continue;
            if (courceSelected && cource != -1 && cource != g.CourceID)
                continue;
            const QString d = comparableDate(g);
            if (!from.isEmpty() && vb::StrComp(from, d) > 0)
                continue;
            if (!to.isEmpty() && vb::StrComp(to, d) < 0)
                continue;
            kept.push_back(i);
        }
        const Long n = Long(kept.size());

        // 4. Columns.
        const bool showSeries = series == -1;
        const bool showHR = hrSelected && hr == -1;
        const bool showCource = courceSelected && cource == -1;
        const int cols = 5 + (showSeries ? 1 : 0) + (showHR ? 1 : 0) + (showCource ? 1 : 0);

        // 5.
        lblGameListCount->setText(fmt0(n) + QStringLiteral(" ｹﾞｰﾑ"));

        // 6. Shape and header.
        struct Column {
            QString header;
            int width;
            int alignment;
        };
        std::vector<Column> layout;
        layout.push_back({QStringLiteral("集計"), 550, 2});
        layout.push_back({QStringLiteral("No."), 600, 2});
        layout.push_back({QStringLiteral("日付"), 1300, 2});
        if (showHR)
            layout.push_back({QStringLiteral("H-R"), 650, 2});
        layout.push_back({QStringLiteral("参加"), 600, 2});
        const int titleWidth = 3050 + (showSeries ? 0 : 2150) + (showHR ? 0 : 650) + (showCource ? 0 : 2150);
        layout.push_back({QStringLiteral("タイトル"), titleWidth, 0});
        if (showCource)
            layout.push_back({QStringLiteral("コース"), 2150, 0});
        if (showSeries)
            layout.push_back({QStringLiteral("シリーズ"), 2150, 0});

        uctGameList->gsClear();
        uctGameList->gsSetFixedTopRow(true, true);
        uctGameList->gsSetSelectRowColor(QVariant(kHighlight), QVariant(kHighlightText));
        uctGameList->gsCreateColsRows(cols, n + 1);
        for (int c = 0; c < cols; ++c) {
            uctGameList->gsSetColInfo(c, QStringLiteral("Width"), layout[c].width);
            uctGameList->gsSetText(c, 0, layout[c].header);
            uctGameList->gsSetCellData(c, 0, QStringLiteral("Alignment"), layout[c].alignment);
        }
        uctGameList->gsSetRowInfo(0, QStringLiteral("Height"), kRowHeight);

        // 7.
        if (n == 0) {
            uctGameList->gsUpdate();
            return;
        }

        // 8. By date as stored, equal dates in list order.
        std::vector<QString> keys;
        std::vector<Long> order;
        for (Long k = 0; k < n; ++k) {
            keys.push_back(gGameList[kept[k]].Date + vb::Format(k, QStringLiteral("000000")));
            order.push_back(k);
        }
        csQuickSort_Asc(0, n - 1, order, keys, 0);

        // 9. Rows.
        QHash<Long, QString> courceNames;
        QHash<Long, QString> seriesNames;
        for (Long r = 1; r <= n; ++r) {
            const Long idx = kept[order[r - 1]];
            const GameInfo& g = gGameList[idx];
            uctGameList->gsSetRowInfo(r, QStringLiteral("Height"), kRowHeight);
            uctGameList->gsSetRowInfo(r, QStringLiteral("RowItemData"), idx);
            if (r % 2 == 0)
                for (int c = 0; c < cols; ++c)
                    uctGameList->gsSetCellData(c, r, QStringLiteral("BackColor"), QVariant(kEvenRowBack));

            int c = 0;
            auto cell = [&](const QString& text, int alignment) {
                uctGameList->gsSetText(c, r, text);
                uctGameList->gsSetCellData(c, r, QStringLiteral("Alignment"), alignment);
                ++c;
            };
            uctGameList->gsSetCellData(0, r, QStringLiteral("Type"), 5);
            uctGameList->gsSetCellData(0, r, QStringLiteral("Value"), 2);
            cell(QString(), 2);
            uctGameList->gsSetCellData(1, r, QStringLiteral("BackColor"), QVariant(kButtonFace));
            cell(fmt0(r), 2);
            cell(vb::FormatDateText(vb::Trim(g.Date), QStringLiteral("gee/mm/dd")), 2);
            if (showHR)
                cell(fmt0(g.Hole) + QStringLiteral("-") + fmt0(g.Round), 2);
            cell(fmt0(g.RealEntries), 2);
            cell(vb::Trim(g.Tittle), 0);
            if (showCource) {
                QString name;
                if (g.CourceID >= 1) {
                    if (!courceNames.contains(g.CourceID))
                        courceNames.insert(g.CourceID, courceName(g.CourceID));
                    name = courceNames.value(g.CourceID);
                }
                cell(name, 0);
            }
            if (showSeries) {
                QString name;
                if (g.SeriesID >= 1) {
                    if (!seriesNames.contains(g.SeriesID))
                        seriesNames.insert(g.SeriesID, gfSeriesName(g.SeriesID));
                    name = seriesNames.value(g.SeriesID);
                }
                cell(name, 0);
            }
        }

        // 10. The saved game is selected.
        const QString savedGame =
            vb::Trim(gfReadIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedGame")));
        Long selectedRow = 0;
        for (Long r = 1; r <= n; ++r) {
            const int idx = uctGameList->gfGetRowItemData(r);
            if (idx < 0 || idx > glngGameListUBound())
                break;
            if (vb::Trim(gGameList[idx].GameFileName) == savedGame) {
                if (!uctGameList->gfGetRowSelected(r))
                    uctGameList->gsSetSelectRow(r);
                selectedRow = r;
                break;
            }
        }

        // 11.
        uctGameList->gsUpdate();

        // 12. Scroll.
        if (mKeepTopRow != -1) {
            uctGameList->gsSetTopIndexOfRowsY(mKeepTopRow);
            mKeepTopRow = -1;
        } else if (selectedRow > 0) {
            const Long v = vb::CLng(double(uctGameList->twipsHeight()) / kRowHeight);
            const Long t = selectedRow - v + 3;
            if (t > 0)
                uctGameList->gsSetTopIndexOfRowsY(t);
        }

        // 13.
        uctGameList->gsUpdate();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("psSetGamesList() : ") + vb::errorDescription(e), platform::vbCritical,
                         kErrorTitle, this);
    }
}

void frmMain::btnSyukeiCheckedAll_Click()
{
    if (cobSeason->currentIndex() < 0)
        return;
    for (int r = 1; r < uctGameList->gfRowCount(); ++r)
        if (uctGameList->gfGetCellData(0, r, QStringLiteral("Value")).toInt() == 0)
            uctGameList->gsSetCellData(0, r, QStringLiteral("Value"), 2);
    uctGameList->gsUpdate();
    // The grid reports only the boxes it draws: rows off screen would leave
    // the buttons stale.
    psSetButtonsEnabled();
}

void frmMain::btnSyukeiClear_Click()
{
    if (cobSeason->currentIndex() < 0)
        return;
    for (int r = 1; r < uctGameList->gfRowCount(); ++r)
        if (uctGameList->gfGetCellData(0, r, QStringLiteral("Value")).toInt() != 0)
            uctGameList->gsSetCellData(0, r, QStringLiteral("Value"), 0);
    uctGameList->gsUpdate();
    psSetButtonsEnabled();
}

void frmMain::uctGameList_MGCellClick(int lngCol, int lngRow)
{
    const int idx = uctGameList->gfGetRowItemData(lngRow);
    if (idx < 0 || idx > glngGameListUBound())
        return;
    gfWriteIniFile(gstrIniFile, kSetup, QStringLiteral("SelectedGame"), vb::Trim(gGameList[idx].GameFileName));
    psSetButtonsEnabled();
}

void frmMain::uctGameList_MGCellDblClick(int lngCol, int lngRow)
{
    btnOpenGame_Click();
}

void frmMain::uctGameList_MGCellCheckBoxClick(int lngColOfCellData, int lngRowOfCellData, int lngValue)
{
    psSetButtonsEnabled();
}

// ---------------------------------------------------------------- groups

void frmMain::psReadGameList()
{
    // A damaged game file is left out of the list and named in a message;
    // the list of the readable games is shown all the same, so the rows
    // always match the list they index.
    try {
        gsReadGameList();
    } catch (const std::exception& e) {
        platform::resetMousePointer();
        platform::MsgBox(QStringLiteral("gsReadGameList() : ") + vb::errorDescription(e), platform::vbCritical,
                         kErrorTitle, this);
    }
}

void frmMain::psReadGroups()
{
    gsReadBelongData();
}
