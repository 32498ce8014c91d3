#pragma once

#include <QFrame>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

namespace quintix {

// An owner-drawn grid: fixed columns and rows on the top left, 1-pixel grid lines between all
// cells, no scroll bars, no editing, a sunken 2-pixel border. Every cell is painted by the
// draw-cell callback; the grid itself stores no text. A click moves the current cell; a
// double-click reports the current cell after its first click has moved it there.
class TDrawGrid : public QFrame {
    Q_OBJECT

public:
    using TDrawCell = std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;
    // What a cell shows and what a column holds, in words, for assistive technology (the grid is
    // a table to a screen reader). The owner answers from the state its draw-cell callback paints.
    using TCellText = std::function<QString(int col, int row)>;
    using TColumnTitle = std::function<QString(int col)>;

    TDrawGrid(int colCount, int rowCount, int fixedCols, int fixedRows, QWidget* parent = nullptr);

    int ColCount() const { return static_cast<int>(ColWidths.size()); }
    int RowCount() const { return static_cast<int>(RowHeights.size()); }
    int FixedCols() const { return FixedColCount; }
    int FixedRows() const { return FixedRowCount; }
    static constexpr int GridLineWidth = 1;

    // The area inside the border, where the cells are.
    QSize ClientSize() const { return contentsRect().size(); }
    void SetDefaultColWidth(int width);  // every column
    void SetColWidth(int col, int width);
    void SetDefaultRowHeight(int height);  // every row
    int ColWidth(int col) const;
    int RowHeight(int row) const;
    // A cell's rectangle in widget coordinates, without the grid lines.
    QRect CellRect(int col, int row) const;
    // The cell at a point in widget coordinates, or false.
    bool CellAt(const QPoint& point, int& col, int& row) const;

    int Col() const { return CurrentCol; }
    int Row() const { return CurrentRow; }
    void SetCurrentCell(int col, int row);  // limited to the non-fixed cells

    void SetDrawCell(TDrawCell drawCell);
    void SetCellText(TCellText cellText);
    void SetColumnTitle(TColumnTitle columnTitle);
    // What the painting says of a cell beyond its text, e.g. by its font or colour.
    void SetCellNote(TCellText cellNote);
    QString CellText(int col, int row) const;
    QString CellNote(int col, int row) const;
    // Without a title callback, a column is titled by the text of its last fixed row.
    QString ColumnTitle(int col) const;
    // Repaints every cell, and tells assistive technology which cells now read differently.
    void CellsChanged();

signals:
    void CellDoubleClicked(int col, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    int FixedColCount;
    int FixedRowCount;
    int CurrentCol;
    int CurrentRow;
    TDrawCell DrawCell;
    TCellText CellTextOf;
    TColumnTitle ColumnTitleOf;
    TCellText CellNoteOf;
};

}  // namespace quintix
