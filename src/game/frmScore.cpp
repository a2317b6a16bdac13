// frmScore: the score entry dialog (standard and fast input, totals, handicap).
#include "game/frmScore.h"

#include "core/ini.h"
#include "core/masterlists.h"
#include "core/records.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <limits>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int px(int twips) { return twips / kTwipsPerPixel; }

// Designed geometry in twips.
constexpr int kHoleLeft = 600;     // left edge of hole 1's column
constexpr int kHoleStep = 540;
constexpr int kHoleWidth = 495;
constexpr int kRoundTop = 840;     // top of round 1's row
constexpr int kRoundStep = 480;
constexpr int kRoundHeight = 390;
constexpr int kHoleLabelTop = 540; // the hole-number line
constexpr int kHoleLabelHeight = 270;
constexpr int kCalWidth = 2475;
constexpr int kFooterWidth = 4200;
constexpr int kFooterHeight = 915;
constexpr int kGap = 60;
// The mode frame and its help button at the top left.
constexpr int kFrameLeft = 60;
constexpr int kFrameTop = 30;
constexpr int kFrameWidth = 2460;
constexpr int kFrameHeight = 480;
constexpr int kHelpEasyScoreLeft = 2580;
constexpr int kHelpButtonSize = 360;
constexpr int kHelpEasyScoreRight = kHelpEasyScoreLeft + kHelpButtonSize;

int holeX(int h) { return kHoleLeft + kHoleStep * (h - 1); }     // h from 1
int roundY(int r) { return kRoundTop + kRoundStep * (r - 1); }   // r from 1

const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kLightYellow(255, 255, 192);

const QString kSection = QStringLiteral("Score");
const QString kKey = QStringLiteral("Howto");

void setGeometryTwips(QWidget* w, int x, int y, int width, int height)
{
    w->setGeometry(px(x), px(y), px(width), px(height));
}

void setTextColour(QWidget* w, const QColor& c, QPalette::ColorRole role)
{
    QPalette p = w->palette();
    if (p.color(role) == c)
        return;
    p.setColor(role, c);
    w->setPalette(p);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

}  // namespace

// ---------------------------------------------------------------- the notation

Long frmScore::pfNumValue(const QString& text)
{
    double v = vb::Val(text);
    v = std::clamp(v, static_cast<double>(std::numeric_limits<Long>::min()),
                   static_cast<double>(std::numeric_limits<Long>::max()));
    return vb::CLng(v);
}

QString frmScore::pfParseEasyScore(HoleTexts& holes, const QString& text, int holeCount)
{
    const int count = std::clamp(holeCount, 0, 16);
    const int length = text.length();
    int p = 0;
    int i = 0;
    while (p < length) {
        if (i >= count)
            return text.mid(p);
        const QChar c = text.at(p);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            holes[i].clear();
            p += 1;
        } else if (c != QLatin1Char('0')) {
            holes[i] = QString(c);
            p += 1;
        } else {
            if (p + 1 >= length)
                return QString();   // a final "0" gives no hole
            holes[i] = QString::number(pfNumValue(text.mid(p + 1, 2)));
            p += 3;
        }
        ++i;
    }
    return QString();
}

QString frmScore::pfHolesToEasyText(const HoleTexts& holes, int holeCount)
{
    const int count = std::clamp(holeCount, 0, 16);
    QString text;
    for (int h = 0; h < count; ++h) {
        const Long v = pfNumValue(holes[h]);
        if (v <= 0)
            text += QLatin1Char(' ');
        else if (v <= 9)
            text += QString::number(v);
        else if (v <= 99)
            text += QLatin1Char('0') + QString::number(v);
        else
            text += QStringLiteral("00") + QString::number(v);
    }
    return vb::RTrim(text);
}

// ---------------------------------------------------------------- opening

frmScore::frmScore(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmScore"));
    setModal(true);
    psCreateControls();
    Form_Load();
}

