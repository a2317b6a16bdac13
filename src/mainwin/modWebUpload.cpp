#include "mainwin/modWebUpload.h"

#include "core/gamefile.h"
#include "core/helpers.h"
#include "core/ini.h"
#include "core/records.h"
#include "core/startup.h"
#include "grid/uctMyGrid.h"
#include "registers/modRegisters.h"
#include "platform/eradate.h"
#include "platform/textfile.h"
#include "platform/ui/qtuiservice.h"
#include "platform/uiservice.h"
#include "platform/vbruntime.h"

#include <QDir>
#include <QFileInfo>

namespace webupload {
namespace {

const QString kTitle = QStringLiteral("Tallicor Web ｱｯﾌﾟﾛｰﾄﾞﾌｧｲﾙを作成");

QString dialogChooser(QWidget* owner, const QString& proposedPath)
{
    return platform::askSaveFileName(owner, kTitle, proposedPath, kTitle + QStringLiteral(" (*.tcw)"),
                                     QStringLiteral("tcw"));
}

SaveFileChooser& chooser()
{
    static SaveFileChooser c = dialogChooser;
    return c;
}

}  // namespace

void setSaveFileChooser(SaveFileChooser c)
{
    chooser() = c ? std::move(c) : SaveFileChooser(dialogChooser);
}

}  // namespace webupload

namespace {

QString isoDate(const QString& text)
{
    return vb::FormatDate(vb::CDate(vb::Trim(text)), QStringLiteral("yyyy-mm-dd"));
}

const MemberInfo& memberOf(Long id)
{
    for (const MemberInfo& m : gMemberList)
        if (m.IDNo == id)
            return m;
    vb::raiseSubscriptOutOfRange();
}

}  // namespace

QStringList gfBuildUploadLines()
{
    const int hole = gGame.Hole;
    const int round = gGame.Round;
    if (round <= 0)
        vb::raiseDivisionByZero();
    if (hole < 0 || hole > 16)
        vb::raiseSubscriptOutOfRange();
    const Long players = static_cast<Long>(gScoreLines.size()) / round;

    QStringList lines;
    lines << QStringLiteral("[P]")
          << QStringLiteral("File=Game score from Tallicor")
          << QStringLiteral("Copyright=Corvanti - Tallicor")
          << QStringLiteral("Version=100")
          << QStringLiteral("Hole=") + vb::Format(hole, "0")
          << QStringLiteral("Round=") + vb::Format(round, "0")
          << QStringLiteral("GameDate=") + isoDate(gGame.Date)
          << QStringLiteral("Subtitle=") + vb::Trim(gGame.Tittle);

    Long n = 0;
    for (Long p = 0; p < players; ++p) {
        const size_t k = static_cast<size_t>(p) * static_cast<size_t>(round);
        QString strokes;
        QString team;
        double total = 0;
        for (int r = 0; r < round; ++r) {
            const ScoreLine& line = gScoreLines[k + static_cast<size_t>(r)];
            if (r == 0)
                team = line.TeamID;
            for (int h = 0; h < hole; ++h) {
                strokes += line.Holes[static_cast<size_t>(h)] + QLatin1Char('/');
                total += vb::Val(line.Holes[static_cast<size_t>(h)]);
            }
        }
        if (total == 0)
            continue;
        // Only a player who is written must be in the player list.
        const MemberInfo& m = memberOf(gScoreLines[k].IDNo);
        ++n;
        const QString birthday = vb::Trim(m.Birthday);
        lines << QStringLiteral("[R") + vb::Format(n, "0") + QStringLiteral("]")
              << QStringLiteral("name=") + vb::Trim(m.Name)
              << QStringLiteral("birthday=") + (birthday.isEmpty() ? QStringLiteral("0000-00-00") : isoDate(birthday))
              << QStringLiteral("gender=") + vb::Format(m.Gender, "0")
              << QStringLiteral("sortstr=") + vb::Trim(m.Sort)
              << QStringLiteral("team=") + vb::Trim(team)
              << QStringLiteral("score=") + strokes;
    }
    lines << QStringLiteral("[End]");
    return lines;
}

QString pfGetUploadFileName(QWidget* owner, const QString& defaultName)
{
    try {
        QString folder = gfReadIniFile(gstrIniFile, "ComDlg_InitDir", "Tallicor_Web_uploadfile");
        // With no stored folder, or one that is gone (a USB stick not
        // plugged in), the dialog starts in the documents folder rather than
        // wherever the program was started from.
        if (vb::Trim(folder).isEmpty() || !QFileInfo(folder).isDir())
            folder = gfDocumentsBaseFolder();
        const QString proposed = QDir(folder).filePath(defaultName);
        const QString path = webupload::chooser()(owner, proposed);
        if (path.isEmpty())
            return QString();
        gfWriteIniFile(gstrIniFile, "ComDlg_InitDir", "Tallicor_Web_uploadfile", gfGetParentFolder(path));
        return path;
    } catch (const std::exception&) {
        return QString();
    }
}

void gsUploadFileExport(QWidget* owner, bool seriesSelected, uctMyGrid* gameList)
{
    if (!seriesSelected || !gameList)
        return;
    const int selectedRow = registers::firstSelectedRow(gameList);
    if (selectedRow < 0) {
        registers::showError(QStringLiteral("ゲームを選択してください。"), owner);
        return;
    }
    const int i = gameList->gfGetRowItemData(selectedRow);
    if (i < 0 || i > glngGameListUBound())
        return;

    QStringList lines;
    QString gameDate;
    try {
        gGame = gGameList[static_cast<size_t>(i)];
        gsClearCalcResults();
        // A game whose entries could not all be read is not exported: the
        // file would lack those players.
        QString problem;
        if (!gfReadScoreDataChecked(&problem)) {
            platform::MsgBox(QStringLiteral("スコア・データの読み込みに失敗しました。") + QStringLiteral("\r\n") + problem,
                             platform::vbOKOnly, QStringLiteral("System error"), owner);
            return;
        }
        gsScoreDataToLines();
        if (gGame.Round <= 0 || gScoreLines.size() / static_cast<size_t>(gGame.Round) == 0)
            return;
        registers::Hourglass hourglass;
        lines = gfBuildUploadLines();
        gameDate = isoDate(gGame.Date);
    } catch (const std::exception&) {
        // Nothing is written and no dialog is shown.
        return;
    }

    const QString path = pfGetUploadFileName(owner, QStringLiteral("GameDate_") + gameDate);
    if (vb::Trim(path).isEmpty())
        return;
    if (!platform::writeTextLinesAtomic(path, lines)) {
        platform::MsgBox(QStringLiteral("Tallicor Web ｱｯﾌﾟﾛｰﾄﾞﾌｧｲﾙを作成に失敗しました。"), platform::vbOKOnly,
                         QStringLiteral("System error"), owner);
        return;
    }
    gsClearCalcResults();
    platform::resetMousePointer();
}
