// The chart widget, by what it renders: bars and lines where their values fall, in the palette's
// colours on a light and a dark palette and at twice the pixels, axes at round numbers, and a plain
// word when there is nothing to show.
#include <QImage>
#include <QPainter>
#include <QTest>
#include <vector>

#include "ui/chart_widget.h"

using quintix::TChartWidget;

namespace {

// The widget drawn into an image at a device pixel ratio, and the colour at a point given in the
// widget's own coordinates.
struct TRendered {
    QImage Image;
    qreal Ratio;
    // The device pixel that holds the point, wholly inside any shape at least two pixels across
    // around it.
    QColor At(QPointF point) const {
        return Image.pixelColor(static_cast<int>(point.x() * Ratio), static_cast<int>(point.y() * Ratio));
    }
};

TRendered Render(TChartWidget& chart, qreal ratio) {
    QImage image(chart.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    chart.render(&image);
    return {image, ratio};
}

QPalette Palette(bool dark) {
    QPalette palette;
    palette.setColor(QPalette::Base, dark ? QColor(30, 30, 32) : Qt::white);
    palette.setColor(QPalette::Text, dark ? QColor(230, 230, 230) : Qt::black);
    palette.setColor(QPalette::Highlight, dark ? QColor(42, 130, 218) : QColor(0, 90, 180));
    palette.setColor(QPalette::Mid, dark ? QColor(60, 60, 64) : QColor(200, 200, 200));
    palette.setColor(QPalette::Link, dark ? QColor(255, 170, 60) : QColor(200, 40, 0));
    return palette;
}

}  // namespace

class TChartWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void TicksFallOnRoundNumbers() {
        const std::tuple<double, double, int, std::vector<double>> cases[] = {
            {0, 37, 6, {0, 10, 20, 30, 40}},         {0, 40, 6, {0, 10, 20, 30, 40}},
            {0, 0.7, 6, {0, 0.2, 0.4, 0.6, 0.8}},    {120, 680, 8, {100, 200, 300, 400, 500, 600, 700}},
            {0, 0, 6, {0, 0.2, 0.4, 0.6, 0.8, 1.0}}, {5, 5, 2, {5, 6}},
        };
        for (const auto& [low, high, most, ticks] : cases) {
            QCOMPARE(TChartWidget::Ticks(low, high, most), ticks);
        }
    }

    // A tall bar is filled to its height and no further, an empty bin is not filled, and a line
    // passes through its points, in the colours of the palette's roles, light or dark, at one and
    // two device pixels a pixel.
    void BarsAndLinesFallWhereTheirValuesAreInThePalettesColours() {
        for (const bool dark : {false, true}) {
            for (const qreal ratio : {1.0, 2.0}) {
                TChartWidget chart;
                chart.setPalette(Palette(dark));
                chart.resize(400, 260);
                chart.SetTitles("grand total", "games");
                chart.SetData({100.0, 50.0, {4.0, 0.0, 10.0}, "Ann"},
                              {{{{100.0, 6.0}, {250.0, 6.0}}, QPalette::Link, false, "expert"}});
                const TRendered shown = Render(chart, ratio);
                const QPalette& p = chart.palette();
                const QString where = QString("%1 at %2").arg(dark ? "dark" : "light").arg(ratio);
                QVERIFY2(chart.PlotArea().width() > 250, qPrintable(where));
                QCOMPARE(shown.At(chart.Position({225.0, 9.0})), p.color(QPalette::Highlight));
                QCOMPARE(shown.At(chart.Position({225.0, 10.8})), p.color(QPalette::Base));
                QCOMPARE(shown.At(chart.Position({175.0, 3.0})), p.color(QPalette::Base));
                QCOMPARE(shown.At(chart.Position({125.0, 2.0})), p.color(QPalette::Highlight));
                QCOMPARE(shown.At(chart.Position({175.0, 6.0})), p.color(QPalette::Link));
                // Left of the plot the value axis and its labels are written, above it the legend
                // shows the bars' swatch.
                const auto count = [&shown](QRectF area, const QColor& colour) {
                    int n = 0;
                    const QRect pixels =
                        QRectF(area.topLeft() * shown.Ratio, area.size() * shown.Ratio).toRect();
                    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                        for (int x = pixels.left(); x <= pixels.right(); ++x) {
                            n += shown.Image.pixelColor(x, y) == colour ? 1 : 0;
                        }
                    }
                    return n;
                };
                const QRectF plot = chart.PlotArea();
                QVERIFY2(count({0, plot.top(), plot.left() + 1, plot.height()}, p.color(QPalette::Text)) >
                             50 * ratio,
                         qPrintable(where));
                QVERIFY2(count({0, 0, plot.right(), plot.top() - 1}, p.color(QPalette::Highlight)) >
                             10 * ratio * ratio,
                         qPrintable(where));
            }
        }
    }

    void WithNothingToShowItSaysSo() {
        TChartWidget chart;
        chart.setPalette(Palette(true));
        chart.resize(300, 200);
        chart.SetEmptyText("No games");
        chart.SetData({}, {{{}, QPalette::Text, false, "none"}});
        QVERIFY(chart.Empty());
        const TRendered shown = Render(chart, 1.0);
        int text = 0;
        for (int y = 0; y < shown.Image.height(); ++y) {
            for (int x = 0; x < shown.Image.width(); ++x) {
                const QColor c = shown.Image.pixelColor(x, y);
                QVERIFY(c != Qt::magenta);
                text += c.lightness() > 150 ? 1 : 0;
            }
        }
        QVERIFY(text > 20 && text < 2000);
    }
};

QTEST_MAIN(TChartWidgetTest)
#include "chart_widget_test.moc"
