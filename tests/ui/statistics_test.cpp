// The history's windows: the statistics over a history made by playing, the review of a stored
// game, the coach's chance to win and its review of the last game, and the worker behind them.
#include <sqlite3.h>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

#include "game/coach.h"
#include "game/play_until_idle.h"
#include "game/position_builder.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "history/game_recorder.h"
#include "history/game_review.h"
#include "history/history_export.h"
#include "history/history_store.h"
#include "tests/support/series.h"
#include "tests/support/table_providers.h"
#include "tests/ui/scripted_messages.h"
#include "ui/chances_panel.h"
#include "ui/chart_widget.h"
#include "ui/coach_form.h"
#include "ui/help_system.h"
#include "ui/latest_worker.h"
#include "ui/review_form.h"
#include "ui/statistics_form.h"

namespace quintix::testing {

namespace {

// Plays a series on a game with a recorder until it is over.
void PlaySeries(TQuintixGame& game, TVirtualClock& clock, const TNewGameContents& contents) {
    game.StartSeries(contents);
    PlaySeriesToItsEnd(game, clock);
}

}  // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    THelpSystem Help;
    TScriptedMessages Messages;
    TTableOnRequest Table;

    std::string Path(const char* name) const { return Dir.filePath(name).toStdString(); }

    // Ann, a person, and Cpu, a computer: three series of two games.
    void Fill(THistoryStore& store) {
        TNullView view;
        TVirtualClock clock;
        TSeededRandom dice(3);
        TFixedTable none(nullptr);
        TQuintixGame game(view, clock, dice, none);
        std::int64_t now = 1'700'000'000;
        TGameRecorder recorder(game, store, [&now] { return now += 3600; });
        const TSubscription recording = game.Subscribe(recorder);
        for (int series = 0; series < 3; ++series) {
            PlaySeries(game, clock, SeriesOf({{"Cpu", true}, {"Ann"}}, 2));
        }
    }

private slots:
    void initTestCase() { Help.SetShowWindows(false); }

    void WithoutGamesItSaysSoPlainly() {
        THistoryStore empty(Path("empty.sqlite"));
        for (THistoryStore* history : {static_cast<THistoryStore*>(nullptr), &empty}) {
            TStatisticsForm form(history, Table, Help, Messages);
            form.ShowStatistics();
            QVERIFY(form.EmptyLabel->isVisible());
            QVERIFY(form.EmptyLabel->text().startsWith(history != nullptr ? "No games are stored"
                                                                          : "No history"));
            QVERIFY(!form.Pages->isVisible());
            QVERIFY(!form.ForgetButton->isEnabled());
            // What's This? and F1 find the statistics' page from every control, the review's from its own.
            for (const QWidget* control : std::initializer_list<const QWidget*>{
                     form.PlayerChoice, form.Figures, form.TotalsChart, form.HighScores, form.GamesView,
                     form.ExportButton, form.ForgetButton}) {
                QCOMPARE(THelpSystem::WhatsThisContext(control), 1027);
                QCOMPARE(THelpSystem::FocusContext(control), 1027);
            }
            QCOMPARE(THelpSystem::WhatsThisContext(form.ReviewForm().Decisions), 1028);
            QCOMPARE(THelpSystem::WhatsThisContext(form.ReviewForm().NextButton), 1028);
        }
    }

