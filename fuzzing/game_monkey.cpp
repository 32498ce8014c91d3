// The monkey: random events on the real game object, with the game's invariants checked after each
// event and every step of the game's timer, and every score and total held against rules written
// afresh here.
#include "fuzzing/game_monkey.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

#include "base/text.h"
#include "game/play_until_idle.h"
#include "game/quintix_game.h"
#include "game/random_source.h"
#include "scoring/sheet_rows.h"
#include "tests/support/checked_game.h"

namespace quintix {

using testing::TCheckedGame;

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

std::int32_t At(const TGameScore& sheet, int line) {
    return sheet.Lines[static_cast<std::size_t>(line)];
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

// What these dice score on an open line of this sheet, from the rules' wording: a five of a kind
// scored once "Quintix" holds 50 stands for a full house or a straight when its upper line is taken
// (the joker), and earns 100 bonus points.
std::int32_t RuleValue(const TFaces& f, const TGameScore& before, int line) {
    const bool five = f.MaxCount == 5;
    const bool joker = five && At(before, 11) == 50 && At(before, f.MaxFace - 1) != NoValue;
    switch (line) {
        case ThreeOfAKind:
            return f.MaxCount >= 3 ? f.Sum : 0;
        case FourOfAKind:
            return f.MaxCount >= 4 ? f.Sum : 0;
        case FullHouse:
            return (f.HasCount(3) && f.HasCount(2)) || joker ? 25 : 0;
        case SmallStraight:
            return f.Has({1, 2, 3, 4}) || f.Has({2, 3, 4, 5}) || f.Has({3, 4, 5, 6}) || joker ? 30 : 0;
        case LargeStraight:
            return f.Has({1, 2, 3, 4, 5}) || f.Has({2, 3, 4, 5, 6}) || joker ? 40 : 0;
        case QuintixLine:
            return five ? 50 : 0;
        case ChanceLine:
            return f.Sum;
        default:
            return (line + 1) * f.Of(line + 1);
    }
}

std::int32_t QuintixBonusOf(const TFaces& f, const TGameScore& before) {
    return f.MaxCount == 5 && At(before, 11) == 50 ? 100 : 0;
}

// A sheet's totals from the rules: 35 once the upper lines add up to 63.
struct TSums {
    std::int32_t Upper = 0;
    std::int32_t Lower = 0;
    std::int32_t Bonus = 0;

    explicit TSums(const TGameScore& sheet) : Bonus(sheet.Bonus) {
        for (int line = 0; line < NoOfLines; ++line) {
            (line < 6 ? Upper : Lower) += std::max(At(sheet, line), 0);
        }
    }
    std::int32_t UpperBonus() const { return Upper >= 63 ? 35 : 0; }
    std::int32_t Game() const { return Upper + UpperBonus() + Lower; }
};

// The rules oracle: the dice a roll leaves, every score against the dice of the turn's last
// completed roll and the sheet as it stood then, every total and total row against the lines.
class TRulesOracle : public IGameEvents {
public:
    // Told each event after the checked game has checked it.
    TRulesOracle(TCheckedGame& game, TMonkeyFigures& figures)
        : Game(game), Figures(figures), Following(game.Game.Subscribe(*this)) {
        Game.AlsoCheck = [this] { CheckDiceKept(); };
        Base.Items.fill(NoValue);
    }

    // "&Roll Dice" as a person presses it: the dice not marked must keep their faces.
    void Press() {
        const TGameState& s = Game.State();
        if (s.Controls.RollEnabled) {
            for (int i = 1; i <= NoOfDice; ++i) {
                Base[i] = s.Dice[i].SelectShown ? NoValue : s.Dice[i].Value;
            }
            InFlight = true;
        }
        Game.Game.Roll();
    }

    void SeriesStarted() override {
        ++Figures.SeriesStarted;
        Rolled = InFlight = false;
        Base.Items.fill(NoValue);
        CheckAllTotals();
    }
    void GameStarted() override {
        ++Figures.GamesStarted;
        Rolled = false;
        CheckAllTotals();
    }
    void SeriesEnded() override {
        ++Figures.SeriesEnded;
        CheckAllTotals();
    }
    void RollCompleted() override {
        const TGameState& s = Game.State();
        for (int i = 1; i <= NoOfDice; ++i) {
            const std::int32_t value = s.Dice[i].Value;
            Game.Expect(value >= 1 && value <= 6 && (Base[i] == NoValue || value == Base[i]), "die ", i,
                        " landed on ", value, " for ", Base[i]);
            Dice[i] = value;
        }
        InFlight = false;
        Rolled = s.Phase() == TPhase::Playing;
        if (Rolled) {
            Sheet = s.Scores[s.Players[s.CurrentPlayer].ScoreIndex][s.CurrentGame];
        } else {
            Base.Items.fill(NoValue);
        }
    }
    // The computer takes the faces off the dice it rolls again and leaves the others.
    void ComputerRerolls(TDiceSet dice) override {
        for (int i = 1; i <= NoOfDice; ++i) {
            Base[i] = Game.State().Dice[i].Value;
            Game.Expect((dice & DieBit(i)) != 0 ? Base[i] == NoValue : Base[i] == Dice[i],
                        "the computer's reroll of set ", int{dice}, " leaves die ", i, " at ", Base[i]);
        }
        InFlight = true;
    }
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override {
        ++Figures.LinesScored;
        const TFaces faces(Dice);
        const std::int32_t rule = RuleValue(faces, Sheet, line);
        Game.Expect(value == rule, "line ", line, " scored ", value, " for ", Dice[1], Dice[2], Dice[3],
                    Dice[4], Dice[5], "; the rules give ", rule);
        Game.Expect(bonus == Sheet.Bonus + QuintixBonusOf(faces, Sheet), "the Quintix bonus went from ",
                    Sheet.Bonus, " to ", bonus, " for ", Dice[1], Dice[2], Dice[3], Dice[4], Dice[5]);
        CheckTotals(Game.State().Last.LastIndex, Game.State().Last.LastGame);
        CheckSeriesTotals(Game.State().Last.LastIndex);
        Rolled = InFlight = false;
        Base.Items.fill(NoValue);
    }
    // The sheet and the dice are again those of the turn's last completed roll.
    void ScoreUndone(int line) override {
        ++Figures.ScoresUndone;
        const TGameState& s = Game.State();
        const int index = s.Players[s.CurrentPlayer].ScoreIndex;
        Game.Expect(s.Phase() == TPhase::Playing && s.Scores[index][s.CurrentGame] == Sheet,
                    "taking back line ", line, " left a sheet other than the one rolled on");
        for (int i = 1; i <= NoOfDice; ++i) {
            Game.Expect(s.Dice[i].Value == Dice[i], "taking back line ", line, " left die ", i, " at ",
                        s.Dice[i].Value, ", not ", Dice[i]);
        }
        CheckTotals(index, s.CurrentGame);
        CheckSeriesTotals(index);
        Rolled = true;
    }

private:
    // Between rolls the dice keep the faces they landed on.
    void CheckDiceKept() {
        const TGameState& s = Game.State();
        if (Rolled && !InFlight && s.Phase() == TPhase::Playing) {
            for (int i = 1; i <= NoOfDice; ++i) {
                const std::int32_t value = s.Dice[i].Value;
                Game.Expect(value == NoValue || value == Dice[i], "die ", i, " changed from ", Dice[i],
                            " to ", value, " between rolls");
            }
        }
    }

    // Totals by ScoreIndex and game; the grids show them for every game begun, and nothing beyond.
    void CheckTotals(int p, int g) {
        const TGameState& s = Game.State();
        const TQuintixGame& game = Game.Game;
        const TSums sums(s.Scores[p][g]);
        Game.Expect(game.UpperSum(p, g) == sums.Upper && game.UpperBonus(p, g) == sums.UpperBonus() &&
                        game.GrandTotal(p, g) == sums.Game() + sums.Bonus,
                    "the totals of sheet ", p, "/", g, " are not the sums of its lines");
        const bool shown = g <= s.CurrentGame && g <= s.NoOfGames;
        const std::array<std::pair<TGrid, int>, 7> rows{{{TGrid::Upper, 7},
                                                         {TGrid::Upper, 8},
                                                         {TGrid::Upper, 9},
                                                         {TGrid::Lower, 7},
                                                         {TGrid::Total, 0},
                                                         {TGrid::Total, 1},
                                                         {TGrid::Total, 2}}};
        const std::array<std::int32_t, 7> values{
            sums.Upper,  sums.UpperBonus(), sums.Upper + sums.UpperBonus(), sums.Lower,
            sums.Game(), sums.Bonus,        sums.Game() + sums.Bonus};
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const std::string text = game.Cell(rows[r].first, p, g, rows[r].second).Text;
            Game.Expect(text == (shown ? std::to_string(values[r]) : ""), "total row ", rows[r].second,
                        " of sheet ", p, "/", g, " reads '", text, "'");
        }
    }
    void CheckAllTotals() {
        for (int p = 1; p <= MaxPlayers; ++p) {
            for (int g = 1; g <= MaxGames; ++g) {
                CheckTotals(p, g);
            }
            CheckSeriesTotals(p);
        }
    }
    // The series totals count the completed games only.
    void CheckSeriesTotals(int p) {
        const TGameState& s = Game.State();
        std::int32_t games = 0;
        std::int32_t bonuses = 0;
        for (int g = 1; g < s.CurrentGame && g <= MaxGames; ++g) {
            games += TSums(s.Scores[p][g]).Game();
            bonuses += s.Scores[p][g].Bonus;
        }
        const TQuintixGame& game = Game.Game;
        Game.Expect(game.SeriesGameTotal(p) == games && game.SeriesBonusTotal(p) == bonuses &&
                        game.SeriesGrandTotal(p) == games + bonuses,
                    "the series totals of ScoreIndex ", p, " are not those of its completed games");
    }

    TCheckedGame& Game;
    TMonkeyFigures& Figures;
    TSubscription Following;
    TDiceValues Dice{};  // the last completed roll
    TGameScore Sheet = TGameScore::Blank();
    TDiceValues Base{};  // the faces the roll in flight must keep; NoValue for a die that may fall
    bool InFlight = false;
    bool Rolled = false;  // a roll of the turn has landed
};

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
    Undo,
};

