#include "computer/win_chances.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <thread>

#include "computer/optimal_solver.h"
#include "computer/strategy.h"
#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

// SplitMix64's output function: it spreads nearby seeds and stream numbers over the whole state.
std::uint64_t Mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

int OpenLines(const TGameScore& sheet) {
    return static_cast<int>(std::ranges::count(sheet.Lines, NoValue));
}

void RollDice(TDiceValues& dice, TDiceSet rolled, TSimulationDice& random) {
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((rolled & DieBit(die)) != 0) {
            dice[die] = random.Face();
        }
    }
    std::sort(dice.begin(), dice.end());
}

// As the game scores: the bonus for a repeated five of a kind first, then the line's value.
void ScoreOn(TGameScore& sheet, const TDiceValues& dice, int line) {
    const TDiceAnalysis analysis = AnalyseDice(dice, sheet);
    if (EarnsQuintixBonus(analysis, sheet)) {
        sheet.Bonus += QuintixBonusPoints;
    }
    sheet.Lines[static_cast<std::size_t>(line)] = LineValue(analysis, line);
}

// A turn's decisions: the line to score, or the dice to roll again.
struct TMove {
    bool Score = true;
    int Line = 0;
    TDiceSet Dice = 0;
};

// Plays one turn on `sheet` with the decisions `decide(roll, dice)` makes.
template <typename TDecide>
void PlayTurn(TGameScore& sheet, TSimulationDice& random, TDecide&& decide) {
    TDiceValues dice;
    RollDice(dice, AllDice, random);
    for (int roll = 1;; ++roll) {
        const TMove move = decide(roll, dice);
        if (move.Score) {
            ScoreOn(sheet, dice, move.Line);
            return;
        }
        RollDice(dice, move.Dice, random);
    }
}

TMove ClassicMove(const TGameScore& sheet, int roll, const TDiceValues& dice) {
    const TDiceAnalysis analysis = AnalyseDice(dice, sheet);
    const std::int32_t turn = NoOfLines - OpenLines(sheet) + 1;
    const TComputerDecision decision = DecideComputerMove({analysis, sheet, roll, turn});
    return decision.Kind == TComputerDecision::TKind::Score ? TMove{true, decision.Line, 0}
                                                            : TMove{false, 0, decision.Dice};
}

TMove ExpertMove(TTurnValues& values, int roll, const TDiceValues& dice) {
    const TChoiceValue best = values.Best(roll, dice);
    return best.Kind == TChoiceValue::TKind::Score ? TMove{true, best.Line, 0} : TMove{false, 0, best.Dice};
}

// Plays sheets to their end. Every game after the current one starts on the blank sheet, whose
// first turn an expert values once for all of them.
class TPlayer {
public:
    explicit TPlayer(const TOptimalTable* table) : Table(table) {}

    void PlayOut(TGameScore& sheet, TPlayStyle style, TSimulationDice& random) {
        while (OpenLines(sheet) > 0) {
            if (style == TPlayStyle::Classic) {
                PlayTurn(sheet, random, [&sheet](int roll, const TDiceValues& dice) {
                    return ClassicMove(sheet, roll, dice);
                });
                continue;
            }
            std::unique_ptr<TTurnValues> own;
            TTurnValues* values = nullptr;
            if (OpenLines(sheet) == NoOfLines && sheet.Bonus == 0) {
                if (!Blank) {
                    Blank = std::make_unique<TTurnValues>(*Table, sheet);
                }
                values = Blank.get();
            } else {
                own = std::make_unique<TTurnValues>(*Table, sheet);
                values = own.get();
            }
            PlayTurn(sheet, random,
                     [values](int roll, const TDiceValues& dice) { return ExpertMove(*values, roll, dice); });
        }
    }

private:
    const TOptimalTable* Table;
    std::unique_ptr<TTurnValues> Blank;
};

// A win shared by k tied players counts WinShares / k for each; the shares of the possible
// numbers of tied players, 1..6, are whole, so the counts add up exactly in any order.
constexpr std::int64_t WinShares = 60;

void CountWinners(const std::vector<std::int64_t>& totals, std::vector<std::int64_t>& wins) {
    const std::int64_t best = *std::ranges::max_element(totals);
    const auto tied = static_cast<std::int64_t>(std::ranges::count(totals, best));
    for (std::size_t i = 0; i < totals.size(); ++i) {
        if (totals[i] == best) {
            wins[i] += WinShares / tied;
        }
    }
}

