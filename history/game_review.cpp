#include "history/game_review.h"

#include <algorithm>
#include <stdexcept>

#include "history/decisions.h"
#include "scoring/totals.h"

namespace quintix {

namespace {

bool SameChoice(const TChoiceValue& a, const TChoiceValue& b) {
    return a.Kind == b.Kind && (a.Kind == TChoiceValue::TKind::Score ? a.Line == b.Line : a.Dice == b.Dice);
}

}  // namespace

std::optional<TGameReview> ReviewGame(const TOptimalTable& table, const TGameRecord& game,
                                      std::string& error) {
    const auto turns = DecodeDecisions(game.Decisions, error);
    if (!turns) {
        error = "its decisions are damaged: " + error;
        return std::nullopt;
    }
    const TGameScore played = ReplaySheet(*turns);
    if (turns->size() != static_cast<std::size_t>(TurnsPerGame) || played.Lines != game.Lines ||
        played.Bonus != game.QuintixBonus || GrandTotal(played) != game.GrandTotal) {
        error = "its decisions do not give the stored sheet";
        return std::nullopt;
    }
    TGameReview review;
    TGameScore sheet = TGameScore::Blank();
    try {
        for (std::size_t t = 0; t < turns->size(); ++t) {
            const TTurnDecisions& turn = (*turns)[t];
            TTurnValues values(table, sheet);
            for (std::size_t r = 0; r < turn.Rolls.size(); ++r) {
                TChoiceValue taken;
                if (r + 1 < turn.Rolls.size()) {
                    taken = {TChoiceValue::TKind::Reroll, -1, turn.Rerolls[r], 0.0};
                } else {
                    taken.Line = turn.Line;
                }
                const int roll = static_cast<int>(r) + 1;
                const std::vector<TChoiceValue> choices = values.Choices(roll, turn.Rolls[r]);
                const auto found = std::ranges::find_if(
                    choices, [&taken](const TChoiceValue& choice) { return SameChoice(choice, taken); });
                if (found == choices.end()) {
                    error = "turn " + std::to_string(t + 1) + " holds a choice no turn offers";
                    return std::nullopt;
                }
                // As the coach counts: the best value less the taken one, added in the order played.
                const double given = choices.front().Value - found->Value;
                review.Decisions.push_back({static_cast<int>(t) + 1, roll, turn.Rolls[r], *found,
                                            choices.front(), GrandTotal(sheet), given});
                review.GivenAway += given;
            }
            sheet = ReplaySheet({turns->begin(), turns->begin() + static_cast<std::ptrdiff_t>(t) + 1});
        }
    } catch (const std::invalid_argument& bad) {
        error = std::string("it cannot be valued: ") + bad.what();
        return std::nullopt;
    }
    std::vector<std::size_t> order(review.Decisions.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::ranges::stable_sort(order, [&review](std::size_t a, std::size_t b) {
        return review.Decisions[a].GivenAway > review.Decisions[b].GivenAway;
    });
    for (std::size_t i = 0; i < order.size() && review.Costliest.size() < 3; ++i) {
        if (review.Decisions[order[i]].GivenAway > 0.0) {
            review.Costliest.push_back(order[i]);
        }
    }
    return review;
}

}  // namespace quintix
