#include "ui/summary_form.h"

#include <QFrame>
#include <QPainter>
#include <QPushButton>
#include <array>

#include "game/quintix_game.h"
#include "ui/dialog_frame.h"
#include "ui/draw_grid.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

constexpr int SummaryCols = 4;
constexpr int SummaryRows = 1 + MaxPlayers;
constexpr int ColWidth = 100;
constexpr int RowHeight = 15;

}  // namespace

TSummaryForm::TSummaryForm(const TQuintixGame& game, QWidget* parent) : QDialog(parent), Game(game) {
    SetUpDialog(*this, tr("Series Summary"), QSize(451, 197));

    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 424, 132);

    // 4 columns of 100 and 7 rows of 15, each with its grid line, fill the grid's client exactly.
    SeriesSummary = new TDrawGrid(SummaryCols, SummaryRows, 1, 1, this);
    SeriesSummary->setObjectName("SeriesSummary");
    SeriesSummary->setGeometry(16, 16, 408, 116);
    SeriesSummary->SetDefaultColWidth(ColWidth);
    SeriesSummary->SetDefaultRowHeight(RowHeight);
    SeriesSummary->setFocusPolicy(Qt::NoFocus);
    SeriesSummary->SetDrawCell([this](QPainter& painter, int col, int row, const QRect& rect) {
        SeriesSummaryDrawCell(painter, col, row, rect);
    });
    SeriesSummary->SetCellText([this](int col, int row) { return CellText(col, row); });
    SeriesSummary->setAccessibleName(tr("Standings"));

    OKButton = AddDialogButton(*this, TDialogButton::Accept, "OKButton", tr("OK"), QPoint(188, 156));
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TSummaryForm::SetPlayers(const TPlayers& players) {
    Players = players;
    SeriesSummary->CellsChanged();
}

void TSummaryForm::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

QString TSummaryForm::CellText(int col, int row) const {
    static const std::array<const char*, SummaryCols> titles{
        "", QT_TR_NOOP("Game Total"), QT_TR_NOOP("Bonus Total"), QT_TR_NOOP("Grand Total")};
    if (col < 0 || col >= SummaryCols || row < 0 || row >= SummaryRows) {
        return {};
    }
    if (row == 0) {
        return tr(titles[static_cast<std::size_t>(col)]);
    }
    // Positions beyond the players of the series may still hold an earlier series' names.
    if (row > Game.NoOfPlayers()) {
        return {};
    }
    const TPlayer& player = Players[row];
    switch (col) {
        case 0:
            return QString::fromStdString(player.Name);
        case 1:
            return QString::number(Game.SeriesGameTotal(player.ScoreIndex));
        case 2:
            return QString::number(Game.SeriesBonusTotal(player.ScoreIndex));
        default:
            return QString::number(Game.SeriesGrandTotal(player.ScoreIndex));
    }
}

void TSummaryForm::SeriesSummaryDrawCell(QPainter& painter, int col, int row, const QRect& rect) {
    DrawSummaryCell(painter, *SeriesSummary, col, row, rect, CellText(col, row));
}

void TSummaryForm::DrawSummaryCell(QPainter& painter, const TDrawGrid& grid, int col, int row,
                                   const QRect& rect, const QString& text) {
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (row >= grid.FixedRows() && col >= grid.FixedCols()) {
        painter.fillRect(rect, grid.palette().color(QPalette::Base));
        painter.setPen(grid.palette().color(QPalette::Text));
    }
    if (!text.isEmpty()) {
        const QFontMetrics metrics = painter.fontMetrics();
        const int width = metrics.horizontalAdvance(text);
        // Centred on the midpoint of the left edge and the first pixel past the right one (QRect's
        // right() is the last pixel inside), halved toward zero.
        const int left =
            col == 0 ? rect.left() + 2 : (rect.left() + rect.left() + rect.width()) / 2 - width / 2;
        const int top = rect.top() + 1;
        painter.drawText(QPoint(left, top + metrics.ascent()), text);
    }
    painter.restore();
}

void TSummaryForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
}

}  // namespace quintix
