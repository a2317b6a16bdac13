#include "print/printersetupdialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString PrinterSetupDialog::pdfCaption()
{
    return QStringLiteral("PDFファイルに印刷");
}

PrinterSetupDialog::PrinterSetupDialog(const QStringList& printers, const QString& current, QWidget* owner)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(QStringLiteral("ﾌﾟﾘﾝﾀ設定"));
    setModal(true);

    lblPrinter = new QLabel(QStringLiteral("ﾌﾟﾘﾝﾀ名(&N)："), this);
    lblPrinter->setObjectName(QStringLiteral("lblPrinter"));
    cobPrinter = new QComboBox(this);
    cobPrinter->setObjectName(QStringLiteral("cobPrinter"));
    cobPrinter->setEditable(false);
    cobPrinter->setMinimumContentsLength(24);
    cobPrinter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblPrinter->setBuddy(cobPrinter);
    for (const QString& name : printers)
        cobPrinter->addItem(name, name);
    cobPrinter->addItem(pdfCaption(), QString());
    // The printer in use; one the list no longer has leaves the first item.
    const int shown = current.isEmpty() ? cobPrinter->count() - 1 : cobPrinter->findData(current);
    cobPrinter->setCurrentIndex(shown < 0 ? 0 : shown);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(lblPrinter);
    row->addWidget(cobPrinter, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString PrinterSetupDialog::chosenPrinter() const
{
    return cobPrinter->currentData().toString();
}
