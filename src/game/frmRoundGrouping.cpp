// frmRoundGrouping: the playing-group dialog and its five grouping methods.
#include "game/frmRoundGrouping.h"

#include "core/helpers.h"
#include "core/ini.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "forms/dialoghelpers.h"
#include "platform/profile.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

const QString kLastValue = QStringLiteral("LastValue");
const QString kLastSeedNo = QStringLiteral("LastSeedNo");
const QString kWhichByKey = QStringLiteral("optWhichBy");
const QString kCountKey = QStringLiteral("txtGCT");
const QString kPriorityKey = QStringLiteral("chkRGPriority");
const QString kErrorTitle = QStringLiteral("エラー");

// Item data of a list line: the player number (as the line's item value)
// and the entrant's position in the table.
constexpr int kIDRole = Qt::UserRole;
constexpr int kEntrantRole = Qt::UserRole + 1;

// The key of a player's stored seed: "M" and the number in five digits.
QString seedKey(Long id)
{
    return QStringLiteral("M") + corehelpers::padNum(id, 5);
}

// The numeric value of a number box as a whole number (digits only, so the
// value is whole; cut to a Long all the same).
Long boxValue(const QLineEdit* box)
{
    const double v = std::clamp(vb::Val(box->text()), static_cast<double>(std::numeric_limits<Long>::min()),
                                static_cast<double>(std::numeric_limits<Long>::max()));
    return vb::CLng(v);
}

// ⌈n / d⌉ for n >= 0 and d > 0.
Long ceilDiv(Long n, Long d)
{
    return n / d + (n % d != 0 ? 1 : 0);
}

// A number box takes digits only (typed or pasted) up to `maxValue`; a text
// that would go beyond it is refused with the bell, so no count too large
// for the game's fields can be typed.
class DigitsValidator : public QValidator {
public:
    DigitsValidator(QObject* parent, Long maxValue) : QValidator(parent), m_max(maxValue) {}

    State validate(QString& input, int&) const override
    {
        for (QChar c : input)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        if (!input.isEmpty() && vb::Val(input) > m_max) {
            platform::ui().beep();
            return Invalid;
        }
        return Acceptable;
    }

private:
    Long m_max;
};

// The group numbers of blocks: `size` times `first`, then `size` times the
// next number, and so on (a number beyond a Long stays at its largest).
class BlockDeal {
public:
    BlockDeal(qint64 first, Long size) : m_group(first), m_size(size) {}

    Long next()
    {
        if (++m_count > m_size) {
            m_count = 1;
            ++m_group;
        }
        return static_cast<Long>(std::min<qint64>(m_group, std::numeric_limits<Long>::max()));
    }

private:
    qint64 m_group;
    Long m_size;
    Long m_count = 0;
};

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* makeNumberBox(QWidget* parent, const QString& name, int maxChars, Long maxValue)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    box->setValidator(new DigitsValidator(box, maxValue));
    formhelpers::typingLimit(box, maxChars);
    formhelpers::numKeysOnly(box);
    formhelpers::enterAsTab(box);
    formhelpers::selectAllOnFocus(box);
    formhelpers::setImeMode(box, formhelpers::ImeMode::Off);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

}  // namespace

// ---------------------------------------------------------------- random numbers

RGClockRandom::RGClockRandom()
    : m_engine(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()))
{
}

