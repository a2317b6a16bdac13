#include "print/modPrint.h"

#include "core/printstate.h"
#include "print/modPreview.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QWidget>

#include <exception>

Integer gfPrintReport(const print::PageFormFactory& form, const QString& launcherName, Long offsetDownMm,
                      Long offsetAcrossMm, Integer mode, QWidget* owner)
{
    auto fail = [&](const QString& description) -> Integer {
        platform::resetMousePointer();
        platform::MsgBox(launcherName + QStringLiteral("(): ") + description, platform::vbOKOnly,
                         QStringLiteral("エラー"), owner);
        return -1;
    };
    try {
        platform::setHourglass();
        gintPageNo = -1;
        gintPageCount = -1;
        Integer pages = 0;
        {
            const std::unique_ptr<print::PageForm> counted = print::loadPageForm(form);
            pages = vb::CInt(counted->gintMaxPageNo);
        }
        platform::resetMousePointer();
        if (mode == 0)
            gsPrintPreview(form, owner, pages, offsetDownMm, offsetAcrossMm);
        if (mode == 1)
            gsPrintDirect(form, owner, pages, offsetDownMm, offsetAcrossMm);
        platform::resetMousePointer();
        return 0;
    } catch (const std::exception& e) {
        return fail(vb::errorDescription(e));
    } catch (...) {
        return fail(QStringLiteral("内部エラーです。"));
    }
}
