// The monkey: random events on the real game object, and the game's invariants checked after each
// event and after every step of the game's timer.
#include "tools/game_monkey.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <sstream>
#include <utility>

#include "game/delays.h"
#include "game/game_events.h"
#include "game/game_view.h"
#include "game/quintix_game.h"
#include "game/random_source.h"
#include "game/step_timer.h"
#include "game/virtual_clock.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

std::uint32_t TSeededMonkeyInput::Pick(std::uint32_t bound) {
    State += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = State;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(((z >> 32) * bound) >> 32);
}

std::uint32_t TByteMonkeyInput::Pick(std::uint32_t bound) {
    const int bytes = bound <= 0x100U ? 1 : bound <= 0x10000U ? 2 : 4;
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        const std::uint32_t byte = Used < Size ? Data[Used++] : 0U;
        value = value << 8U | byte;
    }
    return bound == 0 ? 0 : value % bound;
}

namespace {

struct TLog {
    TMonkeyFigures Figures;
    std::function<void(const std::string&)> Handler;
};

std::int32_t At(const TGameScore& sheet, int line) {
    return sheet.Lines[static_cast<std::size_t>(line)];
}

// The sheet of the player on turn in the game being played, or null outside a game.
const TGameScore* SheetOnTurn(const TGameState& s) {
    if (s.NoOfPlayers < 1 || s.CurrentPlayer < 1 || s.CurrentPlayer > MaxPlayers || s.CurrentGame < 1 ||
        s.CurrentGame > s.NoOfGames) {
        return nullptr;
    }
    const int index = s.Players[s.CurrentPlayer].ScoreIndex;
    return index >= 1 && index <= MaxPlayers ? &s.Scores[index][s.CurrentGame] : nullptr;
}

bool IsFace(std::int32_t value) {
    return value >= 1 && value <= NoOfFaces;
}

bool IsBlankOrControl(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7F;
}

// Five dice as the rules look at them.
struct TFaces {
    std::array<int, NoOfFaces + 1> Count{};
    std::int32_t Sum = 0;
    int MaxCount = 0;
    int MaxFace = 1;

    explicit TFaces(const TDiceValues& dice) {
        for (const std::int32_t value : dice) {
            ++Count[static_cast<std::size_t>(value)];
            Sum += value;
        }
        for (int face = 1; face <= NoOfFaces; ++face) {
            if (Of(face) > MaxCount) {
                MaxCount = Of(face);
                MaxFace = face;
            }
        }
    }
    int Of(int face) const { return Count[static_cast<std::size_t>(face)]; }
    bool Has(std::initializer_list<int> faces) const {
        return std::all_of(faces.begin(), faces.end(), [this](int face) { return Of(face) > 0; });
    }
    bool HasCount(int count) const {
        return std::any_of(Count.begin() + 1, Count.end(), [count](int n) { return n == count; });
    }
};

// What these dice score on an open line of this sheet, written afresh from the rules' wording: a
// five of a kind scored once "Quintix" holds 50 stands for a full house or a straight when its
// upper line is taken (the joker), and earns the 100 points that QuintixBonusOf gives.
std::int32_t RuleValue(const TFaces& f, const TGameScore& before, int line) {
    const bool five = f.MaxCount == NoOfDice;
    const bool joker =
        five && At(before, QuintixLine) == QuintixScore && At(before, f.MaxFace - 1) != NoValue;
    switch (line) {
        case ThreeOfAKind:
            return f.MaxCount >= 3 ? f.Sum : 0;
        case FourOfAKind:
            return f.MaxCount >= 4 ? f.Sum : 0;
        case FullHouse:
            return (f.HasCount(3) && f.HasCount(2)) || joker ? FullHouseScore : 0;
        case SmallStraight:
            return f.Has({1, 2, 3, 4}) || f.Has({2, 3, 4, 5}) || f.Has({3, 4, 5, 6}) || joker
                       ? SmallStraightScore
                       : 0;
        case LargeStraight:
            return f.Has({1, 2, 3, 4, 5}) || f.Has({2, 3, 4, 5, 6}) || joker ? LargeStraightScore : 0;
        case QuintixLine:
            return five ? QuintixScore : 0;
        case ChanceLine:
            return f.Sum;
        default:
            return (line + 1) * f.Of(line + 1);
    }
}

std::int32_t QuintixBonusOf(const TFaces& f, const TGameScore& before) {
    return f.MaxCount == NoOfDice && At(before, QuintixLine) == QuintixScore ? QuintixBonusPoints : 0;
}

// Whether a value can stand on a line at all, whatever the dice were.
bool PossibleScore(int line, std::int32_t value) {
    switch (line) {
        case ThreeOfAKind:
        case FourOfAKind:
            return value == 0 || (value >= 5 && value <= 30);
        case FullHouse:
            return value == 0 || value == FullHouseScore;
        case SmallStraight:
            return value == 0 || value == SmallStraightScore;
        case LargeStraight:
            return value == 0 || value == LargeStraightScore;
        case QuintixLine:
            return value == 0 || value == QuintixScore;
        case ChanceLine:
            // 0 when a line is double-clicked while the series' first roll falls: the analysis then
            // holds no dice yet.
            return value == 0 || (value >= 5 && value <= 30);
        default:
            return value >= 0 && value % (line + 1) == 0 && value / (line + 1) <= NoOfDice;
    }
}

struct TSheetSums {
    std::int32_t Upper = 0;
    std::int32_t Lower = 0;
    std::int32_t UpperBonus() const { return Upper >= UpperBonusThreshold ? UpperBonusScore : 0; }
    std::int32_t Game() const { return Upper + UpperBonus() + Lower; }
};

TSheetSums SumsOf(const TGameScore& sheet) {
    TSheetSums sums;
    for (int line = 0; line < NoOfLines; ++line) {
        const std::int32_t value = At(sheet, line);
        if (value != NoValue) {
            (line <= Sixes ? sums.Upper : sums.Lower) += value;
        }
    }
    return sums;
}

constexpr std::array<int, 5> KnownDelays{NextStepDelay, DieFallDelay, ComputerRerollDelay, AfterRollDelay,
                                         BetweenTurnsDelay};

// One game on a virtual clock that checks itself: it is the game's view, timer and event sink at
// once, so it sees every step as it happens and checks the invariants after each timer step.
class TWatchedGame final : public IGameView, public IGameEvents, public IStepTimer {
public:
    TWatchedGame(IRandomSource& dice, TLog& log, std::string name)
        : Game(*this, *this, dice), Log(log), Name(std::move(name)) {
        Game.SetEvents(this);
        Game.WindowShown();
    }

