// The main window driven as a person would: clicks, keys and the dialogs, on a virtual clock with
// scripted dice.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "ui/die_panel.h"
#include "ui/draw_grid.h"
#include "ui/help_system.h"
#include "ui/message_box.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/quintix_form.h"
#include "ui/score_form.h"
#include "ui/summary_form.h"

namespace quintix::testing {

class MainWindowTest : public QObject {
    Q_OBJECT

    TScriptedRandom* Dice = nullptr;
    TVirtualClock* Clock = nullptr;
    TQuintixForm* Form = nullptr;

    template <typename T>
    T* Child(const char* name) {
        T* child = Form->findChild<T*>(name);
        if (child == nullptr) {
            qFatal("no control %s", name);
        }
        return child;
    }
    QPushButton* Button(const char* name) { return Child<QPushButton>(name); }
    QString Message() { return Child<QLabel>("PlayerMessage")->text(); }
    const TGameState& S() { return Form->Game().State(); }
    // A cell as the grids paint it, its text as a QString for QCOMPARE.
    struct TShownCell {
        QString Text;
        bool Italic;
        bool Highlighted;
    };
    TShownCell Cell(TGrid grid, int col, int row) {
        const TCell cell = Form->Game().ShownCell(grid, col, row);
        return {QString::fromStdString(cell.Text), cell.Italic, cell.Highlighted};
    }

