// The series file ("series.dat") and the series point ranking.
//
// Series file, INI form, every key read and written one at a time:
//   [Management]  MaxSeriesNo = highest series ID handed out (missing = 0)
//   [Series<n>]   Name, State (0 live / 2 deleted; missing = live),
//                 PointSeries (1 = ranked by points, missing = 0),
//                 Point1 .. Point10 (points for places 1 to 10),
//                 Point11 (points for 11th place and below),
//                 P_Title1, P_Title2 (title lines of the last point-ranking
//                 print), P_BelongOrLocation (0 none, 1 group, 2 region;
//                 any other value reads as 0).
// IDs are never reused; a deleted series keeps its section with State 2.
#pragma once

#include "core/records.h"

#include <QString>

// Reads series `id` from the series file into `info`. Returns true when the
// series is live (the reverse of the usual failure convention). An id of 0
// or below returns false and leaves `info` unchanged; a deleted series
// returns false with `info` holding the defaults (empty name, State 2, no
// points). A missing section reads as a live series with an empty name and
// zero points. Errors (a point value out of the 16-bit range) pass to the
// caller.
bool gfGetSeriesInfo(Long id, SeriesInfo& info);

// The trimmed Name of series `id` as the series file holds it, whatever its
// State; empty when the section or its Name is missing.
QString gfSeriesName(Long id);

// Points of a finishing place (from 1): places above 10 take Point(10).
Long gfGetPointOfRank(const SeriesInfo& info, Long place);

// True when the game counts for the point ranking of series `id`: a stored
// game (its trimmed file name is not empty and its file exists in the games
// folder) of that series with a point weight above 0.
bool gfIsSeriesPointGame(const GameInfo& game, Long id);

// Rebuilds gPointRanking for series `id` from the finishing places stored in
// every game of gGameList that belongs to the series and carries a point
// weight. Points are in tenths; players who share a place share the average
// of their list positions' points. Empty (no message) when the series is not
// a live point series; on any error a message box and an empty table.
void gsCalSeriesPointsRanking(Long id);
