#include "mainwin/frmPeriod.h"

#include "core/records.h"
#include "forms/dialoghelpers.h"
#include "platform/eradate.h"
#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kDisplayPattern = QStringLiteral("ge/m/d");
const QString kStoredPattern = QStringLiteral("yyyy/mm/dd");

// The trimmed text of a box rewritten in the given pattern; "" for an empty
// box; the text unchanged when it is no date.
QString formatBox(const QString& text, const QString& pattern)
{
    const QString t = vb::Trim(text);
    if (t.isEmpty())
        return QString();
    return vb::FormatDateText(t, pattern);
}

}  // namespace

frmPeriod::frmPeriod(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPeriod"));
    setWindowTitle(QStringLiteral("期間"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    txtFromDate = new QLineEdit(this);
    txtFromDate->setObjectName(QStringLiteral("txtFromDate"));
    txtFromDate->setGeometry(16, 20, 110, 26);

    Label1 = new QLabel(QStringLiteral("～"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(128, 20, 24, 26);

    txtToDate = new QLineEdit(this);
    txtToDate->setObjectName(QStringLiteral("txtToDate"));
    txtToDate->setGeometry(154, 20, 110, 26);

    btnHelpDate = new QPushButton(QStringLiteral("?"), this);
    btnHelpDate->setObjectName(QStringLiteral("btnHelpDate"));
    btnHelpDate->setGeometry(272, 20, 26, 26);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(110, 64, 90, 30);

    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(208, 64, 90, 30);

    setFixedSize(314, 108);
    for (QPushButton* b : {btnHelpDate, btnOK, btnCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    setTabOrder(txtFromDate, txtToDate);
    setTabOrder(txtToDate, btnHelpDate);
    setTabOrder(btnHelpDate, btnOK);
    setTabOrder(btnOK, btnCancel);

    for (QLineEdit* box : {txtFromDate, txtToDate}) {
        formhelpers::setImeMode(box, formhelpers::ImeMode::Off);
        formhelpers::selectAllOnFocus(box);
        formhelpers::enterAsTab(box);
        box->installEventFilter(this);
    }

    connect(btnOK, &QPushButton::clicked, this, &frmPeriod::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmPeriod::btnCancel_Click);
    connect(btnHelpDate, &QPushButton::clicked, this, &frmPeriod::btnHelpDate_Click);

    Form_Load();
}

void frmPeriod::Form_Load()
{
    txtFromDate->setText(formatBox(gstrDialogText1, kDisplayPattern));
    txtToDate->setText(formatBox(gstrDialogText2, kDisplayPattern));
    gintDialogResult = -1;
}

void frmPeriod::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtFromDate->setFocus(Qt::OtherFocusReason);
}

void frmPeriod::keyPressEvent(QKeyEvent* event)
{
    // Esc does not cancel this dialog, and no button is the dialog's
    // default: Enter presses only the button that has the focus.
    if (!dialoghelpers::takeDialogKey(this, event, true))
        QDialog::keyPressEvent(event);
}

bool frmPeriod::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == txtFromDate || watched == txtToDate)) {
        auto* fe = static_cast<QFocusEvent*>(event);
        // Only a move to another control of this dialog leaves the box; the
        // window losing the focus (a message box, another window) does not.
        // Cancel is never blocked by an invalid box. A button pressed with
        // the mouse gets its click first (a message box in between would
        // swallow the release): OK checks both boxes itself and the help
        // button changes nothing.
        QWidget* next = QApplication::focusWidget();
        const bool movedWithin = fe->reason() == Qt::TabFocusReason
                                 || fe->reason() == Qt::BacktabFocusReason
                                 || fe->reason() == Qt::MouseFocusReason
                                 || fe->reason() == Qt::ShortcutFocusReason
                                 || fe->reason() == Qt::OtherFocusReason;
        const bool buttonPressed =
            qobject_cast<QAbstractButton*>(next) != nullptr && fe->reason() == Qt::MouseFocusReason;
        if (movedWithin && !mInMessage && next != btnCancel && !buttonPressed
            && (next == nullptr || next->window() == this))
            psDateBoxLostFocus(static_cast<QLineEdit*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

void frmPeriod::psDateBoxLostFocus(QLineEdit* box)
{
    const QString t = vb::Trim(box->text());
    if (t.isEmpty())
        return;
    if (vb::IsDate(t)) {
        box->setText(vb::FormatDateText(t, kDisplayPattern));
        return;
    }
    mInMessage = true;
    platform::MsgBox(dialoghelpers::dateErrorText(), platform::vbOKOnly, QStringLiteral("エラー"), this);
    mInMessage = false;
    box->setFocus(Qt::OtherFocusReason);
}

void frmPeriod::btnOK_Click()
{
    const QString from = vb::Trim(txtFromDate->text());
    const QString to = vb::Trim(txtToDate->text());

    mInMessage = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{mInMessage};

    if (!from.isEmpty() && !vb::IsDate(from)) {
        platform::MsgBox(dialoghelpers::dateErrorText(), platform::vbOKOnly, QStringLiteral("エラー"), this);
        txtFromDate->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (!to.isEmpty() && !vb::IsDate(to)) {
        platform::MsgBox(dialoghelpers::dateErrorText(), platform::vbOKOnly, QStringLiteral("エラー"), this);
        txtToDate->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString fromStored = formatBox(from, kStoredPattern);
    const QString toStored = formatBox(to, kStoredPattern);
    if (!from.isEmpty() && !to.isEmpty() && vb::StrComp(fromStored, toStored) > 0) {
        platform::MsgBox(QStringLiteral("前より後ろの方が後の日付になっています。"), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
        txtFromDate->setFocus(Qt::OtherFocusReason);
        return;
    }
    gstrDialogText1 = fromStored;
    gstrDialogText2 = toStored;
    gintDialogResult = 0;
    accept();
}

void frmPeriod::btnCancel_Click()
{
    gintDialogResult = -1;
    reject();
}

void frmPeriod::btnHelpDate_Click()
{
    platform::MsgBox(dialoghelpers::dateHelpText(8), platform::vbOKOnly, QStringLiteral("日付入力ヘルプ"), this);
}
