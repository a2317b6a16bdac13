#include "mainwin/frmAbout.h"

#include "core/helpers.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>

namespace {
const char kMakerUrl[] = "https://talvane.example.com/";
}

QString frmAbout::makerUrl()
{
    return QString::fromLatin1(kMakerUrl);
}

void gsShowUrlOnClipboard(const QString& address, QWidget* owner)
{
    platform::ui().setClipboardText(QString());
    platform::ui().setClipboardText(vb::Trim(address));
    platform::MsgBox(address + QStringLiteral("\n")
                         + QStringLiteral("URLをｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰしました。ご利用のﾌﾞﾗｳｻﾞのｱﾄﾞﾚｽﾊﾞｰに貼り付け(ﾍﾟｲｽﾄ)てください。"),
                     platform::vbOKOnly, QStringLiteral("エラー"), owner);
}

void gsOpenWebPageOrShowUrl(const QString& address, QWidget* owner)
{
    // The late failure may come after the owner has closed.
    const QPointer<QWidget> guard(owner);
    auto fallback = [address, guard] { gsShowUrlOnClipboard(address, guard.data()); };
    if (gfOpenWebPage(address, true, fallback))
        fallback();
}

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);

    lblTitle = new QLabel(QStringLiteral("Corvanti - Tallicor"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblTitle->setGeometry(24, 18, 380, 34);

    lblVersion = new QLabel(QStringLiteral("Version " TALLICOR_VERSION), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(24, 56, 380, 22);

    lblDescription = new QLabel(
        QStringLiteral("ホールごとの打数を記録し、ゲームの順位とシーズンの成績を集計します。\n"
                       "集計結果はA4用紙に印刷できます。"),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setGeometry(24, 88, 400, 48);

    lblCopyright = new QLabel(QStringLiteral("Copyright (C) Talvane Software"), this);
    lblCopyright->setObjectName(QStringLiteral("lblCopyright"));
    lblCopyright->setGeometry(24, 146, 380, 22);

    lblURL = new QLabel(makerUrl(), this);
    lblURL->setObjectName(QStringLiteral("lblURL"));
    QPalette pal = lblURL->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblURL->setPalette(pal);
    QFont link = lblURL->font();
    link.setUnderline(true);
    lblURL->setFont(link);
    lblURL->setCursor(Qt::PointingHandCursor);
    lblURL->setGeometry(24, 172, lblURL->sizeHint().width(), 22);
    lblURL->installEventFilter(this);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(330, 208, 96, 30);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &frmAbout::btnOK_Click);

    setFixedSize(446, 252);
}

void frmAbout::btnOK_Click()
{
    accept();
}

void frmAbout::lblURL_Click()
{
    gsOpenWebPageOrShowUrl(makerUrl(), this);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblURL && event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton && lblURL->rect().contains(me->position().toPoint())) {
            lblURL_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
