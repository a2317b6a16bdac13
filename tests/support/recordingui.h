// A UI service for tests: records every message box and answers questions
// from a queue (the first button when the queue is empty).
#pragma once

#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

struct RecordedMessage {
    QString prompt;
    int style = 0;
    QString title;
};

class RecordingUi : public platform::UiService {
public:
    int msgBox(const QString& prompt, int style, const QString& title, QObject* owner) override;
    void setMousePointer(int pointer) override { pointer_ = pointer; }
    int mousePointer() const override { return pointer_; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    // The opener's late failure is kept in openFailed; a test calls it to
    // stand for an opener that started and then ended with an error.
    bool openUrl(const QString& url, OpenFailed failed) override
    {
        openedUrls << url;
        openFailed = std::move(failed);
        return openUrlResult;
    }
    bool openFolder(const QString& path, OpenFailed failed) override
    {
        openedFolders << path;
        openFailed = std::move(failed);
        return openFolderResult;
    }
    void beep() override { ++beeps; }

    std::vector<RecordedMessage> messages;
    std::deque<int> answers;     // answers to the next questions, in order
    // Runs as each message is shown, before it is answered: a test changes
    // the world at the moment the user would see a question.
    std::function<void(const RecordedMessage&)> onMessage;
    QString clipboard;
    QStringList openedUrls;
    QStringList openedFolders;
    bool openUrlResult = true;
    bool openFolderResult = true;
    OpenFailed openFailed;
    int beeps = 0;

private:
    int pointer_ = platform::vbDefault;
};

// The messages shown so far, one line each: "title|prompt".
QString recordedMessages();

// The installed recording service (installed by the test main). Clears what
// was recorded.
RecordingUi& recordingUi();
void resetRecordingUi();
