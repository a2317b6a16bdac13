// frmPpAdjust: print position across and down, in millimetres.
#include "print/frmPpAdjust.h"

#include "print/modPreview.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

Integer gintAdjustResult = 0;

namespace {

constexpr int kLimit = 30;
const QColor kBoxColor(0xE0, 0xE0, 0xE0);   // light grey
const QColor kFocusColor(Qt::white);

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel* makeValueBox(QWidget* parent, const char* name)
{
    auto* l = makeLabel(parent, QLatin1String(name), QString());
    l->setAutoFillBackground(true);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFixedWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("-000")) + 12);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, kBoxColor);
    l->setPalette(p);
    return l;
}

// A small vertical bar used as a spinner: the upper arrow lowers the value.
QScrollBar* makeSpinner(QWidget* parent, const char* name, int rowHeight)
{
    auto* s = new QScrollBar(Qt::Vertical, parent);
    s->setObjectName(QLatin1String(name));
    s->setFocusPolicy(Qt::StrongFocus);
    s->setFixedHeight(rowHeight);
    return s;
}

}  // namespace

frmPpAdjust::frmPpAdjust(QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmPpAdjust"));
    setWindowTitle(QStringLiteral("印刷位置調整"));
    setModal(true);

    Label1[0] = makeLabel(this, QStringLiteral("Label1_0"), QStringLiteral("横位置"));
    Label1[1] = makeLabel(this, QStringLiteral("Label1_1"), QStringLiteral("縦位置"));
    Label1[2] = makeLabel(this, QStringLiteral("Label1_2"), QStringLiteral("ｍｍ（左－、右＋）"));
    Label1[3] = makeLabel(this, QStringLiteral("Label1_3"), QStringLiteral("ｍｍ（上－、下＋）"));
    lblYoko = makeValueBox(this, "lblYoko");
    lblTate = makeValueBox(this, "lblTate");
    const int rowHeight = lblYoko->sizeHint().height() + 10;
    lblYoko->setFixedHeight(rowHeight);
    lblTate->setFixedHeight(rowHeight);
    scrYoko = makeSpinner(this, "scrYoko", rowHeight);
    scrTate = makeSpinner(this, "scrTate", rowHeight);
    btnReturn = new QPushButton(QStringLiteral("戻る（F12）"), this);
    btnReturn->setObjectName(QStringLiteral("btnReturn"));
    btnReturn->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* rows = new QGridLayout;
    rows->setHorizontalSpacing(6);
    rows->addWidget(Label1[0], 0, 0);
    rows->addWidget(lblYoko, 0, 1);
    rows->addWidget(scrYoko, 0, 2);
    rows->addWidget(Label1[2], 0, 3);
    rows->addWidget(Label1[1], 1, 0);
    rows->addWidget(lblTate, 1, 1);
    rows->addWidget(scrTate, 1, 2);
    rows->addWidget(Label1[3], 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnReturn);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(scrYoko, scrTate);
    setTabOrder(scrTate, btnReturn);
    setTabOrder(btnReturn, btnCancel);

    connect(btnReturn, &QPushButton::clicked, this, [this] { btnReturn_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    f12->setContext(Qt::WindowShortcut);
    f12->setAutoRepeat(false);
    connect(f12, &QShortcut::activated, this, [this] { btnReturn_Click(); });

    Form_Load();
    setFixedSize(sizeHint());
}

void frmPpAdjust::Form_Load()
{
    mYokoBackColor = lblYoko->palette().color(QPalette::Window);
    mTateBackColor = lblTate->palette().color(QPalette::Window);
    gintAdjustResult = -1;
    mYoko = gintAdjustYoko;
    mTate = gintAdjustTate;
    for (QScrollBar* bar : {scrYoko, scrTate}) {
        bar->setRange(-kLimit, kLimit);
        bar->setSingleStep(1);
        bar->setPageStep(1);
    }
    scrYoko->setValue(mYoko);
    scrTate->setValue(mTate);
    psShowAdjustValue();

    // The change events are connected once the bars hold the incoming values.
    connect(scrYoko, &QScrollBar::valueChanged, this, [this](int v) {
        mYoko = static_cast<Integer>(v);
        psShowAdjustValue();
    });
    connect(scrTate, &QScrollBar::valueChanged, this, [this](int v) {
        mTate = static_cast<Integer>(v);
        psShowAdjustValue();
    });
    scrYoko->installEventFilter(this);
    scrTate->installEventFilter(this);
}

void frmPpAdjust::psShowAdjustValue()
{
    lblYoko->setText(QString::number(mYoko));
    lblTate->setText(QString::number(mTate));
}

void frmPpAdjust::psSetBoxColor(QLabel* box, const QColor& color)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Window, color);
    box->setPalette(p);
}

bool frmPpAdjust::eventFilter(QObject* watched, QEvent* event)
{
    // The value box of the bar that has the focus turns white.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const bool in = event->type() == QEvent::FocusIn;
        if (watched == scrYoko)
            psSetBoxColor(lblYoko, in ? kFocusColor : mYokoBackColor);
        else if (watched == scrTate)
            psSetBoxColor(lblTate, in ? kFocusColor : mTateBackColor);
    }
    return QDialog::eventFilter(watched, event);
}

void frmPpAdjust::btnReturn_Click()
{
    gintAdjustYoko = mYoko;
    gintAdjustTate = mTate;
    gintAdjustResult = 0;
    accept();
}

void frmPpAdjust::btnCancel_Click()
{
    reject();
}
