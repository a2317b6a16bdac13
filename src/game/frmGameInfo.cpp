#include "game/frmGameInfo.h"

#include "core/ini.h"
#include "core/records.h"
#include "core/series.h"
#include "forms/dialoghelpers.h"
#include "registers/modRegisters.h"
#include "platform/eradate.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kDisplayPattern = QStringLiteral("ge/m/d");
const QString kStoredPattern = QStringLiteral("yyyy/mm/dd");
const QString kManagement = QStringLiteral("Management");

// The number right-aligned in three places, then the unit.
QString countText(int n, const QString& unit)
{
    return QStringLiteral("%1").arg(n, 3) + unit;
}

// Fills a series or course box: "指定なし" (0), then every live entry of the
// file by identifier; the entry `selected` is chosen, "指定なし" when it is
// not there. Every value is read key by key.
void fillMasterCombo(QComboBox* box, const QString& file, const QString& maxKey,
                     const QString& sectionPrefix, Long selected)
{
    {
        const QSignalBlocker block(box);
        box->clear();
        box->setCurrentIndex(-1);
    }
    // The file is parsed once for the whole list.
    const IniFileReader entries(file);
    const Long maxNo = entries.highestNumber(maxKey);
    int chosen = -1;
    {
        const QSignalBlocker block(box);
        box->addItem(QStringLiteral("指定なし"), 0);
        if (selected == 0)
            chosen = 0;
        for (Long n = 1; n <= maxNo; ++n) {
            const QString section = sectionPrefix + QString::number(n);
            if (vb::Val(entries.value(section, QStringLiteral("State"))) != 0)
                continue;
            box->addItem(entries.value(section, QStringLiteral("Name")), static_cast<int>(n));
            if (n == selected)
                chosen = box->count() - 1;
        }
        box->setCurrentIndex(-1);
    }
    // Selecting runs the box's click handling (the series box shows or hides
    // the point frame).
    box->setCurrentIndex(chosen >= 0 ? chosen : 0);
}

QComboBox* makeList(QWidget* parent, const char* name)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(false);
    return c;
}

}  // namespace

