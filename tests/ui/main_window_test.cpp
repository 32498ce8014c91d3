// The main window driven as a person would: clicks, keys and the dialogs, on a virtual clock with
// scripted dice; and on today's desktops: larger than its natural size, on a dark palette, with long
// names, and closed from its title bar.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "computer/expert_table.h"
#include "game/position_builder.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/support/series.h"
#include "tests/support/table_providers.h"
#include "tests/ui/scripted_messages.h"
#include "tests/ui/text_fits.h"
#include "ui/coach_form.h"
#include "ui/die_panel.h"
#include "ui/draw_grid.h"
#include "ui/event_loop_post.h"
#include "ui/help_system.h"
#include "ui/help_viewer.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/quintix_form.h"
#include "ui/score_form.h"
#include "ui/summary_form.h"

namespace quintix::testing {

namespace {

// Pixels of the dice's red in the main window as the screenshot tool renders it at a scale.
qsizetype RedPixels(const QString& scale) {
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QUINTIX_SCREENSHOTS, {"--scale", scale, dir.path()});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        return -1;
    }
    const QImage image(QDir(dir.path()).filePath("main-window.png"));
    qsizetype red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            red += image.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        }
    }
    return red;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    TScriptedRandom* Dice = nullptr;
    TVirtualClock* Clock = nullptr;
    TTableByHand* Table = nullptr;
    THelpSystem Help;
    TScriptedMessages Messages;
    TQuintixForm* Form = nullptr;

    template <typename T = QPushButton>
    T* Child(const char* name) {
        T* child = Form->findChild<T*>(name);
        if (child == nullptr) {
            qFatal("no control %s", name);
        }
        return child;
    }
    QString Text(const char* label) { return Child<QLabel>(label)->text(); }
    const TGameState& S() { return Form->Game().State(); }

    // Types the players into the new game dialog and presses Enter.
    void NewSeries(const QStringList& names, const QList<bool>& computers = {}, int games = 1) {
        QTest::mouseClick(Child("StartButton"), Qt::LeftButton);
        TNewGameForm& dialog = Form->NewGameForm();
        dialog.Fill(SeriesOf({}, games));
        for (int i = 0; i < names.size(); ++i) {
            QTest::keyClicks(dialog.PlayerEdits[i + 1], names[i]);
            dialog.ComputerChecks[i + 1]->setChecked(i < computers.size() && computers[i]);
        }
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }
    void Roll(std::initializer_list<int> faces) {
        Dice->Add(faces);
        QTest::mouseClick(Child("RollButton"), Qt::LeftButton);
        Clock->AdvanceBy(250 * static_cast<int>(faces.size()));
    }

