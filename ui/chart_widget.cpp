#include "ui/chart_widget.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/translations.h"

namespace quintix {

namespace {

constexpr int TicksEachWay = 6;

}  // namespace

TChartWidget::TChartWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TChartWidget::SetTitles(const QString& horizontal, const QString& vertical) {
    HorizontalTitle = horizontal;
    VerticalTitle = vertical;
    update();
}

void TChartWidget::SetData(TBars bars, std::vector<TLine> lines) {
    Bars = std::move(bars);
    Lines = std::move(lines);
    UpdateRange();
    update();
}

void TChartWidget::SetEmptyText(const QString& text) {
    EmptyText = text;
    update();
}

bool TChartWidget::Empty() const {
    return Bars.Heights.empty() &&
           std::ranges::all_of(Lines, [](const TLine& line) { return line.Points.empty(); });
}

std::vector<double> TChartWidget::Ticks(double low, double high, int most) {
    if (!(high > low)) {
        high = low + 1.0;
    }
    most = std::max(most, 2);
    const double rough = (high - low) / (most - 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double factor = 1.0;
    for (const double f : {1.0, 2.0, 5.0, 10.0}) {
        factor = f;
        if (std::ceil(high / (f * power)) - std::floor(low / (f * power)) + 1 <= most) {
            break;
        }
    }
    // A tick is k times the factor, over a whole power of ten below 1, so that 3 × 0.2 shows as 0.6.
    const double below = power < 1.0 ? std::round(1.0 / power) : 1.0;
    const double above = power < 1.0 ? 1.0 : power;
    const double step = factor * power;
    std::vector<double> ticks;
    for (double k = std::floor(low / step); ticks.empty() || ticks.back() < high; ++k) {
        ticks.push_back(k * factor * above / below);
    }
    return ticks;
}

// The horizontal axis spans the bars and the lines; the vertical one starts at 0.
void TChartWidget::UpdateRange() {
    double left = Bars.Heights.empty() ? HUGE_VAL : Bars.First;
    double right =
        Bars.Heights.empty() ? -HUGE_VAL : Bars.First + Bars.Width * static_cast<double>(Bars.Heights.size());
    double top = Bars.Heights.empty() ? 0.0 : *std::ranges::max_element(Bars.Heights);
    for (const TLine& line : Lines) {
        for (const QPointF& point : line.Points) {
            left = std::min(left, point.x());
            right = std::max(right, point.x());
            top = std::max(top, point.y());
        }
    }
    if (left > right) {
        left = 0.0;
        right = 1.0;
    }
    XTicks = Ticks(left, right, TicksEachWay + 2);
    YTicks = Ticks(0.0, top, TicksEachWay);
}

QString TChartWidget::TickText(double value) const {
    const double step = YTicks.size() > 1 ? YTicks[1] - YTicks[0] : 1.0;
    return NumberLocale().toString(value, 'f',
                                   step < 1.0 ? static_cast<int>(std::ceil(-std::log10(step))) : 0);
}

QRectF TChartWidget::PlotArea() const {
    const QFontMetricsF metrics(font());
    double labels = 0.0;
    for (const double tick : YTicks) {
        labels = std::max(labels, metrics.horizontalAdvance(TickText(tick)));
    }
    const double line = metrics.height();
    const double left = line * 1.5 + labels + line * 0.5;  // the vertical title, the labels, a gap
    const double top = line * 1.6;                         // room for the legend
    const double bottom = line * 2.8;                      // the labels and the horizontal title
    const double right = line;
    return QRectF(left, top, std::max(width() - left - right, 1.0), std::max(height() - top - bottom, 1.0));
}

QPointF TChartWidget::Position(QPointF value) const {
    const QRectF plot = PlotArea();
    const double x0 = XTicks.front();
    const double x1 = XTicks.back();
    const double y1 = YTicks.back();
    return {plot.left() + (value.x() - x0) / (x1 - x0) * plot.width(),
            plot.bottom() - (value.y() - YTicks.front()) / (y1 - YTicks.front()) * plot.height()};
}

void TChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setFont(font());
    const QFontMetricsF metrics(font());
    const double line = metrics.height();
    const double thin = std::max(1.0, line / 14.0);
    if (Empty()) {
        painter.setPen(colours.color(QPalette::Text));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, EmptyText);
        return;
    }
    const QRectF plot = PlotArea();