frmGameInfo::frmGameInfo(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmGameInfo"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    auto label = [this](const char* name, const QString& text, QWidget* parent) {
        auto* l = new QLabel(text, parent ? parent : this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };

    lblSeries = label("lblSeries", QStringLiteral("シリーズ＆大会："), nullptr);
    cobSeries = makeList(this, "cobSeries");
    cobSeries->setMinimumWidth(300);
    lblCource = label("lblCource", QStringLiteral("コース："), nullptr);
    cobCource = makeList(this, "cobCource");
    lblDate = label("lblDate", QStringLiteral("ゲーム日付："), nullptr);
    txtDate = new QLineEdit(this);
    txtDate->setObjectName(QStringLiteral("txtDate"));
    txtDate->setFixedWidth(120);
    btnHelpDate = new QPushButton(QStringLiteral("?"), this);
    btnHelpDate->setObjectName(QStringLiteral("btnHelpDate"));
    btnHelpDate->setFixedWidth(28);
    btnHelpDate->setFocusPolicy(Qt::NoFocus);   // no tab stop

    fraPoint = new QGroupBox(this);
    fraPoint->setObjectName(QStringLiteral("fraPoint"));
    fraPoint->setFlat(true);
    {
        // The layout is fixed: the hidden frame keeps its room, so nothing
        // moves (least of all OK and ｷｬﾝｾﾙ) when the series changes.
        QSizePolicy keep = fraPoint->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        fraPoint->setSizePolicy(keep);
    }
    chkPointGame = new QCheckBox(QStringLiteral("ポイント対象ゲーム"), fraPoint);
    chkPointGame->setObjectName(QStringLiteral("chkPointGame"));
    cobPointRate = makeList(fraPoint, "cobPointRate");
    {
        auto* row = new QHBoxLayout(fraPoint);
        row->setContentsMargins(4, 0, 4, 0);
        row->addWidget(chkPointGame);
        row->addWidget(cobPointRate);
    }

    lblTittle = label("lblTittle", QStringLiteral("ゲームタイトル："), nullptr);
    txtTittle = new QLineEdit(this);
    txtTittle->setObjectName(QStringLiteral("txtTittle"));

    fraGameType = new QGroupBox(QStringLiteral("ゲーム形式"), this);
    fraGameType->setObjectName(QStringLiteral("fraGameType"));
    lblHoleNum = label("lblHoleNum", QStringLiteral("ホール数："), fraGameType);
    cobHoleNum = makeList(fraGameType, "cobHoleNum");
    lblRoundNum = label("lblRoundNum", QStringLiteral("ラウンド数："), fraGameType);
    cobRoundNum = makeList(fraGameType, "cobRoundNum");
    {
        QFont big = cobHoleNum->font();
        big.setPointSizeF(12);
        cobHoleNum->setFont(big);
        cobRoundNum->setFont(big);
        auto* row = new QHBoxLayout(fraGameType);
        row->addWidget(lblHoleNum);
        row->addWidget(cobHoleNum);
        row->addSpacing(24);
        row->addWidget(lblRoundNum);
        row->addWidget(cobRoundNum);
        row->addStretch(1);
    }

    fraJudge = new QGroupBox(QStringLiteral("同点の順位判定方法"), this);
    fraJudge->setObjectName(QStringLiteral("fraJudge"));
    lblDa = label("lblDa", QStringLiteral("打数："), fraJudge);
    {
        const QStringList captions{QStringLiteral("なし"), QStringLiteral("1打"), QStringLiteral("2打"),
                                   QStringLiteral("3打"), QStringLiteral("4打"), QStringLiteral("5打")};
        auto* rows = new QVBoxLayout(fraJudge);
        auto* row = new QHBoxLayout;
        row->addWidget(lblDa);
        for (int k = 0; k < 6; ++k) {
            optDa[k] = new QRadioButton(captions[k], fraJudge);
            optDa[k]->setObjectName(QStringLiteral("optDa_%1").arg(k));
            row->addWidget(optDa[k]);
        }
        row->addStretch(1);
        rows->addLayout(row);
        chkBirthday = new QCheckBox(QStringLiteral("生年月日が先の人が上位"), fraJudge);
        chkBirthday->setObjectName(QStringLiteral("chkBirthday"));
        rows->addWidget(chkBirthday);
    }

    fraTeamHowtoRank = new QGroupBox(QStringLiteral("団体戦（チーム戦）の判定"), this);
    fraTeamHowtoRank->setObjectName(QStringLiteral("fraTeamHowtoRank"));
    {
        auto* row = new QHBoxLayout(fraTeamHowtoRank);
        optTeamHowtoRank[0] = new QRadioButton(QStringLiteral("合計打数"), fraTeamHowtoRank);
        optTeamHowtoRank[1] = new QRadioButton(QStringLiteral("ラウンド平均打数"), fraTeamHowtoRank);
        for (int k = 0; k < 2; ++k) {
            optTeamHowtoRank[k]->setObjectName(QStringLiteral("optTeamHowtoRank_%1").arg(k));
            row->addWidget(optTeamHowtoRank[k]);
        }
    }
    fraHandicap = new QGroupBox(QStringLiteral("ハンディキャップ（Hc）"), this);
    fraHandicap->setObjectName(QStringLiteral("fraHandicap"));
    {
        auto* row = new QHBoxLayout(fraHandicap);
        optHandicap[0] = new QRadioButton(QStringLiteral("無し"), fraHandicap);
        optHandicap[1] = new QRadioButton(QStringLiteral("有り"), fraHandicap);
        for (int k = 0; k < 2; ++k) {
            optHandicap[k]->setObjectName(QStringLiteral("optHandicap_%1").arg(k));
            row->addWidget(optHandicap[k]);
        }
    }

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    // No button is the dialog's default button, not even by look.
    for (QPushButton* b : {btnHelpDate, btnOK, btnCancel})
        b->setAutoDefault(false);

    // Layout, top to bottom.
    auto* grid = new QGridLayout;
    grid->addWidget(lblSeries, 0, 0, Qt::AlignRight);
    grid->addWidget(cobSeries, 0, 1, 1, 2);
    grid->addWidget(lblCource, 1, 0, Qt::AlignRight);
    grid->addWidget(cobCource, 1, 1, 1, 2);
    grid->addWidget(lblDate, 2, 0, Qt::AlignRight);
    {
        auto* row = new QHBoxLayout;
        row->addWidget(txtDate);
        row->addWidget(btnHelpDate);
        row->addWidget(fraPoint);
        row->addStretch(1);
        grid->addLayout(row, 2, 1, 1, 2);
    }
    grid->addWidget(lblTittle, 3, 0, Qt::AlignRight);
    grid->addWidget(txtTittle, 3, 1, 1, 2);
    auto* bottomFrames = new QHBoxLayout;
    bottomFrames->addWidget(fraTeamHowtoRank);
    bottomFrames->addWidget(fraHandicap);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(fraGameType);
    layout->addWidget(fraJudge);
    layout->addLayout(bottomFrames);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Tab order: OK and ｷｬﾝｾﾙ first, then the fields as laid out.
    QWidget* order[] = {btnOK,       btnCancel,   cobSeries,   cobCource,   txtDate,
                        chkPointGame, cobPointRate, txtTittle,  cobHoleNum,  cobRoundNum,
                        optDa[0],    optDa[1],    optDa[2],    optDa[3],    optDa[4],
                        optDa[5],    chkBirthday, optTeamHowtoRank[0], optTeamHowtoRank[1],
                        optHandicap[0], optHandicap[1]};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    formhelpers::setImeMode(txtDate, formhelpers::ImeMode::Off);
    formhelpers::setImeMode(txtTittle, formhelpers::ImeMode::Hiragana);
    formhelpers::selectAllOnFocus(txtDate);
    formhelpers::selectAllOnFocus(txtTittle);
    // Enter moves on in these controls only (not in the point frame nor the
    // handicap options).
    for (QWidget* w : std::initializer_list<QWidget*>{txtDate, txtTittle, cobSeries, cobCource,
                                                      cobHoleNum, cobRoundNum, chkBirthday})
        formhelpers::enterAsTab(w);
    for (QRadioButton* o : optDa)
        formhelpers::enterAsTab(o);
    for (QRadioButton* o : optTeamHowtoRank)
        formhelpers::enterAsTab(o);
    formhelpers::chosenOptionIsTheStop({optDa.begin(), optDa.end()});
    formhelpers::chosenOptionIsTheStop({optTeamHowtoRank.begin(), optTeamHowtoRank.end()});
    formhelpers::chosenOptionIsTheStop({optHandicap.begin(), optHandicap.end()});

    registers::onLostFocus(txtDate, [this](QWidget* next) {
        // OK checks the date itself; ｷｬﾝｾﾙ always closes.
        if (next == btnOK || next == btnCancel)
            return;
        txtDate_LostFocus();
    });

    connect(cobSeries, &QComboBox::currentIndexChanged, this, [this] { cobSeries_Click(); });
    connect(btnHelpDate, &QPushButton::clicked, this, &frmGameInfo::btnHelpDate_Click);
    connect(btnOK, &QPushButton::clicked, this, &frmGameInfo::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmGameInfo::btnCancel_Click);

    Form_Load();
}

