#pragma once

#include <QDialog>
#include <QString>

#include "game/player.h"

class QFrame;
class QPainter;
class QPushButton;

namespace quintix {

class TDrawGrid;
class TQuintixGame;

// The standings of the series: each player's game totals, bonus points and their sum over the
// completed games. The window keeps its own copy of the players, in the order last handed to it,
// and reads the totals from the game whenever it paints, so it never shows stale numbers.
class TSummaryForm : public QDialog {
    Q_OBJECT

public:
    explicit TSummaryForm(const TQuintixGame& game, QWidget* parent = nullptr);

    // Replaces the window's copy of the players and repaints the standings.
    void SetPlayers(const TPlayers& players);
    void SetCaption(const QString& caption);

    // What cell (col, row) of the standings shows at this moment.
    QString CellText(int col, int row) const;

    // Paints one cell in the regular style: column 0 left-aligned, the others centred, the text
    // clipped to the cell. Normal cells get the window's colours; fixed cells keep the grid's.
    static void DrawSummaryCell(QPainter& painter, const TDrawGrid& grid, int col, int row, const QRect& rect,
                                const QString& text);

    TPlayers Players;
    QFrame* Bevel1;
    TDrawGrid* SeriesSummary;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SeriesSummaryDrawCell(QPainter& painter, int col, int row, const QRect& rect);

    const TQuintixGame& Game;
};

}  // namespace quintix