    const TGameState& State() const { return Game.State(); }

    void Doing(const char* activity) { Activity = activity; }

    // Takes over a game's position as a fresh game object would, with its summary as shown.
    void Adopt(const TGameState& state) {
        Game.LoadPosition(state);
        SummaryShown = state.Summary != TSummaryState::Closed;
    }

    void PressRoll() {
        const TGameState& s = State();
        for (int i = 1; i <= NoOfDice; ++i) {
            Base[i] = s.Dice[i].Value != NoValue && !s.Dice[i].SelectShown ? s.Dice[i].Value : NoValue;
        }
        RollInFlight = true;
        Game.Roll();
    }

    void CloseSummary() {
        SummaryShown = false;
        Game.SummaryClosed();
    }

    template <typename... TParts>
    void Fail(const TParts&... parts) {
        std::ostringstream text;
        text << Name << " at " << Clock.Now() << " ms, " << Activity << ": ";
        (text << ... << parts);
        ++Log.Figures.Violations;
        if (Log.Handler) {
            Log.Handler(text.str());
        }
    }

    void Check() {
        ++Log.Figures.Checks;
        if (CheckPlayers()) {
            CheckDiceAndButtons();
            CheckFlow();
            CheckSheets();
        }
    }

    // IGameView
    void RedrawScores() override {}
    void ShowDice() override {}
    void ControlsChanged() override {}
    void SetSummaryPlayers(const TPlayers& /*players*/) override {}
    void RedrawSummary() override {}
    void ShowSummary(const std::string& /*caption*/) override {
        if (SummaryShown) {
            Fail("the summary was shown a second time while it was open");
        }
        SummaryShown = true;
    }

    // IStepTimer
    void Start(int intervalMs, std::function<void()> step) override {
        if (std::find(KnownDelays.begin(), KnownDelays.end(), intervalMs) == KnownDelays.end()) {
            Fail("the timer was armed with ", intervalMs, " ms, which is none of the game's delays");
        }
        Clock.Start(intervalMs, [this, step = std::move(step)] {
            const char* activity = std::exchange(Activity, "a timer step");
            step();
            Check();
            Activity = activity;
        });
    }
    void Stop() override { Clock.Stop(); }

    // IGameEvents
    void SeriesStarted() override;
    void GameStarted() override;
    void RollCompleted() override;
    void ComputerRerolls(TDiceSet dice) override;
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override;
    void SeriesEnded() override;

    TVirtualClock Clock;
    TQuintixGame Game;
    std::array<int, MaxPlayers + 1> Position{};  // by ScoreIndex, as of the last check

private:
    bool CheckPlayers();
    void CheckDiceAndButtons();
    void CheckFlow();
    void CheckSheets();
    void CheckTotals(int scoreIndex, int game, const TGameScore& sheet);
    bool OnTurnIsHuman() const {
        const TGameState& s = State();
        return s.NoOfPlayers > 0 && !s.Players[s.CurrentPlayer].Computer;
    }

    TLog& Log;
    std::string Name;
    const char* Activity = "start-up";
    bool SummaryShown = false;

