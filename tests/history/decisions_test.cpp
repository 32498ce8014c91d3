#include "history/decisions.h"

#include <gtest/gtest.h>

#include <random>

namespace quintix {
namespace {

std::vector<TTurnDecisions> ThreeTurns() {
    return {{{{1, 2, 3, 4, 5}}, {}, ChanceLine},
            {{{6, 6, 1, 2, 6}, {6, 6, 6, 3, 6}, {6, 6, 6, 6, 6}}, {0b01100, 0b01000}, QuintixLine},
            {{{1, 1, 2, 2, 3}, {1, 1, 2, 2, 2}}, {0b10000}, FullHouse}};
}

TEST(Decisions, ATurnTakesAtMostNineBytesAndComesBackWhole) {
    const std::vector<std::uint8_t> bytes = EncodeDecisions(ThreeTurns());
    EXPECT_EQ(bytes.size(), 1U + 3 + 9 + 6);
    std::string error;
    EXPECT_EQ(DecodeDecisions(bytes, error), ThreeTurns()) << error;
    const TGameScore sheet = ReplaySheet(ThreeTurns());
    EXPECT_EQ(sheet.Lines[ChanceLine], 15);
    EXPECT_EQ(sheet.Lines[QuintixLine], 50);
    EXPECT_EQ(sheet.Lines[FullHouse], 25);
}

// Damaged bytes give an error, never a crash or a read past the end (the sanitizers watch).
TEST(Decisions, DamagedBytesAreRefusedWithAReason) {
    const std::vector<std::uint8_t> good = EncodeDecisions(ThreeTurns());
    std::vector<std::vector<std::uint8_t>> bad = {
        {},
        {2, 0x1C, 0, 0},                    // an unknown format
        {1, 0x0C, 0, 0},                    // no rolls
        {1, 0x4C, 0, 0},                    // four rolls
        {1, 0x1D, 0, 0},                    // line 13
        {1, 0x1C, 0x1E, 0x60},              // faces past 6^5
        {1, 0x1C, 0, 0, 0x1C, 0, 0},        // a line twice
        {1, 0x2C, 0, 0, 0x01, 0x00, 0x01},  // die 5 changed, die 1 was rolled
        {1, 0x2C, 0, 0, 0x20, 0x00, 0x00},  // a sixth die rolled
    };
    for (std::size_t length = 2; length < good.size(); ++length) {
        if (length != 4 && length != 13) {  // the ends of whole turns
            bad.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        }
    }
    for (const auto& bytes : bad) {
        std::string error;
        EXPECT_FALSE(DecodeDecisions(bytes, error)) << bytes.size() << " bytes";
        EXPECT_FALSE(error.empty());
    }
    std::mt19937 random(7);
    for (int i = 0; i < 20'000; ++i) {
        std::vector<std::uint8_t> bytes(random() % 40);
        for (std::uint8_t& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        bytes.insert(bytes.begin(), 1);
        std::string error;
        if (const auto turns = DecodeDecisions(bytes, error)) {
            EXPECT_EQ(EncodeDecisions(*turns), bytes);
        }
    }
}

}  // namespace
}  // namespace quintix
