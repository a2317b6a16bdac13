// Shared records, module-level tables and variables of the running program.
//
// Every window reads and writes this state directly. Tables are std::vector;
// the classic "upper bound" of a table is available as a function of the
// same name returning size() - 1 (so -1 for an empty table).
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

using Long = std::int32_t;     // 32-bit signed whole number
using Integer = std::int16_t;  // 16-bit signed whole number

// ---------------------------------------------------------------- records

struct GameInfo {
    QString Date;
    QString Tittle;
    Long MaxScoreNo = 0;
    Long SeriesID = 0;
    Long CourceID = 0;
    Integer Hole = 0;
    Integer Round = 0;
    Integer TeamHowtoRank = 0;
    Integer CategoryGender = 0;
    Integer CategoryAgeLow = 0;
    Integer CategoryAgeHigh = 0;
    Integer JudgeDaSu = 0;
    Integer JudgeBirthday = 0;
    Integer HandiCapKind = 0;
    Integer PointGame = 0;
    Long RealEntries = 0;
    Integer RGUmu = 0;
    Integer RGWhichBy = 0;
    Integer RGCT = 0;
    std::array<Integer, 5> RGPriority{};
    QString GameFileName;
};

struct StoredScore {
    Long IDNo = 0;
    QString Holes;
    QString TeamID;
    Long Handicap = 0;
    Long RoundGNo = 0;
    Long SeedNo = 0;
};

struct ScoreLine {
    Long IDNo = 0;
    Integer RoundNo = 0;
    std::array<QString, 16> Holes;
    QString TeamID;
    Long Handicap = 0;
    Long RoundGNo = 0;
    Long SeedNo = 0;
};

struct MemberInfo {
    Long IDNo = 0;
    QString Name;
    QString Birthday;
    Integer State = 0;
    Integer Gender = 0;
    Integer Marked = 0;   // work field, never stored
    Long BelongID = 0;
    QString TeamID;       // work field, never stored
    QString Sort;
    QString Location;
};

struct BelongInfo {
    Long BelongID = 0;
    QString Name;
    QString ShortName;
    Integer State = 0;
    Integer Marked = 0;   // work field, never stored
};

struct NewEntry {
    Long IDNo = 0;
    QString TeamID;
};

struct RGMember {
    Long IDNo = 0;
    QString Name;
    QString Birthday;
    Integer Gender = 0;
    Long BelongID = 0;
    QString SortKey;
    QString Location;
    QString TeamID;
    Long RoundGNo = 0;
    Long SeedNo = 0;
};

struct IniExSection {
    QString Name;
    Long FirstKey = 0;
    Long KeyCount = 0;
};

struct IniExKey {
    QString Key;
    QString Value;
};

// One player's row of the personal ranking of a game.
struct PersonRank {
    Long IDNo = 0;
    std::array<Integer, 10> RoundGross{};
    Integer Rounds = 0;
    Long Gross = 0;
    Long Net = 0;
    std::array<Integer, 5> StrokeCount{};
    Long Rank = 0;
    QString TeamID;
    Long Handicap = 0;
};

// One player's row of the best-round ranking of a game.
struct RoundRank {
    Long IDNo = 0;
    Integer RoundNo = 0;
    std::array<QString, 16> Holes;
    Long Gross = 0;
    Long Net = 0;
    std::array<Integer, 5> StrokeCount{};
    Long Rank = 0;
    QString SortKey;
};

// One team's row of a game's or a season's team ranking.
struct TeamRank {
    QString TeamID;
    Long FirstRow = 0;
    Long Members = 0;
    Long Rounds = 0;
    Long Net = 0;
    Long Rank = 0;
};

// One season record: a collected row or a result row of a season tally.
struct SeasonScore {
    QString Date;
    Long GameNo = 0;
    Long IDNo = 0;
    QString TeamID;
    Long RoundNo = 0;
    Long Rounds = 0;
    Long HoleCount = 0;
    std::array<Long, 16> HoleSum{};
    std::array<Long, 10> RoundSum{};
    std::array<Long, 5> StrokeCount{};
    Long Total = 0;
    Long Net = 0;
    Long Handicap = 0;
    Long Rank = 0;
};

// One round of one player in one season game.
struct SeasonRoundLine {
    QString Date;
    Long IDNo = 0;
    Integer RoundNo = 0;
    std::array<QString, 16> Holes;
    QString TeamID;
    Long Handicap = 0;
    Long GameNo = 0;
};

// One series as read from the series file.
struct SeriesInfo {
    QString Name;
    Long SeriesID = 0;
    Integer State = 0;
    Integer PointSeries = 0;
    std::array<Integer, 11> Point{};
};

