#include "tools/probe_requests.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <map>
#include <stdexcept>
#include <thread>
#include <vector>

#include "computer/combination.h"
#include "computer/estimates.h"
#include "computer/expert_table.h"
#include "computer/optimal_solver.h"
#include "computer/strategy.h"
#include "computer/win_chances.h"
#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"
#include "scoring/totals.h"
#include "tools/printable.h"

namespace quintix {

namespace {

// A request that cannot be answered as asked; its message is the answer's text.
class EBadRequest : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

using TArgs = std::vector<std::int32_t>;

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n\f\v", pos);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t stop = std::min(text.find_first_of(" \t\r\n\f\v", start), text.size());
        words.push_back(text.substr(start, stop - start));
        pos = stop;
    }
    return words;
}

std::int32_t ParseInt(std::string_view word) {
    std::int32_t value = 0;
    const char* first = word.data();
    const char* last = word.data() + word.size();
    if (!word.empty() && word.front() == '+') {
        ++first;
    }
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        throw EBadRequest("'" + Excerpt(word) + "' is out of the 32-bit integer range");
    }
    if (ec != std::errc() || ptr != last || first == last) {
        throw EBadRequest("'" + Excerpt(word) + "' is not an integer");
    }
    return value;
}

// value, when it lies in low..high; a request whose argument lies outside has no meaningful answer.
std::int32_t Within(std::int32_t value, std::int32_t low, std::int32_t high, const std::string& what) {
    if (value < low || value > high) {
        throw EBadRequest(what + " must be " + std::to_string(low) + " to " + std::to_string(high));
    }
    return value;
}

bool ParseBool(std::int32_t value, const char* what) {
    if (value != 0 && value != 1) {
        throw EBadRequest(std::string(what) + " must be 0 or 1");
    }
    return value == 1;
}

std::string Double(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string Int(std::int32_t value) {
    return std::to_string(value);
}

TDiceValues ParseDice(const TArgs& args, std::size_t first) {
    TDiceValues dice;
    for (int i = 1; i <= NoOfDice; ++i) {
        const std::int32_t face = args[first + static_cast<std::size_t>(i - 1)];
        if (face < 1 || face > NoOfFaces) {
            throw EBadRequest("die " + Int(i) + " must show a face from 1 to 6");
        }
        dice[i] = face;
    }
    return dice;
}

TGameScore ParseSheet(const TArgs& args, std::size_t first) {
    TGameScore sheet = TGameScore::Blank();
    for (std::size_t line = 0; line < NoOfLines; ++line) {
        const std::int32_t value = args[first + line];
        // No line of a real sheet holds more than 50; larger numbers would only overflow the sums.
        if (value < NoValue || value > QuintixScore) {
            throw EBadRequest("line " + std::to_string(line) + " must be -1 (open) or a score from 0 to 50");
        }
        sheet.Lines[line] = value;
    }
    return sheet;
}

std::string AnswerProb(const TArgs& args) {
    // The rest of the pattern is the engine's to judge, with refusals of its own; it multiplies by
    // the groups' counts of faces without looking at them, and ignores the entries beyond the groups.
    for (std::int32_t group = 1; group <= std::min(args[1], MaxGroups); ++group) {
        Within(args[7 + static_cast<std::size_t>(group)], 0, NoOfFaces,
               "PossibleValues of group " + std::to_string(group));
    }
    TCombination combination;
    combination.Rolled = args[0];
    combination.NoOfGroups = args[1];
    combination.RandomInclusive = ParseBool(args[2], "RandomInclusive");
    for (int i = 1; i <= MaxGroups; ++i) {
        const auto offset = static_cast<std::size_t>(i);
        combination.Needed[i] = args[2 + offset];
        combination.PossibleValues[i] = args[7 + offset];
    }
    auto needed = [&combination] {
        std::string text;
        for (const std::int32_t n : combination.Needed) {
            text += ' ' + Int(n);
        }
        return text;
    };
    try {
        const double p = combination.Probability();
        return "ok " + Double(p) + needed();
    } catch (const ECombinationError& error) {
        return "error" + needed() + ' ' + error.what();
    }
}

std::string AnswerAnalyse(const TArgs& args) {
    const TDiceAnalysis a = AnalyseDice(ParseDice(args, 0), ParseSheet(args, 5));
    std::string canScore;
    for (const bool can : a.CanScore) {
        canScore += can ? '1' : '0';
    }
    return "ok " + Int(a.DiceSum) + ' ' + Int(a.MaxCount) + ' ' + Int(a.MaxFace) + ' ' + canScore + ' ' +
           Int(a.Joker ? 1 : 0) + ' ' + Int(a.TwoPairs ? 1 : 0) + ' ' + Int(a.RunCount) + ' ' +
           Int(a.RunLow) + ' ' + Int(a.RunHigh) + ' ' + Int(a.OpenEnd);
}

std::string AnswerValue(const TArgs& args) {
    const TGameScore sheet = ParseSheet(args, 6);
    const TDiceAnalysis a = AnalyseDice(ParseDice(args, 1), sheet);
    const int bonus = EarnsQuintixBonus(a, sheet) ? 100 : 0;
    return "ok " + Int(LineValue(a, Within(args[0], 0, NoOfLines - 1, "the line"))) + ' ' + Int(bonus);
}

std::string AnswerMove(const TArgs& args) {
    const std::int32_t turn = args[0];
    const std::int32_t roll = args[1];
    if (turn < 1 || turn > TurnsPerGame) {
        throw EBadRequest("the turn must be 1 to 13");
    }
    if (roll < 1 || roll > MaxRolls) {
        throw EBadRequest("the roll must be 1 to 3");
    }
    const TGameScore sheet = ParseSheet(args, 7);
    const TDiceAnalysis a = AnalyseDice(ParseDice(args, 2), sheet);
    if (std::ranges::none_of(sheet.Lines, [](std::int32_t value) { return value == NoValue; })) {
        throw EBadRequest("no line is open");
    }
    const TComputerDecision decision = DecideComputerMove({a, sheet, roll, turn});
    if (decision.Kind == TComputerDecision::TKind::Score) {
        return "ok score " + Int(decision.Line);
    }
    std::string answer = "ok reroll";
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((decision.Dice & DieBit(die)) != 0) {
            answer += ' ' + Int(die);
        }
    }
    return answer;
}