    bool SeriesSeen = false;
    TScores Previous{};  // the sheets at the last check
    std::array<std::int32_t, 5> ProgressKey{};
    bool FullCheckDue = true;
    // The dice of a roll: Base holds the faces that must survive the roll in flight (NoValue for
    // a die that may fall), Completed the faces of the last completed roll.
    TDiceValues Base{};
    TDiceValues Completed{};
    bool HasCompleted = false;
    bool CompletedThisTurn = false;
    bool RollInFlight = false;
};

bool TWatchedGame::CheckPlayers() {
    const TGameState& s = State();
    const int n = s.NoOfPlayers;
    if (n < 0 || n > MaxPlayers || s.NoOfGames < 1 || s.NoOfGames > MaxGames || s.CurrentGame < 0 ||
        s.CurrentGame > s.NoOfGames + 1 || (n > 0 && (s.CurrentPlayer < 1 || s.CurrentPlayer > n))) {
        Fail("out of range: NoOfPlayers ", n, ", NoOfGames ", s.NoOfGames, ", CurrentGame ", s.CurrentGame,
             ", CurrentPlayer ", s.CurrentPlayer);
        return false;
    }
    Position.fill(0);
    bool valid = true;
    for (int pos = 1; pos <= MaxPlayers; ++pos) {
        const TPlayer& player = s.Players[pos];
        const int index = player.ScoreIndex;
        if (pos > n) {
            if (index != pos || !player.Name.empty() || player.Computer) {
                Fail("the unused position ", pos, " holds '", player.Name, "' with ScoreIndex ", index);
            }
        } else if (index < 1 || index > n || Position[static_cast<std::size_t>(index)] != 0) {
            Fail("positions 1..", n, " do not carry each ScoreIndex once: position ", pos, " has ", index);
            valid = false;
        } else {
            Position[static_cast<std::size_t>(index)] = pos;
        }
    }
    bool listMatches = s.Controls.PlayerListEntries.size() == static_cast<std::size_t>(n);
    for (int k = 0; listMatches && k < n; ++k) {
        listMatches = s.Controls.PlayerListEntries[static_cast<std::size_t>(k)] == s.Players[k + 1].Name;
    }
    if (SeriesSeen &&
        (!listMatches || s.Controls.PlayerListIndex < (n > 0 ? 0 : -1) || s.Controls.PlayerListIndex >= n)) {
        Fail("the player list (", s.Controls.PlayerListEntries.size(), " entries, entry ",
             s.Controls.PlayerListIndex, " selected) does not show the ", n, " players in play order");
    }
    return valid;
}

void TWatchedGame::CheckDiceAndButtons() {
    const TGameState& s = State();
    const bool human = OnTurnIsHuman();
    bool cleared = true;
    bool allFaces = true;
    for (int i = 1; i <= NoOfDice; ++i) {
        const TDie& die = s.Dice[i];
        if (die.Value != NoValue && (!IsFace(die.Value) || !die.ImageShown)) {
            Fail("die ", i, " has the value ", die.Value, die.ImageShown ? "" : " and no picture");
        }
        cleared = cleared && die.Value == NoValue && !die.SelectShown;
        allFaces = allFaces && die.Value != NoValue;
    }
    if (s.RollCount < 0 || s.RollCount > MaxRolls || (s.CurrentGame == 0 && s.RollCount != 0)) {
        Fail("the roll counter is ", s.RollCount, " in game ", s.CurrentGame);
    }
    if (s.Controls.ScoreEnabled != s.Controls.PossibleEnabled ||
        (s.Controls.ScoreEnabled && (!human || s.CurrentGame < 1 || s.RollCount < 1))) {
        Fail("Score is ", s.Controls.ScoreEnabled ? "enabled" : "disabled", " and Possibilities ",
             s.Controls.PossibleEnabled ? "enabled" : "disabled", " with roll ", s.RollCount, " in game ",
             s.CurrentGame, human ? " for a person" : " for no person");
    }
    // Roll Dice may stay enabled after a person scored with a die marked, into the next turn.
    if (s.Controls.RollEnabled &&
        (s.NoOfPlayers == 0 || s.RollCount >= MaxRolls || (s.CurrentGame == 0 && !human))) {
        Fail("Roll Dice is enabled with roll ", s.RollCount, " in game ", s.CurrentGame,
             human ? " for a person" : " for no person");
    }
    if (s.ShowPossible && s.RollCount < 1) {
        Fail("the possible values show before the first roll of the turn");
    }
    if (s.CurrentGame >= 1 && s.RollCount == 0 && (!cleared || s.Controls.ScoreEnabled || s.ShowPossible)) {
        Fail("between turns the dice are not cleared, or Score or the possible values are on");
    }
    if (s.CurrentGame >= 1 && s.RollCount >= 1 && CompletedThisTurn && !RollInFlight && allFaces) {
        for (int i = 1; i <= NoOfDice; ++i) {
            if (s.Dice[i].Value != Completed[i]) {
                Fail("die ", i, " changed from ", Completed[i], " to ", s.Dice[i].Value, " between rolls");
            }
        }
    }
}

void TWatchedGame::CheckFlow() {
    const TGameState& s = State();
    const bool pending = Clock.Pending();
    if (SummaryShown != (s.Summary != TSummaryState::Closed)) {
        Fail("the summary is ", SummaryShown ? "shown" : "closed", " but the game has it ",
             (s.Summary != TSummaryState::Closed) ? "open" : "closed");
    }
    if ((s.Summary == TSummaryState::HoldingFlow) && (!(s.Summary != TSummaryState::Closed) || pending)) {
        Fail("the summary holds the flow while ",
             (s.Summary != TSummaryState::Closed) ? "a timer step is pending" : "it is closed");
    }
    if (s.NoOfPlayers == 0 && (pending || s.Controls.RollEnabled)) {
        Fail("a series without players ", pending ? "has a timer step pending" : "enables Roll Dice");
    }
    const bool running = s.NoOfPlayers > 0 && s.CurrentGame <= s.NoOfGames;
    if (running && !(s.Summary == TSummaryState::HoldingFlow) && !pending &&
        !(OnTurnIsHuman() && (s.Controls.RollEnabled || s.Controls.ScoreEnabled))) {
        Fail("the flow has stopped: nothing is pending and no button moves it, in game ", s.CurrentGame,
             ", turn ", s.Turn, ", position ", s.CurrentPlayer);
    }
}

void TWatchedGame::CheckSheets() {
    const TGameState& s = State();
    if (!SeriesSeen) {
        return;
    }
    const std::array<std::int32_t, 5> key{s.CurrentGame, s.Turn, s.CurrentPlayer, s.NoOfPlayers, s.NoOfGames};
    const bool changed = std::memcmp(&s.Scores, &Previous, sizeof Previous) != 0;
    if (!changed && key == ProgressKey && !FullCheckDue) {
        return;
    }
    const bool newGame = FullCheckDue || key[0] != ProgressKey[0];
    if (s.NoOfPlayers > 0 && s.CurrentGame >= 1 && (s.Turn < 1 || s.Turn > TurnsPerGame)) {
        Fail("turn ", s.Turn, " in game ", s.CurrentGame);
    }
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int g = 1; g <= MaxGames; ++g) {
            const TGameScore& now = s.Scores[p][g];
            const TGameScore& before = Previous[p][g];
            int scored = 0;
            for (int line = 0; line < NoOfLines; ++line) {
                const std::int32_t value = At(now, line);
                if (At(before, line) != NoValue && value != At(before, line)) {
                    Fail("line ", line, " of sheet ", p, "/", g, " changed from ", At(before, line), " to ",
                         value);
                }
                if (value != NoValue) {
                    ++scored;
                    if (!PossibleScore(line, value)) {
                        Fail("line ", line, " of sheet ", p, "/", g, " holds ", value);
                    }
                }
            }
            if (now.Bonus < before.Bonus || now.Bonus % QuintixBonusPoints != 0 ||
                (now.Bonus > 0 && At(now, QuintixLine) != QuintixScore)) {
                Fail("the Quintix bonus of sheet ", p, "/", g, " went from ", before.Bonus, " to ", now.Bonus,
                     " with Quintix at ", At(now, QuintixLine));
            }
            int expected = 0;
            if (p <= s.NoOfPlayers && g <= s.NoOfGames) {
                if (g < s.CurrentGame) {
                    expected = NoOfLines;
                } else if (g == s.CurrentGame) {
                    expected = s.Turn - 1 + (Position[static_cast<std::size_t>(p)] < s.CurrentPlayer ? 1 : 0);
                }
            }
            if (scored != expected) {
                Fail("sheet ", p, "/", g, " has ", scored, " lines scored, expected ", expected, " in game ",
                     s.CurrentGame, ", turn ", s.Turn, ", position ", s.CurrentPlayer);
            }
            if (newGame || !(now == before)) {
                CheckTotals(p, g, now);
            }
        }
        if (newGame) {
            std::int32_t games = 0;
            std::int32_t bonuses = 0;
            for (int g = 1; g < std::min(s.CurrentGame, MaxGames + 1); ++g) {
                games += SumsOf(s.Scores[p][g]).Game();
                bonuses += s.Scores[p][g].Bonus;
            }
            if (Game.SeriesGameTotal(p) != games || Game.SeriesBonusTotal(p) != bonuses ||
                Game.SeriesGrandTotal(p) != games + bonuses) {
                Fail("the series totals of ScoreIndex ", p, " are ", Game.SeriesGameTotal(p), " + ",
                     Game.SeriesBonusTotal(p), " = ", Game.SeriesGrandTotal(p), ", the games give ", games,
                     " + ", bonuses);
            }
        }
    }
    Previous = s.Scores;
    ProgressKey = key;
    FullCheckDue = false;
}

