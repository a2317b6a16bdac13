#include "support/recordingui.h"

int RecordingUi::msgBox(const QString& prompt, int style, const QString& title, QObject*)
{
    messages.push_back({prompt, style, title});
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    switch (style & 7) {
    case platform::vbOKOnly:
    case platform::vbOKCancel: return platform::vbOK;
    case platform::vbAbortRetryIgnore: return platform::vbAbort;
    case platform::vbYesNoCancel:
    case platform::vbYesNo: return platform::vbYes;
    case platform::vbRetryCancel: return platform::vbRetry;
    }
    return platform::vbOK;
}

RecordingUi& recordingUi()
{
    return static_cast<RecordingUi&>(platform::ui());
}

void resetRecordingUi()
{
    auto& r = recordingUi();
    r.messages.clear();
    r.answers.clear();
    r.clipboard.clear();
    r.openedUrls.clear();
    r.openedFolders.clear();
    r.openUrlResult = true;
    r.openFolderResult = true;
    r.openFailed = nullptr;
    r.beeps = 0;
    r.setMousePointer(platform::vbDefault);
}