void frmGameInfo::Form_Load()
{
    // 1. The point frame takes the dialog's background and starts hidden.
    fraPoint->setAutoFillBackground(true);
    fraPoint->setBackgroundRole(backgroundRole());
    fraPoint->hide();

    // 2. Mode.
    if (glngDialogParam != 0) {
        setWindowTitle(QStringLiteral("ゲーム情報 - 変更・確認"));
        mFocusState = 2;
    } else {
        setWindowTitle(QStringLiteral("ゲーム情報 - 新規登録"));
        mFocusState = 1;
    }

    // 3. Series and course.
    psSetSeriesCombo();
    psSetCourceCombo();

    // 4, 5. Date in the era form (a text that is no date as it is), title.
    txtDate->setText(vb::FormatDateText(gGame.Date, kDisplayPattern));
    txtTittle->setText(gGame.Tittle);

    // 6. Holes 1 to 12; a stored 13 to 16 is offered as it is.
    cobHoleNum->clear();
    for (int n = 1; n <= 12; ++n)
        cobHoleNum->addItem(countText(n, QStringLiteral(" ﾎｰﾙ")), n);
    if (gGame.Hole >= 13 && gGame.Hole <= 16)
        cobHoleNum->addItem(countText(gGame.Hole, QStringLiteral(" ﾎｰﾙ")), int(gGame.Hole));
    const int hole = cobHoleNum->findData(int(gGame.Hole));
    cobHoleNum->setCurrentIndex(hole >= 0 ? hole : 7);

    // 7. Rounds 1 to 10.
    cobRoundNum->clear();
    for (int n = 1; n <= 10; ++n)
        cobRoundNum->addItem(countText(n, QStringLiteral(" ﾗｳﾝﾄﾞ")), n);
    const int round = cobRoundNum->findData(int(gGame.Round));
    cobRoundNum->setCurrentIndex(round >= 0 ? round : 2);

    // 8. Option groups (a value out of range selects no button).
    if (gGame.TeamHowtoRank >= 0 && gGame.TeamHowtoRank <= 1)
        optTeamHowtoRank[gGame.TeamHowtoRank]->setChecked(true);
    if (gGame.JudgeDaSu >= 0 && gGame.JudgeDaSu <= 5)
        optDa[gGame.JudgeDaSu]->setChecked(true);

    // 9, 10.
    chkBirthday->setChecked(gGame.JudgeBirthday == 1);
    optHandicap[gGame.HandiCapKind != 0 ? 1 : 0]->setChecked(true);

    // 11, 12. Point weight.
    cobPointRate->clear();
    for (int n = 1; n <= 3; ++n)
        cobPointRate->addItem(QString::number(n) + QStringLiteral("倍"), n);
    if (gGame.PointGame != 0) {
        chkPointGame->setChecked(true);
        const int k = gGame.PointGame - 1;
        cobPointRate->setCurrentIndex(k >= 0 && k < 3 ? k : 0);
    } else {
        chkPointGame->setChecked(false);
        cobPointRate->setCurrentIndex(0);
    }

    // 13.
    gintDialogResult = -1;
}