private slots:
    void init() {
        Dice = new TScriptedRandom;
        Clock = new TVirtualClock;
        Table = new TTableByHand;
        Form = new TQuintixForm({*Table, Help, Messages}, Dice, Clock);
        Form->show();
        QVERIFY(QTest::qWaitForWindowExposed(Form));
    }
    void cleanup() {
        delete Form;
        delete Table;
        delete Clock;
        QVERIFY(!Dice->RanOut());
        delete Dice;
    }

    void aOnePlayerSeriesIsPlayedWithClicksAndKeysToTheWinner() {
        QCOMPARE(Form->windowTitle(), QString("Quintix 95 V1.00"));
        NewSeries({"  Solo  "});
        QCOMPARE(Child<QComboBox>("PlayerList")->currentText(), QString("Solo"));
        QCOMPARE(Text("PlayerMessage"), QString("It's your turn"));
        for (int turn = 1; turn <= 13; ++turn) {
            Roll({1, 2, 3, 4, 6});
            QCOMPARE(Text("Roll"), QString("1"));
            QTest::keyClick(Child("ScoreButton"), Qt::Key_5);
            QVERIFY(Child<TDiePanel>("Panel5")->Frame()->isVisible());
            Roll({5});
            QTest::mouseClick(Child("ScoreButton"), Qt::LeftButton);
            auto* list = Form->ScoreForm().findChild<QListWidget*>("ScoringList");
            QCOMPARE(list->count(), 14 - turn);
            QTest::keyClick(list, Qt::Key_Return);
            Clock->AdvanceBy(2000);
        }
        QCOMPARE(S().Scores[1][1].Lines[LargeStraight], 40);  // the first open line took every roll
        QCOMPARE(Text("PlayerMessage"), QString("The winner is Solo"));
        QCOMPARE(Form->SummaryForm().windowTitle(), QString("Series Summary"));
        QTest::mouseClick(Form->SummaryForm().findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        Clock->AdvanceBy(1);
        QVERIFY(!Child("RollButton")->isEnabled());
    }

    // The summary lists the players in the order handed over, and nothing beyond them.
    void twoPlayersRollForOrderAndSeeTheInitialOrder() {
        NewSeries({"Ann", "Bob"});
        Roll({1, 1, 1, 1, 1});
        Clock->AdvanceBy(1001);
        QCOMPARE(Child<QComboBox>("PlayerList")->currentText(), QString("Bob"));
        Roll({6, 6, 6, 6, 6});
        Clock->AdvanceBy(1000);
        TSummaryForm& summary = Form->SummaryForm();
        QVERIFY(summary.isVisible());
        QCOMPARE(summary.windowTitle(), QString("Initial Order"));
        QCOMPARE(summary.CellText(0, 1) + summary.CellText(0, 2) + summary.CellText(0, 3), QString("BobAnn"));
        QCOMPARE(Child<QComboBox>("PlayerList")->itemText(0), QString("Bob"));
        summary.accept();
        Clock->AdvanceBy(1);
        QCOMPARE(Text("PlayerMessage"), QString("It's your turn"));
    }

    // The digits 1..5 of the main keyboard mark dice wherever the focus is; with a modifier, or
    // from the keypad, they do nothing. A double-click on a line of the sheet scores it.
    void digitKeysClicksAndDoubleClicksPlayTheTurn() {
        NewSeries({"Ann"});
        Roll({3, 3, 3, 5, 5});
        QTest::mouseClick(Child<TDiePanel>("Panel2")->Picture(), Qt::LeftButton);
        QVERIFY(Child("RollButton")->isEnabled());
        QTest::keyClick(Child<QComboBox>("PlayerList"), Qt::Key_2);
        QVERIFY(!Child("RollButton")->isEnabled());
        QTest::keyClick(Child("ExitButton"), Qt::Key_3, Qt::ControlModifier);
        QTest::keyClick(Child("ExitButton"), Qt::Key_3, Qt::KeypadModifier);
        QCOMPARE(S().SelectedCount, 0);
        QTest::keyClick(Child<TDrawGrid>("LowerScores"), Qt::Key_3);
        QVERIFY(S().Dice[3].SelectShown);
        QTest::mouseClick(Child("PossibleButton"), Qt::LeftButton);
        QVERIFY(S().ShowPossible);
        auto* grid = Child<TDrawGrid>("LowerScores");
        for (const int row : {7, 2}) {  // Lower Total, then Full House
            QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(1, row).center());
            QTest::mouseDClick(grid, Qt::LeftButton, Qt::NoModifier, grid->CellRect(1, row).center());
        }
        QCOMPARE(S().Scores[1][1].Lines[FullHouse], 25);
        QCOMPARE(S().Scores[1][1].Lines[ChanceLine], NoValue);
    }

    // A slip of the double-click is taken back with Ctrl+Z, or with "Undo" in the sheet's menu, which
    // is off once nothing can be taken back.
    void ctrlZAndTheSheetsMenuTakeBackTheLastScore() {
        NewSeries({"Ann"});
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form));
        auto* grid = Child<TDrawGrid>("UpperScores");
        const QPoint aces = grid->CellRect(1, 1).center();
        Roll({6, 6, 6, 2, 2});
        QTest::mouseClick(grid, Qt::LeftButton, Qt::NoModifier, aces);
        QTest::mouseDClick(grid, Qt::LeftButton, Qt::NoModifier, aces);
        QCOMPARE(S().Scores[1][1].Lines[Aces], 0);
        QTest::keyClick(Child<QComboBox>("PlayerList"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(S().Scores[1][1].Lines[Aces], NoValue);

        QTest::mouseDClick(grid, Qt::LeftButton, Qt::NoModifier, aces);
        QContextMenuEvent event(QContextMenuEvent::Mouse, aces, grid->mapToGlobal(aces));
        QApplication::sendEvent(grid, &event);
        QAction* undo = Form->findChild<QMenu*>("HelpPopup")->actions().front();
        QCOMPARE(undo->text(), QString("&Undo"));
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(S().Scores[1][1].Lines[Aces], NoValue);
        QVERIFY2(!undo->isEnabled(), "nothing to take back");
        QTest::mouseDClick(grid, Qt::LeftButton, Qt::NoModifier, aces);
        Clock->AdvanceBy(2000);
        Roll({1, 2, 3, 4, 5});
        QVERIFY2(!undo->isEnabled(), "rolled since");
    }

    void theNewGameDialogIsRefilledInEntryOrderAndCancelChangesNothing() {
        NewSeries({"", " Ann ", "", "", "Bob"}, {true, false, false, false, true}, 3);
        QTest::mouseClick(Child("StartButton"), Qt::LeftButton);
        TNewGameForm& dialog = Form->NewGameForm();
        QVERIFY(dialog.Contents() == SeriesOf({{"Ann"}, {"Bob", true}}, 3));
        const TGameState before = S();
        QTest::keyClicks(dialog.PlayerEdits[3], "Cid");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(S() == before);
    }

    // A computer player plays on behind an open dialog; the summary the flow asks for at the end of
    // the game joins the one opened by its button and holds the flow until it is closed.
    void theSummaryTheFlowAsksForJoinsTheOneOpenedByItsButton() {
        Dice->Add({6, 6, 6, 6, 5, 6, 6, 6, 6, 6});
        NewSeries({"Cee"}, {true});
        Form->Game().LoadPosition(TPositionBuilder(S())
                                      .At(1, 13)
                                      .Sheet(1, 1, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, NoValue})
                                      .Build());
        QTest::mouseClick(Child("SummaryButton"), Qt::LeftButton);
        QSignalSpy finished(&Form->SummaryForm(), &QDialog::finished);
        Clock->AdvanceBy(10000);
        QCOMPARE(S().CurrentGame, 2);
        QVERIFY(Form->SummaryForm().isVisible());
        QCOMPARE(finished.count(), 0);
        QVERIFY(!Clock->Pending());
        Form->SummaryForm().accept();
        Clock->AdvanceBy(1);
        QCOMPARE(Text("PlayerMessage"), QString("The winner is Cee"));
    }

    // Exit asks first, and so does closing the window during a series; help requests become popups
    // of their controls; Print opens the preview.
    void theOtherButtonsAskShowHelpAndPreview() {
        QVERIFY(Form->close());  // nothing to lose before the first series
        Form->show();
        QVERIFY(QTest::qWaitForWindowActive(Form));
        Messages.NextAnswer = false;
        QTest::mouseClick(Child("ExitButton"), Qt::LeftButton);
        QCOMPARE(Messages.LastQuestion, QString("Are you sure you want to quit?"));
        QVERIFY(Form->isVisible());
        THelpSystem& help = Help;
        help.SetShowWindows(false);
        Child<TDrawGrid>("LowerScores")->setFocus();
        QTest::keyClick(Child<TDrawGrid>("LowerScores"), Qt::Key_F1);
        QCOMPARE(help.LastShown(), std::optional(THelpRequest{THelpCommand::Popup, 1011}));
        help.WhatsThisItemClick(Child<TDiePanel>("Panel3")->Picture());
        QCOMPARE(help.LastShown(), std::optional(THelpRequest{THelpCommand::Popup, 1014}));
        QTest::mouseClick(Child("HelpButton"), Qt::LeftButton);
        QCOMPARE(help.LastShown(), std::optional(THelpRequest{THelpCommand::Contents, 0}));
        NewSeries({"Ann", "Bob", "Cid"});
        QTest::mouseClick(Child("PrintButton"), Qt::LeftButton);
        QVERIFY(Form->PreviewForm().isVisible());
        QCOMPARE(Form->PreviewForm().PageCount(), 2);
        Form->PreviewForm().close();
        Messages.NextAnswer = false;
        QVERIFY(!Form->close());
        Messages.NextAnswer = true;
        QTest::mouseClick(Child("ExitButton"), Qt::LeftButton);
        QVERIFY(!Form->isVisible());
    }

    // F1 on each of the nine buttons, and its "What's This?", show that button's own page as a note.
    void everyButtonsHelpIsItsOwnPage() {
        THelpSystem& help = Help;
        help.SetShowWindows(false);
        QVERIFY(QTest::qWaitForWindowActive(Form));
        NewSeries({"Ann"});
        Roll({1, 2, 3, 4, 6});
        QTest::keyClick(Child("ExitButton"), Qt::Key_5);  // a die to roll again turns "Roll Dice" on
        // Each button and the title of the page it opens.
        const std::pair<const char*, const char*> pages[] = {
            {"StartButton", "New Game"}, {"RollButton", "Roll Dice"},
            {"ScoreButton", "Score"},    {"PossibleButton", "Possibilities"},
            {"SummaryButton", "Series"}, {"PrintButton", "Print"},
            {"HelpButton", "Help"},      {"ExitButton", "Exit"},
            {"CoachButton", "Coach"}};
        for (const auto& [name, title] : pages) {
            QPushButton* button = Child(name);
            button->setFocus();
            help.ClearLastShown();
            QTest::keyClick(button, Qt::Key_F1);
            const std::optional<THelpRequest> f1 = help.LastShown();
            help.ClearLastShown();
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    button->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(button, &click);
            auto* menu = Form->findChild<QMenu*>("HelpPopup");
            menu->findChild<QAction*>("WhatsThisItem")->trigger();
            menu->close();
            QVERIFY2(f1 && f1->Command == THelpCommand::Popup && help.LastShown() == f1, name);
            const QString page = THelpViewer::PageText(THelpViewer::PageName(f1->Data));
            QCOMPARE(QRegularExpression("<title>(.*)</title>").match(page).captured(1), QString(title));
        }
    }

    // The program ends when its last window closes: closing the main window must leave none open,
    // not the help window, nor the coach, nor a preview.
    void closingTheWindowLeavesNoWindowOfTheProgramOpen() {
        Help.SetShowWindows(true);
        Help.HelpCommand(THelpCommand::Contents, 0);
        Form->CoachButtonClick();
        Form->PrintButtonClick();
        QVERIFY(Help.Viewer().TopicWindow().isVisible());
        QVERIFY(Form->close());
        QStringList open;
        for (const QWindow* window : QGuiApplication::topLevelWindows()) {
            if (window->isVisible()) {
                open << window->objectName();
            }
        }
        QCOMPARE(open, QStringList());
    }

    // The coach's window opens once, beside the game and not modal. It shows how far the table's
    // building has come, and the choices after every roll once the table is there: told, not
    // looked for on a timer.
    void theCoachButtonOpensOneWindowThatFollowsTheGame() {
        Help.SetShowWindows(false);
        TCoachForm& coach = Form->CoachForm();
        QVERIFY(!coach.isVisible());
        QTest::mouseClick(Child("CoachButton"), Qt::LeftButton);
        QTest::mouseClick(Child("CoachButton"), Qt::LeftButton);
        QVERIFY(coach.isVisible() && !coach.isModal());
        QCOMPARE(Form->findChildren<TCoachForm*>().size(), 1);
        QVERIFY(coach.Status->text().startsWith("Start a new game"));
        QVERIFY(Table->Requests >= 1);
        Table->Advance(0.4);
        QCOMPARE(coach.Progress->value(), 40);

        NewSeries({"Tom %3"});  // a typed name is text, never a place for a number
        Form->Game().LoadPosition(TPositionBuilder(S())
                                      .At(1, 12)
                                      .Sheet(1, 1, {3, 6, 9, 12, NoValue, 18, 20, 0, 25, 30, 0, 0, NoValue})
                                      .Build());
        QVERIFY(coach.Status->text().contains("after each roll"));
        Roll({6, 6, 6, 6, 6});
        QVERIFY(coach.Status->text().contains("once the coach is ready"));
        Table->Provide(EndTable());
        QCOMPARE(coach.Status->text(), QString("Tom %3, after roll 1 of 3. Grand total so far: 123."));
        QVERIFY(!coach.Progress->isVisible());
        // Every reroll of five sixes keeps only sixes: one row for each number kept.
        QCOMPARE(coach.Choices->rowCount(), 2 + 5);
        QCOMPARE(coach.Choices->item(0, 0)->text(), QString("Score Chance"));
        QVERIFY(!coach.Choices->findItems("Keep 6 6 6, roll two dice", Qt::MatchExactly).isEmpty());
        int marked = 0;
        for (int row = 0; row < coach.Choices->rowCount(); ++row) {
            marked += coach.Choices->item(row, 2)->text().isEmpty() ? 0 : 1;
        }
        QCOMPARE(marked, 1);  // the computer player's choice
        QCOMPARE(THelpSystem::FocusContext(coach.Choices), 1024);
        // Scoring "Fives" with five sixes gives away what "Chance" is worth more.
        Form->Game().Score(Fives);
        QCOMPARE(coach.GivenAway->rowCount(), 1);
        QVERIFY(coach.GivenAway->item(0, 1)->text().toDouble() > 10.0);
        QCOMPARE(
            coach.LastChoice->text(),
            QString("Tom %3: Score Fives – gave away %1 points.").arg(coach.GivenAway->item(0, 1)->text()));
        Clock->AdvanceBy(2000);
        QVERIFY(
            coach.Status->text().startsWith("Tom %3 is on turn. With the best play from here the game is "
                                            "expected to reach "));
    }

    // The coach is a tool window of the main window: above it and no other program's, opening without
    // taking the keyboard. Keys pressed in it do what they do in the main window.
    void theCoachStaysAboveTheWindowAndPassesItsKeysOn() {
        Help.SetShowWindows(false);
        NewSeries({"Ann"});
        Form->CoachButtonClick();
        TCoachForm& coach = Form->CoachForm();
        QCOMPARE(coach.windowType(), Qt::Tool);
        QCOMPARE(coach.windowHandle()->transientParent(), Form->windowHandle());
        QVERIFY(coach.testAttribute(Qt::WA_ShowWithoutActivating));
        Dice->Add({3, 3, 3, 5, 5});
        coach.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&coach));
        coach.Choices->setFocus();
        QTest::keyClick(coach.Choices, Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(S().RollCount, 1);  // a button pressed by its key comes up a moment later
        Clock->AdvanceBy(1250);
        QTest::keyClick(coach.GivenAway, Qt::Key_4);
        QVERIFY(S().Dice[4].SelectShown);
        Form->Game().Score(FullHouse);
        QTest::keyClick(coach.Choices, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(S().Scores[1][1].Lines[FullHouse], NoValue);
    }

    // The window goes in every phase of a series, with every dialog made, the coach open and the
    // solver's table half built on its worker: nothing may reach the game, the coach or a window
    // after it has gone (the sanitizers watch), and the build stops with its provider.
    void closingInEveryPhaseLeavesNothingBehind() {
        TNewGameContents expert = SeriesOf({{"Cy", true}});
        expert.ExpertPlay = true;
        const std::vector<std::pair<const char*, TNewGameContents>> phases{
            {"no series", {}},
            {"roll for order", SeriesOf({{"Ann"}, {"Bob"}})},
            {"a person's turn", SeriesOf({{"Ann"}})},
            {"an expert waiting for the table", expert},
            {"the summary open", SeriesOf({{"Ann"}, {"Cy", true}})},
        };
        for (const auto& [phase, contents] : phases) {
            TExpertTable table(PostTo(*qApp));
            TScriptedRandom dice({6, 6, 6, 6, 6});
            TVirtualClock clock;
            auto* form = new TQuintixForm({table, Help, Messages}, &dice, &clock);
            form->show();
            form->NewGameForm();
            form->PreviewForm();
            form->CoachButtonClick();
            if (!contents.Rows[1].Name.empty()) {
                form->Game().StartSeries(contents);
            }
            clock.AdvanceBy(1250 + 1000 + 1);
            if (std::string_view(phase) == "the summary open") {
                form->SummaryButtonClick();
            }
            if (std::string_view(phase) == "an expert waiting for the table") {
                QVERIFY2(form->Game().Stage() == TTurnStage::WaitingForTable || table.Peek() != nullptr,
                         phase);
            }
            QApplication::processEvents();
            Messages.NextAnswer = true;
            form->close();
            delete form;
            QApplication::processEvents();  // news of the build, for windows that have gone
        }
    }

    void AtTwiceTheSizeTheDiceFillFourTimesThePixels() {
        const qsizetype natural = RedPixels("1");
        const qsizetype twice = RedPixels("2");
        QVERIFY2(natural > 0 && twice > 0, "the screenshot tool failed");
        const double ratio = static_cast<double>(twice) / static_cast<double>(natural);
        QVERIFY2(ratio > 3.6 && ratio < 4.4, qPrintable(QString("ratio %1").arg(ratio)));
    }

    // Sizes in between included: the font grows in whole pixels while the controls and the grids'
    // columns grow exactly, so a size that rounds the font up must not cut a caption or a label.
    void NoTextIsCutAtAnySize() {
        const QSize natural = Form->minimumSize();
        std::vector<QSize> sizes{{800, 548}, {700, 900}, {1366, 768}, {1920, 1080}};
        for (int width = natural.width(); width <= 4 * natural.width(); width += 7) {
            sizes.emplace_back(width, width * natural.height() / natural.width());
        }
        for (const QSize size : sizes) {
            Form->resize(size);
            const QString at = QString(" at %1 x %2").arg(size.width()).arg(size.height());
            for (const QWidget* control : Form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if ((qobject_cast<const QLabel*>(control) != nullptr &&
                     control->objectName() != "PlayerMessage") ||
                    qobject_cast<const QAbstractButton*>(control) != nullptr) {
                    QVERIFY2(TextFits(*control), qPrintable(control->objectName() + at));
                }
            }
            // A label is drawn a margin in from its cell's left edge and clipped at the right.
            const double scale =
                std::min(size.width() / double(natural.width()), size.height() / double(natural.height()));
            const int margin = static_cast<int>(std::lround(2 * scale));
            for (const TDrawGrid* grid : Form->findChildren<TDrawGrid*>(Qt::FindDirectChildrenOnly)) {
                const QFontMetrics metrics(grid->font());
                for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
                    const QString label = grid->CellText(0, row);
                    QVERIFY2(margin + metrics.horizontalAdvance(label) <= grid->ColWidth(0),
                             qPrintable(label + at));
                }
            }
        }
    }

    void LargerWindowsKeepTheDesignsAspectAndGrowEveryControl() {
        const QSize natural = Form->minimumSize();
        const QRect grid = Form->findChild<TDrawGrid*>("UpperScores")->geometry();
        Form->resize(natural.width() * 2, natural.height() * 3);  // taller than the design: letterboxed
        const QRect larger = Form->findChild<TDrawGrid*>("UpperScores")->geometry();
        QCOMPARE(larger.size(), grid.size() * 2);
        QCOMPARE(larger.top() - grid.top() * 2, natural.height() / 2);
        QVERIFY(Form->font().pixelSize() == 22);
    }

    // On a dark palette the sheet takes the palette's colours, not fixed black on white.
    void TheGridsFollowTheirPalette() {
        QPalette dark = Form->palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 32));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        Form->setPalette(dark);
        auto* grid = Form->findChild<TDrawGrid*>("LowerScores");
        const QImage image = grid->grab().toImage();
        QCOMPARE(image.pixelColor(grid->CellRect(4, 3).center()), QColor(30, 30, 32));
    }

    void ALongNameIsShortenedNotTheSentence() {
        Form->Game().StartSeries(SeriesOf({{"Bartholomew Quincey"}, {"Ann"}}));
        Form->Game().ViewSheetOf(2);
        const auto* message = Form->findChild<QLabel*>("PlayerMessage");
        for (const int scale : {1, 2}) {
            Form->resize(Form->minimumSize() * scale);
            QVERIFY(message->text().startsWith("It's Bart"));
            QVERIFY(message->text().endsWith(QChar(0x2026) + QString("'s turn to roll for order")));
            QVERIFY(QFontMetrics(message->font()).horizontalAdvance(message->text()) <= message->width());
            QCOMPARE(message->toolTip(), QString("It's Bartholomew Quincey's turn to roll for order"));
        }
        Form->Game().ViewSheetOf(1);
        QCOMPARE(message->text(), QString("It's your turn to roll for order"));
        QCOMPARE(message->toolTip(), QString());
    }
};

}  // namespace quintix::testing

QTEST_MAIN(quintix::testing::MainWindowTest)
#include "main_window_test.moc"
