// Test main: makes a QApplication on the offscreen platform when no display
// is there (so test discovery works anywhere), installs the recording UI
// service and runs every test.
#include "support/modaldialog.h"
#include "support/recordingui.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// A dialog handler left waiting by one test must not answer a dialog of the
// next one (fixtures that use them also check that none was left).
class EndDialogHandlers : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override { testsupport::endDialogHandlers(); }
};

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    QApplication app(argc, argv);
    app.setApplicationName("Tallicor");
    platform::installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EndDialogHandlers);
    platform::setUi(std::make_unique<RecordingUi>());
    return RUN_ALL_TESTS();
}