// The totals as the grids show them: every total row of a game that has started, empty beyond.
void TWatchedGame::CheckTotals(int p, int g, const TGameScore& sheet) {
    const TSheetSums sums = SumsOf(sheet);
    const std::int32_t grand = sums.Game() + sheet.Bonus;
    if (Game.UpperSum(p, g) != sums.Upper || Game.UpperBonus(p, g) != sums.UpperBonus() ||
        Game.GrandTotal(p, g) != grand) {
        Fail("the totals of sheet ", p, "/", g, " are not the sums of its lines: grand total ",
             Game.GrandTotal(p, g), ", the lines give ", grand);
    }
    const TGameState& s = State();
    const bool shown = g <= s.CurrentGame && g <= s.NoOfGames;
    const struct {
        TGrid Grid;
        int Row;
        std::int32_t Value;
    } cells[] = {{TGrid::Upper, 7, sums.Upper},
                 {TGrid::Upper, 8, sums.UpperBonus()},
                 {TGrid::Upper, 9, sums.Upper + sums.UpperBonus()},
                 {TGrid::Lower, 7, sums.Lower},
                 {TGrid::Total, 0, sums.Game()},
                 {TGrid::Total, 1, sheet.Bonus},
                 {TGrid::Total, 2, grand}};
    for (const auto& cell : cells) {
        const std::string text = Game.Cell(cell.Grid, p, g, cell.Row).Text;
        if (text != (shown ? std::to_string(cell.Value) : "")) {
            Fail("the total in row ", cell.Row, " of sheet ", p, "/", g, " reads '", text,
                 "', the lines give ", cell.Value);
        }
    }
}

