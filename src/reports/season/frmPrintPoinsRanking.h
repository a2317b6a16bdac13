// frmPrintPoinsRanking "シリーズポイント集計": tallies and previews the point
// ranking of one point series, and remembers the titles and the extra
// column of its last print in the series' section of "series.dat"
// (P_Title1, P_Title2, P_BelongOrLocation, written together in one replace).
//
// In:  glngDialogParam = the series ID (the main window's series filter).
// When it opens it sets the print state the point ranking page reads beside
// the titles: gstrSeasonFirstDate / gstrSeasonLastDate (the first and last
// date of the series' point games), gstrPrintDate (the period line) and
// gstrPrintPointsNote. A series that is not a live point series leaves the
// print button disabled. The dialog stays open after a print; "閉じる"
// closes it.
#pragma once

#include "core/records.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmPrintPoinsRanking : public QDialog {
    Q_OBJECT

public:
    explicit frmPrintPoinsRanking(QWidget* owner = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* txtTittle1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtTittle2 = nullptr;
    QLabel* lblPeriod = nullptr;
    QLabel* lblGamePoints = nullptr;
    QGroupBox* fraBelongOrLocation = nullptr;
    std::array<QRadioButton*, 3> optBelongOrLocation{};
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The series the dialog was opened for.
    Long mSeriesID = 0;

    // Tallies the ranking and previews it; after a preview the titles and
    // the column choice are written to the series' section.
    void btnOK_Click();
    void btnCancel_Click();

private:
    void Form_Load();
    // The index of the chosen extra column option, 0 when none is chosen.
    Integer pfBelongOrLocation() const;
};

// The period line of a series' point games: the first and the last date
// ("ggge年m月d日(aaa)", a text that is no date as it is) joined by "～",
// then "：ゲーム数（n）".
QString gfPointPeriodText(const QString& firstDate, const QString& lastDate, Long games);
// The note of points per place: "（ポイント：1位：p、...10位：p、11位以降：p）".
QString gfPointsNoteText(const SeriesInfo& series);
// A stored P_BelongOrLocation as an option index: its number when it is 0,
// 1 or 2, else 0 (also for an empty or non-numeric text).
Integer gfStoredBelongOrLocation(const QString& stored);
