// The lost-focus hook of the entry dialogs: it runs when the user leaves a
// box for another control, never for a window that is left, closed or
// destroyed with the focus in the box.

#include "registers/frmRegiMember.h"
#include "registers/frmSeriesInfo.h"
#include "registers/modRegisters.h"
#include "support/registers_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include <memory>

namespace {

using regtest::closeBeforeItsActivationArrives;
using regtest::RegistersTest;

// A dialog with two boxes, a hook on the first one counting its runs.
struct HookedBoxes {
    std::unique_ptr<QDialog> dlg = std::make_unique<QDialog>();
    QLineEdit* hooked = new QLineEdit(dlg.get());
    QLineEdit* other = new QLineEdit(dlg.get());
    QList<QWidget*> nextOfEachRun;
    HookedBoxes()
    {
        auto* layout = new QVBoxLayout(dlg.get());
        layout->addWidget(hooked);
        layout->addWidget(other);
        // The list outlives the dialog: the handler may run at any time.
        registers::onLostFocus(hooked, [list = &nextOfEachRun](QWidget* next) { list->append(next); });
    }
};

TEST_F(RegistersTest, LostFocusHookRunsOnlyWhenTheUserLeavesTheBoxForAnotherControl)
{
    {
        HookedBoxes f;
        ASSERT_TRUE(testsupport::showActive(*f.dlg));
        f.hooked->setFocus();
        QTest::keyClick(f.hooked, Qt::Key_Tab);
        EXPECT_EQ(f.nextOfEachRun, QList<QWidget*>{f.other});
    }
    {
        // Another window becomes the active one; then the dialog is closed
        // with the focus in the box.
        HookedBoxes f;
        ASSERT_TRUE(testsupport::showActive(*f.dlg));
        f.hooked->setFocus();
        QWidget elsewhere;
        ASSERT_TRUE(testsupport::showActive(elsewhere));
        ASSERT_TRUE(testsupport::showActive(*f.dlg));
        f.dlg->close();
        EXPECT_TRUE(f.nextOfEachRun.isEmpty());
    }
    {
        // Destroyed while a box of the hidden dialog has the focus.
        HookedBoxes f;
        QWidget owner;
        ASSERT_TRUE(testsupport::showActive(owner));
        f.dlg->setParent(&owner, Qt::Dialog);
        closeBeforeItsActivationArrives(f.dlg.get(), f.hooked);
        QList<QWidget*>* runs = &f.nextOfEachRun;
        f.dlg.reset();
        EXPECT_TRUE(runs->isEmpty());
    }
}

// Every entry dialog whose boxes check or rewrite their text when left is
// destroyed after closing with the focus in such a box holding text that
// the box would refuse: nothing runs on the half-destroyed dialog (a date
// box would show its error message; under the sanitizers any handler would
// be reported). The game information dialog's date box is tried with that
// dialog's tests.
TEST_F(RegistersTest, DialogsDestroyedWithTheFocusInACheckedBoxRunNoHandler)
{
    gBelongList.clear();
    // Each dialog with the box to leave holding text the box would refuse.
    struct Case {
        const char* name;
        std::function<QDialog*(QWidget*)> open;
        std::function<QWidget*(QDialog*)> box;
    };
    const QString wrong = QStringLiteral("2010/2/30x");
    const Case cases[] = {
        {"series points", [](QWidget* o) { return new frmSeriesInfo(o); },
         [&](QDialog* d) {
             auto* s = static_cast<frmSeriesInfo*>(d);
             s->chkPoint->setChecked(true);
             s->txtPoint[3]->setText(wrong);
             return s->txtPoint[3];
         }},
        {"player birthday", [](QWidget* o) { return new frmRegiMember(o); },
         [&](QDialog* d) {
             auto* m = static_cast<frmRegiMember*>(d);
             m->txtBirthday->setText(wrong);
             return m->txtBirthday;
         }},
        {"player region", [](QWidget* o) { return new frmRegiMember(o); },
         [&](QDialog* d) {
             auto* m = static_cast<frmRegiMember*>(d);
             m->cobLocation->setEditText(wrong);
             return m->cobLocation;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetRecordingUi();
        QWidget owner;
        ASSERT_TRUE(testsupport::showActive(owner));
        QDialog* dlg = c.open(&owner);
        closeBeforeItsActivationArrives(dlg, c.box(dlg));
        delete dlg;
        EXPECT_EQ(messages(), QString());
    }
}

}  // namespace
