#include <QSignalSpy>
#include <QTest>

#include <QPainter>

#include "ui/die_panel.h"
#include "ui/die_picture.h"

using quintix::PaintDie;
using quintix::TDie;
using quintix::TDiePanel;

namespace {

const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

// The centre of the pip box in column or row 0..2.
int PipCentre(int index) {
    return 10 + 17 * index + 5;
}

}  // namespace

class TDiceTest : public QObject {
    Q_OBJECT

private slots:
    void FacesShowTheirPipsOnSolidRed();
    void PanelShowsPictureAndFrameAsTheDieSays();
    void OnlyAClickOnThePictureCounts();
};

void TDiceTest::FacesShowTheirPipsOnSolidRed() {
    // The 3 x 3 pip places of faces 1..6, row by row.
    const char* const faces[] = {"...|.o.|...", "o..|...|..o", "o..|.o.|..o",
                                 "o.o|...|o.o", "o.o|.o.|o.o", "o.o|o.o|o.o"};
    // At the natural size and at twice it, where the pips must keep their places.
    for (const int scale : {1, 2}) {
        for (int face = 1; face <= 6; ++face) {
            QImage image(64 * scale, 64 * scale, QImage::Format_RGB32);
            image.fill(Qt::green);
            QPainter painter(&image);
            PaintDie(painter, QRectF(image.rect()), face);
            painter.end();
            const int last = 64 * scale - 1;
            for (const QPoint& corner :
                 {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)}) {
                QCOMPARE(image.pixelColor(corner), Red);
            }
            const QString pips = faces[face - 1];
            for (int row = 0; row < 3; ++row) {
                for (int col = 0; col < 3; ++col) {
                    const bool pip = pips.at(row * 4 + col) == QLatin1Char('o');
                    QVERIFY2(image.pixelColor(PipCentre(col) * scale, PipCentre(row) * scale) ==
                                 (pip ? White : Red),
                             qPrintable(QString("face %1, row %2, column %3, scale %4")
                                            .arg(face)
                                            .arg(row)
                                            .arg(col)
                                            .arg(scale)));
                }
            }
        }
    }
}

void TDiceTest::PanelShowsPictureAndFrameAsTheDieSays() {
    const struct {
        int Value;
        bool Picture;
        bool Frame;
    } dice[] = {{-1, false, false}, {4, true, false}, {4, true, true}, {-1, false, true}};
    for (const auto& die : dice) {
        QWidget window;
        auto* panel = new TDiePanel(3, &window);
        panel->ShowDie(TDie{6, true, true});
        panel->ShowDie(TDie{die.Value, die.Picture, die.Frame});
        window.show();
        QCOMPARE(panel->objectName(), QStringLiteral("Panel3"));
        QCOMPARE(panel->Picture()->objectName(), QStringLiteral("Dice3"));
        QCOMPARE(panel->Frame()->objectName(), QStringLiteral("Select3"));
        QCOMPARE(panel->Picture()->isVisible(), die.Picture);
        QCOMPARE(panel->Frame()->isVisible(), die.Frame);

        const QImage image = panel->grab().toImage();
        if (die.Picture) {
            QCOMPARE(image.pixelColor(4, 4), Red);
            QCOMPARE(image.pixelColor(4 + PipCentre(0), 4 + PipCentre(0)), White);
        }
        // A shown frame is the 2-pixel black ring between the panel's bevel and the die.
        QCOMPARE(image.pixelColor(3, 36) == QColor(Qt::black), die.Frame);
        QCOMPARE(image.pixelColor(2, 36) == QColor(Qt::black), die.Frame);
        QVERIFY(image.pixelColor(1, 36) != QColor(Qt::black));
    }
}

void TDiceTest::OnlyAClickOnThePictureCounts() {
    QWidget window;
    auto* panel = new TDiePanel(5, &window);
    panel->ShowDie(TDie{2, true, true});
    window.show();
    QSignalSpy spy(panel, &TDiePanel::Clicked);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(panel->Frame(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseClick(panel->Picture(), Qt::RightButton);
    QCOMPARE(spy.count(), 0);
    QTest::mouseClick(panel->Picture(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5);
    // The second press of a double-click is no new click.
    QTest::mouseDClick(panel->Picture(), Qt::LeftButton);
    QTest::mouseRelease(panel->Picture(), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TDiceTest)
#include "dice_test.moc"
