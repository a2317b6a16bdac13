// The point ranking of the page dump tool:
//   points SERIESID
#pragma once

#include <QString>
#include <QStringList>

// Opens the point ranking dialog on the series as the main window's
// ポイント集計/印刷 does (with the titles and column stored for the series)
// and presses its print button. "" when the report ran, else what was wrong
// with the arguments.
QString runPointsReport(const QStringList& args);
