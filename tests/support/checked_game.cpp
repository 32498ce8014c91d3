#include "tests/support/checked_game.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "game/delays.h"
#include "scoring/line_value.h"

namespace quintix::testing {

namespace {

constexpr std::array<int, 5> KnownDelays{NextStepDelay, DieFallDelay, ComputerRerollDelay, AfterRollDelay,
                                         BetweenTurnsDelay};

std::int32_t At(const TGameScore& sheet, int line) {
    return sheet.Lines[static_cast<std::size_t>(line)];
}

}  // namespace

TCheckedGame::TCheckedGame(IRandomSource& dice, std::string name)
    : Game(*this, *this, dice, Table), Following(Game.Subscribe(*this)), Name(std::move(name)) {
    Game.WindowShown();
}

void TCheckedGame::CloseSummary() {
    SummaryShown = false;
    Game.SummaryClosed();
}

void TCheckedGame::Adopt(const TGameState& state) {
    Game.LoadPosition(state);
    SummaryShown = state.SummaryOpen;
}

void TCheckedGame::ShowSummary(const std::string& /*caption*/) {
    Expect(!SummaryShown, "the summary was shown while it was open");
    SummaryShown = true;
}

void TCheckedGame::Start(int intervalMs, std::function<void()> step) {
    Expect(std::find(KnownDelays.begin(), KnownDelays.end(), intervalMs) != KnownDelays.end(), "a step of ",
           intervalMs, " ms");
    Clock.Start(intervalMs, [this, step = std::move(step)] {
        const char* activity = std::exchange(Activity, "a timer step");
        step();
        Check();
        Activity = activity;
    });
}

void TCheckedGame::Check() {
    ++Checks;
    if (!CheckPlayers()) {
        return;
    }
    const TGameState& s = State();
    const TControls& c = s.Controls;
    const bool running = s.Phase() == TPhase::RollForOrder || s.Phase() == TPhase::Playing;
    const bool person = running && !s.Players[s.CurrentPlayer].Computer;
    const bool pending = Clock.Pending();
    const int roll = s.RollCount;
    int landed = 0;
    int framed = 0;
    bool shown = true;
    for (const TDie& die : s.Dice) {
        landed += die.Value != NoValue ? 1 : 0;
        framed += die.SelectShown ? 1 : 0;
        shown =
            shown && (die.Value == NoValue || (die.Value >= 1 && die.Value <= NoOfFaces && die.ImageShown));
    }
    const std::pair<bool, const char*> rules[] = {
        {shown, "a die shows no face or no picture"},
        {roll >= 0 && roll <= MaxRolls && (s.Phase() != TPhase::RollForOrder || roll == 0),
         "the roll counter is off"},
        {c.ScoreEnabled == c.PossibleEnabled && (!c.ScoreEnabled || (person && roll >= 1)),
         "Score or Possibilities are on out of a person's turn"},
        {!c.RollEnabled || (person && roll < MaxRolls), "Roll Dice is on out of a person's turn"},
        // Once a roll of the turn has landed, Roll Dice rolls the marked dice and nothing else.
        {!s.TurnRolled() || c.RollEnabled == (landed == NoOfDice && s.SelectedCount > 0),
         "Roll Dice is on with no die marked, or off with one"},
        {landed < NoOfDice || framed == s.SelectedCount, "the frames shown are not the dice marked"},
        {!s.ShowPossible || roll >= 1, "the possible values show before the first roll"},
        {s.Phase() != TPhase::Playing || roll != 0 ||
             (landed + framed == 0 && !c.ScoreEnabled && !s.ShowPossible),
         "dice, Score or the possible values are left on between turns"},
        {SummaryShown == s.SummaryOpen, "the summary shows against the game"},
        {s.Stage != TTurnStage::AwaitingSummary || !pending, "a step pends while the summary holds the flow"},
        {s.Phase() != TPhase::NoSeries || !pending, "a step pends without a series"},
        {!running || s.Stage == TTurnStage::AwaitingSummary || pending ||
             (person && (c.RollEnabled || c.ScoreEnabled)),
         "the flow has stopped"},
    };
    for (const auto& [holds, what] : rules) {
        Expect(holds, what, " in game ", s.CurrentGame, ", turn ", s.Turn, ", position ", s.CurrentPlayer,
               ", roll ", roll);
    }
    CheckSheets();
    AlsoCheck();
}

// The numbers in range, and every ScoreIndex at one play position, which the player list shows in
// play order.
bool TCheckedGame::CheckPlayers() {
    const TGameState& s = State();
    const int n = s.NoOfPlayers;
    if (n < 0 || n > MaxPlayers || s.NoOfGames < 1 || s.NoOfGames > MaxGames || s.CurrentGame < 0 ||
        s.CurrentGame > s.NoOfGames + 1 || (n > 0 && (s.CurrentPlayer < 1 || s.CurrentPlayer > n))) {
        Expect(false, "out of range: ", n, " players, game ", s.CurrentGame, ", position ", s.CurrentPlayer);
        return false;
    }
    Position.fill(0);
    std::vector<std::string> names;
    for (int pos = 1; pos <= MaxPlayers; ++pos) {
        const TPlayer& player = s.Players[pos];
        const int index = player.ScoreIndex;
        if (pos > n) {
            Expect(index == pos && player.Name.empty() && !player.Computer, "unused position ", pos,
                   " is used");
        } else if (index < 1 || index > n || PositionOf(index) != 0) {
            Expect(false, "ScoreIndex ", index, " at position ", pos);
            return false;
        } else {
            Position[static_cast<std::size_t>(index)] = pos;
            names.push_back(player.Name);
        }
    }
    const int selected = s.Controls.PlayerListIndex;
    Expect(!SeriesSeen ||
               (s.Controls.PlayerListEntries == names && selected >= (n > 0 ? 0 : -1) && selected < n),
           "the player list does not show the players in play order");
    return true;
}

// Scored lines never change, and every sheet holds as many scores as the series has played.
void TCheckedGame::CheckSheets() {
    const TGameState& s = State();
    const std::array<std::int32_t, 3> progress{s.CurrentGame, s.Turn, s.CurrentPlayer};
    if (!SeriesSeen || (!FullCheckDue && progress == Progress && s.Scores == Previous)) {
        return;
    }
    Expect(s.Phase() != TPhase::Playing || (s.Turn >= 1 && s.Turn <= TurnsPerGame), "turn ", s.Turn);
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int g = 1; g <= MaxGames; ++g) {
            const TGameScore& now = s.Scores[p][g];
            const TGameScore& before = Previous[p][g];
            int scored = 0;
            for (int line = 0; line < NoOfLines; ++line) {
                Expect(At(before, line) == NoValue || At(now, line) == At(before, line),
                       "a scored line changed");
                scored += At(now, line) != NoValue ? 1 : 0;
            }
            Expect(now.Bonus >= before.Bonus && now.Bonus % QuintixBonusPoints == 0 &&
                       (now.Bonus == 0 || At(now, QuintixLine) == QuintixScore),
                   "a Quintix bonus of ", now.Bonus);
            const bool playing = p <= s.NoOfPlayers && g <= s.NoOfGames;
            const int expected = !playing || g > s.CurrentGame ? 0
                                 : g < s.CurrentGame           ? NoOfLines
                                                     : s.Turn - 1 + (PositionOf(p) < s.CurrentPlayer ? 1 : 0);
            Expect(scored == expected, "sheet ", p, "/", g, " has ", scored, " scores, not ", expected);
        }
    }
    Previous = s.Scores;
    Progress = progress;
    FullCheckDue = false;
}

