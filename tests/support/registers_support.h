// Fixture and helpers for the register and dialog tests: data files in a
// temporary folder, a driver for modal dialogs opened by the code under test,
// and file reading.
#pragma once

#include "core/records.h"
#include "platform/textfile.h"
#include "support/gamefixtures.h"
#include "support/modaldialog.h"
#include "support/recordingui.h"
#include "support/uiwait.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace regtest {

using testsupport::hasWindowFocus;
using testsupport::onNextDialog;
using testsupport::showActive;

// Clicks a check box or option button on its indicator.
inline void clickCheck(QWidget* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Sets a box's text as typing would leave it.
inline void setText(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    box->insert(text);
}

// The item values of a list box's rows from the top.
inline QList<int> ids(const QListWidget* list)
{
    QList<int> v;
    for (int i = 0; i < list->count(); ++i)
        v << list->item(i)->data(Qt::UserRole).toInt();
    return v;
}

// Shows a dialog owned by an active window and closes it before the window
// system's activation of the dialog has come in; then lets that activation
// come in late and puts the focus in `box`. A hidden dialog now holds the
// application's focus, as happens when a user (or a test) answers a dialog
// quickly on a busy machine.
inline void closeBeforeItsActivationArrives(QDialog* dlg, QWidget* box)
{
    dlg->show();
    dlg->hide();
    testsupport::deliverQueuedEvents();
    ASSERT_TRUE(dlg->isActiveWindow()) << "the late activation did not come in";
    box->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), box);
}

inline QString readFile(const QString& path)
{
    QString text;
    platform::readTextFile(path, text);
    return text;
}

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline void writeFile(const QString& path, const QString& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(platform::encodeCp932(text));
}

// Every data file and the settings file in a temporary folder; dialog
// variables and shared lists reset; recorded messages cleared.
class RegistersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        testsupport::pointDataPathsAt(dir.path());
        gintDialogResult = -1;
        glngDialogParam = 0;
        gstrDialogText1.clear();
        gstrDialogText2.clear();
        gstrDialogCaption.clear();
        gMemberList.clear();
        gBelongList.clear();
        gEditMember = MemberInfo{};
        resetRecordingUi();
    }
    void TearDown() override
    {
        EXPECT_EQ(testsupport::endDialogHandlers(), 0) << "a dialog the test waited for never opened";
        resetRecordingUi();
    }

    QString messages() const { return recordedMessages(); }

    QTemporaryDir dir;
};

}  // namespace regtest
