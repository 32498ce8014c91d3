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
    void CellsSitOnTheDesignedPixels_data();
    void CellsSitOnTheDesignedPixels();
    void PaintAsksForEveryCellOnItsKindOfCanvas();
    void ClickMovesTheCurrentCellButNotOntoFixedCells_data();
    void ClickMovesTheCurrentCellButNotOntoFixedCells();
    void DoubleClickReportsTheClickedCell();
    void ArrowsMoveAndOtherKeysReachTheWindow();
};

void TDrawGridTest::CellsSitOnTheDesignedPixels_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("label column, header") << 0 << 0 << QRect(2, 2, 81, 15);
    QTest::newRow("game 1, aces") << 1 << 1 << QRect(84, 18, 52, 15);
    QTest::newRow("game 6, upper total") << 6 << 9 << QRect(349, 146, 52, 15);
}

void TDrawGridTest::CellsSitOnTheDesignedPixels() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(QRect, rect);
    TDrawGrid grid(7, 10, 1, 1);
    LayOut(grid);
    QCOMPARE(grid.ClientSize(), QSize(400, 160));
    QCOMPARE(grid.CellRect(col, row), rect);
    // Every pixel of the cell and of its grid lines belongs to it; the next pixel does not.
    for (const QPoint& point : {rect.topLeft(), rect.bottomRight() + QPoint(1, 1)}) {
        int hitCol = -1;
        int hitRow = -1;
        QVERIFY(grid.CellAt(point, hitCol, hitRow));
        QCOMPARE(std::pair(hitCol, hitRow), std::pair(col, row));
    }
    int hitCol = -1;
    int hitRow = -1;
    const bool beyond = grid.CellAt(rect.bottomRight() + QPoint(2, 2), hitCol, hitRow);
    QVERIFY(!beyond || std::pair(hitCol, hitRow) != std::pair(col, row));
    QVERIFY(!grid.CellAt(QPoint(1, 1), hitCol, hitRow));
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

    const QPalette& palette = grid.palette();
    QCOMPARE(image.pixelColor(grid.CellRect(0, 5).center()), palette.color(QPalette::Button));
    QCOMPARE(image.pixelColor(grid.CellRect(4, 0).center()), palette.color(QPalette::Button));
    QCOMPARE(image.pixelColor(grid.CellRect(3, 4).center()), QColor(Qt::green));
    // The grid line right of and below a cell is not the cell's own.
    const QRect cell = grid.CellRect(3, 4);
    QVERIFY(image.pixelColor(cell.right() + 1, cell.center().y()) != QColor(Qt::green));
    QVERIFY(image.pixelColor(cell.center().x(), cell.bottom() + 1) != QColor(Qt::green));
}

void TDrawGridTest::ClickMovesTheCurrentCellButNotOntoFixedCells_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expectedCol");
    QTest::addColumn<int>("expectedRow");
    QTest::newRow("normal cell") << 4 << 7 << 4 << 7;
    QTest::newRow("label column") << 0 << 3 << 1 << 1;
    QTest::newRow("header row") << 5 << 0 << 1 << 1;
}

void TDrawGridTest::ClickMovesTheCurrentCellButNotOntoFixedCells() {
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, expectedCol);
    QFETCH(int, expectedRow);
    TDrawGrid grid(7, 10, 1, 1);
    LayOut(grid);
    QCOMPARE(std::pair(grid.Col(), grid.Row()), std::pair(1, 1));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.CellRect(col, row).center());
    QCOMPARE(std::pair(grid.Col(), grid.Row()), std::pair(expectedCol, expectedRow));
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
