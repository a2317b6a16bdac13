#include "fuzz_widgets.h"

#include "fuzz_support.h"

#include "core/masterlists.h"
#include "core/printstate.h"
#include "platform/ui/qtuiservice.h"
#include "print/modPreview.h"
#include "print/pageform.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QTimer>

#include <memory>

// Fontconfig keeps its configuration and font caches to the end of the
// process (Qt never finishes it): not a leak of the program.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

namespace fuzz {

namespace {

int gPreviews = 0;

}  // namespace

void startWidgets()
{
    if (qApp)
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", scratch().toUtf8());
    // The application lives as long as the run; its own arguments, so that
    // it takes none of the fuzzer's options.
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    auto* app = new QApplication(argc, argv);
    app->setApplicationName(QStringLiteral("Tallicor"));
    platform::installFontSubstitutions();
    platform::setUi(std::make_unique<RecordingUi>());
    gsSetMemberAgeClock([] { return QDate(2026, 5, 10); });
    scratch();
}

RecordingUi& freshUi()
{
    resetRecordingUi();
    return recordingUi();
}

void replacePreview(PreviewMode mode)
{
    if (mode == PreviewMode::Count) {
        print::setPreviewWindow([](QWidget*) { ++gPreviews; });
        return;
    }
    print::setPreviewWindow([](QWidget*) {
        ++gPreviews;
        require(gintPageCount >= 1, "a preview has a page");
        const int count = gintPageCount;
        for (int page = 1; page <= count; ++page) {
            gintPageNo = static_cast<Integer>(page);
            const std::unique_ptr<print::PageForm> form = print::loadPageForm(gfrmPrintForm);
            require(form != nullptr, "every page of a preview loads");
        }
    });
}

int previewsOpened()
{
    return gPreviews;
}

void answerModal(const std::function<void()>& action, const std::function<void(QDialog*)>& answer)
{
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        watch.stop();
        answer(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    watch.start();
    action();
    watch.stop();
}

}  // namespace fuzz
