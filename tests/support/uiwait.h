// Widget tests that hold on a loaded machine: they wait for what the event
// loop brings (a window becoming active, a dialog closing, an animated
// click) until it has happened, never for a fixed time, and they read the
// focus from the window itself, which does not depend on the window being
// active.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

// The longest a test waits for the event loop to bring something before it
// fails. Generous on purpose: a busy machine can hold a process back for
// seconds, and a passing test never waits this long, since every wait ends
// as soon as its condition holds.
inline constexpr int kWaitMs = 60000;

// Runs the event loop until `condition` holds; false if it still does not
// after kWaitMs.
template <class Condition>
bool waitUntil(Condition condition)
{
    return QTest::qWaitFor(condition, kWaitMs);
}

// Delivers every event already queued (deferred calls, layout requests,
// the window system's answers to what the test did), so that a test can
// then check what did or did not follow from them. Nothing is waited for.
inline void deliverQueuedEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

// Shows a window and waits until it is the active window, so that focus
// events (a box left, a box entered) reach its widgets.
[[nodiscard]] bool showActive(QWidget& w);

// Success when `w` is the focus widget of its window: the widget that has
// the focus whenever the window is active. Names the widget that has it
// instead on failure.
::testing::AssertionResult hasWindowFocus(const QWidget* w);

}  // namespace testsupport
