#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "scoring/sheet_cells.h"
#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::FullSheet;
using fixtures::Roll;
using fixtures::Sheet;

// One column of the three grids: the cells joined by commas, the grids by "|".
std::string Column(const TSheetView& view, int scoreIndex, int column, bool noPossible) {
    std::string text;
    for (const TGrid grid : {TGrid::Upper, TGrid::Lower, TGrid::Total}) {
        for (int row = 0; row < RowCount(grid); ++row) {
            text += row > 0 ? "," : grid == TGrid::Upper ? "" : "|";
            text += SheetCell(view, grid, scoreIndex, column, row, noPossible).Text;
        }
    }
    return text;
}

// Game 2 of a three-game series, player 1 on turn with 3-3-3-5-5 on the dice and possible values shown.
class ScoreSheet : public ::testing::Test {
protected:
    ScoreSheet() {
        for (auto& games : scores_) {
            games.Items.fill(TGameScore::Blank());
        }
        scores_[1][1] = FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 40, 50, 22}, 100);
        scores_[1][2] = Sheet({{Aces, 2}, {ThreeOfAKind, 0}});
        scores_[2][1] = Sheet({{Aces, 2}, {Twos, 6}, {Threes, 9}, {Fours, 12}, {Fives, 15}, {Sixes, 18}});
        scores_[2][2] = Sheet({{Sixes, 24}});
        scores_[3][1] = Sheet({{Fours, 8}, {Fives, 25}, {Sixes, 30}});
        scores_[3][2] = Sheet({{Aces, 0}, {ThreeOfAKind, 0}, {FullHouse, 25}, {ChanceLine, 22}});
        analysis_ = AnalyseDice(Roll("33355"), scores_[1][2]);
        view_ = {&scores_, 2, 3, true, 1, &analysis_, &last_};
    }

    TScores scores_;
    TDiceAnalysis analysis_;
    TLastScore last_{};
    TSheetView view_;
};

TEST_F(ScoreSheet, ColumnsShowLabelsScoresPossibleValuesAndRunningTotals) {
    // What, the current game, the number of games, possible values shown, the sheets' ScoreIndex, the
    // column, printing, and the column's text.
    const std::tuple<const char*, int, int, bool, int, int, bool, const char*> cases[] = {
        {"labels", 2, 3, true, 1, 0, false,
         ",Aces,Twos,Threes,Fours,Fives,Sixes,Total,Bonus,Upper Total|3 Of A Kind,4 Of A Kind,Full House,"
         "Small Straight,Large Straight,Quintix,Chance,Lower Total|Game Total,Quintix Bonus,Grand Total"},
        {"finished game", 2, 3, true, 1, 1, false,
         "1,3,6,9,12,15,18,63,35,98|20,0,25,30,40,50,22,187|285,100,385"},
        {"upper sum 62", 2, 3, true, 2, 1, false, "1,2,6,9,12,15,18,62,0,62|,,,,,,,0|62,0,62"},
        {"63 before the upper lines are full", 2, 3, true, 3, 1, false,
         "1,,,,8,25,30,63,35,98|,,,,,,,0|98,0,98"},
        {"on turn: possible values, totals without them", 2, 3, true, 1, 2, false,
         "2,2,0,9,0,10,0,2,0,2|0,0,25,0,0,0,19,0|2,0,2"},
        {"printout: no possible values", 2, 3, true, 1, 2, true, "2,2,,,,,,2,0,2|0,,,,,,,0|2,0,2"},
        {"possible values off", 2, 3, false, 1, 2, false, "2,2,,,,,,2,0,2|0,,,,,,,0|2,0,2"},
        {"not on turn", 2, 3, true, 2, 2, false, "2,,,,,,24,24,0,24|,,,,,,,0|24,0,24"},
        {"zeros count, open lines do not", 2, 3, true, 3, 2, false, "2,0,,,,,,0,0,0|0,,25,,,,22,47|47,0,47"},
        {"game not started", 2, 3, true, 1, 3, false, "3,,,,,,,,,|,,,,,,,|,,"},
        {"roll for order", 0, 3, true, 1, 1, false, "1,,,,,,,,,|,,,,,,,|,,"},
        {"series over", 4, 3, false, 1, 2, false, "2,2,,,,,,2,0,2|0,,,,,,,0|2,0,2"},
        {"beyond the series", 4, 3, false, 1, 4, false, "4,,,,,,,,,|,,,,,,,|,,"},
        {"one-game series over", 2, 1, false, 1, 2, false, "2,,,,,,,,,|,,,,,,,|,,"},
        {"no such player", 2, 3, true, 0, 1, false, "1,,,,,,,,,|,,,,,,,|,,"},
    };
    for (const auto& [what, game, games, possible, scoreIndex, column, printing, text] : cases) {
        TSheetView view = view_;
        view.CurrentGame = game;
        view.NoOfGames = games;
        view.ShowPossible = possible;
        EXPECT_EQ(Column(view, scoreIndex, column, printing), text) << what;
    }
    // The printout asks for the row after each grid's last one.
    for (const TGrid grid : {TGrid::Upper, TGrid::Lower, TGrid::Total}) {
        EXPECT_EQ(SheetCell(view_, grid, 1, 1, RowCount(grid), false).Text, "");
    }
    EXPECT_EQ(LineLabel(Sixes), "Sixes");
    EXPECT_EQ(LineLabel(ThreeOfAKind), "3 Of A Kind");
    EXPECT_EQ(LineLabel(13), "");
}

// Unscored lines are italic, possible values among them; the last score stands out on its own
// sheet and game only, with the bonus rows it earned.
TEST_F(ScoreSheet, UnscoredLinesAreItalicAndTheLastScoreIsHighlighted) {
    last_ = {1, 2, ThreeOfAKind, true, true, true};
    const auto look = [this](TGrid grid, int scoreIndex, int column, int row) {
        const TCell cell = SheetCell(view_, grid, scoreIndex, column, row, false);
        return std::string(cell.Italic ? "i" : "") + (cell.Highlighted ? "h" : "") + ",";
    };
    // Aces (scored), Twos (possible), 3 Of A Kind (the last score) in games 2 and 1 and of another
    // player, the Bonus and Quintix Bonus it earned, Total (never highlighted), no player shown.
    EXPECT_EQ(look(TGrid::Upper, 1, 2, 1) + look(TGrid::Upper, 1, 2, 2) + look(TGrid::Lower, 1, 2, 0) +
                  look(TGrid::Lower, 1, 1, 0) + look(TGrid::Lower, 2, 2, 0) + look(TGrid::Upper, 1, 2, 8) +
                  look(TGrid::Total, 1, 2, 1) + look(TGrid::Upper, 1, 2, 7) + look(TGrid::Upper, 0, 2, 2),
              ",i,h,,i,h,h,,,");
    last_.LastValid = false;
    EXPECT_EQ(look(TGrid::Lower, 1, 2, 0), ",");
}

}  // namespace
}  // namespace quintix