struct TChoice {
    TAction Action;
    std::uint32_t Weight;
};

const TGameScore* SheetOnTurn(const TGameState& s) {
    return s.Phase() == TPhase::Playing ? &s.Scores[s.Players[s.CurrentPlayer].ScoreIndex][s.CurrentGame]
                                        : nullptr;
}

}  // namespace

struct TGameMonkey::TImpl {
    TImpl(IMonkeyInput& input, TMonkeyOptions options)
        : Input(input), Options(options), Dice(input), Main(Dice, "game"), Oracle(Main, Figures) {
        Main.OnViolation = [this](const std::string& message) { Report(message); };
        Main.Check();
    }

    void Report(const std::string& message) {
        ++Figures.Violations;
        if (Handler) {
            Handler(message);
        }
    }
    void Step();
    void Apply(TAction action);
    void OpenNewGame();
    void Accept(const TNewGameContents& form);
    TNewGameContents RandomForm();
    std::string RandomName();
    void AimedDblClick();
    void ExpectScored(std::int64_t linesBefore, const char* how);
    void PlayComputerSeries(const TGameState& before, const TNewGameContents& form, std::uint32_t seed);
    bool PlayToSeriesEnd();
    int Pick(std::uint32_t bound) { return static_cast<int>(Input.Pick(bound)); }
    void Count() { Figures.Checks = Main.Checks + OtherChecks; }