void TWatchedGame::SeriesStarted() {
    const TGameState& s = State();
    ++Log.Figures.SeriesStarted;
    SeriesSeen = true;
    HasCompleted = CompletedThisTurn = RollInFlight = false;
    Base.Items.fill(NoValue);
    for (int p = 1; p <= MaxPlayers; ++p) {
        for (int g = 1; g <= MaxGames; ++g) {
            if (!(s.Scores[p][g] == TGameScore::Blank())) {
                Fail("the new series kept a score on sheet ", p, "/", g);
            }
        }
    }
    Previous = s.Scores;
    FullCheckDue = true;
}

// The best of the last game plays first; in game 1 the highest roll for order.
void TWatchedGame::GameStarted() {
    const TGameState& s = State();
    ++Log.Figures.GamesStarted;
    CompletedThisTurn = false;
    FullCheckDue = true;
    if (s.Turn != 1 || s.CurrentPlayer != 1) {
        Fail("game ", s.CurrentGame, " starts at turn ", s.Turn, " with position ", s.CurrentPlayer);
    }
    auto key = [&](int pos) {
        const TPlayer& player = s.Players[pos];
        return s.CurrentGame <= 1 ? player.SortKey : Game.GrandTotal(player.ScoreIndex, s.CurrentGame - 1);
    };
    for (int pos = 1; pos < std::min(s.NoOfPlayers, MaxPlayers); ++pos) {
        if (key(pos) < key(pos + 1)) {
            Fail("game ", s.CurrentGame, " has position ", pos, " (", key(pos), ") before a better player (",
                 key(pos + 1), ")");
        }
    }
}

void TWatchedGame::SeriesEnded() {
    const TGameState& s = State();
    ++Log.Figures.SeriesEnded;
    for (int pos = 1; pos < std::min(s.NoOfPlayers, MaxPlayers); ++pos) {
        const std::int32_t mine = Game.SeriesGrandTotal(s.Players[pos].ScoreIndex);
        const std::int32_t next = Game.SeriesGrandTotal(s.Players[pos + 1].ScoreIndex);
        if (mine < next) {
            Fail("the series ends with position ", pos, " (", mine, ") ahead of a better player (", next,
                 ")");
        }
    }
}

void TWatchedGame::RollCompleted() {
    const TGameState& s = State();
    for (int i = 1; i <= NoOfDice; ++i) {
        const std::int32_t value = s.Dice[i].Value;
        if (!IsFace(value)) {
            Fail("the completed roll left die ", i, " at ", value);
            return;
        }
        if (Base[i] != NoValue && value != Base[i]) {
            Fail("die ", i, " was not rolled but changed from ", Base[i], " to ", value);
        }
        Completed[i] = value;
    }
    if (s.SelectedCount != 0) {
        Fail("a completed roll leaves ", s.SelectedCount, " dice selected");
    }
    HasCompleted = true;
    CompletedThisTurn = s.CurrentGame >= 1;
    RollInFlight = false;
    if (s.CurrentGame == 0) {
        Base.Items.fill(NoValue);
    }
}

void TWatchedGame::ComputerRerolls(TDiceSet dice) {
    const TGameState& s = State();
    if (dice == 0 || dice > 0b11111) {
        Fail("the computer rerolls the dice set ", int{dice});
    }
    for (int i = 1; i <= NoOfDice; ++i) {
        const bool rerolled = (dice >> (i - 1) & 1U) != 0;
        const std::int32_t value = s.Dice[i].Value;
        if (rerolled ? value != NoValue : (HasCompleted && value != Completed[i])) {
            Fail("the computer's reroll of set ", int{dice}, " leaves die ", i, " at ", value);
        }
        Base[i] = value;
    }
    RollInFlight = true;
}

void TWatchedGame::LineScored(int line, std::int32_t value, std::int32_t bonus) {
    const TGameState& s = State();
    ++Log.Figures.LinesScored;
    const int p = s.Last.LastIndex;
    const int g = s.Last.LastGame;
    if (line < 0 || line >= NoOfLines || p < 1 || p > MaxPlayers || g < 1 || g > MaxGames) {
        Fail("line ", line, " was scored on sheet ", p, "/", g);
        return;
    }
    if (p != s.Players[s.CurrentPlayer].ScoreIndex || g != s.CurrentGame || s.RollCount < 1) {
        Fail("line ", line, " was scored on sheet ", p, "/", g, " in game ", s.CurrentGame, " with roll ",
             s.RollCount, " for position ", s.CurrentPlayer);
    }
    const TGameScore& before = Previous[p][g];
    const TGameScore& now = s.Scores[p][g];
    if (At(before, line) != NoValue || At(now, line) != value || now.Bonus != bonus) {
        Fail("line ", line, " of sheet ", p, "/", g, " went from ", At(before, line), " to ", At(now, line),
             ", reported as ", value, " with bonus ", bonus);
    }
    // Without a completed roll in this turn the line is valued on the last roll before it, analysed
    // for another sheet; only the lines that depend on the dice alone can be checked then.
    if (HasCompleted && (CompletedThisTurn || line <= Sixes || line == ChanceLine)) {
        const TFaces faces(Completed);
        const std::int32_t rule = RuleValue(faces, before, line);
        if (value != rule) {
            Fail("line ", line, " scored ", value, " for the dice ", Completed[1], Completed[2], Completed[3],
                 Completed[4], Completed[5], "; the rules give ", rule);
        }
        if (CompletedThisTurn && now.Bonus != before.Bonus + QuintixBonusOf(faces, before)) {
            Fail("the Quintix bonus went from ", before.Bonus, " to ", now.Bonus, " for the dice ",
                 Completed[1], Completed[2], Completed[3], Completed[4], Completed[5]);
        }
    }
    CompletedThisTurn = false;
    RollInFlight = false;
    Base.Items.fill(NoValue);
}

