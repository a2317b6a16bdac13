// frmPpPrintSetup: pages and copies to print.
#include "print/frmPpPrintSetup.h"

#include "platform/ui/formhelpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int kMaxCopies = 999;

}  // namespace

QString frmPpPrintSetup::pfPageItemText(int page)
{
    return QLatin1Char(' ') + QString::number(page) + QStringLiteral(" ﾍﾟｰｼﾞ");
}

frmPpPrintSetup::frmPpPrintSetup(Integer pageMax, QWidget* owner)
    : QDialog(owner), gintPageMax(pageMax)
{
    setObjectName(QStringLiteral("frmPpPrintSetup"));
    setWindowTitle(QStringLiteral("印刷設定"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("印刷ﾍﾟｰｼﾞ："), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    cobStartPage = new QComboBox(this);
    cobStartPage->setObjectName(QStringLiteral("cobStartPage"));
    Label2 = new QLabel(QStringLiteral("～"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    cobEndPage = new QComboBox(this);
    cobEndPage->setObjectName(QStringLiteral("cobEndPage"));
    for (QComboBox* box : {cobStartPage, cobEndPage}) {
        box->setEditable(false);
        box->setMinimumContentsLength(9);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    Label3 = new QLabel(QStringLiteral("部数："), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    txtCopy = new QLineEdit(this);
    txtCopy->setObjectName(QStringLiteral("txtCopy"));
    txtCopy->setAlignment(Qt::AlignRight);
    txtCopy->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    btnOK = new QPushButton(QStringLiteral("印刷"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0, Qt::AlignRight);
    fields->addWidget(cobStartPage, 0, 1);
    fields->addWidget(Label2, 0, 2, Qt::AlignCenter);
    fields->addWidget(cobEndPage, 0, 3);
    fields->addWidget(Label3, 1, 0, Qt::AlignRight);
    fields->addWidget(txtCopy, 1, 1, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setTabOrder(cobStartPage, cobEndPage);
    setTabOrder(cobEndPage, txtCopy);
    setTabOrder(txtCopy, btnOK);
    setTabOrder(btnOK, btnCancel);

    // Copies: three digits at most, digits only, all selected on focus.
    txtCopy->setMaxLength(3);
    formhelpers::numKeysOnly(txtCopy);
    formhelpers::selectAllOnFocus(txtCopy);

    connect(btnOK, &QPushButton::clicked, this, [this] { btnOK_Click(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancel_Click(); });
    // The dialog sees these keys before its controls.
    const auto onKey = [this](Qt::Key key, void (frmPpPrintSetup::*handler)()) {
        auto* s = new QShortcut(QKeySequence(key), this);
        s->setContext(Qt::WindowShortcut);
        s->setAutoRepeat(false);
        connect(s, &QShortcut::activated, this, handler);
    };
    onKey(Qt::Key_F8, &frmPpPrintSetup::btnOK_Click);
    onKey(Qt::Key_F9, &frmPpPrintSetup::btnCancel_Click);
    onKey(Qt::Key_F12, &frmPpPrintSetup::btnCancel_Click);

    Form_Load();
    setFixedSize(sizeHint());
}

void frmPpPrintSetup::Form_Load()
{
    gintDialogResult = -1;
    psInitDsp();
}

void frmPpPrintSetup::psInitDsp()
{
    try {
        cobStartPage->clear();
        cobEndPage->clear();
        for (int p = 1; p <= gintPageMax; ++p) {
            cobStartPage->addItem(pfPageItemText(p), p);
            cobEndPage->addItem(pfPageItemText(p), p);
        }
        if (cobStartPage->count() == 0) {
            cobStartPage->setEnabled(false);
            cobEndPage->setEnabled(false);
            btnOK->setEnabled(false);
        } else {
            // The whole report is proposed.
            cobStartPage->setCurrentIndex(0);
            cobEndPage->setCurrentIndex(cobEndPage->count() - 1);
        }
        txtCopy->setText(QStringLiteral("1"));
        gintCopy = 1;
    } catch (const std::exception& e) {
        platform::MsgBox(QStringLiteral("psInitDsp(): ") + vb::errorDescription(e), platform::vbOKOnly,
                         QStringLiteral("エラー"), this);
    }
}

void frmPpPrintSetup::psShowError(const QString& text)
{
    platform::MsgBox(text, platform::vbOKOnly, QStringLiteral("エラー"), this);
}

void frmPpPrintSetup::btnOK_Click()
{
    if (cobStartPage->currentIndex() < 0) {
        psShowError(QStringLiteral("開始ﾍﾟｰｼﾞが指定されてません。"));
        return;
    }
    if (cobEndPage->currentIndex() < 0) {
        psShowError(QStringLiteral("最終ﾍﾟｰｼﾞが指定されてません。"));
        return;
    }
    if (cobStartPage->currentIndex() > cobEndPage->currentIndex()) {
        psShowError(QStringLiteral("開始ﾍﾟｰｼﾞ > 最終ﾍﾟｰｼﾞになってます。"));
        return;
    }
    gintStartPage = static_cast<Integer>(cobStartPage->currentData().toInt());
    gintEndPage = static_cast<Integer>(cobEndPage->currentData().toInt());

    // The number of copies is checked as it will be printed, after rounding:
    // a pasted "0.4" would otherwise pass as above 0 and print nothing.
    const double copies = vb::Val(txtCopy->text());
    const double rounded = copies > kMaxCopies ? copies : vb::CInt(copies);
    if (rounded < 1 || rounded > kMaxCopies) {
        psShowError(QStringLiteral("部数は1～999を指定してください。"));
        txtCopy->setFocus(Qt::OtherFocusReason);
        return;
    }
    gintCopy = static_cast<Integer>(rounded);
    gintDialogResult = 0;
    accept();
}

void frmPpPrintSetup::btnCancel_Click()
{
    reject();
}

void frmPpPrintSetup::reject()
{
    gintDialogResult = -1;
    QDialog::reject();
}