void frmGameInfo::psSetSeriesCombo()
{
    fillMasterCombo(cobSeries, gstrSeriesFile, QStringLiteral("MaxSeriesNo"), QStringLiteral("Series"),
                    gGame.SeriesID);
}

void frmGameInfo::psSetCourceCombo()
{
    fillMasterCombo(cobCource, gstrCourceFile, QStringLiteral("MaxCourceNo"), QStringLiteral("Cource"),
                    gGame.CourceID);
}

void frmGameInfo::cobSeries_Click()
{
    fraPoint->hide();
    if (cobSeries->currentIndex() < 0)
        return;
    const Long id = cobSeries->currentData().toInt();
    if (id <= 0)
        return;
    SeriesInfo info;
    if (gfGetSeriesInfo(id, info) && info.PointSeries == 1)
        fraPoint->show();
}

void frmGameInfo::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // No default button: Enter on a focused button presses that button only.
    btnOK->setDefault(false);
    btnCancel->setDefault(false);
    if (mFocusState == 1)
        cobSeries->setFocus(Qt::OtherFocusReason);
    else if (mFocusState == 2)
        btnOK->setFocus(Qt::OtherFocusReason);
    mFocusState = 100;
}

void frmGameInfo::keyPressEvent(QKeyEvent* event)
{
    // Esc cancels nothing here, and Enter presses no default button: only
    // the button that has the focus.
    if (!dialoghelpers::takeDialogKey(this, event, true))
        QDialog::keyPressEvent(event);
}

void frmGameInfo::showDateError()
{
    platform::MsgBox(dialoghelpers::dateErrorText(), platform::vbOKOnly, QStringLiteral("エラー"), this);
}

void frmGameInfo::txtDate_LostFocus()
{
    const QString text = vb::Trim(txtDate->text());
    if (vb::IsDate(text)) {
        txtDate->setText(vb::FormatDateText(text, kDisplayPattern));
        return;
    }
    showDateError();
    txtDate->setFocus(Qt::OtherFocusReason);
}

void frmGameInfo::btnHelpDate_Click()
{
    platform::MsgBox(dialoghelpers::dateHelpText(8), platform::vbOKOnly, QStringLiteral("日付入力ヘルプ"), this);
}

void frmGameInfo::btnOK_Click()
{
    const QString date = vb::Trim(txtDate->text());
    if (!vb::IsDate(date)) {
        showDateError();
        txtDate->setFocus(Qt::OtherFocusReason);
        return;
    }

    auto chosen = [](const QComboBox* box, int none) {
        return box->currentIndex() >= 0 ? box->currentData().toInt() : none;
    };
    auto checkedIndex = [](const auto& group) {
        for (std::size_t k = 0; k < group.size(); ++k)
            if (group[k]->isChecked())
                return static_cast<Integer>(k);
        return Integer(0);
    };

    gGame.SeriesID = chosen(cobSeries, 0);
    gGame.CourceID = chosen(cobCource, 0);
    gGame.Date = vb::FormatDateText(date, kStoredPattern);
    gGame.Tittle = vb::Trim(txtTittle->text());
    gGame.Hole = static_cast<Integer>(chosen(cobHoleNum, 8));
    gGame.Round = static_cast<Integer>(chosen(cobRoundNum, 3));
    gGame.TeamHowtoRank = checkedIndex(optTeamHowtoRank);
    gGame.JudgeDaSu = checkedIndex(optDa);
    gGame.JudgeBirthday = chkBirthday->isChecked() ? 1 : 0;
    gGame.PointGame = chkPointGame->isChecked() ? static_cast<Integer>(chosen(cobPointRate, 1)) : 0;
    gGame.HandiCapKind = optHandicap[0]->isChecked() ? 0 : 2;

    gintDialogResult = 0;
    done(QDialog::Accepted);
}

void frmGameInfo::btnCancel_Click()
{
    gintDialogResult = -1;
    done(QDialog::Rejected);
}
