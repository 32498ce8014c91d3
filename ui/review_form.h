#pragma once

#include <QWidget>
#include <optional>

#include "base/observers.h"
#include "history/game_record.h"
#include "history/game_review.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace quintix {

class ITableProvider;
class THelpSystem;
class TFramedDice;

// A stored game turn by turn: each roll's dice, what was kept or scored, the best choice with the
// grand total it leads to, and what each decision gave away; the three costliest are marked and
// can be stepped through with their dice shown as in the main window. Not modal. The review is
// worked out from the game's decisions and the solver's table each time it is shown; until the
// table is ready the window says it is preparing.
class TReviewForm : public QWidget {
    Q_OBJECT

public:
    // The table provider must outlive the window.
    TReviewForm(ITableProvider& table, THelpSystem& help, QWidget* parent = nullptr);

    // Shows the review of this game, opening or raising the window.
    void ShowGame(const TStoredGame& game);
    // Says that a person's game is not in the history, opening or raising the window.
    void ShowMissing(const QString& name);
    // The decision shown with its dice: a row of the table, or -1.
    int ShownDecision() const;

    QLabel* Heading;
    TFramedDice* Dice;
    QLabel* DecisionLabel;
    QTableWidget* Decisions;
    QPushButton* PreviousButton;
    QPushButton* NextButton;
    QPushButton* CloseButton;

private:
    void Review();
    void ShowDecision(int row);
    void StepCostly(int step);

    ITableProvider& TableProvider;
    TSubscription TableReady;
    std::optional<TStoredGame> Game;
    std::optional<TGameReview> Result;
};

}  // namespace quintix
