#include "support/modaldialog.h"

#include <vector>

namespace testsupport {

namespace {

const char* const kTakenProperty = "testsupportDialogTaken";

std::vector<QPointer<QTimer>>& handlers()
{
    static std::vector<QPointer<QTimer>> list;
    return list;
}

}  // namespace

namespace detail {

void keepDialogHandler(QTimer* handler)
{
    handlers().emplace_back(handler);
}

bool takeDialog(QDialog* dlg)
{
    if (dlg->property(kTakenProperty).toBool())
        return false;
    dlg->setProperty(kTakenProperty, true);
    return true;
}

}  // namespace detail

int endDialogHandlers()
{
    int waiting = 0;
    for (const QPointer<QTimer>& t : handlers()) {
        // A handler that ran has stopped its timer (and deletes it later).
        if (t && t->isActive()) {
            ++waiting;
            delete t.data();
        }
    }
    handlers().clear();
    return waiting;
}

}  // namespace testsupport
