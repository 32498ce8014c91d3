#include <QPushButton>
#include <QTest>

#include "game/game_view.h"
#include "game/quintix_game.h"
#include "game/virtual_clock.h"
#include "ui/draw_grid.h"
#include "ui/summary_form.h"

using namespace quintix;

namespace {

// A game in progress with three players: game 1 complete, game 2 under way. Sheets are filled so
// that each player's game 1 total is plain to see; game 2 holds a score that must not count yet.
TGameState SecondGameOfThree() {
    TGameState state;
    state.NoOfPlayers = 3;
    state.NoOfGames = 3;
    state.CurrentGame = 2;
    state.Turn = 4;
    for (int s = 1; s <= MaxPlayers; ++s) {
        for (int g = 1; g <= MaxGames; ++g) {
            state.Scores[s][g] = TGameScore::Blank();
        }
        state.Scores[s][1].Lines.fill(0);
    }
    state.Scores[1][1].Lines[ChanceLine] = 20;
    state.Scores[2][1].Lines[QuintixLine] = 50;
    state.Scores[2][1].Bonus = 100;
    state.Scores[3][1].Lines[Aces] = 3;
    state.Scores[1][2].Lines[ChanceLine] = 30;
    // Standings order, not entry order; position 4 keeps a name from an earlier, larger series.
    state.Players[1] = {"Bob", false, 2, 150};
    state.Players[2] = {"Ann", false, 1, 20};
    state.Players[3] = {"Cy", true, 3, 3};
    state.Players[4] = {"Stale", false, 4, 0};
    return state;
}

class TSummaryFixture {
public:
    TSummaryFixture() : Game(View, Clock, Random), Form(Game) {}

    void SetState(const TGameState& state) {
        Game.LoadPosition(state);
        Form.SetPlayers(state.Players);
    }
    QStringList Row(int row) const {
        QStringList texts;
        for (int col = 0; col < 4; ++col) {
            texts << Form.CellText(col, row);
        }
        return texts;
    }

    TNullView View;
    TVirtualClock Clock;
    TSeededRandom Random{1};
    TQuintixGame Game;
    TSummaryForm Form;
};

}  // namespace

class TSummaryFormTest : public QObject {
    Q_OBJECT

private slots:
    void ControlsSitWhereDesigned();
    void CellsShowTheStandingsOfTheCompletedGames();
};

void TSummaryFormTest::ControlsSitWhereDesigned() {
    TSummaryFixture f;
    QCOMPARE(f.Form.windowTitle(), QString("Series Summary"));
    QCOMPARE(f.Form.size(), QSize(451, 197));
    QCOMPARE(f.Form.minimumSize(), f.Form.maximumSize());
    QCOMPARE(f.Form.OKButton->geometry(), QRect(188, 156, 75, 25));
    QVERIFY(f.Form.OKButton->isDefault());
    const TDrawGrid& grid = *f.Form.SeriesSummary;
    QCOMPARE(grid.geometry(), QRect(16, 16, 408, 116));
    QCOMPARE(grid.focusPolicy(), Qt::NoFocus);
    // The last cell and its grid lines end exactly at the client's edge.
    QCOMPARE(grid.ClientSize(), QSize(404, 112));
    QCOMPARE(grid.CellRect(3, 6), QRect(305, 98, 100, 15));
}

void TSummaryFormTest::CellsShowTheStandingsOfTheCompletedGames() {
    const QStringList empty(4, QString());
    const QStringList titles{"", "Game Total", "Bonus Total", "Grand Total"};
    TSummaryFixture f;
    f.Form.SetPlayers(f.Game.State().Players);
    for (int row = 0; row <= MaxPlayers; ++row) {
        QCOMPARE(f.Row(row), row == 0 ? titles : empty);
    }

    f.SetState(SecondGameOfThree());
    const QStringList expected[] = {titles,
                                    {"Bob", "50", "100", "150"},
                                    {"Ann", "20", "0", "20"},  // game 2 does not count yet
                                    {"Cy", "3", "0", "3"},
                                    empty,  // a stale name beyond the players
                                    empty,
                                    empty};
    for (int row = 0; row <= MaxPlayers; ++row) {
        QCOMPARE(f.Row(row), expected[row]);
    }
}

QTEST_MAIN(TSummaryFormTest)
#include "summary_form_test.moc"
