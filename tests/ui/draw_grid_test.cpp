#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <set>
#include <utility>

#include "ui/draw_grid.h"

using quintix::TDrawGrid;

namespace {

// Stands in for the main window: it sees the keys the grid leaves alone.
class TKeyRecorder : public QWidget {
public:
    QList<int> Keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { Keys.append(event->key()); }
};

// The upper score grid at its designed size.
void LayOut(TDrawGrid& grid) {
    grid.setGeometry(0, 0, 404, 164);
    grid.SetDefaultColWidth(52);
    grid.SetColWidth(0, 81);
    grid.SetDefaultRowHeight(15);
}

}  // namespace

class TDrawGridTest : public QObject {
    Q_OBJECT

private slots:
    void CellsSitOnTheDesignedPixels();
    void PaintAsksForEveryCellOnItsKindOfCanvas();
    void ClickMovesTheCurrentCellButNotOntoFixedCells();
    void DoubleClickReportsTheClickedCell();
    void ArrowsMoveAndOtherKeysReachTheWindow();
};

void TDrawGridTest::CellsSitOnTheDesignedPixels() {
    TDrawGrid grid(7, 10, 1, 1);
    LayOut(grid);
    QCOMPARE(grid.ClientSize(), QSize(400, 160));
    int hitCol = -1;
    int hitRow = -1;
    QVERIFY(!grid.CellAt(QPoint(1, 1), hitCol, hitRow));
    const struct {
        int Col;
        int Row;
        QRect Rect;
    } cells[] = {{0, 0, {2, 2, 81, 15}}, {1, 1, {84, 18, 52, 15}}, {6, 9, {349, 146, 52, 15}}};
    for (const auto& cell : cells) {
        QCOMPARE(grid.CellRect(cell.Col, cell.Row), cell.Rect);
        // Every pixel of the cell and of its grid lines belongs to it; the next pixel does not.
        for (const QPoint& point : {cell.Rect.topLeft(), cell.Rect.bottomRight() + QPoint(1, 1)}) {
            QVERIFY(grid.CellAt(point, hitCol, hitRow));
            QCOMPARE(std::pair(hitCol, hitRow), std::pair(cell.Col, cell.Row));
        }
        const bool beyond = grid.CellAt(cell.Rect.bottomRight() + QPoint(2, 2), hitCol, hitRow);
        QVERIFY(!beyond || std::pair(hitCol, hitRow) != std::pair(cell.Col, cell.Row));
    }
}

void TDrawGridTest::PaintAsksForEveryCellOnItsKindOfCanvas() {
    TDrawGrid grid(7, 10, 1, 1);
    LayOut(grid);
    std::set<std::pair<int, int>> asked;
    bool rectsMatch = true;
    grid.SetDrawCell([&](QPainter& painter, int col, int row, const QRect& rect) {
        asked.emplace(col, row);
        rectsMatch = rectsMatch && rect == grid.CellRect(col, row);
        // Normal cells are left to the owner; paint one so the grab shows who painted what.
        if (col == 3 && row == 4) {
            painter.fillRect(rect, Qt::green);
        }
    });
    const QImage image = grid.grab().toImage();
    QCOMPARE(asked.size(), std::size_t{70});
    QVERIFY(rectsMatch);

    const QColor button = grid.palette().color(QPalette::Button);
    QCOMPARE(image.pixelColor(grid.CellRect(0, 5).center()), button);
    QCOMPARE(image.pixelColor(grid.CellRect(4, 0).center()), button);
    const QRect cell = grid.CellRect(3, 4);
    QCOMPARE(image.pixelColor(cell.center()), QColor(Qt::green));
}

void TDrawGridTest::ClickMovesTheCurrentCellButNotOntoFixedCells() {
    TDrawGrid grid(7, 10, 1, 1);
    LayOut(grid);
    QCOMPARE(std::pair(grid.Col(), grid.Row()), std::pair(1, 1));
    const struct {
        QPoint Clicked;
        std::pair<int, int> Current;
    } clicks[] = {{{4, 7}, {4, 7}}, {{0, 3}, {4, 7}}, {{5, 0}, {4, 7}}, {{2, 9}, {2, 9}}};
    for (const auto& click : clicks) {
        QTest::mouseClick(&grid, Qt::LeftButton, {},
                          grid.CellRect(click.Clicked.x(), click.Clicked.y()).center());
        QCOMPARE(std::pair(grid.Col(), grid.Row()), click.Current);
    }
    grid.SetCurrentCell(0, 99);
    QCOMPARE(std::pair(grid.Col(), grid.Row()), std::pair(1, 9));
}

void TDrawGridTest::DoubleClickReportsTheClickedCell() {
    TDrawGrid grid(7, 8, 1, 0);
    LayOut(grid);
    QSignalSpy spy(&grid, &TDrawGrid::CellDoubleClicked);
    const QPoint point = grid.CellRect(2, 5).center();
    QTest::mouseClick(&grid, Qt::LeftButton, {}, point);
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, point);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), (QVariantList{2, 5}));
    // A double-click on a label picks no cell, so it reports none.
    QTest::mouseDClick(&grid, Qt::LeftButton, {}, grid.CellRect(0, 3).center());
    QCOMPARE(spy.count(), 1);
}

void TDrawGridTest::ArrowsMoveAndOtherKeysReachTheWindow() {
    TKeyRecorder window;
    auto* grid = new TDrawGrid(7, 10, 1, 1, &window);
    LayOut(*grid);
    const struct {
        Qt::Key Key;
        std::pair<int, int> Cell;
    } steps[] = {{Qt::Key_Right, {2, 1}}, {Qt::Key_Down, {2, 2}}, {Qt::Key_Left, {1, 2}},
                 {Qt::Key_Left, {1, 2}},  {Qt::Key_Up, {1, 1}},   {Qt::Key_Up, {1, 1}}};
    for (const auto& step : steps) {
        QTest::keyClick(grid, step.Key);
        QCOMPARE(std::pair(grid->Col(), grid->Row()), step.Cell);
    }
    QVERIFY(window.Keys.isEmpty());

    QKeyEvent digit(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, QStringLiteral("3"));
    QCoreApplication::sendEvent(grid, &digit);
    QCOMPARE(window.Keys, QList<int>{Qt::Key_3});
    QCOMPARE(std::pair(grid->Col(), grid->Row()), std::pair(1, 1));
}

QTEST_MAIN(TDrawGridTest)
#include "draw_grid_test.moc"