frmScore::~frmScore()
{
    // Children are destroyed after this point; their focus changes must not
    // reach the handlers.
    for (auto& round : txtScore)
        for (QLineEdit* box : round)
            box->removeEventFilter(this);
    for (QLineEdit* box : txtEasyScoreR)
        box->removeEventFilter(this);
    txtHandicap->removeEventFilter(this);
}

int frmScore::holeCount() const { return std::clamp<int>(gGame.Hole, 0, 16); }
int frmScore::roundCount() const { return std::clamp<int>(gGame.Round, 0, 10); }

void frmScore::psCreateControls()
{
    // The panels first, their contents in tab order below.
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    picCal = new QWidget(this);
    picCal->setObjectName(QStringLiteral("picCal"));
    picHndicap = new QWidget(this);
    picHndicap->setObjectName(QStringLiteral("picHndicap"));
    picFooter = new QWidget(this);
    picFooter->setObjectName(QStringLiteral("picFooter"));

    for (int h = 0; h < 16; ++h)
        lblHole[h] = makeLabel(this, QStringLiteral("lblHole_%1").arg(h), QString());
    for (int r = 0; r < 10; ++r) {
        lblRound[r] = makeLabel(this, QStringLiteral("lblRound_%1").arg(r),
                                QStringLiteral("R") + QString::number(r + 1) + QStringLiteral(":"));
        lblRound[r]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    QList<QWidget*> tabOrder;
    for (int r = 0; r < 10; ++r) {
        for (int h = 0; h < 16; ++h) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("txtScoreR%1_%2").arg(r + 1).arg(h));
            box->setAlignment(Qt::AlignCenter);
            formhelpers::typingLimit(box, 2);
            formhelpers::numKeysOnly(box);
            formhelpers::enterAsTab(box);
            formhelpers::selectAllOnFocus(box);
            formhelpers::setImeMode(box, formhelpers::ImeMode::Off);
            box->installEventFilter(this);
            txtScore[r][h] = box;
            tabOrder << box;
        }
    }
    for (int r = 0; r < 10; ++r) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtEasyScoreR_%1").arg(r));
        formhelpers::enterAsTab(box);
        formhelpers::selectAllOnFocus(box);
        formhelpers::setImeMode(box, formhelpers::ImeMode::Off);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, r] { txtEasyScoreR_Change(r); });
        txtEasyScoreR[r] = box;
        tabOrder << box;
    }

    btnOK = makeButton(picFooter, QStringLiteral("btnOK"), QStringLiteral("OK"));
    btnCancel = makeButton(picFooter, QStringLiteral("btnCancel"), QStringLiteral("ｷｬﾝｾﾙ"));
    tabOrder << btnOK << btnCancel;

    optHowTo[0] = new QRadioButton(QStringLiteral("標準入力"), Frame1);
    optHowTo[0]->setObjectName(QStringLiteral("optHowTo_0"));
    optHowTo[1] = new QRadioButton(QStringLiteral("快速入力"), Frame1);
    optHowTo[1]->setObjectName(QStringLiteral("optHowTo_1"));
    formhelpers::chosenOptionIsTheStop({optHowTo[0], optHowTo[1]});
    btnHelpEasyScore = makeButton(this, QStringLiteral("btnHelpEasyScore"), QStringLiteral("?"));
    tabOrder << optHowTo[0] << optHowTo[1] << btnHelpEasyScore;

    const QStringList headings = {QStringLiteral("実打"), QStringLiteral("Ｈ"), QStringLiteral("小計"),
                                  QStringLiteral("合計")};
    for (int k = 0; k < 4; ++k)
        Label3[k] = makeLabel(picCal, QStringLiteral("Label3_%1").arg(k), headings[k]);
    auto valueLabel = [this](const QString& name) {
        QLabel* l = makeLabel(picCal, name, QString());
        l->setAutoFillBackground(true);
        setTextColour(l, kLightYellow, QPalette::Window);
        setTextColour(l, kBlack, QPalette::WindowText);
        return l;
    };
    for (int r = 0; r < 10; ++r) {
        lblRDa[r] = valueLabel(QStringLiteral("lblRDa_%1").arg(r));
        lblHDa[r] = valueLabel(QStringLiteral("lblHDa_%1").arg(r));
        lblSDa[r] = valueLabel(QStringLiteral("lblSDa_%1").arg(r));
    }
    lblTotal = makeLabel(picCal, QStringLiteral("lblTotal"), QString());
    QFont bold = lblTotal->font();
    bold.setBold(true);
    lblTotal->setFont(bold);

    Label1 = new QLabel(QStringLiteral("ﾊﾝﾃﾞｨｷｬｯﾌﾟ："), picHndicap);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    btnHelpHandicap = makeButton(picHndicap, QStringLiteral("btnHelpHandicap"), QStringLiteral("?"));
    txtHandicap = new QLineEdit(picHndicap);
    txtHandicap->setObjectName(QStringLiteral("txtHandicap"));
    txtHandicap->setAlignment(Qt::AlignCenter);
    formhelpers::typingLimit(txtHandicap, 3);
    formhelpers::enterAsTab(txtHandicap);
    formhelpers::selectAllOnFocus(txtHandicap);
    formhelpers::setImeMode(txtHandicap, formhelpers::ImeMode::Off);
    txtHandicap->installEventFilter(this);
    tabOrder << btnHelpHandicap << txtHandicap;

    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    // Fixed geometry of the panels' contents.
    setGeometryTwips(Frame1, kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
    setGeometryTwips(optHowTo[0], 90, 120, 1140, 330);
    setGeometryTwips(optHowTo[1], 1260, 120, 1140, 330);
    setGeometryTwips(btnHelpEasyScore, kHelpEasyScoreLeft, 120, kHelpButtonSize, kHelpButtonSize);
    for (int k = 0; k < 4; ++k)
        setGeometryTwips(Label3[k], 15 + 615 * k, 0, 585, kHoleLabelHeight);
    setGeometryTwips(Label1, 0, 60, 1260, 330);
    setGeometryTwips(txtHandicap, 1290, 30, 600, 390);
    setGeometryTwips(btnHelpHandicap, 1950, 45, 360, 360);
    setGeometryTwips(btnOK, 480, 240, 1500, 435);
    setGeometryTwips(btnCancel, 2220, 240, 1500, 435);

    for (int i = 0; i < 2; ++i)
        connect(optHowTo[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                optHowTo_Click(i);
        });
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
    connect(btnHelpEasyScore, &QPushButton::clicked, this, [this] { btnHelpEasyScore_Click(); });
    connect(btnHelpHandicap, &QPushButton::clicked, this, [this] { btnHelpHandicap_Click(); });
}

