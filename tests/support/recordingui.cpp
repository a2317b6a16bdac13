#include "support/recordingui.h"

int RecordingUi::msgBox(const QString& prompt, int style, const QString& title, QObject*)
{
    messages.push_back({prompt, style, title});
    if (onMessage)
        onMessage(messages.back());
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    return platform::firstButtonAnswer(style);
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
    r.onMessage = nullptr;
    r.clipboard.clear();
    r.openedUrls.clear();
    r.openedFolders.clear();
    r.openUrlResult = true;
    r.openFolderResult = true;
    r.openFailed = nullptr;
    r.beeps = 0;
    r.setMousePointer(platform::vbDefault);
}

QString recordedMessages()
{
    QStringList out;
    for (const RecordedMessage& m : recordingUi().messages)
        out << m.title + QLatin1Char('|') + m.prompt;
    return out.join(QLatin1Char('\n'));
}
