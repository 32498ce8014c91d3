#pragma once

#include <QGroupBox>
#include <optional>

#include "base/observers.h"
#include "game/series_chances.h"

class QLabel;
class QTableWidget;

namespace quintix {

class ITableProvider;
class TLatestWorker;

// Each player's chance to win the current game and the series, while a series of two or more
// players is on: the rest of the series is played out thousands of times on a worker thread that
// the panel owns, and the figures refine as the simulations add up. A new position (a line scored,
// a game begun) starts again and drops what was under way.
class TChancesPanel : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int SimulationsARound = 2000;
    static constexpr int Rounds = 5;

    // The game and the table provider must outlive the panel.
    TChancesPanel(const TQuintixGame& game, ITableProvider& table, QWidget* parent = nullptr);

    // Looks at the series again; starts simulating when its position has changed.
    void Update();
    // The simulations behind the figures shown; 0 while none are done.
    int Simulations() const { return Shown ? Shown->Simulations : 0; }

    QTableWidget* Chances;
    QLabel* Precision;

private:
    void Start();
    void Show(const TWinChances& chances);

    const TQuintixGame& Game;
    ITableProvider& TableProvider;
    TLatestWorker* Worker;
    TSubscription TableReady;
    std::optional<TSeriesChances> Series;  // the position simulated, or waiting for the table
    std::optional<TWinChances> Shown;
};

}  // namespace quintix