// The dice of the monkey's game come from its input, so a fuzzer steers them as well.
class TInputDice : public IRandomSource {
public:
    explicit TInputDice(IMonkeyInput& input) : Input(input) {}
    int Next36() override { return static_cast<int>(Input.Pick(36)); }

private:
    IMonkeyInput& Input;
};

enum class TAction {
    Wait,
    WaitForStep,
    Roll,
    ClickDie,
    OpenScore,
    Possibilities,
    UpperDblClick,
    LowerDblClick,
    AimedDblClick,
    PickPlayer,
    OpenSummary,
    OpenNewGame,
    ChooseLine,
    CancelScore,
    CloseSummary,
    StartSeries,
    StartSameSeries,
    CancelNewGame,
};

struct TChoice {
    TAction Action;
    std::uint32_t Weight;
};

}  // namespace

struct TGameMonkey::TImpl {
    TImpl(IMonkeyInput& input, TMonkeyOptions options)
        : Input(input), Options(options), Dice(input), Main(Dice, Log, "game") {}

    void Step();
    void Apply(TAction action);
    void OpenNewGame();
    void Accept(const TNewGameContents& form);
    TNewGameContents RandomForm();
    std::string RandomName();
    void AimedDblClick();
    void ExpectScored(std::int64_t linesBefore, const char* how);
    void PlayComputerSeries(const TGameState& before, const TNewGameContents& form, std::uint32_t seed);
    int Pick(std::uint32_t bound) { return static_cast<int>(Input.Pick(bound)); }

    IMonkeyInput& Input;
    TMonkeyOptions Options;
    TLog Log;
    TInputDice Dice;
    TWatchedGame Main;
    bool NewGameOpen = false;
    TNewGameContents NewGameForm;
    bool ScoreOpen = false;
    std::vector<int> OfferedLines;
};

// The new game, score and summary dialogs are modal: while one is open only its answers and the
// clock can act, and the clock can act at any time.
void TGameMonkey::TImpl::Step() {
    ++Log.Figures.Events;
    const TGameState& s = Main.State();
    std::array<TChoice, 20> choices{};
    std::size_t count = 0;
    std::uint32_t total = 0;
    auto offer = [&](TAction action, std::uint32_t weight) {
        choices[count++] = {action, weight};
        total += weight;
    };
    offer(TAction::Wait, 300);
    offer(TAction::WaitForStep, 100);
    if (!NewGameOpen && !ScoreOpen && !(s.Summary != TSummaryState::Closed)) {
        if (s.Controls.RollEnabled) {
            offer(TAction::Roll, 150);
        }
        if (s.Controls.ScoreEnabled) {
            offer(TAction::OpenScore, 100);
        }
        if (s.Controls.PossibleEnabled) {
            offer(TAction::Possibilities, 30);
        }
        offer(TAction::ClickDie, 100);
        offer(TAction::UpperDblClick, 20);
        offer(TAction::LowerDblClick, 20);
        offer(TAction::AimedDblClick, 40);
        offer(TAction::PickPlayer, 20);
        offer(TAction::OpenSummary, 10);
        offer(TAction::OpenNewGame, 1);
    }
    if (ScoreOpen) {
        if (!OfferedLines.empty()) {
            offer(TAction::ChooseLine, 1000);
        }
        offer(TAction::CancelScore, 120);  // OK with nothing selected, or Cancel
    }
    if ((s.Summary != TSummaryState::Closed)) {
        offer(TAction::CloseSummary, 300);
    }
    if (NewGameOpen) {
        offer(TAction::StartSeries, 300);
        offer(TAction::StartSameSeries, 100);
        offer(TAction::CancelNewGame, 150);
    }
    std::uint32_t r = Input.Pick(total);
    std::size_t i = 0;
    while (r >= choices[i].Weight) {
        r -= choices[i].Weight;
        ++i;
    }
    Apply(choices[i].Action);
}