void frmScore::Form_Load()
{
    mActivated = 0;
    mStartMode = gintDialogResult;

    for (int h = 0; h < 16; ++h)
        lblHole[h]->setText(QString::number(h + 1));
    for (auto& round : txtScore)
        for (QLineEdit* box : round)
            box->clear();

    psLayout();
    for (QLineEdit* box : txtEasyScoreR)
        box->clear();

    // The stored mode; selecting its option runs the mode switch (neither
    // option is selected before).
    const QString stored = vb::Trim(gfReadIniFile(gstrIniFile, kSection, kKey));
    if (stored.isEmpty() || stored == QStringLiteral("0")) {
        mHowTo = 0;
        optHowTo[0]->setChecked(true);
    } else {
        mHowTo = 1;
        optHowTo[1]->setChecked(true);
    }

    mHasPlayer = glngDialogParam >= 0 && glngDialogParam <= glngScoreLinesUBound();
    mIDNo = mHasPlayer ? gScoreLines[glngDialogParam].IDNo : 0;
    psShowScores();
    psMakeEasyScore();

    psCalcScore();
    gintDialogResult = -1;
}

void frmScore::psLayout()
{
    const int holes = holeCount();
    const int rounds = roundCount();

    for (int h = 1; h <= 16; ++h)
        setGeometryTwips(lblHole[h - 1], holeX(h), kHoleLabelTop, kHoleWidth, kHoleLabelHeight);
    for (int r = 1; r <= 10; ++r) {
        setGeometryTwips(lblRound[r - 1], 60, roundY(r), 540, kRoundHeight);
        for (int h = 1; h <= 16; ++h)
            setGeometryTwips(txtScore[r - 1][h - 1], holeX(h), roundY(r), kHoleWidth, kRoundHeight);
    }

    // Columns and rows beyond the game's holes and rounds.
    for (int h = holes + 1; h <= 16; ++h) {
        lblHole[h - 1]->hide();
        for (int r = 1; r <= 10; ++r)
            txtScore[r - 1][h - 1]->hide();
    }
    for (int r = rounds + 1; r <= 10; ++r) {
        for (QLineEdit* box : txtScore[r - 1])
            box->hide();
        lblRound[r - 1]->hide();
        lblRDa[r - 1]->hide();
        lblHDa[r - 1]->hide();
        lblSDa[r - 1]->hide();
        txtEasyScoreR[r - 1]->hide();
    }

    // The fast-input boxes span the game's hole columns.
    const int lastRight = holes > 0 ? holeX(holes) + kHoleWidth : holeX(1) + kHoleWidth;
    for (int r = 1; r <= 10; ++r)
        setGeometryTwips(txtEasyScoreR[r - 1], holeX(1), roundY(r), lastRight - holeX(1), kRoundHeight);

    // Calculation panel right of the last hole, from the hole-number line to
    // the last round's row; the handicap panel above it.
    const int calLeft = lastRight + kGap;
    const int lastBottom = roundY(std::max(rounds, 1)) + kRoundHeight;
    setGeometryTwips(picCal, calLeft, kHoleLabelTop, kCalWidth, lastBottom - kHoleLabelTop);
    for (int r = 1; r <= 10; ++r) {
        const int y = roundY(r) - kHoleLabelTop;
        setGeometryTwips(lblRDa[r - 1], 15, y, 585, kRoundHeight);
        setGeometryTwips(lblHDa[r - 1], 630, y, 585, kRoundHeight);
        setGeometryTwips(lblSDa[r - 1], 1245, y, 585, kRoundHeight);
    }
    setGeometryTwips(lblTotal, 1860, roundY(1) - kHoleLabelTop, 585, kRoundHeight);

    // The handicap panel stands above the calculation panel; in a game of
    // few holes that place lies over the mode frame and its help button, and
    // the panel then moves right of them so that both stay usable.
    const bool withHandicap = gGame.HandiCapKind == 2;
    int handicapLeft = calLeft;
    if (withHandicap)
        handicapLeft = std::max(calLeft, kHelpEasyScoreRight + kGap);
    setGeometryTwips(picHndicap, handicapLeft, 60, kCalWidth, 450);
    picHndicap->setVisible(withHandicap);
    picHndicap->raise();

    const int footerTop = lastBottom + kGap;
    const int clientWidth = std::max({calLeft + kCalWidth, handicapLeft + kCalWidth, kFooterWidth});
    const int clientHeight = footerTop + kFooterHeight;
    setFixedSize(px(clientWidth), px(clientHeight));
    picFooter->setGeometry((width() - px(kFooterWidth)) / 2, px(footerTop), px(kFooterWidth), px(kFooterHeight));
}

