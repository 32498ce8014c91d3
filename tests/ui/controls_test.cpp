// The main window's own controls: the dice and the owner-drawn grid.
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <set>
#include <utility>
#include <vector>

#include "ui/die_panel.h"
#include "ui/die_picture.h"
#include "ui/draw_grid.h"

using namespace quintix;

class TControlsTest : public QObject {
    Q_OBJECT

private slots:
    // Every pip has the same size, so face n shows n times the white of face 1, on solid red; twice
    // the size, a pip has four times the white, as drawn at that size rather than scaled up.
    void FacesShowTheirPipsOnRedAtEverySize() {
        std::vector<double> cover;  // how much white face 1 shows at each size, antialiased edges in part
        for (const int scale : {1, 2}) {
            int pip = 0;
            for (int face = 1; face <= 6; ++face) {
                QImage image(64 * scale, 64 * scale, QImage::Format_RGB32);
                QPainter painter(&image);
                PaintDie(painter, QRectF(image.rect()), face);
                painter.end();
                QCOMPARE(image.pixelColor(0, 0), QColor(255, 0, 0));
                QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(255, 0, 0));
                int white = 0;
                double green = 0;
                for (int y = 0; y < image.height(); ++y) {
                    for (int x = 0; x < image.width(); ++x) {
                        white += image.pixelColor(x, y) == Qt::white ? 1 : 0;
                        green += image.pixelColor(x, y).greenF();
                    }
                }
                if (face == 1) {
                    pip = white;
                    cover.push_back(green);
                }
                QVERIFY(white > 0);
                QCOMPARE(white, face * pip);
            }
        }
        QVERIFY(cover[1] > 3.9 * cover[0] && cover[1] < 4.1 * cover[0]);
    }

    // A panel shows the picture and the frame as its die says; only a left click on the picture
    // counts, and the second press of a double-click is no new click.
    void ADiePanelShowsItsDieAndReportsClicksOnThePicture() {
        QWidget window;
        auto* panel = new TDiePanel(5, &window);
        window.show();
        for (const TDie& die : {TDie{-1, false, false}, TDie{4, true, false}, TDie{4, true, true}}) {
            panel->ShowDie(die);
            QCOMPARE(panel->Picture()->isVisible(), die.ImageShown);
            QCOMPARE(panel->Frame()->isVisible(), die.SelectShown);
        }
        QCOMPARE(panel->objectName() + panel->Picture()->objectName() + panel->Frame()->objectName(),
                 QString("Panel5Dice5Select5"));
        QSignalSpy spy(panel, &TDiePanel::Clicked);
        QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseClick(panel->Frame(), Qt::LeftButton, {}, QPoint(1, 1));
        QTest::mouseClick(panel->Picture(), Qt::RightButton);
        QTest::mouseClick(panel->Picture(), Qt::LeftButton);
        QTest::mouseDClick(panel->Picture(), Qt::LeftButton);
        QTest::mouseRelease(panel->Picture(), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 5);
    }

    // A cell owns its pixels and the grid lines right and below it; fixed cells are painted in the
    // button colour, every other cell by the owner, and a double-click reports normal cells only.
    void AGridFindsItsCellsPaintsThemAndReportsDoubleClicks() {
        TDrawGrid grid(7, 10, 1, 1);  // the first column and row fixed, as the upper score grid
        grid.setGeometry(0, 0, 404, 164);
        grid.SetDefaultColWidth(52);
        grid.SetColWidth(0, 81);
        grid.SetDefaultRowHeight(15);
        int col = -1;
        int row = -1;
        for (const auto& [c, r] : {std::pair(0, 0), std::pair(1, 1), std::pair(6, 9)}) {
            const QRect rect = grid.CellRect(c, r);
            for (const QPoint& point : {rect.topLeft(), rect.bottomRight() + QPoint(1, 1)}) {
                QVERIFY(grid.CellAt(point, col, row));
                QCOMPARE(std::pair(col, row), std::pair(c, r));
            }
        }
        std::set<std::pair<int, int>> asked;
        grid.SetDrawCell([&](QPainter& painter, int c, int r, const QRect& rect) {
            asked.emplace(c, r);
            if (c == 3 && r == 4) {
                painter.fillRect(rect, Qt::green);
            }
        });
        const QImage image = grid.grab().toImage();
        QCOMPARE(asked.size(), std::size_t{70});
        QCOMPARE(image.pixelColor(grid.CellRect(0, 5).center()), grid.palette().color(QPalette::Button));
        QCOMPARE(image.pixelColor(grid.CellRect(3, 4).center()), QColor(Qt::green));
        QSignalSpy spy(&grid, &TDrawGrid::CellDoubleClicked);
        for (const QPoint& point : {grid.CellRect(2, 5).center(), grid.CellRect(0, 3).center()}) {
            QTest::mouseClick(&grid, Qt::LeftButton, {}, point);
            QTest::mouseDClick(&grid, Qt::LeftButton, {}, point);
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QVariantList{2, 5}));
    }
};

QTEST_MAIN(TControlsTest)
#include "controls_test.moc"