// One player's row of the series point ranking.
struct PointRank {
    Long IDNo = 0;
    Long Games = 0;
    Long Points = 0;   // tenths of a point
    Long Rank = 0;
};

// ---------------------------------------------------------------- tables

extern std::vector<GameInfo> gGameList;
extern std::vector<Long> gSelectedGames;
extern std::vector<MemberInfo> gMemberList;
extern std::vector<BelongInfo> gBelongList;
extern std::vector<NewEntry> gNewEntries;
extern std::vector<ScoreLine> gScoreLines;
extern std::vector<StoredScore> gScoreData;
extern std::vector<PersonRank> gRanking;
extern std::vector<RoundRank> gRoundRanking;
extern std::vector<TeamRank> gTeamRanking;
extern std::vector<SeasonScore> gSeasonScores;
extern std::vector<SeasonScore> gSeasonTotalRanking;
extern std::vector<SeasonScore> gSeasonGameRanking;
extern std::vector<SeasonScore> gSeasonEntryList;
extern std::vector<SeasonScore> gSeasonTeamList;
extern std::vector<SeasonRoundLine> gSeasonRoundLines;
extern std::vector<PointRank> gPointRanking;
extern std::vector<RGMember> gRGMembers;
extern std::vector<IniExSection> gIniExSections;
extern std::vector<IniExKey> gIniExKeys;

// Upper bound of a table: size - 1, -1 when empty.
template <typename T>
inline Long uboundOf(const std::vector<T>& v) { return static_cast<Long>(v.size()) - 1; }

inline Long glngGameListUBound() { return uboundOf(gGameList); }
inline Long glngSelectedGamesUBound() { return uboundOf(gSelectedGames); }
inline Long glngMemberListUBound() { return uboundOf(gMemberList); }
inline Long glngBelongListUBound() { return uboundOf(gBelongList); }
inline Long glngNewEntriesUBound() { return uboundOf(gNewEntries); }
inline Long glngScoreLinesUBound() { return uboundOf(gScoreLines); }
inline Long glngScoreDataUBound() { return uboundOf(gScoreData); }
inline Long glngRankingUBound() { return uboundOf(gRanking); }
inline Long glngRoundRankingUBound() { return uboundOf(gRoundRanking); }
inline Long glngTeamRankingUBound() { return uboundOf(gTeamRanking); }
inline Long glngSeasonScoresUBound() { return uboundOf(gSeasonScores); }
inline Long glngSeasonTotalRankingUBound() { return uboundOf(gSeasonTotalRanking); }
inline Long glngSeasonGameRankingUBound() { return uboundOf(gSeasonGameRanking); }
inline Long glngSeasonEntryListUBound() { return uboundOf(gSeasonEntryList); }
inline Long glngSeasonTeamListUBound() { return uboundOf(gSeasonTeamList); }
inline Long glngSeasonRoundLinesUBound() { return uboundOf(gSeasonRoundLines); }
inline Long glngPointRankingUBound() { return uboundOf(gPointRanking); }
inline Long glngRGMembersUBound() { return uboundOf(gRGMembers); }
inline Long glngIniExSectionsUBound() { return uboundOf(gIniExSections); }
inline Long glngIniExKeysUBound() { return uboundOf(gIniExKeys); }

// ---------------------------------------------------------------- singles

extern GameInfo gGame;
extern GameInfo gSeasonGameInfo;
extern GameInfo gPersonalGameInfo;
extern MemberInfo gEditMember;

// File paths, set once at start-up.
extern QString gstrAppFolder;
extern QString gstrDocFolder;
extern QString gstrReExecuteFile;
extern QString gstrIniFile;
extern QString gstrDataFolder;
extern QString gstrTempFolder;
extern QString gstrGamesFolder;
extern QString gstrMemberFile;
extern QString gstrSeriesFile;
extern QString gstrGroupFile;
extern QString gstrCourceFile;
extern QString gstrManagerFile;
extern QString gstrLocationFile;
extern QString gstrTeamFile;
extern QString gstrRoundGroupFile;

// Dialog variables: the channel between a modal dialog and its caller.
extern Integer gintDialogResult;
extern Long glngDialogParam;
extern QString gstrDialogText1;
extern QString gstrDialogText2;
extern QString gstrDialogCaption;

extern bool gbolGameUnsaved;
extern Long glngExtractBelong;

// Empties the result tables (and the score lines); leaves the stored score
// data, the point ranking, the game list, the master lists and gGame alone.
void gsClearCalcResults();

// A GameInfo with the defaults of a new game.
GameInfo gfNewGameDefaults();
