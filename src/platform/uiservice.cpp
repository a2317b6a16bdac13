#include "platform/uiservice.h"

namespace platform {
namespace {

// Used until the application installs its own service: never blocks.
class SilentUi : public UiService {
public:
    int msgBox(const QString&, int style, const QString&, QObject*) override { return firstButtonAnswer(style); }
    void setMousePointer(int pointer) override { m_pointer = pointer; }
    int mousePointer() const override { return m_pointer; }
    void setClipboardText(const QString&) override {}
    bool openUrl(const QString&, OpenFailed) override { return false; }
    bool openFolder(const QString&, OpenFailed) override { return false; }
    void beep() override {}

private:
    int m_pointer = vbDefault;
};

std::unique_ptr<UiService>& current()
{
    static std::unique_ptr<UiService> service = std::make_unique<SilentUi>();
    return service;
}

}  // namespace

int firstButtonAnswer(int style)
{
    switch (style & 7) {
    case vbYesNo:
    case vbYesNoCancel: return vbYes;
    case vbAbortRetryIgnore: return vbAbort;
    case vbRetryCancel: return vbRetry;
    default: return vbOK;
    }
}

UiService& ui() { return *current(); }

std::unique_ptr<UiService> setUi(std::unique_ptr<UiService> service)
{
    std::unique_ptr<UiService> previous = std::move(current());
    current() = service ? std::move(service) : std::make_unique<SilentUi>();
    return previous;
}

int MsgBox(const QString& prompt, int style, const QString& title, QObject* owner)
{
    return ui().msgBox(prompt, style, title, owner);
}

void setHourglass() { ui().setMousePointer(vbHourglass); }
void resetMousePointer() { ui().setMousePointer(vbDefault); }

}  // namespace platform
