// The seam between program logic and the user: message boxes, the mouse
// pointer, the clipboard and the browser. The application installs the Qt
// implementation; tests install one that records messages and answers
// questions from a queue, so no test ever blocks on a modal box.
//
// This header is Qt Core only, so the core can show its error messages.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace platform {

// Message box style flags and results, with the classic values.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

enum MousePointer : int {
    vbDefault = 0,
    vbHourglass = 11,
};

class UiService {
public:
    virtual ~UiService() = default;

    // Shows a modal message box. An empty title shows the application title.
    // owner may be a QWidget (or null for the active window).
    virtual int msgBox(const QString& prompt, int style, const QString& title,
                       QObject* owner) = 0;
    // One pointer value, not a stack: setting vbDefault restores the arrow
    // however often the hourglass was set.
    virtual void setMousePointer(int pointer) = 0;
    virtual int mousePointer() const = 0;
    virtual void setClipboardText(const QString& text) = 0;

    // What to do when an opener that did start turns out not to have opened
    // its target (it ended with an error, e.g. no browser or file manager is
    // installed). It runs later, from the event loop.
    using OpenFailed = std::function<void()>;
    // Opens a web address or a local file in the browser. False when no
    // opener could be started; when one started but fails, `failed` runs.
    virtual bool openUrl(const QString& url, OpenFailed failed) = 0;
    // Opens a folder in the file manager; failures as for openUrl.
    virtual bool openFolder(const QString& path, OpenFailed failed) = 0;
    // Sounds the bell.
    virtual void beep() = 0;
};

// The answer of a box closed with its first button (OK, Yes, Abort or
// Retry): what a service that asks nobody gives.
int firstButtonAnswer(int style);

// The installed service. A process that installed none gets a silent one
// that answers every question with its first button.
UiService& ui();
// Installs a service (takes ownership) and returns the previous one.
std::unique_ptr<UiService> setUi(std::unique_ptr<UiService> service);

// Shorthands.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString(),
           QObject* owner = nullptr);
void setHourglass();        // vbHourglass
void resetMousePointer();   // vbDefault

}  // namespace platform