    // The figures are those of the chosen player and period; a person's points given away arrive
    // from the worker as the reviews add them up; the games export as the tool's CSV; a review
    // opens on a game and steps through its costliest decisions; forgetting asks first.
    void ThePlayersFiguresGamesReviewsExportAndForgetting() {
        THistoryStore store(Path("played.sqlite"));
        Fill(store);
        TStatisticsForm form(&store, Table, Help, Messages);
        form.ShowStatistics();
        QCOMPARE(form.PlayerChoice->count(), 2);
        QCOMPARE(form.PlayerChoice->itemText(0), QString("Ann"));  // people first
        QCOMPARE(form.Games().size(), 6U);
        QCOMPARE(form.GamesView->model()->rowCount(), 6);
        QCOMPARE(form.Figures->item(0, 0)->text(), QString("6"));
        QVERIFY(form.Games().front().Ended > form.Games().back().Ended);
        std::vector<TStoredGame> games;  // the same, whole
        store.ForEachGameOf({"Ann"}, [&games](const TStoredGame& game) { games.push_back(game); });
        QVERIFY(!form.TotalsChart->Empty() && !form.FormChart->Empty());

        double given = 0.0;
        for (const TStoredGame& game : games) {
            std::string error;
            given += ReviewGame(SharedTable(), game.Record, error)->GivenAway;
        }
        QTRY_COMPARE(form.Figures->item(6, 0)->text(), QString::number(given / 6, 'f', 1));

        form.PeriodChoice->setCurrentIndex(2);  // this year: the games were played in 2023
        QCOMPARE(form.Figures->item(0, 0)->text(), QString("0"));
        QVERIFY(form.TotalsChart->Empty());
        form.PeriodChoice->setCurrentIndex(0);
        form.PlayerChoice->setCurrentIndex(1);
        QCOMPARE(form.Figures->item(6, 0)->text(), QString("\u2014"));  // a computer gives nothing away
        QCOMPARE(form.HighScores->rowCount(), 10);
        QVERIFY(form.BestSeries->text().contains("in 2 games"));

        const QString csv = Dir.filePath("cpu.csv");
        form.ChooseCsvFile = [csv] { return csv; };
        QTest::mouseClick(form.ExportButton, Qt::LeftButton);
        QFile written(csv);
        QVERIFY(written.open(QIODevice::ReadOnly));
        std::vector<TStoredGame> cpu;
        store.ForEachGameOf({"Cpu"}, [&cpu](const TStoredGame& game) { cpu.push_back(game); });
        QCOMPARE(written.readAll().toStdString(), CsvOf(cpu));

        form.PlayerChoice->setCurrentIndex(0);
        form.GamesView->selectRow(2);
        QTest::mouseClick(form.ReviewButton, Qt::LeftButton);
        TReviewForm& review = form.ReviewForm();
        QVERIFY(review.isVisible());
        std::string error;
        const auto expected = ReviewGame(SharedTable(), games[2].Record, error);
        QCOMPARE(review.Decisions->rowCount(), static_cast<int>(expected->Decisions.size()));
        QVERIFY(review.Heading->text().contains(QString::number(expected->GivenAway, 'f', 1)));
        QCOMPARE(review.ShownDecision(), static_cast<int>(expected->Costliest[0]));
        for (const std::size_t costly :
             {expected->Costliest[1], expected->Costliest[2], expected->Costliest[0]}) {
            QTest::mouseClick(review.NextButton, Qt::LeftButton);
            QCOMPARE(review.ShownDecision(), static_cast<int>(costly));
            QCOMPARE(review.Decisions->item(static_cast<int>(costly), 7)->text().isEmpty(), false);
        }
        QTest::mouseClick(review.PreviousButton, Qt::LeftButton);
        QCOMPARE(review.ShownDecision(), static_cast<int>(expected->Costliest[2]));

        Messages.NextAnswer = false;
        QTest::mouseClick(form.ForgetButton, Qt::LeftButton);
        QVERIFY(Messages.LastQuestion.contains("Ann"));
        QCOMPARE(form.PlayerChoice->count(), 2);
        Messages.NextAnswer = true;
        QTest::mouseClick(form.ForgetButton, Qt::LeftButton);
        QCOMPARE(form.PlayerChoice->count(), 1);
        QCOMPARE(form.PlayerChoice->itemText(0), QString("Cpu"));
        QCOMPARE(form.Games().size(), 6U);
    }