    IMonkeyInput& Input;
    TMonkeyOptions Options;
    TMonkeyFigures Figures;
    std::function<void(const std::string&)> Handler;
    std::int64_t OtherChecks = 0;
    TInputDice Dice;
    TCheckedGame Main;
    TRulesOracle Oracle;
    bool NewGameOpen = false;
    TNewGameContents NewGameForm;
    bool ScoreOpen = false;
    std::vector<int> OfferedLines;
};

// The new game, score and summary dialogs are modal: while one is open only its answers and the
// clock can act, and the clock can act at any time.
void TGameMonkey::TImpl::Step() {
    ++Figures.Events;
    const TGameState& s = Main.State();
    const bool summaryOpen = s.SummaryOpen;
    std::array<TChoice, 20> choices{};
    std::size_t count = 0;
    std::uint32_t total = 0;
    auto offer = [&](TAction action, std::uint32_t weight) {
        choices[count++] = {action, weight};
        total += weight;
    };
    offer(TAction::Wait, 300);
    offer(TAction::WaitForStep, 100);
    if (!NewGameOpen && !ScoreOpen && !summaryOpen) {
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
        if (Main.Game.CanUndo()) {
            offer(TAction::Undo, 30);
        }
    }
    if (ScoreOpen) {
        if (!OfferedLines.empty()) {
            offer(TAction::ChooseLine, 1000);
        }
        offer(TAction::CancelScore, 120);  // OK with nothing selected, or Cancel
    }
    if (summaryOpen) {
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
    Count();
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
            Oracle.Press();
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
            Main.Expect(OfferedLines.size() == static_cast<std::size_t>(open), "the score dialog offers ",
                        OfferedLines.size(), " lines of ", open, " open");
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
            const std::int64_t lines = Figures.LinesScored;
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
        case TAction::Undo:
            Main.Doing("taking the last score back");
            game.UndoScore();
            break;
    }
    Main.Check();
}