void TCheckedGame::SeriesStarted() {
    SeriesSeen = FullCheckDue = true;
    CompletedThisTurn = false;
    for (const auto& sheets : State().Scores) {
        Expect(std::all_of(sheets.begin(), sheets.end(),
                           [](const TGameScore& g) { return g == TGameScore::Blank(); }),
               "the new series kept a score");
    }
    Previous = State().Scores;
}

// The best of the last game plays first, Quintix bonus included; in game 1 the best roll for order.
void TCheckedGame::GameStarted() {
    const TGameState& s = State();
    CompletedThisTurn = false;
    FullCheckDue = true;
    Expect(s.Turn == 1 && s.CurrentPlayer == 1, "game ", s.CurrentGame, " starts mid-turn");
    const auto key = [&](int pos) {
        const TPlayer& player = s.Players[pos];
        return s.CurrentGame <= 1 ? player.SortKey : Game.GrandTotal(player.ScoreIndex, s.CurrentGame - 1);
    };
    for (int pos = 1; pos < std::min(s.NoOfPlayers, MaxPlayers); ++pos) {
        Expect(key(pos) >= key(pos + 1), "game ", s.CurrentGame, " puts ", key(pos), " before ",
               key(pos + 1));
    }
}

void TCheckedGame::SeriesEnded() {
    const TGameState& s = State();
    for (int pos = 1; pos < std::min(s.NoOfPlayers, MaxPlayers); ++pos) {
        const std::int32_t mine = Game.SeriesGrandTotal(s.Players[pos].ScoreIndex);
        const std::int32_t next = Game.SeriesGrandTotal(s.Players[pos + 1].ScoreIndex);
        Expect(mine >= next, "the standings put ", mine, " before ", next);
    }
}

