// Answering a modal dialog that the code under test opens with exec(): a
// timer finds it once its event loop runs and hands it to the test when the
// dialog is ready for the user.
#pragma once

#include "support/uiwait.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testsupport {

namespace detail {
// Keeps a dialog handler until it has run or the test ends.
void keepDialogHandler(QTimer* handler);
// True the first time for a dialog: one dialog goes to one handler.
bool takeDialog(QDialog* dlg);
}  // namespace detail

// Calls `fn` with the next modal dialog of type T that the code under test
// opens with exec(), once the dialog is the active window (as a user meets
// it). When `fn` returns, the dialog must close: one still open after
// kWaitMs (a wrong test) is a failure and is rejected, so that the test
// ends instead of hanging. `opened` counts the dialogs handled.
//
// Call it before the action that opens the dialog; the dialog is looked for
// only while the event loop runs, that is inside the dialog's exec(). A
// handler whose dialog has not opened by the end of the test fails the test
// (see endDialogHandlers).
template <class T>
void onNextDialog(std::function<void(T*)> fn, int* opened = nullptr)
{
    auto* timer = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(kWaitMs);
    QObject::connect(timer, &QTimer::timeout, [timer, deadline, fn, opened] {
        T* dlg = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dlg || !dlg->isActiveWindow()) {
            if (deadline->hasExpired()) {
                ADD_FAILURE() << (dlg ? "the dialog never became the active window" : "no dialog opened");
                timer->stop();
                timer->deleteLater();
                if (dlg)
                    dlg->done(QDialog::Rejected);
            }
            return;
        }
        if (!detail::takeDialog(dlg))
            return;   // another handler has it
        timer->stop();
        timer->deleteLater();
        if (opened)
            ++*opened;
        QPointer<T> guard(dlg);
        fn(dlg);
        // A button pressed with Enter clicks a moment later: wait for the
        // dialog to close rather than expect it closed at once.
        if (!waitUntil([&] { return !guard || !guard->isVisible(); })) {
            ADD_FAILURE() << "dialog left open";
            guard->done(QDialog::Rejected);
        }
    });
    detail::keepDialogHandler(timer);
    timer->start(10);
}

// Ends the handlers of onNextDialog whose dialog never opened and returns
// how many there were; a test's tear-down expects 0.
int endDialogHandlers();

}  // namespace testsupport