    // Types the players into the new game dialog and presses OK.
    void NewSeries(const QStringList& names, const QList<bool>& computers = {}, int games = 1) {
        QTest::mouseClick(Button("StartButton"), Qt::LeftButton);
        TNewGameForm& dialog = Form->NewGameForm();
        QVERIFY(dialog.isVisible());
        for (int i = 0; i < 6; ++i) {
            auto* edit = dialog.findChild<QLineEdit*>(QString("Player%1").arg(i + 1));
            edit->clear();
            if (i < names.size()) {
                QTest::keyClicks(edit, names[i]);
            }
            dialog.findChild<QCheckBox*>(QString("Computer%1").arg(i + 1))
                ->setChecked(i < computers.size() && computers[i]);
        }
        TNewGameContents contents = dialog.Contents();
        contents.NoOfGames = games;
        dialog.Fill(contents);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    void Roll(std::initializer_list<int> faces) {
        Dice->Add(faces);
        QVERIFY(Button("RollButton")->isEnabled());
        QTest::mouseClick(Button("RollButton"), Qt::LeftButton);
        Clock->AdvanceBy(250 * static_cast<int>(faces.size()));
    }

    // Double-clicks a score cell as a person would: the first click moves the current cell.
    void DoubleClick(const char* grid, int col, int row) {
        auto* g = Child<TDrawGrid>(grid);
        const QPoint at = g->CellRect(col, row).center();
        QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(g, Qt::LeftButton, Qt::NoModifier, at);
    }

private slots:
    void init() {
        Dice = new TScriptedRandom;
        Clock = new TVirtualClock;
        Form = new TQuintixForm(Dice, Clock);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
    }
    void cleanup() {
        delete Form;
        delete Clock;
        delete Dice;
    }

    void startsWithNoPlayersAndOnlyTheAlwaysAvailableButtons() {
        QCOMPARE(Form->windowTitle(), QString("Quintix 95 V1.00"));
        QCOMPARE(Form->size(), QSize(602, 412));
        QCOMPARE(Child<QComboBox>("PlayerList")->count(), 0);
        QCOMPARE(Message(), QString());
        for (const char* name : {"RollButton", "ScoreButton", "PossibleButton"}) {
            QVERIFY2(!Button(name)->isEnabled(), name);
        }
        for (const char* name : {"StartButton", "SummaryButton", "PrintButton", "HelpButton", "ExitButton"}) {
            QVERIFY2(Button(name)->isEnabled(), name);
        }
        for (int col = 1; col <= 6; ++col) {
            QCOMPARE(Cell(TGrid::Upper, col, 0).Text, QString::number(col));
            QCOMPARE(Cell(TGrid::Upper, col, 1).Text, QString());
            QCOMPARE(Cell(TGrid::Total, col, 2).Text, QString());
        }
        QCOMPARE(Cell(TGrid::Upper, 0, 8).Text, QString("Bonus"));
        QCOMPARE(Cell(TGrid::Lower, 0, 5).Text, QString("Quintix"));
        QCOMPARE(Cell(TGrid::Total, 0, 1).Text, QString("Quintix Bonus"));
    }

    void theGridsAreLaidOutToTheirDesignedCells() {
        auto* upper = Child<TDrawGrid>("UpperScores");
        QCOMPARE(upper->ColWidth(0), 81);
        QCOMPARE(upper->ColWidth(1), 52);
        QCOMPARE(upper->RowHeight(0), 15);
        for (const char* name : {"LowerScores", "TotalScores"}) {
            QCOMPARE(Child<TDrawGrid>(name)->ColWidth(0), 81);
            QCOMPARE(Child<TDrawGrid>(name)->RowHeight(1), 15);
        }
    }

    void aOnePlayerSeriesIsPlayedWithClicksAndKeysToTheWinner() {
        NewSeries({"  Solo  "});
        QCOMPARE(Child<QComboBox>("PlayerList")->currentText(), QString("Solo"));
        QCOMPARE(Message(), QString("It's your turn"));
        for (int turn = 1; turn <= 13; ++turn) {
            Roll({1, 2, 3, 4, 6});
            QCOMPARE(Child<QLabel>("Roll")->text(), QString("1"));
            QVERIFY(Button("ScoreButton")->isEnabled());
            QTest::keyClick(Button("ScoreButton"), Qt::Key_5);
            QVERIFY(Child<TDiePanel>("Panel5")->Frame()->isVisible());
            Roll({5});
            QCOMPARE(S().Dice[5].Value, 5);
            QTest::mouseClick(Button("ScoreButton"), Qt::LeftButton);
            auto* list = Form->ScoreForm().findChild<QListWidget*>("ScoringList");
            QCOMPARE(list->count(), 14 - turn);
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(!Form->ScoreForm().isVisible());
            Clock->AdvanceBy(2000);
        }
        QCOMPARE(Message(), QString("The winner is Solo"));
        QVERIFY(Form->SummaryForm().isVisible());
        QCOMPARE(Form->SummaryForm().windowTitle(), QString("Series Summary"));
        QTest::mouseClick(Form->SummaryForm().findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        Clock->AdvanceBy(1);
        QVERIFY(!Button("RollButton")->isEnabled());
        // The first open line took every roll: Aces 1, Twos 2, ..., Large Straight 40, and so on.
        QCOMPARE(Cell(TGrid::Upper, 1, 1).Text, QString("1"));
        QCOMPARE(Cell(TGrid::Lower, 1, 4).Text, QString("40"));
    }

    void twoPlayersRollForOrderAndSeeTheInitialOrder() {
        NewSeries({"Ann", "Bob"});
        QCOMPARE(Message(), QString("It's your turn to roll for order"));
        Roll({1, 1, 1, 1, 1});
        QCOMPARE(Child<QLabel>("Roll")->text(), QString("5"));
        QVERIFY(!Button("ScoreButton")->isEnabled());
        Clock->AdvanceBy(1001);
        QCOMPARE(Child<QComboBox>("PlayerList")->currentText(), QString("Bob"));
        Roll({6, 6, 6, 6, 6});
        Clock->AdvanceBy(1000);
        QVERIFY(Form->SummaryForm().isVisible());
        QCOMPARE(Form->SummaryForm().windowTitle(), QString("Initial Order"));
        QCOMPARE(Child<QComboBox>("PlayerList")->itemText(0), QString("Bob"));
        Form->SummaryForm().accept();
        Clock->AdvanceBy(1);
        QCOMPARE(Message(), QString("It's your turn"));
        QCOMPARE(Child<QComboBox>("PlayerList")->currentText(), QString("Bob"));
        QCOMPARE(Form->SummaryForm().windowTitle(), QString("Series Summary"));
    }

    void theRollButtonFollowsTheMarkedDice() {
        NewSeries({"Ann"});
        Roll({1, 2, 3, 4, 5});
        QVERIFY(!Button("RollButton")->isEnabled());
        QTest::mouseClick(Child<TDiePanel>("Panel2")->Picture(), Qt::LeftButton);
        QVERIFY(Button("RollButton")->isEnabled());
        QTest::keyClick(Child<QComboBox>("PlayerList"), Qt::Key_2);
        QVERIFY(!Button("RollButton")->isEnabled());
        QTest::keyClick(Button("ExitButton"), Qt::Key_3, Qt::ControlModifier);
        QTest::keyClick(Button("ExitButton"), Qt::Key_3, Qt::KeypadModifier);
        QTest::keyClick(Button("HelpButton"), Qt::Key_3);
        QCOMPARE(S().SelectedCount, 0);
        QTest::keyClick(Child<TDrawGrid>("LowerScores"), Qt::Key_3);
        QCOMPARE(S().SelectedCount, 1);
    }

    void doubleClicksScoreOnlyOpenLinesOfThePlayerOnTurnInTheCurrentGame() {
        NewSeries({"Ann", "Bob"});
        TGameState state = S();
        state.CurrentGame = 1;
        state.Turn = 1;
        Form->Game().LoadPosition(state);
        Roll({3, 3, 3, 5, 5});
        DoubleClick("UpperScores", 1, 0);  // header
        DoubleClick("UpperScores", 1, 7);  // Total
        DoubleClick("UpperScores", 2, 3);  // another game
        DoubleClick("LowerScores", 1, 7);  // Lower Total
        QCOMPARE(S().RollCount, 1);
        Form->Game().ViewSheetOf(2);
        DoubleClick("LowerScores", 1, 2);
        QCOMPARE(S().RollCount, 1);
        Form->Game().ViewSheetOf(1);
        DoubleClick("LowerScores", 1, 2);
        QCOMPARE(S().Scores[1][1].Lines[FullHouse], 25);
        QCOMPARE(Cell(TGrid::Lower, 1, 2).Text, QString("25"));
        QVERIFY(Cell(TGrid::Lower, 1, 2).Highlighted);
        QVERIFY(!Cell(TGrid::Lower, 1, 2).Italic);
        QVERIFY(Cell(TGrid::Lower, 1, 3).Italic);
    }

    void possibilitiesShowInItalicsOnlyOnTheSheetOnTurn() {
        NewSeries({"Ann", "Bob"});
        TGameState state = S();
        state.CurrentGame = 1;
        state.Turn = 1;
        Form->Game().LoadPosition(state);
        Roll({2, 2, 5, 5, 5});
        QTest::mouseClick(Button("PossibleButton"), Qt::LeftButton);
        QCOMPARE(Cell(TGrid::Upper, 1, 2).Text, QString("4"));
        QCOMPARE(Cell(TGrid::Upper, 1, 1).Text, QString("0"));
        QVERIFY(Cell(TGrid::Upper, 1, 1).Italic);
        QCOMPARE(Cell(TGrid::Upper, 1, 7).Text, QString("0"));
        Form->Game().ViewSheetOf(2);
        QCOMPARE(Cell(TGrid::Upper, 1, 2).Text, QString());
        Form->Game().ViewSheetOf(1);
        QTest::mouseClick(Button("PossibleButton"), Qt::LeftButton);
        QCOMPARE(Cell(TGrid::Upper, 1, 2).Text, QString());
    }

    void scoringHighlightsTheCellAndTheBonusItEarned() {
        NewSeries({"Ann"});
        TGameState state = S();
        state.Scores[1][1].Lines[Sixes] = 24;
        state.Scores[1][1].Lines[Fives] = 25;
        state.Scores[1][1].Lines[QuintixLine] = 50;
        Form->Game().LoadPosition(state);
        Roll({4, 4, 4, 4, 4});
        DoubleClick("UpperScores", 1, 4);
        QVERIFY(Cell(TGrid::Upper, 1, 4).Highlighted);
        QVERIFY(Cell(TGrid::Upper, 1, 8).Highlighted);
        QCOMPARE(Cell(TGrid::Upper, 1, 8).Text, QString("35"));
        QVERIFY(Cell(TGrid::Total, 1, 1).Highlighted);
        QCOMPARE(Cell(TGrid::Total, 1, 1).Text, QString("100"));
        QVERIFY(!Cell(TGrid::Upper, 1, 9).Highlighted);
        Clock->AdvanceBy(2000);
        QVERIFY(!Cell(TGrid::Upper, 1, 4).Highlighted);
    }

    void theNewGameDialogIsRefilledInEntryOrderAndCancelChangesNothing() {
        NewSeries({"", " Ann ", "", "", "Bob"}, {true, false, false, false, true}, 3);
        QCOMPARE(S().NoOfPlayers, 2);
        QCOMPARE(S().NoOfGames, 3);
        QTest::mouseClick(Button("StartButton"), Qt::LeftButton);
        TNewGameForm& dialog = Form->NewGameForm();
        QCOMPARE(dialog.findChild<QLineEdit*>("Player1")->text(), QString("Ann"));
        QCOMPARE(dialog.findChild<QLineEdit*>("Player2")->text(), QString("Bob"));
        QVERIFY(dialog.findChild<QCheckBox*>("Computer2")->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox*>("Computer1")->isChecked());
        QCOMPARE(dialog.Contents().NoOfGames, 3);
        const TGameState before = S();
        QTest::keyClicks(dialog.findChild<QLineEdit*>("Player3"), "Cid");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(S() == before);
    }

    void theSummaryTheFlowAsksForJoinsTheOneOpenedByItsButton() {
        Dice->Add({6, 6, 6, 6, 5, 6, 6, 6, 6, 6});
        NewSeries({"Cee"}, {true});
        TGameState state = S();
        state.Turn = 13;
        state.Scores[1][1].Lines.fill(0);
        state.Scores[1][1].Lines[ChanceLine] = NoValue;
        Form->Game().LoadPosition(state);
        QTest::mouseClick(Button("SummaryButton"), Qt::LeftButton);
        QVERIFY(Form->SummaryForm().isVisible());
        QSignalSpy finished(&Form->SummaryForm(), &QDialog::finished);
        Clock->AdvanceBy(10000);  // the computer ends the game behind the open summary
        QCOMPARE(S().CurrentGame, 2);
        QVERIFY(Form->SummaryForm().isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(!Clock->Pending());
        Form->SummaryForm().accept();
        QVERIFY(Clock->Pending());
        Clock->AdvanceBy(1);
        QCOMPARE(Message(), QString("The winner is Cee"));
    }

    void exitAsksBeforeClosing() {
        TMessageBox::SetNextAnswer(false);
        QTest::mouseClick(Button("ExitButton"), Qt::LeftButton);
        QCOMPARE(TMessageBox::LastQuestion(), QString("Are you sure you want to quit?"));
        QVERIFY(Form->isVisible());
        TMessageBox::SetNextAnswer(true);
        QTest::mouseClick(Button("ExitButton"), Qt::LeftButton);
        QVERIFY(!Form->isVisible());
    }

    void helpRequestsOfTheWindowBecomePopupsOfTheirControls() {
        THelpSystem& help = THelpSystem::Instance();
        help.SetShowWindows(false);
        Child<TDrawGrid>("LowerScores")->setFocus();
        QTest::keyClick(Child<TDrawGrid>("LowerScores"), Qt::Key_F1);
        QCOMPARE(help.LastShown(), std::optional(THelpRequest{THelpCommand::Popup, 1011}));
        help.WhatsThisItemClick(Child<TDiePanel>("Panel3")->Picture());
        QCOMPARE(help.LastShown(), std::optional(THelpRequest{THelpCommand::Popup, 1014}));
        help.ClearLastShown();
        help.WhatsThisItemClick(Child<QLabel>("PlayerMessage"));
        QCOMPARE(help.LastShown(), std::optional<THelpRequest>());
        QTest::mouseClick(Button("HelpButton"), Qt::LeftButton);
        QCOMPARE(help.LastShown(), std::optional(THelpRequest{THelpCommand::Contents, 0}));
    }

    void printShowsTheScoreSheetsInThePreviewFromItsFirstPage() {
        NewSeries({"Ann", "Bob", "Cid"});
        QTest::mouseClick(Button("PrintButton"), Qt::LeftButton);
        TPreviewForm& preview = Form->PreviewForm();
        QVERIFY(preview.isVisible());
        QCOMPARE(preview.PageCount(), 2);
        QCOMPARE(preview.CurrentPage(), 1);
        QVERIFY(preview.windowTitle().startsWith("Print Preview - Quintix Score Sheet"));
    }

    void computerPlayersPlayBehindAnOpenDialog() {
        Dice->Add({1, 2, 3, 4, 6, 5});
        NewSeries({"Cee"}, {true});
        QTest::mouseClick(Button("SummaryButton"), Qt::LeftButton);
        Clock->AdvanceBy(4000);
        QCOMPARE(S().Scores[1][1].Lines[LargeStraight], 40);
    }
};

}  // namespace quintix::testing

QTEST_MAIN(quintix::testing::MainWindowTest)
#include "main_window_test.moc"