void frmScore::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Form_Activate();
}

void frmScore::Form_Activate()
{
    if (mActivated != 0)
        return;
    if (gGame.HandiCapKind != 0 && mStartMode == 1) {
        txtHandicap->setFocus(Qt::OtherFocusReason);
    } else {
        // The first control of the tab order that can take the focus.
        QLineEdit* first = mHowTo != 0 ? txtEasyScoreR[0] : txtScore[0][0];
        if (!first->isHidden())
            first->setFocus(Qt::OtherFocusReason);
    }
    mActivated = 1;
}

// ---------------------------------------------------------------- the player's lines

Long frmScore::pfFirstLine() const
{
    if (!mHasPlayer)
        return -1;
    for (Long i = 0; i <= glngScoreLinesUBound(); ++i)
        if (gScoreLines[i].IDNo == mIDNo)
            return i;
    return -1;
}

Long frmScore::pfLastLine(Long first) const
{
    Long last = first;
    const Long end = std::min<Long>(first + std::max(roundCount(), 1) - 1, glngScoreLinesUBound());
    // Lines of another player are never touched, even in a damaged table.
    while (last + 1 <= end && gScoreLines[last + 1].IDNo == mIDNo)
        ++last;
    return last;
}

void frmScore::psShowScores()
{
    for (auto& round : txtScore)
        for (QLineEdit* box : round)
            box->clear();

    const Long first = pfFirstLine();
    if (first < 0)
        return;

    setWindowTitle(QStringLiteral("スコア") + QStringLiteral(" - ") + gfGetMemberName(mIDNo) + QStringLiteral("　（")
                   + gfGetMemberGender(mIDNo, 0) + QStringLiteral("、") + gfGetMemberAge(mIDNo, gstrDialogText1)
                   + QStringLiteral("歳）"));
    txtHandicap->setText(QString::number(gScoreLines[first].Handicap));

    const int holes = holeCount();
    const Long last = pfLastLine(first);
    for (Long i = first; i <= last; ++i) {
        const ScoreLine& line = gScoreLines[i];
        if (line.RoundNo < 1 || line.RoundNo > 10)
            continue;
        for (int h = 0; h < holes; ++h)
            txtScore[line.RoundNo - 1][h]->setText(vb::Trim(line.Holes[h]));
    }
}

