#include "ui/draw_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

#include "ui/grid_accessible.h"

namespace quintix {

namespace {

// The sizes a grid starts with until its owner lays it out.
constexpr int InitialColWidth = 64;
constexpr int InitialRowHeight = 24;

// The start of each cell along one axis: the first cell at `origin`, each next one after the
// previous cell and its grid line.
int CellStart(const std::vector<int>& sizes, int index, int origin) {
    int position = origin;
    for (int i = 0; i < index; ++i) {
        position += sizes[static_cast<std::size_t>(i)] + TDrawGrid::GridLineWidth;
    }
    return position;
}

// The cell along one axis whose extent, with the grid line after it, holds `position`; -1 when
// none does.
int CellIndexAt(const std::vector<int>& sizes, int position, int origin) {
    int start = origin;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int end = start + sizes[i] + TDrawGrid::GridLineWidth;
        if (position >= start && position < end) {
            return static_cast<int>(i);
        }
        start = end;
    }
    return -1;
}

}  // namespace

TDrawGrid::TDrawGrid(int colCount, int rowCount, int fixedCols, int fixedRows, QWidget* parent)
    : QFrame(parent),
      ColWidths(static_cast<std::size_t>(std::max(colCount, 1)), InitialColWidth),
      RowHeights(static_cast<std::size_t>(std::max(rowCount, 1)), InitialRowHeight),
      FixedColCount(std::clamp(fixedCols, 0, std::max(colCount, 1) - 1)),
      FixedRowCount(std::clamp(fixedRows, 0, std::max(rowCount, 1) - 1)),
      CurrentCol(FixedColCount),
      CurrentRow(FixedRowCount) {
    // A Windows panel bevel is always 2 pixels wide, whatever the style, so the client is the
    // widget less 2 pixels on each side, which the owners' layout arithmetic relies on.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void TDrawGrid::SetDefaultColWidth(int width) {
    std::fill(ColWidths.begin(), ColWidths.end(), std::max(width, 0));
    update();
}

void TDrawGrid::SetColWidth(int col, int width) {
    if (col < 0 || col >= ColCount()) {
        return;
    }
    ColWidths[static_cast<std::size_t>(col)] = std::max(width, 0);
    update();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
    std::fill(RowHeights.begin(), RowHeights.end(), std::max(height, 0));
    update();
}

int TDrawGrid::ColWidth(int col) const {
    return col >= 0 && col < ColCount() ? ColWidths[static_cast<std::size_t>(col)] : 0;
}

int TDrawGrid::RowHeight(int row) const {
    return row >= 0 && row < RowCount() ? RowHeights[static_cast<std::size_t>(row)] : 0;
}

QRect TDrawGrid::CellRect(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) {
        return {};
    }
    const QRect client = contentsRect();
    return {CellStart(ColWidths, col, client.left()), CellStart(RowHeights, row, client.top()), ColWidth(col),
            RowHeight(row)};
}

bool TDrawGrid::CellAt(const QPoint& point, int& col, int& row) const {
    if (!contentsRect().contains(point)) {
        return false;
    }
    const int hitCol = CellIndexAt(ColWidths, point.x(), contentsRect().left());
    const int hitRow = CellIndexAt(RowHeights, point.y(), contentsRect().top());
    if (hitCol < 0 || hitRow < 0) {
        return false;
    }
    col = hitCol;
    row = hitRow;
    return true;
}

void TDrawGrid::SetCurrentCell(int col, int row) {
    const int newCol = std::clamp(col, FixedColCount, ColCount() - 1);
    const int newRow = std::clamp(row, FixedRowCount, RowCount() - 1);
    if (newCol == CurrentCol && newRow == CurrentRow) {
        return;
    }
    CurrentCol = newCol;
    CurrentRow = newRow;
    update();
    GridCurrentCellMoved(*this);
}

void TDrawGrid::SetDrawCell(TDrawCell drawCell) {
    DrawCell = std::move(drawCell);
    update();
}

void TDrawGrid::SetCellText(TCellText cellText) {
    CellTextOf = std::move(cellText);
}

