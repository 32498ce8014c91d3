#include "history/decisions.h"

#include "scoring/dice_analysis.h"
#include "scoring/line_value.h"

namespace quintix {

namespace {

constexpr int FacesCodes = 6 * 6 * 6 * 6 * 6;

void PutFaces(std::vector<std::uint8_t>& out, const TDiceValues& dice) {
    int code = 0;
    for (int die = 1; die <= NoOfDice; ++die) {
        code = code * NoOfFaces + (dice[die] - 1);
    }
    out.push_back(static_cast<std::uint8_t>(code >> 8));
    out.push_back(static_cast<std::uint8_t>(code & 0xFF));
}

// Reads the bytes in order and remembers the first fault; every read past the end fails.
class TReader {
public:
    explicit TReader(std::span<const std::uint8_t> bytes) : Bytes(bytes) {}

    bool AtEnd() const { return Next == Bytes.size(); }
    bool Byte(std::uint8_t& value) {
        if (Next >= Bytes.size()) {
            return false;
        }
        value = Bytes[Next++];
        return true;
    }
    bool Faces(TDiceValues& dice) {
        std::uint8_t high = 0;
        std::uint8_t low = 0;
        if (!Byte(high) || !Byte(low)) {
            return false;
        }
        int code = high << 8 | low;
        if (code >= FacesCodes) {
            return false;
        }
        for (int die = NoOfDice; die >= 1; --die) {
            dice[die] = code % NoOfFaces + 1;
            code /= NoOfFaces;
        }
        return true;
    }

private:
    std::span<const std::uint8_t> Bytes;
    std::size_t Next = 0;
};

bool KeptDiceUnchanged(const TDiceValues& before, const TDiceValues& after, TDiceSet rerolled) {
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((rerolled & DieBit(die)) == 0 && before[die] != after[die]) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodeDecisions(const std::vector<TTurnDecisions>& turns) {
    std::vector<std::uint8_t> out;
    out.reserve(1 + turns.size() * 8);
    out.push_back(DecisionsFormat);
    for (const TTurnDecisions& turn : turns) {
        out.push_back(static_cast<std::uint8_t>(turn.Rolls.size() << 4 | static_cast<unsigned>(turn.Line)));
        for (std::size_t roll = 0; roll < turn.Rolls.size(); ++roll) {
            if (roll > 0) {
                out.push_back(turn.Rerolls[roll - 1]);
            }
            PutFaces(out, turn.Rolls[roll]);
        }
    }
    return out;
}

std::optional<std::vector<TTurnDecisions>> DecodeDecisions(std::span<const std::uint8_t> bytes,
                                                           std::string& error) {
    TReader in(bytes);
    std::uint8_t format = 0;
    if (!in.Byte(format) || format != DecisionsFormat) {
        error = bytes.empty() ? "no decisions" : "unknown format " + std::to_string(format);
        return std::nullopt;
    }
    std::vector<TTurnDecisions> turns;
    std::array<bool, NoOfLines> scored{};
    while (!in.AtEnd()) {
        const std::string where = "turn " + std::to_string(turns.size() + 1) + ": ";
        std::uint8_t head = 0;
        in.Byte(head);
        const int rolls = head >> 4;
        TTurnDecisions turn;
        turn.Line = head & 0x0F;
        if (rolls < 1 || rolls > MaxRolls || turn.Line >= NoOfLines) {
            error = where + "bad line or number of rolls";
            return std::nullopt;
        }
        if (scored[static_cast<std::size_t>(turn.Line)]) {
            error = where + "line " + std::to_string(turn.Line) + " scored twice";
            return std::nullopt;
        }
        scored[static_cast<std::size_t>(turn.Line)] = true;
        for (int roll = 0; roll < rolls; ++roll) {
            std::uint8_t rerolled = AllDice;
            TDiceValues dice;
            if ((roll > 0 && !in.Byte(rerolled)) || !in.Faces(dice) || rerolled > AllDice) {
                error = where + "cut off or out of range";
                return std::nullopt;
            }
            if (roll > 0 && !KeptDiceUnchanged(turn.Rolls.back(), dice, rerolled)) {
                error = where + "a kept die changed";
                return std::nullopt;
            }
            if (roll > 0) {
                turn.Rerolls.push_back(rerolled);
            }
            turn.Rolls.push_back(dice);
        }
        turns.push_back(std::move(turn));
    }
    return turns;
}

// As the game scores: the bonus for a repeated five of a kind comes first, then the line's value,
// both judged on the last roll against the sheet as it stood before this turn.
TGameScore ReplaySheet(const std::vector<TTurnDecisions>& turns) {
    TGameScore sheet = TGameScore::Blank();
    for (const TTurnDecisions& turn : turns) {
        const TDiceAnalysis analysis = AnalyseDice(turn.Rolls.back(), sheet);
        if (EarnsQuintixBonus(analysis, sheet)) {
            sheet.Bonus += QuintixBonusPoints;
        }
        sheet.Lines[static_cast<std::size_t>(turn.Line)] = LineValue(analysis, turn.Line);
    }
    return sheet;
}

}  // namespace quintix
