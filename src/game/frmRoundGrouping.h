// frmRoundGrouping: the playing groups of the open game - who plays a round
// with whom, and in which order.
//
// Every entrant gets a group number (0 = none) and a seed number (0 = none):
// typed for the selected lines, cleared for all, or dealt by one of five
// methods (spread by priorities, after the present numbers, one group per
// team, by the display order, at random). The lines can be moved up and
// down; their order is the players' order in the game after OK.
//
// In:  gRGMembers (built by the game window from the players' round-1
//      lines, see gfRoundGroupEntrants), gGame's grouping fields.
// Out: OK puts the entrants back into gRGMembers in list order, sets the
//      grouping fields of gGame (RGUmu = 1), stores the settings and every
//      entrant's seed in "roundgroup.dat" and sets gintDialogResult = 0.
//      ｷｬﾝｾﾙ, Esc and the close box leave gintDialogResult = -1 and write
//      nothing (gRGMembers may hold the dialog's edits; the caller ignores
//      it).
//
// "roundgroup.dat": [LastValue] optWhichBy, txtGCT, chkRGPriority0..4 and
// [LastSeedNo] "M" + the player number in five digits. Read when the dialog
// opens for a game that has no grouping yet; written at OK only.
//
//   frmRoundGrouping dlg(gameWindow); dlg.exec();
#pragma once

#include "core/records.h"

#include <QDialog>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The random numbers the grouping methods draw: uniform, 0 <= r < 1.
class RGRandomSource {
public:
    virtual ~RGRandomSource() = default;
    virtual double next() = 0;
};

// The dialog's own source, seeded from the clock when it is made.
class RGClockRandom : public RGRandomSource {
public:
    RGClockRandom();
    double next() override;

private:
    std::mt19937_64 m_engine;
};

// The entrants of the dialog: one per score line of round 1 whose player is
// in gMemberList, in line order, with the player's record and the line's
// team, group and seed.
std::vector<RGMember> gfRoundGroupEntrants(const std::vector<ScoreLine>& lines);

// Orders the score lines by the entrants the dialog handed back and gives
// every line of an entrant the entrant's group and seed. A player's lines
// (from the round-1 line to the line before the next player's) move
// together; lines of players who were not entrants (no player record, or
// lines without a round 1) keep their order after the entrants' lines. The
// lines are the same lines, none dropped or doubled. False, with `lines`
// untouched, when the entrants are not exactly the entrants of these lines.
bool gfOrderLinesByGroups(std::vector<ScoreLine>& lines, const std::vector<RGMember>& entrants);

class frmRoundGrouping : public QDialog {
    Q_OBJECT

public:
    // The random source: the given one, else the factory's (tests), else a
    // clock-seeded one.
    explicit frmRoundGrouping(QWidget* owner = nullptr, std::unique_ptr<RGRandomSource> random = nullptr);
    ~frmRoundGrouping() override;

    // Makes the random source of dialogs opened without one (tests).
    // Empty (the default): clock-seeded.
    static std::function<std::unique_ptr<RGRandomSource>()>& randomSourceFactory();

    // The texts of the failure and guard messages.
    static QString failureMessage();

    // --- event handlers ----------------------------------------------------
    void btnOK_Click();
    void btnCancel_Click();
    void btnMakeRG1_Click();
    void btnMakeRG2_Click();
    void btnMakeRG3_Click();
    void btnMakeRG4_Click();
    void btnMakeRG5_Click();
    void btnUpDown_Click(int index);
    void btnClear_Click(int index);
    void lstMembers_Click();
    void optWhichBy_Click(int index);
    void txtGCT_Change();
    void txtGNo_Change();
    void txtSNo_Change();

    // --- procedures ------------------------------------------------------------
    void psCalcGroupSize();
    // Refills the list: mode 0 in table order, mode 1 sorted by the sort key
    // and the name.
    void psListMembers(int mode);
    QString pfMemberLine(Long index) const;
    // Puts the typed group number (kind 1) or seed number (kind 2) on the
    // selected entrants.
    void psSetGNoSNo(int kind);
    // Moves the selected lines up (0) or down (1) one place.
    void psMoveMember(int direction);

    // --- form state --------------------------------------------------------------
    Long mGroupCount = 0;   // G
    Long mMaxPersons = 0;   // M
    Integer mFillingBoxes = 0;

    // --- controls ------------------------------------------------------------------
    QLabel* Label1 = nullptr;
    QLabel* lblEntries = nullptr;
    QListWidget* lstMembers = nullptr;
    std::array<QPushButton*, 2> btnUpDown{};

    QGroupBox* fraWhichBy = nullptr;
    std::array<QRadioButton*, 2> optWhichBy{};
    QLabel* lblGCT1 = nullptr;
    QLineEdit* txtGCT = nullptr;
    QLabel* lblGCT2 = nullptr;
    QLabel* lblGCT3 = nullptr;
    QLabel* lblGCTMsg = nullptr;

    QGroupBox* fraPriority = nullptr;
    std::array<QCheckBox*, 5> chkRGPriority{};
    QPushButton* btnMakeRG1 = nullptr;

    QGroupBox* fraOther = nullptr;
    QPushButton* btnMakeRG2 = nullptr;
    QPushButton* btnMakeRG3 = nullptr;
    QPushButton* btnMakeRG4 = nullptr;
    QPushButton* btnMakeRG5 = nullptr;

    QGroupBox* fraGNoSNo = nullptr;
    QLabel* lblGNo = nullptr;
    QLineEdit* txtGNo = nullptr;
    QLabel* lblSNo = nullptr;
    QLineEdit* txtSNo = nullptr;

    QGroupBox* fraClear = nullptr;
    std::array<QPushButton*, 2> btnClear{};

    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    // The largest count the count box takes.
    static constexpr Long kMaxCount = 32767;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;   // Esc and the close box: ｷｬﾝｾﾙ

private:
    void psCreateControls();
    void Form_Load();
    // Reads the last settings and the stored seeds of "roundgroup.dat".
    void psReadLastValues();
    // Shows a stored count when it is a whole number the box takes.
    void psShowStoredCount(double value);

    // The common guard of the methods: false (after the message, if any)
    // when no grouping can be dealt.
    bool pfCanDeal();
    // Six random digits, "000000" to "999998".
    QString pfRandomTail();
    // Every entrant's sort key (group number and a random tail), then the
    // list refilled sorted.
    void psGiveSortKeysAndList();
    // The entrants (table positions) in ascending order of their grouping
    // keys: each entrant's part, in table order, followed by a random tail.
    std::vector<Long> pfOrderBy(const std::function<QString(const RGMember&)>& part);
    // The entrant (table index) of a list line, -1 for none.
    Long pfEntrantOf(int row) const;
    // The selected lines with their entrants, top down.
    std::vector<std::pair<int, Long>> pfSelectedEntrants() const;
    void psRewriteLine(int row);
    // Selection changes made by the code do not count as the user's.
    bool mListing = false;

    std::unique_ptr<RGRandomSource> mRandom;
};
