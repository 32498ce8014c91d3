#pragma once

#include <QPalette>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <vector>

namespace quintix {

// A small chart drawn with QPainter: bars of equal width (a histogram) and lines over them, on a
// value axis from 0, with ticks at round numbers, the axes' titles and a legend. Every colour is a
// role of the widget's palette, so it reads on a dark desktop as on a light one, and everything is
// drawn as shapes and text, sharp at any size and on any screen.
class TChartWidget : public QWidget {
public:
    struct TBars {
        double First = 0.0;  // where the first bar begins on the horizontal axis
        double Width = 1.0;
        std::vector<double> Heights;
        QString Name;
    };
    struct TLine {
        std::vector<QPointF> Points;  // in the order drawn
        QPalette::ColorRole Role = QPalette::Text;
        bool Dashed = false;
        QString Name;
    };

    explicit TChartWidget(QWidget* parent = nullptr);

    void SetTitles(const QString& horizontal, const QString& vertical);
    // What to show, and what to say when there is nothing to show.
    void SetData(TBars bars, std::vector<TLine> lines);
    void SetEmptyText(const QString& text);
    bool Empty() const;

    // Where the data is drawn in the widget, and where a value falls there.
    QRectF PlotArea() const;
    QPointF Position(QPointF value) const;

    // Round numbers from at most low up to at least high, at most `most` of them and at least two.
    static std::vector<double> Ticks(double low, double high, int most);

    QSize sizeHint() const override { return {360, 220}; }
    QSize minimumSizeHint() const override { return {200, 140}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void UpdateRange();
    QString TickText(double value) const;

    QString HorizontalTitle;
    QString VerticalTitle;
    QString EmptyText;
    TBars Bars;
    std::vector<TLine> Lines;
    std::vector<double> XTicks{0.0, 1.0};
    std::vector<double> YTicks{0.0, 1.0};
};

}  // namespace quintix