    // Damaged decisions are refused with words, and no row.
    void ADamagedGameIsRefusedPlainly() {
        THistoryStore store(Path("damaged.sqlite"));
        Fill(store);
        sqlite3* db = nullptr;
        sqlite3_open(Path("damaged.sqlite").c_str(), &db);
        QCOMPARE(sqlite3_exec(db, "UPDATE games SET decisions = x'01ff'", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
        TStatisticsForm form(&store, Table, Help, Messages);
        form.ShowStatistics();
        QTRY_VERIFY(form.Figures->item(6, 0)->text().contains("damaged games: 6"));
        form.GamesView->selectRow(0);
        QTest::mouseClick(form.ReviewButton, Qt::LeftButton);
        QVERIFY(form.ReviewForm().Heading->text().contains("cannot be reviewed"));
        QCOMPARE(form.ReviewForm().Decisions->rowCount(), 0);
        QVERIFY(!form.ReviewForm().NextButton->isEnabled());
    }

    // The coach shows each player's chance while a series of two or more is on, the figures of the
    // newest position only; with a history, the last finished game opens in a review.
    void TheCoachShowsTheChancesAndReviewsTheLastGame() {
        THistoryStore store(Path("coach.sqlite"));
        TNullView view;
        TVirtualClock clock;
        TSeededRandom dice(9);
        TQuintixGame game(view, clock, dice, Table);
        TCoach coach(game, Table);
        TGameRecorder recorder(game, store);
        const TSubscription recording = game.Subscribe(recorder);
        TCoachForm form(coach, Table, Help, &store);
        form.ShowCoach();
        TChancesPanel& chances = *form.Chances;
        QCOMPARE(THelpSystem::WhatsThisContext(chances.Chances), 1024);
        QCOMPARE(THelpSystem::WhatsThisContext(form.ReviewButton), 1024);

        game.StartSeries(SeriesOf({{"Ann"}}, 2));
        form.Refresh();
        QVERIFY(!chances.isVisible());

        // Game 1 of 2, the last turn: no chance can make up what Ann is behind in this game.
        game.StartSeries(SeriesOf({{"Ann"}, {"Cpu", true}}, 2));
        TGameState state = TPositionBuilder(game.State()).At(1, TurnsPerGame).Build();
        state.Scores[1][1].Lines = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, NoValue};
        state.Scores[2][1].Lines = {5, 10, 15, 20, 25, 30, 30, 30, 25, 30, 40, 50, NoValue};
        game.LoadPosition(state);
        form.Refresh();
        QVERIFY(chances.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(chances.Simulations(),
                                  TChancesPanel::Rounds * TChancesPanel::SimulationsARound, 120000);
        QCOMPARE(chances.Chances->rowCount(), 2);
        const auto shown = [&chances](int row, int col) {
            return static_cast<QProgressBar*>(chances.Chances->cellWidget(row, col))->text();
        };
        QCOMPARE(shown(0, 1), QString("0 %"));
        QCOMPARE(shown(1, 1), QString("100 %"));
        QVERIFY(form.ReviewButton->isVisible() && !form.ReviewButton->isEnabled());

        // A new series starts the chances again; the old figures never show.
        PlaySeries(game, clock, SeriesOf({{"Ann"}, {"Cpu", true}}, 2));
        QVERIFY(!chances.isVisible());
        QVERIFY(form.ReviewButton->isEnabled());
        QTest::mouseClick(form.ReviewButton, Qt::LeftButton);
        QVERIFY(form.ReviewForm().isVisible());
        QVERIFY(form.ReviewForm().Heading->text().startsWith("Ann, game 2 of 2"));
        QVERIFY(form.ReviewForm().Decisions->rowCount() >= TurnsPerGame);
    }

    // A newer job stops the one running, and only its own result arrives.
    void ANewerJobCancelsAnOlderOne() {
        TLatestWorker worker;
        std::atomic<bool> started = false;
        std::atomic<bool> stopped = false;
        std::vector<int> results;
        worker.Start<int>(
            [&](std::stop_token stop, const std::function<void(int)>& deliver) {
                started = true;
                while (!stop.stop_requested()) {
                    std::this_thread::yield();
                }
                stopped = true;
                deliver(1);
            },
            [&results](int result) { results.push_back(result); });
        QTRY_VERIFY(started);
        worker.Start<int>([](std::stop_token, const std::function<void(int)>& deliver) { deliver(2); },
                          [&results](int result) { results.push_back(result); });
        QTRY_COMPARE(results, std::vector<int>{2});
        QVERIFY(stopped);
        QTest::qWait(20);
        QCOMPARE(results, std::vector<int>{2});
    }
};

}  // namespace quintix::testing

QTEST_MAIN(quintix::testing::StatisticsTest)
#include "statistics_test.moc"