std::string AnswerOptimum(const TArgs& /*args*/, TExpertTable& table) {
    return "ok " + Double(Optimum(table.BuildNow()));
}

std::string AnswerHint(const TArgs& args, TExpertTable& table) {
    const std::vector<TChoiceValue> choices =
        EvaluateTurn(table.BuildNow(), ParseSheet(args, 6), args[0], ParseDice(args, 1));
    std::string answer = "ok";
    for (const TChoiceValue& choice : choices) {
        if (choice.Kind == TChoiceValue::TKind::Score) {
            answer += " score " + Int(choice.Line);
        } else {
            answer += " reroll ";
            for (int die = 1; die <= NoOfDice; ++die) {
                if ((choice.Dice & DieBit(die)) != 0) {
                    answer += static_cast<char>('0' + die);
                }
            }
        }
        answer += ' ' + Double(choice.Value);
    }
    return answer;
}

// The estimators answer for the arguments the computer player can pass and for the rest of what their
// definitions cover: as many dice as the game has, and the counts that make sense for each line.
std::string AnswerFace(const TArgs& args) {
    const std::int32_t wanted = Within(args[0], 0, NoOfDice, "n (dice wanted)");
    const std::int32_t rolled = Within(args[1], 0, NoOfDice, "r (dice rolled)");
    return "ok " + Double(FaceChance(wanted, rolled, ParseBool(args[2], "two")));
}

std::string AnswerKind(const TArgs& args) {
    const std::int32_t wanted = Within(args[0], 3, NoOfDice, "t (dice of a kind)");
    const std::int32_t kept = Within(args[1], 0, NoOfDice, "k (dice kept)");
    return "ok " + Double(KindChance(wanted, kept, ParseBool(args[2], "two")));
}

std::string AnswerFullHouse(const TArgs& args) {
    // Even with two pairs, where the estimate does not depend on it, k counts dice of one face kept.
    const std::int32_t kept = Within(args[0], 1, 3, "k (dice kept)");
    return "ok " + Double(FullHouseChance(kept, ParseBool(args[1], "twopairs"), ParseBool(args[2], "two")));
}