void TGameMonkey::TImpl::Apply(TAction action) {
    TQuintixGame& game = Main.Game;
    const TGameState& s = Main.State();
    switch (action) {
        case TAction::Wait:
            Main.Doing("waiting");
            Main.Clock.AdvanceBy(1 + Pick(3000));
            break;
        case TAction::WaitForStep:
            Main.Doing("waiting for the next step");
            Main.Clock.RunNext();
            break;
        case TAction::Roll:
            Main.Doing("Roll Dice");
            Main.PressRoll();
            break;
        case TAction::ClickDie:
            Main.Doing("a click on a die");
            game.ToggleDie(Pick(NoOfDice + 2));
            break;
        case TAction::OpenScore: {
            Main.Doing("Score");
            OfferedLines = game.OpenLines();
            const TGameScore* sheet = SheetOnTurn(s);
            const auto open =
                sheet != nullptr ? std::count(sheet->Lines.begin(), sheet->Lines.end(), NoValue) : 0;
            if (OfferedLines.size() != static_cast<std::size_t>(open)) {
                Main.Fail("the score dialog offers ", OfferedLines.size(), " lines of ", open, " open");
            }
            ScoreOpen = true;
            break;
        }
        case TAction::Possibilities:
            Main.Doing("Possibilities");
            game.TogglePossibleValues();
            break;
        case TAction::UpperDblClick:
            Main.Doing("a double-click on the upper grid");
            game.ScoreCell(TGrid::Upper, Pick(MaxGames + 3) - 1, Pick(12) - 1);
            break;
        case TAction::LowerDblClick:
            Main.Doing("a double-click on the lower grid");
            game.ScoreCell(TGrid::Lower, Pick(MaxGames + 3) - 1, Pick(10) - 1);
            break;
        case TAction::AimedDblClick:
            AimedDblClick();
            break;
        case TAction::PickPlayer:
            Main.Doing("a pick in the player list");
            game.ViewSheetOf(Pick(static_cast<std::uint32_t>(s.NoOfPlayers) + 2));
            break;
        case TAction::OpenSummary:
            Main.Doing("the Series button");
            game.OpenSummary();
            break;
        case TAction::OpenNewGame:
            OpenNewGame();
            break;
        case TAction::ChooseLine: {
            Main.Doing("a choice in the score dialog");
            ScoreOpen = false;
            const std::int64_t lines = Log.Figures.LinesScored;
            game.Score(OfferedLines[static_cast<std::size_t>(
                Pick(static_cast<std::uint32_t>(OfferedLines.size())))]);
            ExpectScored(lines, "the line chosen in the score dialog");
            break;
        }
        case TAction::CancelScore:
            Main.Doing("closing the score dialog");
            ScoreOpen = false;
            break;
        case TAction::CloseSummary:
            Main.Doing("closing the summary");
            Main.CloseSummary();
            break;
        case TAction::StartSeries:
            NewGameOpen = false;
            Accept(RandomForm());
            break;
        case TAction::StartSameSeries:
            NewGameOpen = false;
            Accept(NewGameForm);
            break;
        case TAction::CancelNewGame:
            Main.Doing("cancelling the new game dialog");
            NewGameOpen = false;
            break;
    }
    Main.Check();
}

void TGameMonkey::TImpl::ExpectScored(std::int64_t linesBefore, const char* how) {
    if (Log.Figures.LinesScored != linesBefore + 1) {
        Main.Fail(how, " was not scored");
    }
}

// A double-click where a line of the current game is: it must score when the sheet of a person on
// turn is shown, a roll of this turn has landed and the line is open.
void TGameMonkey::TImpl::AimedDblClick() {
    const TGameState& s = Main.State();
    const bool upper = Pick(2) == 0;
    const int row = upper ? 1 + Pick(6) : Pick(7);
    const int line = upper ? row - 1 : row + ThreeOfAKind;
    const TGameScore* sheet = SheetOnTurn(s);
    const bool person =
        s.CurrentPlayer >= 1 && s.CurrentPlayer <= MaxPlayers && !s.Players[s.CurrentPlayer].Computer;
    const bool scores = sheet != nullptr && person && s.Controls.PlayerListIndex + 1 == s.CurrentPlayer &&
                        s.RollCount >= 1 && s.TurnRolled && At(*sheet, line) == NoValue;
    const std::int64_t lines = Log.Figures.LinesScored;
    Main.Doing("a double-click on a line of the current game");
    if (upper) {
        Main.Game.ScoreCell(TGrid::Upper, s.CurrentGame, row);
    } else {
        Main.Game.ScoreCell(TGrid::Lower, s.CurrentGame, row);
    }
    if (scores) {
        ExpectScored(lines, "the double-clicked line");
    }
}

// The dialog lists the players in entry order, whatever the play order, with the last number of games.
void TGameMonkey::TImpl::OpenNewGame() {
    Main.Doing("New Game");
    const TGameState& s = Main.State();
    NewGameForm = Main.Game.OpenNewGame();
    NewGameOpen = true;
    for (int k = 1; k <= MaxPlayers; ++k) {
        const TNewGameRow& row = NewGameForm.Rows[k];
        const TPlayer* player =
            k <= s.NoOfPlayers ? &s.Players[Main.Position[static_cast<std::size_t>(k)]] : nullptr;
        if (player != nullptr ? row.Name != player->Name || row.Computer != player->Computer
                              : !row.Name.empty() || row.Computer) {
            Main.Fail("row ", k, " of the new game dialog shows '", row.Name, "', not player ", k,
                      " in entry order");
        }
    }
    if (NewGameForm.NoOfGames != s.NoOfGames) {
        Main.Fail("the new game dialog shows ", NewGameForm.NoOfGames, " games, not ", s.NoOfGames);
    }
}

