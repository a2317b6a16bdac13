// Test main: makes a QApplication on the offscreen platform when no display
// is there (so test discovery works anywhere), keeps the tests away from the
// machine's printers, installs the recording UI service and runs every test.
#include "support/modaldialog.h"
#include "support/recordingui.h"

#include <QApplication>
#include <QFile>
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
    // No test reaches the machine's printers, also when run without
    // scripts/test: the print system is a socket in a private folder that
    // nobody listens on (tests that print on a queue start a print system of
    // their own), and the environment names no default printer.
    qputenv("CUPS_SERVER", QFile::encodeName(runtime.filePath(QStringLiteral("no-print-system.sock"))));
    qunsetenv("LPDEST");
    qunsetenv("PRINTER");
    QApplication app(argc, argv);
    app.setApplicationName("Tallicor");
    platform::installFontSubstitutions();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EndDialogHandlers);
    platform::setUi(std::make_unique<RecordingUi>());
    return RUN_ALL_TESTS();
}
