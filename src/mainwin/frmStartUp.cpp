#include "mainwin/frmStartUp.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace {

// The product picture: a target of rings over a green course.
QPixmap productPicture(int size)
{
    QPixmap pix(size, size);
    pix.fill(QColor(0x2e, 0x7d, 0x32));
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    const QColor rings[] = {Qt::white, QColor(0xc6, 0x28, 0x28), Qt::white, QColor(0xc6, 0x28, 0x28)};
    for (int i = 0; i < 4; ++i) {
        const double r = size * (0.42 - i * 0.1);
        p.setPen(Qt::NoPen);
        p.setBrush(rings[i]);
        p.drawEllipse(c, r, r);
    }
    return pix;
}

}  // namespace

// Not kept on top: a message box that start-up shows while this window is up
// (the take-over of an older version's data names the files it could not
// read) must come in front of it, or the program looks hung.
frmStartUp::frmStartUp(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmStartUp"));
    setFixedSize(420, 180);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(20, 24, 96, 96);
    Image2->setPixmap(productPicture(96));

    lblTittle = new QLabel(QStringLiteral("Corvanti - Tallicor"), this);
    lblTittle->setObjectName(QStringLiteral("lblTittle"));
    lblTittle->setGeometry(136, 30, 270, 36);
    QFont title(QStringLiteral("ＭＳ Ｐゴシック"));
    title.setPixelSize(24);
    title.setBold(true);
    lblTittle->setFont(title);

    lblVersion = new QLabel(QStringLiteral("Version ") + QStringLiteral("3.0.0"), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setGeometry(136, 74, 270, 22);
    QFont small(QStringLiteral("ＭＳ Ｐゴシック"));
    small.setPixelSize(14);
    lblVersion->setFont(small);

    lblMsg = new QLabel(this);
    lblMsg->setObjectName(QStringLiteral("lblMsg"));
    lblMsg->setGeometry(20, 136, 380, 24);
    lblMsg->setFont(small);

    // Centred on the screen.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

// A thin frame: the window has no title bar of its own.
void frmStartUp::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmStartUp::gsSetMsg(const QString& text)
{
    lblMsg->setText(text);
    lblMsg->repaint();
}
