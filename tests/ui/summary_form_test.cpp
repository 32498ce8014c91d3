#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
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
        Game.SetState(state);
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
    void CellsShowTheStandingsOfTheCompletedGames_data();
    void CellsShowTheStandingsOfTheCompletedGames();
    void LongNameIsClippedAtItsCell();
    void OkAndTheCloseBoxBothFinish();
};

void TSummaryFormTest::ControlsSitWhereDesigned() {
    TSummaryFixture f;
    QCOMPARE(f.Form.windowTitle(), QString("Series Summary"));
    f.Form.SetCaption("Initial Order");
    QCOMPARE(f.Form.windowTitle(), QString("Initial Order"));
    QCOMPARE(f.Form.size(), QSize(451, 197));
    QCOMPARE(f.Form.minimumSize(), f.Form.maximumSize());
    QCOMPARE(f.Form.Bevel1->geometry(), QRect(8, 8, 424, 132));
    QCOMPARE(f.Form.OKButton->geometry(), QRect(188, 156, 75, 25));
    QCOMPARE(f.Form.OKButton->text(), QString("OK"));
    QVERIFY(f.Form.OKButton->isDefault());
    const TDrawGrid& grid = *f.Form.SeriesSummary;
    QCOMPARE(grid.geometry(), QRect(16, 16, 408, 116));
    QCOMPARE(grid.focusPolicy(), Qt::NoFocus);
    QCOMPARE(std::pair(grid.FixedCols(), grid.FixedRows()), std::pair(1, 1));
    // The last cell and its grid lines end exactly at the client's edge.
    QCOMPARE(grid.ClientSize(), QSize(404, 112));
    QCOMPARE(grid.CellRect(3, 6), QRect(305, 98, 100, 15));
}

void TSummaryFormTest::CellsShowTheStandingsOfTheCompletedGames_data() {
    QTest::addColumn<bool>("inSeries");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("texts");
    const QStringList empty{"", "", "", ""};
    const QStringList titles{"", "Game Total", "Bonus Total", "Grand Total"};
    QTest::newRow("before any series: titles") << false << 0 << titles;
    for (int row = 1; row <= MaxPlayers; ++row) {
        QTest::newRow(qPrintable(QString("before any series: row %1").arg(row))) << false << row << empty;
    }
    QTest::newRow("titles") << true << 0 << titles;
    QTest::newRow("leader, with bonus") << true << 1 << QStringList{"Bob", "50", "100", "150"};
    QTest::newRow("game 2 not yet counted") << true << 2 << QStringList{"Ann", "20", "0", "20"};
    QTest::newRow("third") << true << 3 << QStringList{"Cy", "3", "0", "3"};
    QTest::newRow("beyond the players, stale name") << true << 4 << empty;
    QTest::newRow("row 5") << true << 5 << empty;
    QTest::newRow("row 6") << true << 6 << empty;
}

void TSummaryFormTest::CellsShowTheStandingsOfTheCompletedGames() {
    QFETCH(bool, inSeries);
    QFETCH(int, row);
    QFETCH(QStringList, texts);
    TSummaryFixture f;
    if (inSeries) {
        f.SetState(SecondGameOfThree());
    } else {
        f.Form.SetPlayers(f.Game.State().Players);
    }
    QCOMPARE(f.Row(row), texts);
}

void TSummaryFormTest::LongNameIsClippedAtItsCell() {
    TSummaryFixture f;
    TGameState state = SecondGameOfThree();
    state.Players[1].Name = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";
    f.SetState(state);
    TDrawGrid& grid = *f.Form.SeriesSummary;
    const QImage image = grid.grab().toImage();
    const QColor base = grid.palette().color(QPalette::Base);
    const QColor button = grid.palette().color(QPalette::Button);

    auto inked = [&](const QRect& area) {
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                if (image.pixelColor(x, y) != base) {
                    return true;
                }
            }
        }
        return false;
    };
    const QRect name = grid.CellRect(0, 1);
    QVERIFY2(inked(QRect(name.right() - 2, name.top(), 3, name.height())),
             "the name runs to its cell's edge");
    const QRect gameTotal = grid.CellRect(1, 1);
    QVERIFY2(!inked(QRect(gameTotal.left(), gameTotal.top(), 30, gameTotal.height())),
             "nothing of the name spills into the next cell");
    QVERIFY(inked(gameTotal));  // its own centred number
    QCOMPARE(image.pixelColor(grid.CellRect(1, 0).topLeft()), button);
    QCOMPARE(image.pixelColor(grid.CellRect(0, 4).topLeft()), button);
    QCOMPARE(image.pixelColor(grid.CellRect(1, 4).topLeft()), base);
}

void TSummaryFormTest::OkAndTheCloseBoxBothFinish() {
    TSummaryFixture f;
    QSignalSpy finished(&f.Form, &QDialog::finished);
    f.Form.open();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Form));
    QTest::mouseClick(f.Form.OKButton, Qt::LeftButton);
    f.Form.open();
    QVERIFY(QTest::qWaitForWindowExposed(&f.Form));
    f.Form.close();
    QCOMPARE(finished.size(), 2);
    QCOMPARE(finished[0][0].toInt(), int(QDialog::Accepted));
    QVERIFY(!f.Form.isVisible());
}

QTEST_MAIN(TSummaryFormTest)
#include "summary_form_test.moc"