void TGameMonkey::TImpl::ExpectScored(std::int64_t linesBefore, const char* how) {
    Main.Expect(Figures.LinesScored == linesBefore + 1, how, " was not scored");
}

// A double-click where a line of the current game is: it must score when the sheet of a person on
// turn is shown, a roll of this turn has landed and the line is open.
void TGameMonkey::TImpl::AimedDblClick() {
    const TGameState& s = Main.State();
    const TGrid grid = Pick(2) == 0 ? TGrid::Upper : TGrid::Lower;
    const int row = grid == TGrid::Upper ? 1 + Pick(6) : Pick(7);
    const int line = SheetRow(grid, row).Line;
    const TGameScore* sheet = SheetOnTurn(s);
    const bool person = s.NoOfPlayers > 0 && !s.Players[s.CurrentPlayer].Computer;
    const bool scores = sheet != nullptr && person && s.Controls.PlayerListIndex + 1 == s.CurrentPlayer &&
                        s.RollCount >= 1 && s.TurnRolled() && At(*sheet, line) == NoValue;
    const std::int64_t lines = Figures.LinesScored;
    Main.Doing("a double-click on a line of the current game");
    Main.Game.ScoreCell(grid, s.CurrentGame, row);
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
        const TPlayer* player = k <= s.NoOfPlayers ? &s.Players[Main.PositionOf(k)] : nullptr;
        Main.Expect(player != nullptr ? row.Name == player->Name && row.Computer == player->Computer
                                      : row.Name.empty() && !row.Computer,
                    "row ", k, " of the new game dialog shows '", row.Name, "', not player ", k,
                    " in entry order");
    }
    Main.Expect(NewGameForm.NoOfGames == s.NoOfGames, "the new game dialog shows ", NewGameForm.NoOfGames,
                " games, not ", s.NoOfGames);
}