void TGameMonkey::TImpl::Accept(const TNewGameContents& form) {
    Main.Doing("OK in the new game dialog");
    const TGameState before = Main.State();
    Main.Game.StartSeries(form);
    const TGameState& s = Main.State();
    const auto entered = std::count_if(form.Rows.begin(), form.Rows.end(), [](const TNewGameRow& row) {
        return !std::all_of(row.Name.begin(), row.Name.end(), IsBlankOrControl);
    });
    if (s.NoOfPlayers != entered) {
        Main.Fail(entered, " names were entered but the series has ", s.NoOfPlayers, " players");
    }
    bool computersOnly = s.NoOfPlayers > 0;
    for (int i = 1; i <= std::min(s.NoOfPlayers, MaxPlayers); ++i) {
        const std::string& name = s.Players[i].Name;
        if (name.empty() || IsBlankOrControl(name.front()) || IsBlankOrControl(name.back())) {
            Main.Fail("player ", i, " is named '", name, "', with blanks or control characters at an end");
        }
        computersOnly = computersOnly && s.Players[i].Computer;
    }
    const std::uint32_t seed = Input.Pick(std::numeric_limits<std::uint32_t>::max());
    if (computersOnly && Options.CheckComputerSeriesEnd) {
        PlayComputerSeries(before, form, seed);
    }
}

TNewGameContents TGameMonkey::TImpl::RandomForm() {
    TNewGameContents form;
    const int mix = Pick(4);  // 0: computers only, 1: people only, else mixed
    for (TNewGameRow& row : form.Rows) {
        row.Name = RandomName();
        row.Computer = mix == 0 || (mix >= 2 && Pick(2) == 0);
    }
    form.NoOfGames = 1 + Pick(MaxGames);
    return form;
}

// Names as people type them into a box of 20 characters: none, blanks, control characters,
// padding, repeats and any bytes at all.
std::string TGameMonkey::TImpl::RandomName() {
    static constexpr std::array<const char*, 6> names{"Ann", "Bob", "Cyd", "Ann", "Computer", "Dee Dee"};
    static constexpr std::array<char, 8> blanks{' ', '\t', '\n', '\r', '\x01', '\x1f', '\x7f', ' '};
    std::string name;
    switch (Pick(8)) {
        case 0:
        case 1:
            break;
        case 2:
            name.assign(static_cast<std::size_t>(1 + Pick(20)), ' ');
            break;
        case 3:
            for (int n = 1 + Pick(5); n > 0; --n) {
                name += blanks[static_cast<std::size_t>(Pick(8))];
            }
            break;
        case 4:
            name = std::string(1, blanks[static_cast<std::size_t>(Pick(8))]) +
                   names[static_cast<std::size_t>(Pick(6))] + blanks[static_cast<std::size_t>(Pick(8))];
            break;
        case 5:
            for (int n = 1 + Pick(20); n > 0; --n) {
                name += static_cast<char>(0x21 + Pick(0x7E - 0x21 + 1));
            }
            break;
        case 6:
            for (int n = 1 + Pick(20); n > 0; --n) {
                name += static_cast<char>(1 + Pick(255));
            }
            break;
        default:
            name = names[static_cast<std::size_t>(Pick(6))];
            break;
    }
    return name;
}

// With computer players only and nobody touching anything but the summary's OK, a series must end.
// A turn takes at most three rolls of seven timer steps (the roll, five dice, the decision).
void TGameMonkey::TImpl::PlayComputerSeries(const TGameState& before, const TNewGameContents& form,
                                            std::uint32_t seed) {
    TSeededRandom dice(seed);
    TWatchedGame fresh(dice, Log, "computer series, dice seed " + std::to_string(seed));
    fresh.Adopt(before);
    fresh.Doing("OK in the new game dialog");
    fresh.Game.StartSeries(form);
    fresh.Check();
    const TGameState& s = fresh.State();
    const std::int64_t limit = std::int64_t{s.NoOfPlayers} * s.NoOfGames * TurnsPerGame * MaxRolls * 7 +
                               s.NoOfPlayers * 8 + (s.NoOfGames + 1) * 2 + 16;
    std::int64_t steps = 0;
    for (; steps < limit; ++steps) {
        if ((s.Summary != TSummaryState::Closed)) {
            fresh.Doing("closing the summary");
            fresh.CloseSummary();
            fresh.Check();
        } else {
            fresh.Doing("waiting for the next step");
            if (!fresh.Clock.RunNext()) {
                break;
            }
        }
    }
    if (s.CurrentGame != s.NoOfGames + 1 || fresh.Clock.Pending() || (s.Summary != TSummaryState::Closed)) {
        fresh.Fail("the series did not end within ", steps, " steps: it stands at game ", s.CurrentGame,
                   " of ", s.NoOfGames, ", turn ", s.Turn, ", position ", s.CurrentPlayer);
    }
    ++Log.Figures.ComputerSeriesPlayed;
}

TGameMonkey::TGameMonkey(IMonkeyInput& input, TMonkeyOptions options)
    : Impl(std::make_unique<TImpl>(input, options)) {
    Impl->Main.Check();
}

TGameMonkey::~TGameMonkey() = default;

void TGameMonkey::OnViolation(std::function<void(const std::string&)> handler) {
    Impl->Log.Handler = std::move(handler);
}

void TGameMonkey::Step() {
    Impl->Step();
}

const TMonkeyFigures& TGameMonkey::Figures() const {
    return Impl->Log.Figures;
}

const TGameState& TGameMonkey::State() const {
    return Impl->Main.State();
}

}  // namespace quintix
