#include "platform/ui/windowgeometry.h"

#include "platform/profile.h"
#include "platform/vbruntime.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {
namespace {

const QString kWindowSize = QStringLiteral("WindowSize");

QString keyName(const QString& prefix, const char* key)
{
    return prefix + QLatin1Char('_') + QLatin1String(key);
}

// A stored value in twips: blank or 0 means "not stored". Values far beyond
// any screen are cut so that they cannot overflow.
bool storedValue(const QString& iniFile, const QString& key, int& twips)
{
    const QString text = profileRead(iniFile, kWindowSize, key);
    if (vb::Trim(text).isEmpty())
        return false;
    const std::int32_t n = vb::CLng(std::clamp(vb::Val(text), -1.0e7, 1.0e7));
    if (n == 0)
        return false;
    twips = n;
    return true;
}

}  // namespace

void applyStoredWindowGeometry(QWidget* window, const QString& iniFile, const QString& prefix,
                               QSize designed, QSize minimum)
{
    const QWidget* parent = window->parentWidget();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);

    // The designed place: centred on the screen at the designed size.
    QRect g(QPoint(0, 0), designed);
    g.moveCenter(screenRect.center());
    if (g.left() < screenRect.left())
        g.moveLeft(screenRect.left());
    if (g.top() < screenRect.top())
        g.moveTop(screenRect.top());

    bool maximised = false;
    int value = 0;
    if (storedValue(iniFile, keyName(prefix, "Width"), value)) {
        g.setWidth(std::max(value / kWindowTwipsPerPixel, 1));
        if (storedValue(iniFile, keyName(prefix, "Height"), value))
            g.setHeight(std::max(value / kWindowTwipsPerPixel, 1));
        if (storedValue(iniFile, keyName(prefix, "Top"), value))
            g.moveTop(value / kWindowTwipsPerPixel);
        if (storedValue(iniFile, keyName(prefix, "Left"), value))
            g.moveLeft(value / kWindowTwipsPerPixel);
        const QString state = profileRead(iniFile, kWindowSize, keyName(prefix, "WindowState"));
        // A window closed while minimised opens normal.
        maximised = !vb::Trim(state).isEmpty() && vb::Val(state) == 2;
    }

    if (g.width() > screenRect.width())
        g.setWidth(screenRect.width());
    if (g.height() > screenRect.height())
        g.setHeight(screenRect.height());
    g.setWidth(std::max(g.width(), minimum.width()));
    g.setHeight(std::max(g.height(), minimum.height()));
    window->setGeometry(g);
    if (maximised)
        window->setWindowState(Qt::WindowMaximized);
}

void storeWindowGeometry(const QWidget* window, const QString& iniFile, const QString& prefix)
{
    const Qt::WindowStates ws = window->windowState();
    int state = 0;
    if (ws & Qt::WindowMinimized)
        state = 1;
    else if (ws & Qt::WindowMaximized)
        state = 2;
    profileWrite(iniFile, kWindowSize, keyName(prefix, "WindowState"), QString::number(state));

    QRect n = window->normalGeometry();
    if (!n.isValid())
        n = window->geometry();
    const auto put = [&](const char* key, int pixels) {
        profileWrite(iniFile, kWindowSize, keyName(prefix, key), QString::number(pixels * kWindowTwipsPerPixel));
    };
    put("Width", n.width());
    put("Height", n.height());
    put("Top", n.top());
    put("Left", n.left());
}

}  // namespace platform