void TDrawGrid::SetColumnTitle(TColumnTitle columnTitle) {
    ColumnTitleOf = std::move(columnTitle);
}

void TDrawGrid::SetCellNote(TCellText cellNote) {
    CellNoteOf = std::move(cellNote);
}

QString TDrawGrid::CellText(int col, int row) const {
    const bool inside = col >= 0 && col < ColCount() && row >= 0 && row < RowCount();
    return inside && CellTextOf ? CellTextOf(col, row) : QString();
}

QString TDrawGrid::CellNote(int col, int row) const {
    const bool inside = col >= 0 && col < ColCount() && row >= 0 && row < RowCount();
    return inside && CellNoteOf ? CellNoteOf(col, row) : QString();
}

QString TDrawGrid::ColumnTitle(int col) const {
    if (ColumnTitleOf) {
        return ColumnTitleOf(col);
    }
    return FixedRowCount > 0 ? CellText(col, FixedRowCount - 1) : QString();
}

void TDrawGrid::CellsChanged() {
    update();
    GridCellsChanged(*this);
}

void TDrawGrid::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    drawFrame(&painter);

    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.fillRect(client, palette().color(QPalette::Base));

    const QColor lineColor = palette().color(QPalette::Dark);
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            const QRect cell = CellRect(col, row);
            const QRect withLines = cell.adjusted(0, 0, GridLineWidth, GridLineWidth);
            if (!withLines.intersects(event->rect()) || !withLines.intersects(client)) {
                continue;
            }
            painter.fillRect(cell.right() + 1, cell.top(), GridLineWidth, cell.height() + GridLineWidth,
                             lineColor);
            painter.fillRect(cell.left(), cell.bottom() + 1, cell.width(), GridLineWidth, lineColor);
            if (cell.isEmpty()) {
                continue;
            }

            // Fixed cells arrive already looking like buttons, which the owner may paint over; the
            // clip keeps a text too long for its cell out of the next one.
            painter.save();
            painter.setClipRect(cell.intersected(client));
            painter.setFont(font());
            const bool fixed = col < FixedColCount || row < FixedRowCount;
            const QColor background = palette().color(fixed ? QPalette::Button : QPalette::Base);
            painter.setBrush(background);
            painter.setPen(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
            if (fixed) {
                painter.fillRect(cell, background);
            }
            if (DrawCell) {
                DrawCell(painter, col, row, cell);
            }
            painter.restore();
        }
    }

    if (hasFocus()) {
        // An inverting dotted outline stays visible on any cell colour, highlighted ones included.
        const QRect cell = CellRect(CurrentCol, CurrentRow);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        QPen dotted(Qt::white, 1, Qt::CustomDashLine);
        dotted.setDashPattern({1.0, 1.0});
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
}

void TDrawGrid::mousePressEvent(QMouseEvent* event) {
    int col = 0;
    int row = 0;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row) &&
        col >= FixedColCount && row >= FixedRowCount) {
        SetCurrentCell(col, row);
    }
    event->accept();
}

void TDrawGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    int col = 0;
    int row = 0;
    // A double-click off the normal cells reports nothing: the current cell was not picked by it.
    if (event->button() != Qt::LeftButton || !CellAt(event->position().toPoint(), col, row) ||
        col < FixedColCount || row < FixedRowCount) {
        return;
    }
    // The first click of a double-click has normally moved the current cell already; moving it
    // again covers a double-click that arrives without that press.
    SetCurrentCell(col, row);
    emit CellDoubleClicked(CurrentCol, CurrentRow);
}

void TDrawGrid::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) {
        QFrame::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            SetCurrentCell(CurrentCol - 1, CurrentRow);
            break;
        case Qt::Key_Right:
            SetCurrentCell(CurrentCol + 1, CurrentRow);
            break;
        case Qt::Key_Up:
            SetCurrentCell(CurrentCol, CurrentRow - 1);
            break;
        case Qt::Key_Down:
            SetCurrentCell(CurrentCol, CurrentRow + 1);
            break;
        default:
            // Everything else, the digits that mark dice included, belongs to the window.
            QFrame::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace quintix
