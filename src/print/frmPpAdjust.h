// frmPpAdjust: the print position dialog. It shifts where a report lands on
// the paper, in whole millimetres across and down (-30 to 30 each).
//
// In:  gintAdjustYoko (across, + = right), gintAdjustTate (down, + = down).
// Out: 戻る (Enter, F12) writes both and sets gintAdjustResult = 0;
//      キャンセル, Esc and the close box change nothing (gintAdjustResult
//      stays -1, as the caller and the dialog's opening set it).
//
//   gintAdjustResult = -1; frmPpAdjust dlg; dlg.exec();
#pragma once

#include "core/records.h"

#include <QColor>
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QScrollBar;

// The answer of the dialog: -1 cancelled, 0 confirmed.
extern Integer gintAdjustResult;

class frmPpAdjust : public QDialog {
    Q_OBJECT

public:
    explicit frmPpAdjust(QWidget* owner = nullptr);

    void btnReturn_Click();
    void btnCancel_Click();

    // The offsets being edited (millimetres).
    Integer workYoko() const { return mYoko; }
    Integer workTate() const { return mTate; }

    // Label1(0) "横位置", Label1(1) "縦位置", Label1(2) and Label1(3) the
    // units of the two rows.
    std::array<QLabel*, 4> Label1{};
    QLabel* lblYoko = nullptr;
    QScrollBar* scrYoko = nullptr;
    QLabel* lblTate = nullptr;
    QScrollBar* scrTate = nullptr;
    QPushButton* btnReturn = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void psShowAdjustValue();
    void psSetBoxColor(QLabel* box, const QColor& color);

    Integer mYoko = 0;
    Integer mTate = 0;
    QColor mYokoBackColor;
    QColor mTateBackColor;
};
