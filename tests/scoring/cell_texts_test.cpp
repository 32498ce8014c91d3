#include "scoring/cell_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "scoring/row_labels.h"
#include "tests/scoring/scoring_fixtures.h"

namespace quintix {
namespace {

using fixtures::FullSheet;
using fixtures::Roll;
using fixtures::Sheet;

enum class Grid { Upper, Lower, Total };

std::string Cell(const TSheetView& view, Grid grid, int scoreIndex, int column, int row, bool noPossible) {
    switch (grid) {
        case Grid::Upper:
            return UpperRowText(view, scoreIndex, column, row, noPossible);
        case Grid::Lower:
            return LowerRowText(view, scoreIndex, column, row, noPossible);
        default:
            return TotalRowText(view, scoreIndex, column, row);
    }
}

// Game 2 of a three-game series, player 1 on turn with 3-3-3-5-5 on the dice and possible values shown.
class CellTexts : public ::testing::Test {
protected:
    CellTexts() {
        for (auto& games : scores_) {
            games.Items.fill(TGameScore::Blank());
        }
        scores_[1][1] = FullSheet({3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 40, 50, 22}, 100);
        scores_[1][2] = Sheet({{Aces, 2}, {ThreeOfAKind, 0}});
        scores_[2][1] = Sheet({{Aces, 2}, {Twos, 6}, {Threes, 9}, {Fours, 12}, {Fives, 15}, {Sixes, 18}});
        scores_[2][2] = Sheet({{Sixes, 24}});
        analysis_ = AnalyseDice(Roll("33355"), scores_[1][2]);
        view_ = {&scores_, 2, 3, true, 1, &analysis_};
    }

