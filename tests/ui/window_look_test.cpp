// The main window on today's desktops: larger than its natural size, on a dark palette, with long
// names, and closed from its title bar.
#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>

#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "ui/draw_grid.h"
#include "ui/message_box.h"
#include "ui/quintix_form.h"

using namespace quintix;

namespace {

// Pixels of the dice's red in the main window as the screenshot tool renders it at a scale.
qsizetype RedPixels(const QString& scale) {
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QUINTIX_SCREENSHOTS, {"--scale", scale, dir.path()});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) {
        return -1;
    }
    const QImage image(QDir(dir.path()).filePath("main-window.png"));
    qsizetype red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            red += image.pixelColor(x, y) == QColor(255, 0, 0) ? 1 : 0;
        }
    }
    return red;
}

// A caption is whole when its text, and a button's picture, fit inside the control's contents.
bool TextFits(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return metrics.horizontalAdvance(QString(label->text()).remove('&')) <= label->contentsRect().width();
    }
    const auto* button = qobject_cast<const QPushButton*>(&control);
    if (button == nullptr) {
        return true;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return metrics.horizontalAdvance(QString(button->text()).remove('&')) + button->iconSize().width() + 4 <=
           contents.width();
}

}  // namespace

class TWindowLookTest : public QObject {
    Q_OBJECT

    TScriptedRandom* Dice = nullptr;
    TVirtualClock* Clock = nullptr;
    TQuintixForm* Form = nullptr;

    void StartSeries(std::initializer_list<TNewGameRow> rows) {
        TNewGameContents contents;
        int row = 1;
        for (const TNewGameRow& entry : rows) {
            contents.Rows[row++] = entry;
        }
        Form->Game().StartSeries(contents);
    }

private slots:
    void init() {
        TMessageBox::SetQuiet(true);
        Dice = new TScriptedRandom;
        Clock = new TVirtualClock;
        Form = new TQuintixForm(Dice, Clock);
        Form->show();
    }
    void cleanup() {
        delete Form;
        delete Clock;
        delete Dice;
    }

    void AtTwiceTheSizeTheDiceFillFourTimesThePixels() {
        const qsizetype natural = RedPixels("1");
        const qsizetype twice = RedPixels("2");
        QVERIFY2(natural > 0 && twice > 0, "the screenshot tool failed");
        const double ratio = static_cast<double>(twice) / static_cast<double>(natural);
        QVERIFY2(ratio > 3.6 && ratio < 4.4, qPrintable(QString("ratio %1").arg(ratio)));
    }

    void NoCaptionIsCutAtAnySize() {
        for (const double scale : {1.0, 1.5, 2.0, 3.0}) {
            Form->resize((QSizeF(Form->minimumSize()) * scale).toSize());
            for (const QWidget* control : Form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if ((qobject_cast<const QLabel*>(control) != nullptr &&
                     control->objectName() != "PlayerMessage") ||
                    qobject_cast<const QAbstractButton*>(control) != nullptr) {
                    QVERIFY2(TextFits(*control),
                             qPrintable(control->objectName() + QString(" at %1").arg(scale)));
                }
            }
        }
    }

    void LargerWindowsKeepTheDesignsAspectAndGrowEveryControl() {
        const QSize natural = Form->minimumSize();
        const QRect grid = Form->findChild<TDrawGrid*>("UpperScores")->geometry();
        Form->resize(natural.width() * 2, natural.height() * 3);  // taller than the design: letterboxed
        const QRect larger = Form->findChild<TDrawGrid*>("UpperScores")->geometry();
        QCOMPARE(larger.size(), grid.size() * 2);
        QCOMPARE(larger.top() - grid.top() * 2, natural.height() / 2);
        QVERIFY(Form->font().pixelSize() == 22);
    }

    // On a dark palette the sheet takes the palette's colours, not fixed black on white.
    void TheGridsFollowTheirPalette() {
        QPalette dark = Form->palette();
        dark.setColor(QPalette::Base, QColor(30, 30, 32));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        Form->setPalette(dark);
        auto* grid = Form->findChild<TDrawGrid*>("LowerScores");
        const QImage image = grid->grab().toImage();
        QCOMPARE(image.pixelColor(grid->CellRect(4, 3).center()), QColor(30, 30, 32));
    }

    void ALongNameIsShortenedNotTheSentence() {
        StartSeries({{"Bartholomew Quincey", false}, {"Ann", false}});
        Form->Game().ViewSheetOf(2);
        const auto* message = Form->findChild<QLabel*>("PlayerMessage");
        for (const int scale : {1, 2}) {
            Form->resize(Form->minimumSize() * scale);
            QVERIFY(message->text().startsWith("It's Bart"));
            QVERIFY(message->text().endsWith(QChar(0x2026) + QString("'s turn to roll for order")));
            QVERIFY(QFontMetrics(message->font()).horizontalAdvance(message->text()) <= message->width());
            QCOMPARE(message->toolTip(), QString("It's Bartholomew Quincey's turn to roll for order"));
        }
        Form->Game().ViewSheetOf(1);
        QCOMPARE(message->text(), QString("It's your turn to roll for order"));
        QCOMPARE(message->toolTip(), QString());
    }

    void ClosingDuringASeriesAsksFirst() {
        QVERIFY(Form->close());  // nothing to lose before the first series
        Form->show();
        StartSeries({{"Ann", false}});
        TMessageBox::SetNextAnswer(false);
        QVERIFY(!Form->close());
        QCOMPARE(TMessageBox::LastQuestion(), QString("Are you sure you want to quit?"));
        QVERIFY(Form->isVisible());
        TMessageBox::SetNextAnswer(true);
        QVERIFY(Form->close());
    }
};

QTEST_MAIN(TWindowLookTest)
#include "window_look_test.moc"