void frmScore::psSaveScores()
{
    const Long first = pfFirstLine();
    if (first < 0)
        return;
    const Long handicap = pfNumValue(txtHandicap->text());
    const int holes = holeCount();
    const Long last = pfLastLine(first);
    for (Long i = first; i <= last; ++i) {
        ScoreLine& line = gScoreLines[i];
        line.Handicap = handicap;
        for (QString& hole : line.Holes)
            hole.clear();
        if (line.RoundNo < 1 || line.RoundNo > 10)
            continue;
        for (int h = 0; h < holes; ++h) {
            const Long v = pfNumValue(txtScore[line.RoundNo - 1][h]->text());
            if (v >= 1)
                line.Holes[h] = QString::number(v);
        }
    }
}

// ---------------------------------------------------------------- modes

void frmScore::optHowTo_Click(int index)
{
    if (index == 0) {
        psEasyScoreToBoxes();
        mHowTo = 0;
    } else {
        psMakeEasyScore();
        mHowTo = 1;
        psCalcScoreEasy();
    }
    gfWriteIniFile(gstrIniFile, kSection, kKey, QString::number(mHowTo));
    psSetDspHowTo();
}

void frmScore::psSetDspHowTo()
{
    const int holes = holeCount();
    const int rounds = roundCount();
    const bool fast = mHowTo != 0;
    for (int r = 0; r < rounds; ++r)
        txtEasyScoreR[r]->setVisible(fast);
    for (int h = 0; h < holes; ++h) {
        lblHole[h]->setVisible(!fast);
        for (int r = 0; r < rounds; ++r)
            txtScore[r][h]->setVisible(!fast);
    }
}