std::string AnswerStraight(const TArgs& args) {
    const std::int32_t rolled = Within(args[0], 1, NoOfDice, "n (dice rolled)");
    const std::int32_t missing = Within(args[1], 1, rolled, "g (faces missing)");
    const bool twoRolls = ParseBool(args[2], "two");
    // A small straight can be made three ways (1-4, 2-5, 3-6), a large one two.
    const std::int32_t ways = Within(args[3], 1, 3, "m (ways to complete)");
    return "ok " + Double(StraightChance(rolled, missing, twoRolls, ways));
}

// The most one game can give: five of each face with the upper bonus, every lower line at its
// best, and a Quintix bonus on each of the other twelve turns.
constexpr std::int32_t MostGrandTotal = 105 + UpperBonusScore + 235 + 12 * QuintixBonusPoints;

// Whether dice can leave `value` on `line` of a sheet (a joker gives nothing a line could not). An
// upper section of such values always has a sum the dice can make.
bool CanHold(int line, std::int32_t value) {
    if (line <= Sixes) {
        return value % (line + 1) == 0 && value <= NoOfDice * (line + 1);
    }
    switch (line) {
        case ThreeOfAKind:
        case FourOfAKind:
            return value == 0 || (value >= NoOfDice && value <= NoOfDice * NoOfFaces);
        case FullHouse:
            return value == 0 || value == FullHouseScore;
        case SmallStraight:
            return value == 0 || value == SmallStraightScore;
        case LargeStraight:
            return value == 0 || value == LargeStraightScore;
        case QuintixLine:
            return value == 0 || value == QuintixScore;
        default:
            return value >= NoOfDice && value <= NoOfDice * NoOfFaces;
    }
}

// One player's group of the chances request: STRATEGY SERIES_TOTAL BONUS L0..L12.
TChancePlayer ParseChancePlayer(const std::vector<std::string_view>& words, std::size_t first, int number,
                                int gamesLeft) {
    const std::string who = "player " + Int(number) + "'s ";
    TChancePlayer player;
    if (words[first] == "expert") {
        player.Style = TPlayStyle::Expert;
    } else if (words[first] == "classic") {
        player.Style = TPlayStyle::Classic;
    } else {
        throw EBadRequest(who + "strategy must be classic or expert, not '" + Excerpt(words[first]) + "'");
    }
    TArgs args;
    for (std::size_t i = first + 1; i < first + 3 + NoOfLines; ++i) {
        args.push_back(ParseInt(words[i]));
    }
    // The games before this one and after it are at most a series' games.
    player.SeriesTotal =
        Within(args[0], 0, (MaxGames - 1 - gamesLeft) * MostGrandTotal, who + "series total");
    player.Sheet = ParseSheet(args, 2);
    for (int line = 0; line < NoOfLines; ++line) {
        const std::int32_t value = player.Sheet.Lines[static_cast<std::size_t>(line)];
        if (value != NoValue && !CanHold(line, value)) {
            throw EBadRequest(who + "line " + Int(line) + " cannot hold " + Int(value));
        }
    }
    // Each bonus takes a five of a kind scored after Quintix holds 50, on another line.
    const auto others =
        std::ranges::count_if(player.Sheet.Lines, [](std::int32_t v) { return v != NoValue; }) -
        (IsScored(player.Sheet, QuintixLine) ? 1 : 0);
    const std::int32_t bonus = args[1];
    if (bonus < 0 || bonus % QuintixBonusPoints != 0 || bonus > others * QuintixBonusPoints ||
        (bonus > 0 && player.Sheet.Lines[QuintixLine] != QuintixScore)) {
        throw EBadRequest(who + "bonus must be 100 for each five of a kind scored after Quintix holds 50");
    }
    player.Sheet.Bonus = bonus;
    return player;
}