    TScores scores_;
    TDiceAnalysis analysis_;
    TSheetView view_;
};

TEST_F(CellTexts, LabelsAndHeaderDoNotDependOnTheGame) {
    struct Case {
        Grid grid;
        int column, row;
        const char* text;
    };
    const Case cases[] = {
        {Grid::Upper, 0, 0, ""},
        {Grid::Upper, 1, 0, "1"},
        {Grid::Upper, 6, 0, "6"},
        {Grid::Upper, 0, 1, "Aces"},
        {Grid::Upper, 0, 6, "Sixes"},
        {Grid::Upper, 0, 7, "Total"},
        {Grid::Upper, 0, 9, "Upper Total"},
        {Grid::Lower, 0, 0, "3 Of A Kind"},
        {Grid::Lower, 0, 6, "Chance"},
        {Grid::Lower, 0, 7, "Lower Total"},
        {Grid::Total, 0, 0, "Game Total"},
        {Grid::Total, 0, 1, "Quintix Bonus"},
        {Grid::Total, 0, 2, "Grand Total"},
    };
    TSheetView orderPhase = view_;
    orderPhase.CurrentGame = 0;
    for (const TSheetView& view : {view_, orderPhase, TSheetView{}}) {
        for (const Case& c : cases) {
            EXPECT_EQ(Cell(view, c.grid, 0, c.column, c.row, false), c.text) << c.column << "/" << c.row;
        }
    }
}

TEST_F(CellTexts, LineLabelsSkipTheUpperTotals) {
    const std::pair<int, const char*> cases[] = {
        {Aces, "Aces"},
        {Sixes, "Sixes"},
        {ThreeOfAKind, "3 Of A Kind"},
        {QuintixLine, "Quintix"},
        {ChanceLine, "Chance"},
        {-1, ""},
        {13, ""},
    };
    for (const auto& [line, label] : cases) {
        EXPECT_EQ(LineLabel(line), label) << line;
    }
}

TEST_F(CellTexts, ScoreCellsShowScoresPossibleValuesAndRunningTotals) {
    struct Case {
        const char* what;
        Grid grid;
        int scoreIndex, column, row;
        bool noPossible;
        const char* text;
    };
    const Case cases[] = {
        {"finished game", Grid::Upper, 1, 1, 7, false, "63"},
        {"finished game", Grid::Upper, 1, 1, 8, false, "35"},
        {"finished game", Grid::Upper, 1, 1, 9, false, "98"},
        {"finished game", Grid::Lower, 1, 1, 1, false, "0"},
        {"finished game", Grid::Lower, 1, 1, 7, false, "187"},
        {"finished game", Grid::Total, 1, 1, 1, false, "100"},
        {"finished game", Grid::Total, 1, 1, 2, false, "385"},
        {"upper sum 62", Grid::Upper, 2, 1, 8, false, "0"},
        {"upper sum 62", Grid::Upper, 2, 1, 9, false, "62"},
        {"scored beats possible", Grid::Upper, 1, 2, 1, false, "2"},
        {"scored zero beats possible", Grid::Lower, 1, 2, 0, false, "0"},
        {"possible value", Grid::Upper, 1, 2, 3, false, "9"},
        {"possible nothing shows 0", Grid::Upper, 1, 2, 2, false, "0"},
        {"possible full house", Grid::Lower, 1, 2, 2, false, "25"},
        {"possible chance", Grid::Lower, 1, 2, 6, false, "19"},
        {"printout: no possible", Grid::Upper, 1, 2, 3, true, ""},
        {"printout: scores", Grid::Upper, 1, 2, 1, true, "2"},
        {"totals ignore possible", Grid::Upper, 1, 2, 7, false, "2"},
        {"totals ignore possible", Grid::Upper, 1, 2, 8, false, "0"},
        {"totals ignore possible", Grid::Lower, 1, 2, 7, false, "0"},
        {"totals ignore possible", Grid::Total, 1, 2, 0, false, "2"},
        {"totals ignore possible", Grid::Total, 1, 2, 2, false, "2"},
        {"not on turn", Grid::Upper, 2, 2, 3, false, ""},
        {"not on turn", Grid::Upper, 2, 2, 6, false, "24"},
        {"game not started", Grid::Upper, 1, 3, 3, false, ""},
        {"game not started", Grid::Total, 1, 3, 0, false, ""},
        {"beyond the series", Grid::Lower, 1, 4, 7, false, ""},
        {"no such player", Grid::Upper, 0, 1, 7, false, ""},
        {"no such player", Grid::Total, 7, 1, 0, false, ""},
        {"no such column", Grid::Upper, 1, 7, 0, false, ""},
        {"no such column", Grid::Lower, 1, -1, 0, false, ""},
        // The printout asks for the row after each section's last one.
        {"no such row", Grid::Upper, 1, 1, 10, false, ""},
        {"no such row", Grid::Lower, 1, 1, 8, false, ""},
        {"no such row", Grid::Total, 1, 1, 3, false, ""},
        {"no such row", Grid::Upper, 1, 0, -1, false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cell(view_, c.grid, c.scoreIndex, c.column, c.row, c.noPossible), c.text)
            << c.what << " " << c.scoreIndex << ":" << c.column << "/" << c.row;
    }
}

TEST_F(CellTexts, ProgressOfTheSeriesDecidesWhichColumnsShow) {
    struct Case {
        const char* what;
        int currentGame, noOfGames;
        bool showPossible;
        int column, row;
        const char* text;
    };
    const Case cases[] = {
        {"roll for order", 0, 3, true, 1, 7, ""},        {"roll for order", 0, 3, true, 1, 1, ""},
        {"possible values off", 2, 3, false, 2, 3, ""},  {"possible values off", 2, 3, false, 2, 1, "2"},
        {"series over", 4, 3, false, 2, 7, "2"},         {"series over", 4, 3, false, 4, 7, ""},
        {"one-game series over", 2, 1, false, 2, 7, ""},
    };
    for (const Case& c : cases) {
        TSheetView view = view_;
        view.CurrentGame = c.currentGame;
        view.NoOfGames = c.noOfGames;
        view.ShowPossible = c.showPossible;
        EXPECT_EQ(UpperRowText(view, 1, c.column, c.row, false), c.text) << c.what;
    }
}

TEST_F(CellTexts, MissingSheetsOrDiceLeaveCellsEmpty) {
    TSheetView noDice = view_;
    noDice.Analysis = nullptr;
    EXPECT_EQ(LineText(noDice, 1, 2, Threes, false), "");
    TSheetView noSheets = view_;
    noSheets.Scores = nullptr;
    EXPECT_EQ(UpperRowText(noSheets, 1, 1, 7, false), "");
    EXPECT_EQ(LineText(view_, 1, 0, Aces, false), "");
    EXPECT_EQ(LineText(view_, 1, 1, 13, false), "");
}

}  // namespace
}  // namespace quintix