    // The grid at the value ticks, under everything else.
    painter.setPen(QPen(colours.color(QPalette::Mid), thin));
    for (const double tick : YTicks) {
        const double y = Position({0.0, tick}).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.color(QPalette::Highlight));
    for (std::size_t i = 0; i < Bars.Heights.size(); ++i) {
        const double from = Bars.First + Bars.Width * static_cast<double>(i);
        const QPointF topLeft = Position({from, Bars.Heights[i]});
        const QPointF bottomRight = Position({from + Bars.Width, 0.0});
        painter.drawRect(QRectF(topLeft, bottomRight));
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.save();
    painter.setClipRect(plot.adjusted(-thin, -thin, thin, thin));
    for (const TLine& l : Lines) {
        QPen pen(colours.color(l.Role), thin * 2, l.Dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.setPen(pen);
        QPainterPath path;
        for (std::size_t i = 0; i < l.Points.size(); ++i) {
            const QPointF at = Position(l.Points[i]);
            i == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        painter.drawPath(path);
    }
    painter.restore();
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The axes, their ticks and labels, and the titles.
    const QColor text = colours.color(QPalette::Text);
    painter.setPen(QPen(text, thin));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    const double tickLength = line * 0.3;
    for (const double tick : YTicks) {
        const double y = Position({0.0, tick}).y();
        painter.drawLine(QPointF(plot.left() - tickLength, y), QPointF(plot.left(), y));
        const QRectF box(0.0, y - line / 2, plot.left() - tickLength * 1.5, line);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TickText(tick));
    }
    const double xStep = XTicks.size() > 1 ? XTicks[1] - XTicks[0] : 1.0;
    for (const double tick : XTicks) {
        const double x = Position({tick, 0.0}).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tickLength));
        const QString label = NumberLocale().toString(tick, 'f', xStep < 1.0 ? 1 : 0);
        painter.drawText(QRectF(x - line * 3, plot.bottom() + tickLength, line * 6, line), Qt::AlignCenter,
                         label);
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + tickLength + line, plot.width(), line * 1.4),
                     Qt::AlignCenter, HorizontalTitle);
    painter.save();
    painter.translate(line * 0.2, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0.0, plot.height(), line * 1.2), Qt::AlignCenter,
                     VerticalTitle);
    painter.restore();

    // The legend, right-aligned above the plot: a swatch and a name for each part that has one.
    double x = plot.right();
    const double swatch = line * 1.2;
    const auto entry = [&](const QString& name, const auto& drawSwatch) {
        if (name.isEmpty()) {
            return;
        }
        const double nameWidth = metrics.horizontalAdvance(name);
        x -= nameWidth;
        painter.setPen(text);
        painter.drawText(QRectF(x, line * 0.2, nameWidth, line), Qt::AlignVCenter, name);
        x -= swatch + line * 0.3;
        drawSwatch(QRectF(x, line * 0.2 + line * 0.25, swatch, line * 0.5));
        x -= line;
    };
    for (auto l = Lines.rbegin(); l != Lines.rend(); ++l) {
        entry(l->Name, [&](const QRectF& box) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(colours.color(l->Role), thin * 2, l->Dashed ? Qt::DashLine : Qt::SolidLine));
            painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
            painter.setRenderHint(QPainter::Antialiasing, false);
        });
    }
    if (!Bars.Heights.empty()) {
        entry(Bars.Name,
              [&](const QRectF& box) { painter.fillRect(box, colours.color(QPalette::Highlight)); });
    }
}

}  // namespace quintix
