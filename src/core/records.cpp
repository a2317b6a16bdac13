#include "core/records.h"

std::vector<GameInfo> gGameList;
std::vector<Long> gSelectedGames;
std::vector<MemberInfo> gMemberList;
std::vector<BelongInfo> gBelongList;
std::vector<NewEntry> gNewEntries;
std::vector<ScoreLine> gScoreLines;
std::vector<StoredScore> gScoreData;
std::vector<PersonRank> gRanking;
std::vector<RoundRank> gRoundRanking;
std::vector<TeamRank> gTeamRanking;
std::vector<SeasonScore> gSeasonScores;
std::vector<SeasonScore> gSeasonTotalRanking;
std::vector<SeasonScore> gSeasonGameRanking;
std::vector<SeasonScore> gSeasonEntryList;
std::vector<SeasonScore> gSeasonTeamList;
std::vector<SeasonRoundLine> gSeasonRoundLines;
std::vector<PointRank> gPointRanking;
std::vector<RGMember> gRGMembers;
std::vector<IniExSection> gIniExSections;
std::vector<IniExKey> gIniExKeys;

GameInfo gGame;
GameInfo gSeasonGameInfo;
GameInfo gPersonalGameInfo;
MemberInfo gEditMember;

QString gstrAppFolder;
QString gstrDocFolder;
QString gstrReExecuteFile;
QString gstrIniFile;
QString gstrDataFolder;
QString gstrTempFolder;
QString gstrGamesFolder;
QString gstrMemberFile;
QString gstrSeriesFile;
QString gstrGroupFile;
QString gstrCourceFile;
QString gstrManagerFile;
QString gstrLocationFile;
QString gstrTeamFile;
QString gstrRoundGroupFile;

Integer gintDialogResult = 0;
Long glngDialogParam = 0;
QString gstrDialogText1;
QString gstrDialogText2;
QString gstrDialogCaption;

bool gbolGameUnsaved = false;
Long glngExtractBelong = 0;

void gsClearCalcResults()
{
    // Emptying frees the elements (swap with an empty vector).
    std::vector<ScoreLine>().swap(gScoreLines);
    std::vector<PersonRank>().swap(gRanking);
    std::vector<RoundRank>().swap(gRoundRanking);
    std::vector<TeamRank>().swap(gTeamRanking);
    std::vector<SeasonScore>().swap(gSeasonScores);
    std::vector<SeasonScore>().swap(gSeasonTotalRanking);
    std::vector<SeasonScore>().swap(gSeasonGameRanking);
    std::vector<SeasonScore>().swap(gSeasonEntryList);
    std::vector<SeasonScore>().swap(gSeasonTeamList);
    std::vector<SeasonRoundLine>().swap(gSeasonRoundLines);
}

GameInfo gfNewGameDefaults()
{
    GameInfo g;
    g.TeamHowtoRank = 0;
    g.CategoryGender = 0;
    g.CategoryAgeLow = -1;
    g.CategoryAgeHigh = -1;
    g.JudgeDaSu = 5;
    g.JudgeBirthday = 1;
    g.HandiCapKind = 0;
    g.PointGame = 1;
    g.MaxScoreNo = 0;
    g.GameFileName.clear();
    return g;
}