void frmScore::psMakeEasyScore()
{
    for (QLineEdit* box : txtEasyScoreR)
        box->clear();
    const int holes = holeCount();
    for (int r = 0; r < 10; ++r) {
        HoleTexts texts;
        for (int h = 0; h < 16; ++h)
            texts[h] = vb::Trim(txtScore[r][h]->text());
        mBuiltHoles[r] = texts;
        mBuiltEasy[r] = pfHolesToEasyText(texts, holes);
        txtEasyScoreR[r]->setText(mBuiltEasy[r]);
    }
}

frmScore::HoleTexts frmScore::pfEasyHoles(int round0) const
{
    const QString text = vb::RTrim(txtEasyScoreR[round0]->text());
    HoleTexts holes;
    pfParseEasyScore(holes, text, holeCount());
    if (text == mBuiltEasy[round0]) {
        // Unchanged since it was built: where the notation does not read back
        // the value it was built from (100 strokes and more), the original
        // text stands.
        const HoleTexts& built = mBuiltHoles[round0];
        for (int h = 0; h < 16; ++h)
            if (pfNumValue(holes[h]) != pfNumValue(built[h]))
                holes[h] = built[h];
    }
    return holes;
}

void frmScore::psEasyScoreToBoxes()
{
    for (auto& round : txtScore)
        for (QLineEdit* box : round)
            box->clear();
    for (int r = 0; r < 10; ++r) {
        const HoleTexts holes = pfEasyHoles(r);
        for (int h = 0; h < 16; ++h)
            txtScore[r][h]->setText(holes[h]);
    }
}

// ---------------------------------------------------------------- totals

void frmScore::psCalcScore()
{
    if (mHowTo != 0)
        psCalcScoreEasy();
    else
        psCalcScoreBoxes();
}

void frmScore::psCalcScoreBoxes()
{
    psCalcTotals([this](int r, int h) { return pfNumValue(txtScore[r][h]->text()); }, false);
}

void frmScore::psCalcScoreEasy()
{
    std::array<HoleTexts, 10> rounds;
    for (int r = 0; r < 10; ++r)
        rounds[r] = pfEasyHoles(r);
    psCalcTotals([&rounds](int r, int h) { return pfNumValue(rounds[r][h]); }, true);
}

void frmScore::psSetRoundColour(int round0, bool complete, bool colourEasyBox)
{
    const QColor& c = complete ? kBlack : kRed;
    for (QLabel* l : {lblRDa[round0], lblHDa[round0], lblSDa[round0]})
        setTextColour(l, c, QPalette::WindowText);
    if (colourEasyBox)
        setTextColour(txtEasyScoreR[round0], c, QPalette::Text);
}

template <class ValueOf>
void frmScore::psCalcTotals(ValueOf value, bool colourEasyBoxes)
{
    const int holes = holeCount();
    const int rounds = roundCount();
    qint64 net = 0;
    qint64 complete = 0;
    for (int r = 0; r < rounds; ++r) {
        qint64 strokes = 0;
        qint64 ones = 0;
        int entered = 0;
        for (int h = 0; h < holes; ++h) {
            const Long v = value(r, h);
            strokes += v;
            if (v == 1)
                ++ones;
            if (v > 0)
                ++entered;
        }
        if (strokes != 0) {
            lblRDa[r]->setText(QString::number(strokes));
            lblHDa[r]->setText(QString::number(ones));
            lblSDa[r]->setText(QString::number(strokes - 3 * ones));
            const bool done = entered == holes;
            psSetRoundColour(r, done, colourEasyBoxes);
            if (done) {
                net += strokes - 3 * ones;
                complete += strokes;
            }
        } else {
            const QString dash = QStringLiteral("-");
            lblRDa[r]->setText(dash);
            lblHDa[r]->setText(dash);
            lblSDa[r]->setText(dash);
        }
    }
    // The handicap counts only for a positive net.
    if (net > 0 && gGame.HandiCapKind == 2)
        net += pfNumValue(txtHandicap->text());
    lblTotal->setText(complete != 0 ? QString::number(net) : QStringLiteral("-"));
}

