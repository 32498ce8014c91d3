#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "game/position_builder.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/support/series.h"
#include "tests/ui/scripted_messages.h"
#include "ui/help_system.h"
#include "ui/kept_series.h"
#include "ui/quintix_form.h"

namespace quintix::testing {

// A run of the program: its window on scripted dice and a virtual clock, keeping its series in
// the test's file.
struct TRun {
    explicit TRun(TSeriesFile& file)
        : Form({NoTable, Help, Messages, nullptr, nullptr, &file}, &Dice, &Clock) {}

    TFixedTable NoTable{nullptr};
    THelpSystem Help;
    TScriptedMessages Messages;
    TScriptedRandom Dice;
    TVirtualClock Clock;
    TQuintixForm Form;
};

class KeptSeriesTest : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    QString Path() const { return Dir.filePath("series.json"); }
    static void Roll(TRun& run, std::initializer_list<int> faces) {
        run.Dice.Add(faces);
        run.Form.Game().Roll();
        run.Clock.AdvanceBy(250 * static_cast<int>(faces.size()));
    }
    // Ann alone on the last turn of the first game, with die 5 of 6 6 6 6 2 marked.
    static void OnTheLastTurn(TRun& run, int games) {
        run.Form.Game().StartSeries(SeriesOf({{"Ann"}}, games));
        run.Form.Game().LoadPosition(TPositionBuilder(run.Form.Game().State())
                                         .At(1, TurnsPerGame)
                                         .Sheet(1, 1, {3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 0, NoValue})
                                         .Build());
        Roll(run, {6, 6, 6, 6, 2});
        run.Form.Game().ToggleDie(5);
    }
    // Everything a kept position says.
    static QByteArray Seen(const TGameState& position) {
        return EncodeKeptSeries({QDateTime(QDate(2026, 1, 1), QTime()), position, std::nullopt});
    }
    // Every cell the window shows.
    static QByteArray Cells(const TQuintixGame& game) {
        QByteArray cells;
        for (const TGrid grid : {TGrid::Upper, TGrid::Lower, TGrid::Total}) {
            for (int row = 0; row < RowCount(grid); ++row) {
                for (int col = 0; col <= MaxGames; ++col) {
                    const TCell cell = game.ShownCell(grid, col, row);
                    cells += QByteArray::fromStdString(cell.Text) + (cell.Italic ? "/" : "|");
                }
            }
        }
        return cells;
    }

private slots:
    void init() { QFile::remove(Path()); }

    // The window closes in each phase of a series and the next run continues it: the position the
    // flow last rested at comes back whole, a person's marks included, never dice in the air.
    void TheSeriesComesBackAsItWasLeftInEveryPhase() {
        const std::vector<std::pair<const char*, std::function<void(TRun&)>>> phases{
            {"roll for order",
             [](TRun& run) {
                 run.Form.Game().StartSeries(SeriesOf({{"Ann"}, {"Bob"}}, 2));
                 Roll(run, {3, 4, 5, 6, 6});
                 run.Clock.AdvanceBy(1000 + 500);
             }},
            {"mid-turn with marks",
             [](TRun& run) {
                 run.Form.Game().StartSeries(SeriesOf({{"Ann"}, {"Cy", true}}, 2));
                 run.Form.Game().LoadPosition(TPositionBuilder(run.Form.Game().State()).At(1, 5).Build());
                 Roll(run, {1, 2, 3, 4, 6});
                 run.Form.Game().ToggleDie(5);
                 run.Form.Game().ToggleDie(1);
             }},
            {"a computer's turn, dice in the air",
             [](TRun& run) {
                 run.Form.Game().StartSeries(SeriesOf({{"Cy", true}, {"Ann"}}, 1));
                 run.Form.Game().LoadPosition(TPositionBuilder(run.Form.Game().State()).At(1, 3).Build());
                 run.Dice.Add({1, 2, 3, 4, 6, 5});
                 run.Clock.AdvanceBy(1250 + 1000 + 500 + 100);
             }},
            {"the last turn", [](TRun& run) { OnTheLastTurn(run, 1); }},
            {"the summary open",
             [](TRun& run) {
                 OnTheLastTurn(run, 2);
                 run.Form.Game().Score(ChanceLine);
                 QVERIFY(run.Form.Game().SummaryOpen());
             }},
        };
        TSeriesFile file(Path());
        for (const auto& [phase, play] : phases) {
            QByteArray left;
            QByteArray cells;  // when the window showed the position kept
            {
                TRun first(file);
                first.Form.show();
                play(first);
                const TQuintixGame& game = first.Form.Game();
                left = Seen(game.KeptPosition());
                cells = game.State() == game.KeptPosition() ? Cells(game) : QByteArray();
                first.Messages.NextAnswer = true;
                QVERIFY2(first.Form.close(), phase);
            }
            TRun next(file);
            next.Messages.NextAnswer = true;
            next.Form.show();
            QTest::qWait(0);
            QVERIFY2(next.Messages.LastQuestion.contains("Continue the series you left on"), phase);
            const TQuintixGame& game = next.Form.Game();
            QCOMPARE(Seen(game.KeptPosition()), left);
            if (!cells.isEmpty()) {
                QCOMPARE(Cells(game), cells);
            }
            QCOMPARE(game.SummaryOpen(), std::string_view(phase) == "the summary open");
            next.Messages.NextAnswer = true;
            next.Form.close();
        }
    }

    // No: the kept series is gone. A file that cannot be used is set aside, said once, and the
    // program starts without it.
    void ARefusedOrUnusableSeriesIsNotOfferedAgain() {
        TSeriesFile file(Path());
        for (const QByteArray& contents : {QByteArray("{\"format\": 1, \"players\": 7}"),
                                           QByteArray("\x00garbage", 8), QByteArray("{\"format\": 99}")}) {
            QFile raw(Path());
            QVERIFY(raw.open(QIODevice::WriteOnly) && raw.write(contents) == contents.size());
            raw.close();
            TRun run(file);
            run.Form.show();
            QTest::qWait(0);
            QVERIFY(run.Messages.LastQuestion.isEmpty());
            QVERIFY2(run.Messages.LastError.contains("cannot be continued"), contents.constData());
            QVERIFY(!QFile::exists(Path()));
        }
        const QStringList aside = QDir(Dir.path()).entryList({"series.json.*"});
        QCOMPARE(aside.filter(".damaged-").size() + aside.filter(".newer-").size(), 3);
        QCOMPARE(aside.filter(".newer-").size(), 1);

        {
            TRun first(file);
            first.Form.show();
            first.Form.Game().StartSeries(SeriesOf({{"Ann"}}));
            first.Messages.NextAnswer = true;
            first.Form.close();
        }
        QVERIFY(QFile::exists(Path()));
        TRun next(file);
        next.Messages.NextAnswer = false;
        next.Form.show();
        QTest::qWait(0);
        QVERIFY(!next.Messages.LastQuestion.isEmpty());
        QVERIFY(!QFile::exists(Path()));
        QCOMPARE(next.Form.Game().Phase(), TPhase::NoSeries);
    }
};

}  // namespace quintix::testing

QTEST_MAIN(quintix::testing::KeptSeriesTest)
#include "kept_series_test.moc"
