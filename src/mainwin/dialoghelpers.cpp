#include "mainwin/dialoghelpers.h"

#include "platform/ui/formhelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace dialoghelpers {

bool takeDialogKey(QDialog* dialog, QKeyEvent* event, bool swallowEscape)
{
    if (formhelpers::isEnterKey(event)) {
        if (auto* b = qobject_cast<QPushButton*>(QApplication::focusWidget()); b && b->window() == dialog)
            b->animateClick();
        event->accept();
        return true;
    }
    if (swallowEscape && event->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return false;
}

int fillGroupBox(QComboBox* box, Long lastBelong)
{
    box->clear();
    box->addItem(QStringLiteral("すべて"), -1);
    box->addItem(QStringLiteral("無し"), 0);
    int chosen = -1;
    for (const BelongInfo& g : gBelongList) {
        if (g.State == 2)
            continue;
        box->addItem(g.Name, static_cast<int>(g.BelongID));
        if (g.BelongID == lastBelong)
            chosen = box->count() - 1;
    }
    box->setCurrentIndex(-1);
    return chosen;
}

}  // namespace dialoghelpers