struct TCounts {
    std::vector<std::int64_t> Game;
    std::vector<std::int64_t> Series;
};

// Simulations first, first + step, ... of the run.
bool RunSimulations(const TChancePosition& position, const TOptimalTable* table,
                    const TChanceOptions& options, int first, int step, TCounts& counts) {
    const std::size_t players = position.Players.size();
    counts.Game.assign(players, 0);
    counts.Series.assign(players, 0);
    TPlayer player(table);
    std::vector<std::int64_t> game(players);
    std::vector<std::int64_t> series(players);
    for (int n = first; n < options.Simulations; n += step) {
        if (options.Stop.stop_requested()) {
            return false;
        }
        TSimulationDice random(options.Seed, static_cast<std::uint64_t>(n));
        for (std::size_t i = 0; i < players; ++i) {
            const TChancePlayer& p = position.Players[i];
            TGameScore sheet = p.Sheet;
            player.PlayOut(sheet, p.Style, random);
            game[i] = GrandTotal(sheet);
            series[i] = p.SeriesTotal + game[i];
            for (int later = 0; later < position.GamesLeft; ++later) {
                sheet = TGameScore::Blank();
                player.PlayOut(sheet, p.Style, random);
                series[i] += GrandTotal(sheet);
            }
        }
        CountWinners(game, counts.Game);
        CountWinners(series, counts.Series);
    }
    return true;
}

}  // namespace

TSimulationDice::TSimulationDice(std::uint64_t seed, std::uint64_t stream)
    : State(Mix(seed) ^ Mix(stream + 0x9E3779B97F4A7C15ULL)) {}

std::uint64_t TSimulationDice::Next() {
    State += 0x9E3779B97F4A7C15ULL;
    return Mix(State);
}

// The few values at the top of the range that would favour the low faces are drawn again.
int TSimulationDice::Face() {
    constexpr std::uint64_t top = ~std::uint64_t{0};
    constexpr std::uint64_t limit = top - top % NoOfFaces;
    std::uint64_t r = Next();
    while (r >= limit) {
        r = Next();
    }
    return static_cast<int>(r % NoOfFaces) + 1;
}

void PlayOut(TGameScore& sheet, TPlayStyle style, const TOptimalTable* table, TSimulationDice& dice) {
    TPlayer(table).PlayOut(sheet, style, dice);
}

std::optional<TWinChances> SimulateWinChances(const TChancePosition& position, const TOptimalTable* table,
                                              const TChanceOptions& options) {
    const std::size_t players = position.Players.size();
    if (players == 0 || options.Simulations < 1) {
        throw std::invalid_argument("a simulation needs players and at least one run");
    }
    // Checked here, as the workers must not throw: the table must hold the sheet an expert starts
    // from, and the blank one when games follow; every later sheet has fewer open lines.
    const auto check = [table](const TGameScore& sheet) {
        if (table == nullptr) {
            throw std::invalid_argument("an expert player needs the solver's table");
        }
        TTurnValues values(*table, sheet);
    };
    for (const TChancePlayer& player : position.Players) {
        if (player.Style == TPlayStyle::Expert) {
            if (OpenLines(player.Sheet) > 0) {
                check(player.Sheet);
            }
            if (position.GamesLeft > 0) {
                check(TGameScore::Blank());
            }
        }
    }
    const int threads = std::clamp(options.Threads, 1, options.Simulations);
    std::vector<TCounts> counts(static_cast<std::size_t>(threads));
    std::vector<char> finished(static_cast<std::size_t>(threads), 0);
    {
        std::vector<std::jthread> workers;
        for (int t = 1; t < threads; ++t) {
            workers.emplace_back([&, t] {
                finished[static_cast<std::size_t>(t)] =
                    RunSimulations(position, table, options, t, threads, counts[static_cast<std::size_t>(t)]);
            });
        }
        finished[0] = RunSimulations(position, table, options, 0, threads, counts[0]);
    }
    if (std::ranges::count(finished, 0) > 0) {
        return std::nullopt;
    }
    TWinChances chances;
    chances.Simulations = options.Simulations;
    const double whole = static_cast<double>(WinShares) * options.Simulations;
    for (std::size_t i = 0; i < players; ++i) {
        std::int64_t game = 0;
        std::int64_t series = 0;
        for (const TCounts& c : counts) {
            game += c.Game[i];
            series += c.Series[i];
        }
        chances.Game.push_back(static_cast<double>(game) / whole);
        chances.Series.push_back(static_cast<double>(series) / whole);
    }
    return chances;
}

}  // namespace quintix
