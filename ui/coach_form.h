#pragma once

#include <QWidget>
#include <functional>

#include "game/coach.h"

class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace quintix {

class TChancesPanel;
class TFramedDice;
class THelpSystem;
class THistoryStore;
class TReviewForm;

// The coach's window: for the player on turn, after every roll, the choices best first with the
// grand total each is expected to lead to, and before it the total the game is expected to reach;
// which dice the best choice rolls again; the choice the design's computer player would make; what
// a person's last decision gave away, and the points each person has given away this game. A tool
// window of the main window: above it, not modal, and never taking the keyboard from it by itself.
// Until the table is ready it shows how far its building has come.
class TCoachForm : public QWidget {
    Q_OBJECT

public:
    // The coach follows the game through its events from the start; the window shows what it says,
    // and how far the building of the table has come. Both, and the history when there is one,
    // must outlive the window. With a history, a finished game can be reviewed.
    TCoachForm(TCoach& coach, ITableProvider& table, THelpSystem& help, THistoryStore* history = nullptr,
               QWidget* parent = nullptr);
    ~TCoachForm() override;
    // Opens the window, or raises it when it is open, leaving the keyboard where it is; the table's
    // building starts.
    void ShowCoach();
    // Shows what the coach says now.
    void Refresh();
    // A key pressed in this window goes first to `keys`, which says whether it took it: the keys of
    // the window that owns the coach work here too.
    void PassKeysTo(std::function<bool(const QKeyEvent&)> keys) { OwnerKeys = std::move(keys); }

    QLabel* Status;
    QProgressBar* Progress;
    TFramedDice* Dice;
    QLabel* BestLabel;
    QTableWidget* Choices;
    QLabel* LastChoice;
    QTableWidget* GivenAway;
    TChancesPanel* Chances;
    QPushButton* ReviewButton;
    // The review of the last finished game, made when first asked for.
    TReviewForm& ReviewForm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowChoices(const TCoachAdvice& advice);
    void ShowLastChoice(const TCoachAdvice& advice);
    void ReviewLastGame();
    void Review(const std::string& name, int game, const TGameScore& sheet);

    TCoach& Model;
    ITableProvider& TableProvider;
    THelpSystem& Help;
    THistoryStore* History;
    TReviewForm* ReviewWindow = nullptr;
    bool GrownForChances = false;
    TSubscription CoachChanges;
    TSubscription TableProgress;
    std::function<bool(const QKeyEvent&)> OwnerKeys;
};

}  // namespace quintix
