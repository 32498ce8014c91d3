#pragma once

#include <QDialog>
#include <QWidget>

#include "base/one_based.h"
#include "game/player.h"
#include "game/quintix_game.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quintix {
class THelpSystem;
}

namespace quintix {

// An up-down spinner bound to an edit box: two stacked arrow buttons that step a position within
// its range, without wrapping, and write it into the edit. The Up and Down keys step it both on the
// spinner and in the edit, so the number can be changed without the mouse although the edit is
// read-only.
class TUpDown : public QWidget {
    Q_OBJECT

public:
    explicit TUpDown(QWidget* parent = nullptr);

    void SetRange(int min, int max);
    void SetAssociate(QLineEdit* edit);
    int Position() const { return Pos; }
    void SetPosition(int position);  // limited to the range

signals:
    void PositionChanged(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool StepByKey(int key);

    QToolButton* UpButton;
    QToolButton* DownButton;
    QLineEdit* Associate = nullptr;
    int MinPos = 0;
    int MaxPos = 100;
    int Pos = 0;
};

// Where a series is defined: up to six names, whether the computer plays each, and the number of
// games. The dialog only shows and collects; the game reads its contents when it closes with OK.
class TNewGameForm : public QDialog {
    Q_OBJECT

public:
    // The help gives the dialog's controls their "What's This?".
    explicit TNewGameForm(THelpSystem& help, QWidget* parent = nullptr);

    // Row k shows the player in position k of the given contents; the spinner its number of games.
    void Fill(const TNewGameContents& contents);
    // The rows as typed, blanks included, and the spinner's position.
    TNewGameContents Contents() const;

    QFrame* Bevel1;
    OneBased<QLineEdit*, MaxPlayers> PlayerEdits{};
    OneBased<QCheckBox*, MaxPlayers> ComputerChecks{};
    QLabel* Label7;
    QLineEdit* NoOfGamesEdit;
    TUpDown* NoOfGames;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    QCheckBox* ExpertPlay;
    QCheckBox* QuickComputerTurns;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace quintix