void TCheckedGame::RollCompleted() {
    Expect(State().SelectedCount == 0, "a completed roll leaves dice marked");
    CompletedThisTurn = State().Phase() == TPhase::Playing;
}

void TCheckedGame::ComputerRerolls(TDiceSet dice) {
    Expect(dice != 0 && dice <= AllDice && CompletedThisTurn, "the computer rerolls the set ", int{dice});
}

// A line is scored once, on the sheet of the player on turn in the current game, after a roll of
// the turn has landed.
void TCheckedGame::LineScored(int line, std::int32_t value, std::int32_t bonus) {
    const TGameState& s = State();
    const int p = s.Last.LastIndex;
    const int g = s.Last.LastGame;
    const bool onTurn = p == s.Players[s.CurrentPlayer].ScoreIndex && g == s.CurrentGame && g >= 1 &&
                        g <= MaxGames && line >= 0 && line < NoOfLines && CompletedThisTurn;
    Expect(onTurn, "line ", line, " was scored on sheet ", p, "/", g, " in game ", s.CurrentGame);
    if (onTurn) {
        const TGameScore& now = s.Scores[p][g];
        Expect(At(Previous[p][g], line) == NoValue && At(now, line) == value && now.Bonus == bonus, "line ",
               line, " was scored twice, or not as reported");
    }
    CompletedThisTurn = false;
}

// The score taken back leaves its line open on the sheet of the person on turn, whose roll stands
// and who chooses again; from here the sheets are checked against the position taken back to.
void TCheckedGame::ScoreUndone(int line) {
    const TGameState& s = State();
    const bool person = s.Phase() == TPhase::Playing && !s.Players[s.CurrentPlayer].Computer;
    const TGameScore* sheet =
        person ? &s.Scores[s.Players[s.CurrentPlayer].ScoreIndex][s.CurrentGame] : nullptr;
    Expect(sheet != nullptr && line >= 0 && line < NoOfLines && At(*sheet, line) == NoValue &&
               s.Stage == TTurnStage::AwaitingChoice && s.RollCount >= 1,
           "the score on line ", line, " was taken back to no person's roll");
    Previous = s.Scores;
    Progress = {s.CurrentGame, s.Turn, s.CurrentPlayer};
    CompletedThisTurn = true;
}

}  // namespace quintix::testing