double RGClockRandom::next()
{
    // 53 random bits: exactly representable, never 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}

// ---------------------------------------------------------------- hand-over with the game window

std::vector<RGMember> gfRoundGroupEntrants(const std::vector<ScoreLine>& lines)
{
    std::vector<RGMember> entrants;
    for (const ScoreLine& line : lines) {
        if (line.RoundNo != 1)
            continue;
        const Long k = gfGetMemberIndex(line.IDNo);
        if (k < 0)
            continue;
        const MemberInfo& member = gMemberList[k];
        RGMember e;
        e.IDNo = line.IDNo;
        e.Name = member.Name;
        e.Birthday = member.Birthday;
        e.Gender = member.Gender;
        e.BelongID = member.BelongID;
        e.Location = member.Location;
        e.TeamID = line.TeamID;
        e.RoundGNo = line.RoundGNo;
        e.SeedNo = line.SeedNo;
        entrants.push_back(e);
    }
    return entrants;
}

bool gfOrderLinesByGroups(std::vector<ScoreLine>& lines, const std::vector<RGMember>& entrants)
{
    // The players' runs of lines: a run starts at the first line, at every
    // round-1 line and wherever the player changes.
    struct Run {
        size_t first = 0;
        size_t count = 0;
        bool entrant = false;   // starts with round 1 of a registered player
        bool taken = false;
    };
    std::vector<Run> runs;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i == 0 || lines[i].RoundNo == 1 || lines[i].IDNo != lines[i - 1].IDNo) {
            Run r;
            r.first = i;
            r.entrant = lines[i].RoundNo == 1 && gfGetMemberIndex(lines[i].IDNo) >= 0;
            runs.push_back(r);
        }
        ++runs.back().count;
    }

    // The entrants handed back must be the players of these lines, each as
    // often as they have a round-1 run.
    std::map<Long, Long> expected;
    for (const Run& r : runs)
        if (r.entrant)
            ++expected[lines[r.first].IDNo];
    std::map<Long, Long> returned;
    for (const RGMember& e : entrants)
        ++returned[e.IDNo];
    if (expected != returned)
        return false;

    std::vector<ScoreLine> ordered;
    ordered.reserve(lines.size());
    for (const RGMember& e : entrants) {
        for (Run& r : runs) {
            if (!r.entrant || r.taken || lines[r.first].IDNo != e.IDNo)
                continue;
            r.taken = true;
            for (size_t i = r.first; i < r.first + r.count; ++i) {
                ScoreLine line = lines[i];
                line.RoundGNo = e.RoundGNo;
                line.SeedNo = e.SeedNo;
                ordered.push_back(line);
            }
            break;
        }
    }
    for (const Run& r : runs)
        if (!r.taken)
            ordered.insert(ordered.end(), lines.begin() + r.first, lines.begin() + r.first + r.count);
    lines = std::move(ordered);
    return true;
}

// ---------------------------------------------------------------- opening

std::function<std::unique_ptr<RGRandomSource>()>& frmRoundGrouping::randomSourceFactory()
{
    static std::function<std::unique_ptr<RGRandomSource>()> factory;
    return factory;
}

QString frmRoundGrouping::failureMessage()
{
    return QStringLiteral("ラウンド・グループ構成に失敗しました。一旦、キャンセルして再度編成してください。");
}

frmRoundGrouping::frmRoundGrouping(QWidget* owner, std::unique_ptr<RGRandomSource> random)
    : QDialog(owner), mRandom(std::move(random))
{
    setObjectName(QStringLiteral("frmRoundGrouping"));
    setWindowTitle(QStringLiteral("ラウンド・グループ編成"));
    setModal(true);
    psCreateControls();
    Form_Load();
}

frmRoundGrouping::~frmRoundGrouping() = default;

