#include "support/uiwait.h"

#include <QWindow>

namespace testsupport {

namespace {

QString describe(const QWidget* w)
{
    if (!w)
        return QStringLiteral("no widget");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

}  // namespace

bool showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    return waitUntil([&] { return w.isActiveWindow() && w.windowHandle() && w.windowHandle()->isActive(); });
}

::testing::AssertionResult hasWindowFocus(const QWidget* w)
{
    if (!w)
        return ::testing::AssertionFailure() << "no widget";
    // The focus goes to the end of a chain of focus proxies, as with hasFocus().
    while (w->focusProxy())
        w = w->focusProxy();
    const QWidget* focus = w->window()->focusWidget();
    if (focus == w)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the focus of the window is on " << describe(focus).toStdString()
                                         << ", not on " << describe(w).toStdString();
}

}  // namespace testsupport