void TGameMonkey::TImpl::Accept(const TNewGameContents& form) {
    Main.Doing("OK in the new game dialog");
    const TGameState before = Main.State();
    Main.Game.StartSeries(form);
    const TGameState& s = Main.State();
    const auto entered = std::count_if(form.Rows.begin(), form.Rows.end(), [](const TNewGameRow& row) {
        return !std::all_of(row.Name.begin(), row.Name.end(), IsBlankOrControl);
    });
    Main.Expect(s.NoOfPlayers == entered, entered, " names were entered but the series has ", s.NoOfPlayers,
                " players");
    bool computersOnly = s.NoOfPlayers > 0;
    for (int i = 1; i <= std::min(s.NoOfPlayers, MaxPlayers); ++i) {
        const std::string& name = s.Players[i].Name;
        Main.Expect(!name.empty() && !IsBlankOrControl(name.front()) && !IsBlankOrControl(name.back()),
                    "player ", i, " is named '", name, "', with blanks or control characters at an end");
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
    form.ExpertPlay = Pick(4) == 0;
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
    TCheckedGame fresh(dice, "computer series, dice seed " + std::to_string(seed));
    TMonkeyFigures figures;
    TRulesOracle oracle(fresh, figures);
    fresh.OnViolation = [this](const std::string& message) { Report(message); };
    fresh.Adopt(before);
    fresh.Doing("OK in the new game dialog");
    fresh.Game.StartSeries(form);
    fresh.Check();
    const TGameState& s = fresh.State();
    const std::int64_t limit = std::int64_t{s.NoOfPlayers} * s.NoOfGames * TurnsPerGame * MaxRolls * 7 +
                               s.NoOfPlayers * 8 + (s.NoOfGames + 1) * 2 + 16;
    fresh.Doing("waiting for the next step");
    const std::int64_t steps = PlayUntilIdle(fresh.Game, fresh.Clock, limit, [&fresh] {
        fresh.CloseSummary();
        fresh.Check();
    });
    fresh.Expect(s.Phase() == TPhase::SeriesOver && !fresh.Clock.Pending() && !s.SummaryOpen,
                 "the series did not end within ", steps, " steps: it stands at game ", s.CurrentGame,
                 ", turn ", s.Turn, ", position ", s.CurrentPlayer);
    OtherChecks += fresh.Checks;
    ++Figures.ComputerSeriesPlayed;
}

// A person who rolls once a turn and scores the first open line; the computer players and the
// clock go on by themselves. A series with people must end so too.
bool TGameMonkey::TImpl::PlayToSeriesEnd() {
    NewGameOpen = ScoreOpen = false;
    const TGameState& s = Main.State();
    const std::int64_t limit = std::int64_t{s.NoOfPlayers} * (s.NoOfGames * TurnsPerGame + 1) * 30 + 100;
    for (std::int64_t step = 0; step < limit && s.Phase() != TPhase::NoSeries; ++step) {
        if (s.SummaryOpen) {
            Main.Doing("closing the summary");
            Main.CloseSummary();
        } else if (s.Controls.ScoreEnabled) {
            Main.Doing("scoring the first open line");
            Main.Game.Score(Main.Game.OpenLines().front());
        } else if (s.Controls.RollEnabled) {
            Main.Doing("Roll Dice");
            Oracle.Press();
        } else {
            Main.Doing("waiting for the next step");
            if (!Main.Clock.RunNext()) {
                break;
            }
        }
        Main.Check();
    }
    const bool ended = s.Phase() == TPhase::SeriesOver && !Main.Clock.Pending() && !s.SummaryOpen;
    Main.Expect(ended || s.Phase() == TPhase::NoSeries, "a series played on did not end: it stands at game ",
                s.CurrentGame, ", turn ", s.Turn, ", position ", s.CurrentPlayer);
    Count();
    return ended;
}

TGameMonkey::TGameMonkey(IMonkeyInput& input, TMonkeyOptions options)
    : Impl(std::make_unique<TImpl>(input, options)) {}

TGameMonkey::~TGameMonkey() = default;

void TGameMonkey::OnViolation(std::function<void(const std::string&)> handler) {
    Impl->Handler = std::move(handler);
}

void TGameMonkey::Step() {
    Impl->Step();
}

void TGameMonkey::StartSeries() {
    Impl->OpenNewGame();
    Impl->NewGameOpen = false;
    Impl->Accept(Impl->RandomForm());
    Impl->Main.Check();
    Impl->Count();
}

bool TGameMonkey::PlayToSeriesEnd() {
    return Impl->PlayToSeriesEnd();
}

const TMonkeyFigures& TGameMonkey::Figures() const {
    return Impl->Figures;
}

const TGameState& TGameMonkey::State() const {
    return Impl->Main.State();
}

}  // namespace quintix
