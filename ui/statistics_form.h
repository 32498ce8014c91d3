#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "base/observers.h"
#include "history/game_record.h"
#include "history/history_store.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;

namespace quintix {

class IMessages;
class ITableProvider;
class TChartWidget;
class TGamesModel;
class THelpSystem;
class TLatestWorker;
class TReviewForm;

// How a player plays over time, from the history: for a name and a period, the player's figures
// beside the expert computer's, the grand totals against the expert's and the player's form over
// the last games; the best games and series of everyone; and the player's games, each of which
// opens in a review. It exports a player's games as CSV and forgets a player after asking. Not
// modal. The points a person gave away are worked out on a worker thread, which the window owns,
// over a connection of its own to the history.
class TStatisticsForm : public QWidget {
    Q_OBJECT

public:
    // The history may be null (nothing is kept); it, the table and the messages must outlive the
    // window.
    TStatisticsForm(THistoryStore* history, ITableProvider& table, THelpSystem& help, IMessages& messages,
                    QWidget* parent = nullptr);
    ~TStatisticsForm() override;

    // Reads the history afresh and opens the window, or raises it.
    void ShowStatistics();
    // Reads the history afresh, keeping the chosen name when it is still there.
    void Reload();
    // The games the table lists, the newest first.
    const std::vector<TGameSummary>& Games() const { return PlayerGames; }
    TReviewForm& ReviewForm();

    // Asks where to save the CSV; an empty answer saves nothing. Tests answer in advance.
    std::function<QString()> ChooseCsvFile;

    QLabel* EmptyLabel;
    QComboBox* PlayerChoice;
    QComboBox* PeriodChoice;
    QTabWidget* Pages;
    QTableWidget* Figures;
    QLabel* ExpertNote;
    TChartWidget* TotalsChart;
    TChartWidget* FormChart;
    QTableWidget* HighScores;
    QLabel* BestSeries;
    QTableView* GamesView;
    QPushButton* ReviewButton;
    QPushButton* ExportButton;
    QPushButton* ForgetButton;
    QPushButton* CloseButton;

private:
    void LoadPlayer();
    void ShowFigures();
    void ShowCharts();
    void LoadHighScores();
    void WorkOutGivenAway();
    void ReviewChosenGame();
    void ExportGames();
    void ForgetPlayer();
    QString ChosenName() const;

    THistoryStore* History;
    ITableProvider& TableProvider;
    IMessages& Messages;
    THelpSystem& Help;
    TGamesModel* GamesModel;
    TLatestWorker* Worker;
    TSubscription TableReady;
    TReviewForm* Review = nullptr;
    TGameFilter Filter;                     // the chosen name and period
    std::vector<TGameSummary> PlayerGames;  // the whole games stay in the history until needed
    QString GivenAwayText;                  // the figure for the chosen games, or what is being done about it
};

}  // namespace quintix
