#include <QSignalSpy>
#include <QTest>
#include <set>

#include "ui/dice_images.h"
#include "ui/die_panel.h"

using quintix::DiceImage;
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
    void FacesShowTheirPipsOnSolidRed_data();
    void FacesShowTheirPipsOnSolidRed();
    void PanelShowsPictureAndFrameAsTheDieSays_data();
    void PanelShowsPictureAndFrameAsTheDieSays();
    void OnlyAClickOnThePictureCounts();
};

void TDiceTest::FacesShowTheirPipsOnSolidRed_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<QString>("pips");  // the 3 x 3 pip places, row by row
    QTest::newRow("1") << 1 << "...|.o.|...";
    QTest::newRow("2") << 2 << "o..|...|..o";
    QTest::newRow("3") << 3 << "o..|.o.|..o";
    QTest::newRow("4") << 4 << "o.o|...|o.o";
    QTest::newRow("5") << 5 << "o.o|.o.|o.o";
    QTest::newRow("6") << 6 << "o.o|o.o|o.o";
}

void TDiceTest::FacesShowTheirPipsOnSolidRed() {
    QFETCH(int, face);
    QFETCH(QString, pips);
    const QPixmap pixmap = DiceImage(face);
    QCOMPARE(pixmap.size(), QSize(64, 64));
    QVERIFY(!pixmap.hasAlphaChannel());
    const QImage image = pixmap.toImage();
    for (const QPoint& corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 63), QPoint(63, 63)}) {
        QCOMPARE(image.pixelColor(corner), Red);
    }
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool pip = pips.at(row * 4 + col) == QLatin1Char('o');
            const QColor centre = image.pixelColor(PipCentre(col), PipCentre(row));
            QCOMPARE(centre, pip ? White : Red);
        }
    }
}

void TDiceTest::PanelShowsPictureAndFrameAsTheDieSays_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("frame");
    QTest::newRow("no value") << -1 << false << false;
    QTest::newRow("face") << 4 << true << false;
    QTest::newRow("marked") << 4 << true << true;
    QTest::newRow("marked, falling") << -1 << false << true;
}

void TDiceTest::PanelShowsPictureAndFrameAsTheDieSays() {
    QFETCH(int, value);
    QFETCH(bool, picture);
    QFETCH(bool, frame);
    const TDie die{value, picture, frame};
    QWidget window;
    auto* panel = new TDiePanel(3, &window);
    panel->ShowDie(TDie{6, true, true});
    panel->ShowDie(die);
    window.show();
    QCOMPARE(panel->objectName(), QStringLiteral("Panel3"));
    QCOMPARE(panel->Picture(), panel->findChild<QWidget*>(QStringLiteral("Dice3")));
    QCOMPARE(panel->Frame(), panel->findChild<QWidget*>(QStringLiteral("Select3")));
    QCOMPARE(panel->Picture()->property("Tag").toInt(), 3);
    QCOMPARE(panel->Picture()->isVisible(), picture);
    QCOMPARE(panel->Frame()->isVisible(), frame);

    const QImage image = panel->grab().toImage();
    if (picture) {
        QCOMPARE(image.pixelColor(4, 4), Red);
        QCOMPARE(image.pixelColor(4 + PipCentre(0), 4 + PipCentre(0)), White);
    }
    // A shown frame is the 2-pixel black ring between the panel's bevel and the die.
    QCOMPARE(image.pixelColor(3, 36) == QColor(Qt::black), frame);
    QCOMPARE(image.pixelColor(2, 36) == QColor(Qt::black), frame);
    QVERIFY(image.pixelColor(1, 36) != QColor(Qt::black));
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