// ---------------------------------------------------------------- handicap

void frmScore::psAdjustHandicap()
{
    Long v = pfNumValue(txtHandicap->text());
    const Long low = gGame.HandiCapKind == 2 ? -99 : 0;
    const Long high = gGame.HandiCapKind == 2 ? 99 : 0;
    if (v > high)
        v = high;
    if (v < low)
        v = low;
    txtHandicap->setText(QString::number(v));
}

// ---------------------------------------------------------------- fast-input boxes

void frmScore::txtEasyScoreR_Change(int index)
{
    if (mHowTo == 1)
        psCalcScoreEasy();
}

void frmScore::txtEasyScoreR_LostFocus(int index)
{
    QLineEdit* box = txtEasyScoreR[index];
    const QString text = vb::RTrim(box->text());
    // A round left as it was built keeps its texts (and has no leftover).
    if (text == mBuiltEasy[index])
        return;
    HoleTexts holes;
    const QString leftover = pfParseEasyScore(holes, text, holeCount());
    box->setText(pfHolesToEasyText(holes, holeCount()));
    const QString rest = vb::RTrim(leftover);
    if (!rest.isEmpty() && index + 1 < roundCount() && vb::Trim(txtEasyScoreR[index + 1]->text()).isEmpty())
        txtEasyScoreR[index + 1]->setText(rest);
}

// ---------------------------------------------------------------- focus and keys

bool frmScore::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return QDialog::eventFilter(watched, event);
    // Leaving the window (another window activated, a popup, the dialog
    // closed) is no leaving of the box.
    if (!formhelpers::leavesForAnotherControl(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)))
        return false;

    if (watched == txtHandicap) {
        psAdjustHandicap();
        psCalcScore();
        return false;
    }
    for (int r = 0; r < 10; ++r) {
        if (watched == txtEasyScoreR[r]) {
            txtEasyScoreR_LostFocus(r);
            return false;
        }
    }
    // A hole box.
    psCalcScore();
    return false;
}

void frmScore::keyPressEvent(QKeyEvent* event)
{
    // Neither Enter nor Esc is a dialog key here: Enter presses only the
    // button that has the focus (OK after the last hole), as on any button.
    if (formhelpers::isEnterKey(event)) {
        if (auto* b = qobject_cast<QPushButton*>(focusWidget()))
            b->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// ---------------------------------------------------------------- buttons

void frmScore::btnOK_Click()
{
    if (mHowTo == 1)
        psEasyScoreToBoxes();
    psSaveScores();
    gintDialogResult = 0;
    accept();
}

void frmScore::btnCancel_Click()
{
    gintDialogResult = -1;
    reject();
}

void frmScore::btnHelpEasyScore_Click()
{
    const QString crlf = QStringLiteral("\r\n");
    const QString text = QStringLiteral("入力域の移動は Enterキー or Tabキーが便利です。") + crlf + crlf
                         + QStringLiteral("快速入力では数字１文字を１ホール分の打数とします。") + crlf
                         + QStringLiteral("二桁の数字（10～99）を入力したい場合は先頭に'0'を付けます。") + crlf
                         + QStringLiteral("'0'直後の数字2文字を打数とします。") + crlf
                         + QStringLiteral("例). \"2340101234\" -> 2-3-4-10-1-2-3-4");
    platform::MsgBox(text, platform::vbOKOnly, QStringLiteral("スコア入力のヘルプ"), this);
}

void frmScore::btnHelpHandicap_Click()
{
    const QString text = QStringLiteral("ハンディキャップの入力可能範囲： 最小値= -99 、最大値= 99 です。")
                         + QStringLiteral("\r\n")
                         + QStringLiteral("範囲を超える値が入力された場合は、最小値、最大値に自動修正されます。");
    platform::MsgBox(text, platform::vbOKOnly, QStringLiteral("ハンディキャップのヘルプ"), this);
}