void frmRoundGrouping::psCreateControls()
{
    // The list and its header, in a fixed-pitch font: a full-width character
    // takes two half-width places, so the padded columns line up.
    QFont fixed(QStringLiteral("ＭＳ ゴシック"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSizeF(10.5);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("グループ№ - シード№ - チーム - 氏名  -  所属"));
    Label1->setFont(fixed);
    lblEntries = makeLabel(this, QStringLiteral("lblEntries"), QString());
    lblEntries->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lstMembers = new QListWidget(this);
    lstMembers->setObjectName(QStringLiteral("lstMembers"));
    lstMembers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstMembers->setFont(fixed);
    lstMembers->setMinimumSize(QFontMetrics(fixed).horizontalAdvance(QString(64, QLatin1Char('0'))), 420);
    btnUpDown[0] = makeButton(this, QStringLiteral("btnUpDown_0"), QStringLiteral("↑"));
    btnUpDown[1] = makeButton(this, QStringLiteral("btnUpDown_1"), QStringLiteral("↓"));
    for (QPushButton* b : btnUpDown)
        b->setFixedSize(36, 48);

    // The count and what it means.
    fraWhichBy = new QGroupBox(QStringLiteral("基本ラウンド・グループ構成"), this);
    fraWhichBy->setObjectName(QStringLiteral("fraWhichBy"));
    optWhichBy[0] = new QRadioButton(QStringLiteral("ｸﾞﾙｰﾌﾟ数"), fraWhichBy);
    optWhichBy[0]->setObjectName(QStringLiteral("optWhichBy_0"));
    optWhichBy[1] = new QRadioButton(QStringLiteral("人数"), fraWhichBy);
    optWhichBy[1]->setObjectName(QStringLiteral("optWhichBy_1"));
    formhelpers::chosenOptionIsTheStop({optWhichBy[0], optWhichBy[1]});
    lblGCT1 = makeLabel(fraWhichBy, QStringLiteral("lblGCT1"), QString());
    lblGCT1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtGCT = makeNumberBox(fraWhichBy, QStringLiteral("txtGCT"), 10, kMaxCount);
    txtGCT->setFixedWidth(80);
    lblGCT2 = makeLabel(fraWhichBy, QStringLiteral("lblGCT2"), QString());
    lblGCT2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblGCT3 = makeLabel(fraWhichBy, QStringLiteral("lblGCT3"), QString());
    lblGCT3->setAlignment(Qt::AlignCenter);
    lblGCT3->setFixedWidth(80);
    lblGCTMsg = makeLabel(fraWhichBy, QStringLiteral("lblGCTMsg"), QString());
    {
        auto* grid = new QGridLayout(fraWhichBy);
        auto* options = new QHBoxLayout;
        options->addWidget(optWhichBy[0]);
        options->addWidget(optWhichBy[1]);
        options->addStretch(1);
        grid->addLayout(options, 0, 0, 1, 3);
        grid->addWidget(lblGCT1, 1, 0);
        grid->addWidget(txtGCT, 1, 1);
        grid->addWidget(lblGCT2, 2, 0);
        grid->addWidget(lblGCT3, 2, 1);
        grid->setColumnStretch(2, 1);
        grid->setColumnMinimumWidth(0, 90);
        grid->addWidget(lblGCTMsg, 3, 0, 1, 3);
    }

    // Method 1 and its priorities, left item first.
    fraPriority = new QGroupBox(
        QStringLiteral("ﾁｪｯｸ項目が分散するように編成します。優先順位は、左項目＞右項目です。"), this);
    fraPriority->setObjectName(QStringLiteral("fraPriority"));
    const QString priorities[5] = {QStringLiteral("シード№"), QStringLiteral("チーム"), QStringLiteral("男女"),
                                   QStringLiteral("年令"), QStringLiteral("所属")};
    {
        auto* row = new QHBoxLayout(fraPriority);
        for (int i = 0; i < 5; ++i) {
            chkRGPriority[i] = new QCheckBox(priorities[i], fraPriority);
            chkRGPriority[i]->setObjectName(QStringLiteral("chkRGPriority_%1").arg(i));
            row->addWidget(chkRGPriority[i]);
        }
        row->addStretch(1);
        btnMakeRG1 = makeButton(fraPriority, QStringLiteral("btnMakeRG1"), QStringLiteral("編成"));
        btnMakeRG1->setMinimumWidth(72);
        row->addWidget(btnMakeRG1);
    }

    // Methods 2 to 5.
    fraOther = new QGroupBox(QStringLiteral("その他の編成"), this);
    fraOther->setObjectName(QStringLiteral("fraOther"));
    btnMakeRG5 = makeButton(fraOther, QStringLiteral("btnMakeRG5"), QStringLiteral("ランダムに編成"));
    btnMakeRG2 = makeButton(fraOther, QStringLiteral("btnMakeRG2"), QStringLiteral("現在のｸﾞﾙｰﾌﾟ№に従って編成"));
    btnMakeRG4 = makeButton(fraOther, QStringLiteral("btnMakeRG4"), QStringLiteral("現在の表示順に従って編成"));
    btnMakeRG3 = makeButton(fraOther, QStringLiteral("btnMakeRG3"), QStringLiteral("チーム＝グループ　として編成"));
    {
        auto* grid = new QGridLayout(fraOther);
        grid->addWidget(btnMakeRG5, 0, 0);
        grid->addWidget(btnMakeRG2, 0, 1);
        grid->addWidget(btnMakeRG4, 1, 0);
        grid->addWidget(btnMakeRG3, 1, 1);
    }

    // Typed numbers for the selected lines.
    fraGNoSNo = new QGroupBox(QStringLiteral("ｸﾞﾙｰﾌﾟ№、シード№（選択ﾌﾟﾚｲﾔｰの値を更新します）"), this);
    fraGNoSNo->setObjectName(QStringLiteral("fraGNoSNo"));
    lblGNo = makeLabel(fraGNoSNo, QStringLiteral("lblGNo"), QStringLiteral("ｸﾞﾙｰﾌﾟ№："));
    txtGNo = makeNumberBox(fraGNoSNo, QStringLiteral("txtGNo"), 5, 99999);
    lblSNo = makeLabel(fraGNoSNo, QStringLiteral("lblSNo"), QStringLiteral("シード№："));
    txtSNo = makeNumberBox(fraGNoSNo, QStringLiteral("txtSNo"), 5, 99999);
    for (QLineEdit* box : {txtGNo, txtSNo})
        box->setFixedWidth(80);
    {
        auto* row = new QHBoxLayout(fraGNoSNo);
        row->addWidget(lblGNo);
        row->addWidget(txtGNo);
        row->addSpacing(16);
        row->addWidget(lblSNo);
        row->addWidget(txtSNo);
        row->addStretch(1);
    }

    fraClear = new QGroupBox(QStringLiteral("クリア"), this);
    fraClear->setObjectName(QStringLiteral("fraClear"));
    btnClear[0] = makeButton(fraClear, QStringLiteral("btnClear_0"), QStringLiteral("ｸﾞﾙｰﾌﾟ№"));
    btnClear[1] = makeButton(fraClear, QStringLiteral("btnClear_1"), QStringLiteral("シード№"));
    {
        auto* row = new QHBoxLayout(fraClear);
        row->addWidget(btnClear[0]);
        row->addWidget(btnClear[1]);
        row->addStretch(1);
    }

    btnOK = makeButton(this, QStringLiteral("btnOK"), QStringLiteral("OK"));
    btnCancel = makeButton(this, QStringLiteral("btnCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    for (QPushButton* b : {btnOK, btnCancel})
        b->setMinimumWidth(96);

    // Left: the list; right: the settings, the methods, the typed numbers
    // and the closing buttons.
    auto* heads = new QHBoxLayout;
    heads->addWidget(Label1);
    heads->addStretch(1);
    heads->addWidget(lblEntries);
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    moves->addWidget(btnUpDown[0]);
    moves->addWidget(btnUpDown[1]);
    moves->addStretch(1);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(lstMembers, 1);
    listRow->addLayout(moves);
    auto* left = new QVBoxLayout;
    left->addLayout(heads);
    left->addLayout(listRow, 1);

    auto* closing = new QHBoxLayout;
    closing->addStretch(1);
    closing->addWidget(btnOK);
    closing->addWidget(btnCancel);
    auto* right = new QVBoxLayout;
    right->addWidget(fraWhichBy);
    right->addWidget(fraPriority);
    right->addWidget(fraOther);
    right->addWidget(fraGNoSNo);
    right->addWidget(fraClear);
    right->addStretch(1);
    right->addLayout(closing);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    const QList<QWidget*> tabOrder = {optWhichBy[0], optWhichBy[1], txtGCT, txtGNo, txtSNo, btnClear[0],
                                      btnClear[1], chkRGPriority[0], chkRGPriority[1], chkRGPriority[2],
                                      chkRGPriority[3], chkRGPriority[4], btnMakeRG1, btnMakeRG5, btnMakeRG2,
                                      btnMakeRG4, btnMakeRG3, btnOK, btnCancel, lstMembers, btnUpDown[0],
                                      btnUpDown[1]};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (int i = 0; i < 2; ++i) {
        connect(optWhichBy[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optWhichBy_Click(i);
        });
        connect(btnUpDown[i], &QPushButton::clicked, this, [this, i] { btnUpDown_Click(i); });
        connect(btnClear[i], &QPushButton::clicked, this, [this, i] { btnClear_Click(i); });
    }
    connect(txtGCT, &QLineEdit::textChanged, this, [this] { txtGCT_Change(); });
    connect(txtGNo, &QLineEdit::textChanged, this, [this] { txtGNo_Change(); });
    connect(txtSNo, &QLineEdit::textChanged, this, [this] { txtSNo_Change(); });
    connect(lstMembers, &QListWidget::itemSelectionChanged, this, [this] {
        if (!mListing)
            lstMembers_Click();
    });
    connect(btnMakeRG1, &QPushButton::clicked, this, [this] { btnMakeRG1_Click(); });
    connect(btnMakeRG2, &QPushButton::clicked, this, [this] { btnMakeRG2_Click(); });
    connect(btnMakeRG3, &QPushButton::clicked, this, [this] { btnMakeRG3_Click(); });
    connect(btnMakeRG4, &QPushButton::clicked, this, [this] { btnMakeRG4_Click(); });
    connect(btnMakeRG5, &QPushButton::clicked, this, [this] { btnMakeRG5_Click(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
}

void frmRoundGrouping::Form_Load()
{
    if (!mRandom) {
        if (const auto& factory = randomSourceFactory())
            mRandom = factory();
        if (!mRandom)
            mRandom = std::make_unique<RGClockRandom>();
    }
    mFillingBoxes = 0;
    lblEntries->setText(QStringLiteral("参加者 ") + QString::number(gRGMembers.size()) + QStringLiteral("名"));
    mGroupCount = 0;
    mMaxPersons = 0;
    txtGCT->clear();
    optWhichBy[1]->setChecked(true);

    if (gGame.RGUmu == 1) {
        // A stored meaning other than "groups" reads as persons per group.
        optWhichBy[gGame.RGWhichBy == 0 ? 0 : 1]->setChecked(true);
        psShowStoredCount(gGame.RGCT);
        for (int i = 0; i < 5; ++i)
            chkRGPriority[i]->setChecked(gGame.RGPriority[i] == 1);
    } else {
        psReadLastValues();
    }

    psListMembers(0);
    // The dialog opens on the first stop of its tab order, the chosen
    // meaning of the count; the list gets no current line from the focus.
    optWhichBy[optWhichBy[0]->isChecked() ? 0 : 1]->setFocus();
    gintDialogResult = -1;
}

void frmRoundGrouping::psReadLastValues()
{
    const platform::ProfileFile file(gstrRoundGroupFile);
    auto stored = [&file](const QString& section, const QString& key) {
        return vb::Trim(pfCutAtNull(file.value(section, key)));
    };

    const QString whichBy = stored(kLastValue, kWhichByKey);
    if (!whichBy.isEmpty())
        optWhichBy[vb::Val(whichBy) == 0 ? 0 : 1]->setChecked(true);
    const QString count = stored(kLastValue, kCountKey);
    if (!count.isEmpty())
        psShowStoredCount(vb::Val(count));
    for (int i = 0; i < 5; ++i)
        chkRGPriority[i]->setChecked(stored(kLastValue, kPriorityKey + QString::number(i)) == QStringLiteral("1"));

    for (RGMember& m : gRGMembers) {
        const QString seed = stored(kLastSeedNo, seedKey(m.IDNo));
        if (seed.isEmpty())
            continue;
        const double v = vb::Val(seed);
        // A value no seed box could hold is left out.
        if (v >= 0 && v <= std::numeric_limits<Long>::max())
            m.SeedNo = vb::CLng(v);
    }
}

void frmRoundGrouping::psShowStoredCount(double value)
{
    // A count the box cannot take (negative, or beyond what the game keeps)
    // is not shown: the box stays empty.
    if (value < 0 || value > kMaxCount)
        return;
    txtGCT->setText(vb::Format(value, QStringLiteral("0")));
}

// ---------------------------------------------------------------- keys and closing

void frmRoundGrouping::keyPressEvent(QKeyEvent* event)
{
    // Enter presses only the focused button; Esc cancels (reject).
    if (!dialoghelpers::takeDialogKey(this, event, false))
        QDialog::keyPressEvent(event);
}

void frmRoundGrouping::reject()
{
    gintDialogResult = -1;
    QDialog::reject();
}

void frmRoundGrouping::btnCancel_Click()
{
    reject();
}

void frmRoundGrouping::btnOK_Click()
{
    // The table in list order; every entrant must have exactly one line.
    const size_t n = gRGMembers.size();
    std::vector<RGMember> table;
    table.reserve(n);
    std::vector<bool> taken(n, false);
    bool complete = static_cast<size_t>(lstMembers->count()) == n;
    for (int row = 0; complete && row < lstMembers->count(); ++row) {
        const Long e = pfEntrantOf(row);
        if (e < 0 || taken[e]) {
            complete = false;
            break;
        }
        taken[e] = true;
        table.push_back(gRGMembers[e]);
    }
    if (!complete) {
        platform::MsgBox(failureMessage(), platform::vbOKOnly, kErrorTitle, this);
        btnCancel->setFocus();
        return;
    }
    gRGMembers = std::move(table);

    // The settings and every entrant's seed go into the file in one write,
    // so it never holds only some of them.
    std::vector<platform::ProfileKey> keys;
    keys.reserve(7 + gRGMembers.size());
    const Integer whichBy = optWhichBy[0]->isChecked() ? 0 : 1;
    keys.push_back({kLastValue, kWhichByKey, QString::number(whichBy)});
    gGame.RGWhichBy = whichBy;

    // The box takes 0 to kMaxCount only.
    const Integer count = static_cast<Integer>(std::clamp<Long>(boxValue(txtGCT), 0, kMaxCount));
    keys.push_back({kLastValue, kCountKey, QString::number(count)});
    gGame.RGCT = count;

    for (int i = 0; i < 5; ++i) {
        const Integer ticked = chkRGPriority[i]->isChecked() ? 1 : 0;
        keys.push_back({kLastValue, kPriorityKey + QString::number(i), QString::number(ticked)});
        gGame.RGPriority[i] = ticked;
    }
    gGame.RGUmu = 1;

    for (const RGMember& m : gRGMembers)
        keys.push_back({kLastSeedNo, seedKey(m.IDNo), QString::number(m.SeedNo)});
    gfWriteIniKeys(gstrRoundGroupFile, keys);

    gintDialogResult = 0;
    accept();
}

// ---------------------------------------------------------------- group size

void frmRoundGrouping::optWhichBy_Click(int index)
{
    if (index == 0) {
        lblGCT1->setText(QStringLiteral("ｸﾞﾙｰﾌﾟ数："));
        lblGCT2->setText(QStringLiteral("人数："));
    } else {
        lblGCT1->setText(QStringLiteral("人数："));
        lblGCT2->setText(QStringLiteral("ｸﾞﾙｰﾌﾟ数："));
    }
    psCalcGroupSize();
}

void frmRoundGrouping::txtGCT_Change()
{
    psCalcGroupSize();
}

void frmRoundGrouping::psCalcGroupSize()
{
    const Long n = static_cast<Long>(gRGMembers.size());
    const Long v = boxValue(txtGCT);
    if (v > 0 && n >= 1) {
        const Long other = ceilDiv(n, v);
        lblGCT3->setText(QString::number(other));
        mGroupCount = optWhichBy[0]->isChecked() ? v : other;
        mMaxPersons = ceilDiv(n, mGroupCount);
        lblGCTMsg->setText(QStringLiteral("ｸﾞﾙｰﾌﾟ数 ") + QString::number(mGroupCount) + QStringLiteral("、最大人数 ")
                           + QString::number(mMaxPersons) + QStringLiteral(" で編成します"));
    } else {
        lblGCT3->clear();
        lblGCTMsg->clear();
        mGroupCount = 0;
        mMaxPersons = 0;
    }
}

// ---------------------------------------------------------------- the list

Long frmRoundGrouping::pfEntrantOf(int row) const
{
    const QListWidgetItem* item = lstMembers->item(row);
    const Long e = item ? item->data(kEntrantRole).toInt() : -1;
    return e >= 0 && static_cast<size_t>(e) < gRGMembers.size() ? e : -1;
}

std::vector<std::pair<int, Long>> frmRoundGrouping::pfSelectedEntrants() const
{
    std::vector<std::pair<int, Long>> selected;
    for (int row = 0; row < lstMembers->count(); ++row) {
        const Long e = pfEntrantOf(row);
        if (lstMembers->item(row)->isSelected() && e >= 0)
            selected.emplace_back(row, e);
    }
    return selected;
}

QString frmRoundGrouping::pfMemberLine(Long index) const
{
    const RGMember& m = gRGMembers[index];
    const Long k = gfGetMemberIndex(m.IDNo);
    const QString description = k >= 0 ? gfGetMemberShortDescription(gMemberList[k]) : m.Name;
    const QString sep = QStringLiteral(" - ");
    return QLatin1Char(' ') + QString::number(m.RoundGNo).leftJustified(5) + sep
           + QString::number(m.SeedNo).leftJustified(3) + sep + m.TeamID.leftJustified(3) + sep + description + sep
           + gfGetBelongShortName(m.BelongID);
}

void frmRoundGrouping::psRewriteLine(int row)
{
    QListWidgetItem* item = lstMembers->item(row);
    const Long e = pfEntrantOf(row);
    if (e >= 0)
        item->setText(pfMemberLine(e));
}

void frmRoundGrouping::psListMembers(int mode)
{
    mListing = true;
    lstMembers->clear();
    const size_t n = gRGMembers.size();
    std::vector<Long> order;
    if (mode == 1) {
        std::vector<QString> keys;
        keys.reserve(n);
        for (const RGMember& m : gRGMembers)
            keys.push_back(vb::Trim(m.SortKey) + vb::Trim(m.Name));
        order = gfSortedIndexAsc(keys);
    } else {
        for (size_t i = 0; i < n; ++i)
            order.push_back(static_cast<Long>(i));
    }
    for (Long i : order) {
        auto* item = new QListWidgetItem(pfMemberLine(i));
        item->setData(kIDRole, static_cast<int>(gRGMembers[i].IDNo));
        item->setData(kEntrantRole, static_cast<int>(i));
        lstMembers->addItem(item);
    }
    mListing = false;
}

void frmRoundGrouping::lstMembers_Click()
{
    if (!lstMembers->currentItem())
        return;
    // The common group and seed of the selected entrants; none or mixed
    // leave the box empty.
    bool first = true;
    bool sameGroup = false, sameSeed = false;
    Long group = 0, seed = 0;
    for (const auto& [row, e] : pfSelectedEntrants()) {
        const RGMember& m = gRGMembers[e];
        if (first) {
            group = m.RoundGNo;
            seed = m.SeedNo;
            sameGroup = sameSeed = true;
            first = false;
        } else {
            sameGroup = sameGroup && m.RoundGNo == group;
            sameSeed = sameSeed && m.SeedNo == seed;
        }
    }
    mFillingBoxes = 1;
    txtGNo->setText(sameGroup ? QString::number(group) : QString());
    txtSNo->setText(sameSeed ? QString::number(seed) : QString());
    txtGNo->setFocus();
    mFillingBoxes = 0;
}

void frmRoundGrouping::txtGNo_Change()
{
    psSetGNoSNo(1);
}

void frmRoundGrouping::txtSNo_Change()
{
    psSetGNoSNo(2);
}

void frmRoundGrouping::psSetGNoSNo(int kind)
{
    if (mFillingBoxes == 1)
        return;
    const Long value = boxValue(kind == 1 ? txtGNo : txtSNo);
    const auto selected = pfSelectedEntrants();
    for (const auto& [row, e] : selected) {
        if (kind == 1)
            gRGMembers[e].RoundGNo = value;
        else
            gRGMembers[e].SeedNo = value;
        psRewriteLine(row);
    }
    if (selected.empty())
        platform::MsgBox(QStringLiteral("変更するプレイヤーを選択してください。"), platform::vbOKOnly, kErrorTitle, this);
}

void frmRoundGrouping::btnClear_Click(int index)
{
    mListing = true;
    for (int row = 0; row < lstMembers->count(); ++row) {
        const Long e = pfEntrantOf(row);
        if (e >= 0) {
            if (index == 0)
                gRGMembers[e].RoundGNo = 0;
            else
                gRGMembers[e].SeedNo = 0;
        }
        psRewriteLine(row);
        lstMembers->item(row)->setSelected(false);
    }
    lstMembers->setCurrentItem(nullptr);
    mListing = false;
}

void frmRoundGrouping::btnUpDown_Click(int index)
{
    psMoveMember(index);
}

void frmRoundGrouping::psMoveMember(int direction)
{
    const int count = lstMembers->count();
    // Swaps two lines: text, item data and selection; the current line
    // travels with its line.
    auto swapLines = [this](int a, int b) {
        QListWidgetItem* x = lstMembers->item(a);
        QListWidgetItem* y = lstMembers->item(b);
        const QString text = x->text();
        const QVariant id = x->data(kIDRole);
        const QVariant entrant = x->data(kEntrantRole);
        const bool selected = x->isSelected();
        x->setText(y->text());
        x->setData(kIDRole, y->data(kIDRole));
        x->setData(kEntrantRole, y->data(kEntrantRole));
        x->setSelected(y->isSelected());
        y->setText(text);
        y->setData(kIDRole, id);
        y->setData(kEntrantRole, entrant);
        y->setSelected(selected);
        const int current = lstMembers->currentRow();
        const int moved = current == a ? b : current == b ? a : -1;
        if (moved >= 0)
            lstMembers->selectionModel()->setCurrentIndex(lstMembers->model()->index(moved, 0),
                                                          QItemSelectionModel::NoUpdate);
    };

    mListing = true;
    int shown = -1;
    if (direction == 0) {
        for (int row = 0; row < count; ++row) {
            if (!lstMembers->item(row)->isSelected())
                continue;
            if (row == 0)
                break;
            swapLines(row, row - 1);
            if (shown < 0)
                shown = row - 1;
        }
    } else {
        for (int row = count - 1; row >= 0; --row) {
            if (!lstMembers->item(row)->isSelected())
                continue;
            if (row == count - 1)
                break;
            swapLines(row, row + 1);
            if (shown < 0)
                shown = row + 1;
        }
    }
    if (shown >= 0)
        lstMembers->scrollToItem(lstMembers->item(shown));
    mListing = false;
}

// ---------------------------------------------------------------- the grouping methods

bool frmRoundGrouping::pfCanDeal()
{
    if (gRGMembers.empty())
        return false;
    if (mGroupCount <= 0 || mMaxPersons <= 0) {
        platform::MsgBox(QStringLiteral("基本ラウンド・グループ構成を設定してください。"), platform::vbOKOnly, kErrorTitle,
                         this);
        txtGCT->setFocus();
        return false;
    }
    return true;
}

QString frmRoundGrouping::pfRandomTail()
{
    const double r = std::clamp(mRandom->next(), 0.0, 1.0);
    const Long tail = std::min<Long>(static_cast<Long>(std::floor(r * 999999)), 999998);
    return corehelpers::padNum(tail, 6);
}

std::vector<Long> frmRoundGrouping::pfOrderBy(const std::function<QString(const RGMember&)>& part)
{
    std::vector<QString> keys;
    keys.reserve(gRGMembers.size());
    for (const RGMember& m : gRGMembers)
        keys.push_back(part(m) + pfRandomTail());
    return gfSortedIndexAsc(keys);
}

void frmRoundGrouping::psGiveSortKeysAndList()
{
    for (RGMember& m : gRGMembers)
        m.SortKey = corehelpers::padNum(m.RoundGNo, 6) + pfRandomTail();
    psListMembers(1);
}

// Spread by priorities: the ticked items, then a random tail, dealt round
// robin over groups 1 to G.
void frmRoundGrouping::btnMakeRG1_Click()
{
    if (!pfCanDeal())
        return;
    const std::vector<Long> order = pfOrderBy([this](const RGMember& m) {
        QString key;
        if (chkRGPriority[0]->isChecked())
            key += m.SeedNo == 0 ? QStringLiteral("999999") : corehelpers::padNum(m.SeedNo, 6);
        if (chkRGPriority[1]->isChecked())
            key += vb::Trim(m.TeamID).leftJustified(5);
        if (chkRGPriority[2]->isChecked())
            key += m.Gender == 0 ? QStringLiteral("9") : QString::number(m.Gender);
        if (chkRGPriority[3]->isChecked()) {
            const QString birthday = vb::Trim(m.Birthday);
            key += birthday.isEmpty() ? QStringLiteral("9999/99/99") : birthday;
        }
        if (chkRGPriority[4]->isChecked())
            key += m.BelongID == 0 ? QStringLiteral("99999999") : corehelpers::padNum(m.BelongID, 8);
        return key;
    });
    Long c = 0;
    for (Long i : order) {
        if (++c > mGroupCount)
            c = 1;
        gRGMembers[i].RoundGNo = c;
    }
    psGiveSortKeysAndList();
}

// Keep the present numbers: the entrants without one fill new groups of M
// after the highest number present.
void frmRoundGrouping::btnMakeRG2_Click()
{
    if (!pfCanDeal())
        return;
    const std::vector<Long> order = pfOrderBy([](const RGMember& m) {
        return m.RoundGNo != 0 ? corehelpers::padNum(m.RoundGNo, 6) : QStringLiteral("999999");
    });
    Long highest = 0;
    for (const RGMember& m : gRGMembers)
        highest = std::max(highest, m.RoundGNo);
    BlockDeal deal(static_cast<qint64>(highest) + 1, mMaxPersons);
    for (Long i : order)
        if (gRGMembers[i].RoundGNo == 0)
            gRGMembers[i].RoundGNo = deal.next();
    psGiveSortKeysAndList();
}

// One group per team in ascending team order, whatever its size; the
// entrants without a team in groups of M after them.
void frmRoundGrouping::btnMakeRG3_Click()
{
    if (!pfCanDeal())
        return;
    const std::vector<Long> order = pfOrderBy([](const RGMember& m) { return vb::Trim(m.TeamID).leftJustified(5); });
    Long teams = 0;
    QString previous;
    for (Long i : order) {
        const QString team = vb::Trim(gRGMembers[i].TeamID);
        if (team.isEmpty())
            continue;
        if (team != previous) {
            previous = team;
            ++teams;
        }
        gRGMembers[i].RoundGNo = teams;
    }
    BlockDeal deal(static_cast<qint64>(teams) + 1, mMaxPersons);
    for (Long i : order)
        if (vb::Trim(gRGMembers[i].TeamID).isEmpty())
            gRGMembers[i].RoundGNo = deal.next();
    psGiveSortKeysAndList();
}

// By the display order: the first M lines group 1, the next M group 2, ...
// The list keeps its order; nothing is drawn.
void frmRoundGrouping::btnMakeRG4_Click()
{
    if (!pfCanDeal())
        return;
    BlockDeal deal(1, mMaxPersons);
    for (int row = 0; row < lstMembers->count(); ++row) {
        const Long group = deal.next();
        const Long e = pfEntrantOf(row);
        if (e < 0)
            continue;
        gRGMembers[e].RoundGNo = group;
        psRewriteLine(row);
    }
}

// At random: blocks of M in a random order.
void frmRoundGrouping::btnMakeRG5_Click()
{
    if (!pfCanDeal())
        return;
    const std::vector<Long> order = pfOrderBy([](const RGMember&) { return QString(); });
    BlockDeal deal(1, mMaxPersons);
    for (Long i : order)
        gRGMembers[i].RoundGNo = deal.next();
    psGiveSortKeysAndList();
}
