#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "base/one_based.h"
#include "game/game_view.h"
#include "game/quintix_game.h"
#include "game/random_source.h"
#include "game/step_timer.h"
#include "ui/button_pictures.h"
#include "ui/help_system.h"
#include "ui/scaled_layout.h"
#include "ui/services.h"

class QAction;
class QComboBox;
class QLabel;
class QPainter;
class QPushButton;

namespace quintix {

class TCoach;
class TCoachForm;
class TGameRecorder;
class TSeriesKeeper;
class TDiePanel;
class TDrawGrid;
class TNewGameForm;
class TPreviewForm;
class TScoreForm;
class TScoreReportForm;
class TStatisticsForm;
class TSummaryForm;

// The main window: the player list, the three score grids, the dice and the command buttons. It
// draws the game and forwards clicks and keys to it; the rules and the turn live in the game.
class TQuintixForm : public QWidget, public IGameView {
    Q_OBJECT

public:
    // The services must outlive the window. Without a random source the dice are seeded from the
    // time of day; without a timer a QTimer paces the game. Tests pass scripted dice and a virtual
    // clock.
    explicit TQuintixForm(const TServices& services, IRandomSource* random = nullptr,
                          IStepTimer* timer = nullptr, QWidget* parent = nullptr);
    // The dialogs and the coach's window go first: they hold on to the game and the coach.
    ~TQuintixForm() override;

    TQuintixGame& Game() { return *GameObject; }
    TNewGameForm& NewGameForm();
    TScoreForm& ScoreForm();
    TSummaryForm& SummaryForm();
    TScoreReportForm& ScoreReportForm();
    TPreviewForm& PreviewForm();
    TCoachForm& CoachForm();
    TStatisticsForm& StatisticsForm();

    // What the game asks of its window.
    void RedrawScores() override;
    void ShowDice() override;
    void ControlsChanged() override;
    void SetSummaryPlayers(const TPlayers& players) override;
    void RedrawSummary() override;
    void ShowSummary(const std::string& caption) override;

    // The handlers of the window's controls; each forwards to the game.
    void StartButtonClick();
    void RollButtonClick();
    void ScoreButtonClick();
    void ScoreFromList(int index);
    void PossibleButtonClick();
    void SummaryButtonClick();
    void PrintButtonClick();
    void HelpButtonClick();
    void ExitButtonClick();
    void CoachButtonClick();
    void StatisticsButtonClick();
    void DiceClick(int die);
    void UpperScoresDblClick(int col, int row);
    void LowerScoresDblClick(int col, int row);
    void PlayerListChange(int index);
    void UndoClick();  // Ctrl+Z, or "&Undo" in the sheet's menu
    // The application's help hook: a topic of a main-window control opens as a popup.
    void ApplicationHelp(THelpCommand& command, int& context, bool& callHelp);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void LayoutGrids();
    QPushButton* AddButton(const char* name, const QString& caption, int top, TButtonPicture picture,
                           int iconSize, int helpContext, void (TQuintixForm::*click)());
    void ShowMessage();
    void Remember();
    bool SeriesInProgress() const;
    void DrawScoreCell(QPainter& painter, const TDrawGrid& grid, int col, int row, const QRect& rect,
                       const TCell& cell) const;
    bool FormKeyDown(const QKeyEvent& event);
    bool CoachKeyDown(const QKeyEvent& event);

    TServices Services;
    std::unique_ptr<IRandomSource> OwnRandom;
    std::unique_ptr<IStepTimer> OwnTimer;
    std::unique_ptr<TQuintixGame> GameObject;
    TScaledLayout Layout;
    bool QuitConfirmed = false;     // the Exit button has asked already
    bool PlacedBySettings = false;  // opens where it was left, not centred
    bool Shown = false;             // the window has been shown once

    QLabel* Label3 = nullptr;
    QComboBox* PlayerList = nullptr;
    QLabel* PlayerMessage = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Roll = nullptr;
    TDrawGrid* UpperScores = nullptr;
    TDrawGrid* LowerScores = nullptr;
    TDrawGrid* TotalScores = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* RollButton = nullptr;
    QPushButton* ScoreButton = nullptr;
    QPushButton* PossibleButton = nullptr;
    QPushButton* SummaryButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* ExitButton = nullptr;
    QPushButton* CoachButton = nullptr;
    QAction* UndoAction = nullptr;
    QPushButton* StatisticsButton = nullptr;
    OneBased<TDiePanel*, NoOfDice> Panels{};

    TNewGameForm* NewGameDialog = nullptr;
    TScoreForm* ScoreDialog = nullptr;
    TSummaryForm* SummaryDialog = nullptr;
    TPlayers SummaryPlayers{};
    TScoreReportForm* ScoreReport = nullptr;
    TPreviewForm* Preview = nullptr;
    TCoachForm* Coach = nullptr;
    TStatisticsForm* Statistics = nullptr;
    std::unique_ptr<TCoach> CoachModel;       // follows the game from the start, window or not
    std::unique_ptr<TGameRecorder> Recorder;  // stores every finished game in the history
    TSubscription Recording;
    TSeriesKeeper* Keeper = nullptr;  // keeps the series when the window closes, offers it at start
    std::vector<int> OfferedLines;    // the line behind each item of the score dialog's list
};

}  // namespace quintix