// chances GAMES_LEFT N SIMS SEED, then per player in the order of play from the one on turn:
// STRATEGY SERIES_TOTAL BONUS L0..L12.
std::string AnswerChances(const std::vector<std::string_view>& words, TExpertTable& table) {
    constexpr std::size_t Head = 5;
    constexpr std::size_t Group = 3 + NoOfLines;
    if (words.size() < Head) {
        throw EBadRequest("chances takes GAMES_LEFT N SIMS SEED and a group of 16 words per player");
    }
    const int gamesLeft = Within(ParseInt(words[1]), 0, MaxGames - 1, "GAMES_LEFT");
    const int players = Within(ParseInt(words[2]), 2, MaxPlayers, "N (players)");
    if (words.size() != Head + Group * static_cast<std::size_t>(players)) {
        throw EBadRequest("chances for " + Int(players) + " players takes " +
                          std::to_string(Head - 1 + Group * static_cast<std::size_t>(players)) +
                          " words, not " + std::to_string(words.size() - 1));
    }
    TChanceOptions options;
    options.Simulations = Within(ParseInt(words[3]), 1, 100000, "SIMS (simulations)");
    options.Seed = static_cast<std::uint64_t>(Within(ParseInt(words[4]), 0, INT32_MAX, "SEED"));
    options.Threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    TChancePosition position;
    position.GamesLeft = gamesLeft;
    bool expert = false;
    for (int p = 0; p < players; ++p) {
        position.Players.push_back(
            ParseChancePlayer(words, Head + Group * static_cast<std::size_t>(p), p + 1, gamesLeft));
        expert = expert || position.Players.back().Style == TPlayStyle::Expert;
    }
    // Between two turns the players who have played this round have one line fewer open than the
    // player on turn, and come last in the order from the one on turn.
    const auto open = [&position](std::size_t p) {
        return std::ranges::count(position.Players[p].Sheet.Lines, NoValue);
    };
    for (std::size_t p = 1; p < position.Players.size(); ++p) {
        const bool fewer = open(p) == open(0) - 1;
        if ((open(p) != open(0) && !fewer) || open(p) > open(p - 1)) {
            throw EBadRequest(
                "player " + Int(static_cast<int>(p) + 1) + " has " + Int(static_cast<int>(open(p))) +
                " open lines; between two turns it must be as many as the player on turn's, or " +
                "one fewer, and never more than the player before");
        }
    }
    const auto chances = SimulateWinChances(position, expert ? &table.BuildNow() : nullptr, options);
    std::string answer = "ok";
    for (std::size_t p = 0; p < position.Players.size(); ++p) {
        answer += ' ' + Double(chances->Game[p]) + ' ' + Double(chances->Series[p]);
    }
    return answer;
}

struct TRequestKind {
    using TAnswer = std::function<std::string(const TArgs&, TExpertTable&)>;
    std::size_t Arguments;
    TAnswer Answer;
};

// Most answers come from the rules and the estimators alone.
TRequestKind::TAnswer WithoutTable(std::string (*answer)(const TArgs&)) {
    return [answer](const TArgs& args, TExpertTable& /*table*/) { return answer(args); };
}

const std::map<std::string_view, TRequestKind>& RequestKinds() {
    static const std::map<std::string_view, TRequestKind> kinds{
        {"prob", {13, WithoutTable(AnswerProb)}},
        {"face", {3, WithoutTable(AnswerFace)}},
        {"kind", {3, WithoutTable(AnswerKind)}},
        {"fullhouse", {3, WithoutTable(AnswerFullHouse)}},
        {"straight", {4, WithoutTable(AnswerStraight)}},
        {"analyse", {18, WithoutTable(AnswerAnalyse)}},
        {"value", {19, WithoutTable(AnswerValue)}},
        {"move", {20, WithoutTable(AnswerMove)}},
        {"optimum", {0, AnswerOptimum}},
        {"hint", {19, AnswerHint}},
    };
    return kinds;
}

}  // namespace

std::string AnswerOverlongProbeRequest() {
    return "error the request is longer than " + std::to_string(MaxProbeRequestLength) + " characters";
}

std::optional<std::string> AnswerProbeRequest(std::string_view request, TExpertTable& table) {
    const std::vector<std::string_view> words = SplitWords(request);
    if (words.empty()) {
        return std::nullopt;
    }
    try {
        if (words.front() == "chances") {
            return AnswerChances(words, table);
        }
        const auto kind = RequestKinds().find(words.front());
        if (kind == RequestKinds().end()) {
            throw EBadRequest("unknown request '" + Excerpt(words.front()) + "'");
        }
        const std::size_t expected = kind->second.Arguments;
        if (words.size() - 1 != expected) {
            throw EBadRequest(std::string(words.front()) + " takes " + std::to_string(expected) +
                              " numbers, not " + std::to_string(words.size() - 1));
        }
        TArgs args;
        for (std::size_t i = 1; i < words.size(); ++i) {
            args.push_back(ParseInt(words[i]));
        }
        return kind->second.Answer(args, table);
    } catch (const std::exception& error) {
        return std::string("error ") + error.what();
    }
}

}  // namespace quintix
