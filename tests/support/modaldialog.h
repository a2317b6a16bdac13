// Answering a modal dialog that the code under test opens with exec(): a
// timer finds it once its event loop runs and hands it to the test.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace testsupport {

// Calls `fn` with the next modal dialog of type T that the code under test
// opens with exec(). A dialog still open after `fn` (or, with leftOpenAfterMs,
// that long after it, for a dialog that closes through a deferred click) is
// rejected, so a wrong test fails instead of hanging. `opened` counts the
// dialogs handled.
template <class T>
void onNextDialog(std::function<void(T*)> fn, int* opened = nullptr, int leftOpenAfterMs = 0)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, fn, opened, leftOpenAfterMs] {
        T* dlg = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dlg) {
            if (++*tries > 300) {
                ADD_FAILURE() << "no dialog opened";
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (opened)
            ++*opened;
        QPointer<T> guard(dlg);
        fn(dlg);
        const auto closeIfOpen = [guard] {
            if (guard && guard->isVisible()) {
                ADD_FAILURE() << "dialog left open";
                QDialog* d = guard.data();
                d->reject();
                if (guard && d->isVisible())
                    d->done(QDialog::Rejected);
            }
        };
        if (leftOpenAfterMs > 0)
            QTimer::singleShot(leftOpenAfterMs, closeIfOpen);
        else
            closeIfOpen();
    });
    timer->start(10);
}

}  // namespace testsupport
