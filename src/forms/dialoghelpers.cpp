#include "forms/dialoghelpers.h"

#include "platform/ui/formhelpers.h"

#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

namespace dialoghelpers {

bool takeDialogKey(QDialog* dialog, QKeyEvent* event, bool swallowEscape)
{
    if (formhelpers::isEnterKey(event)) {
        if (auto* b = qobject_cast<QPushButton*>(dialog->focusWidget()))
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

int fillGroupBox(QComboBox* box, Long lastBelong, bool markedOnly)
{
    box->clear();
    box->addItem(QStringLiteral("すべて"), -1);
    box->addItem(QStringLiteral("無し"), 0);
    int chosen = -1;
    for (const BelongInfo& g : gBelongList) {
        if (g.State == 2 || (markedOnly && g.Marked != 1))
            continue;
        box->addItem(g.Name, static_cast<int>(g.BelongID));
        if (g.BelongID == lastBelong)
            chosen = box->count() - 1;
    }
    box->setCurrentIndex(-1);
    return chosen;
}

QString dateErrorText()
{
    return QStringLiteral("日付入力に誤りがあります。\n"
                          "西暦でyyyy/mm/dd, yy/mm/dd形式で入力してください。\n"
                          "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。");
}

QString dateHelpText(int indent)
{
    return QStringLiteral("日付は下記の形式で入力してください。但し入力域は常に西暦に変換表示されます。\n"
                          "西暦は yyyy/mm/dd, yy/mm/dd 形式で入力してください。例). 1940/1/20 or 40/1/20\n"
                          "和暦はM:明治、T:大正、S:昭和、H:平成を先頭に付けて下さい。小文字も可です。\n")
           + QString(indent, QChar(0x3000)) + QStringLiteral("例). s15/12/3  （昭和15年12月3日の場合）");
}

}  // namespace dialoghelpers
