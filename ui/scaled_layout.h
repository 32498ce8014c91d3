#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace quintix {

// Lays a window's controls out at their design places scaled to the window's size. The design's
// aspect is kept: the layout is as large as fits and centred, with empty margins beside or below
// it. At the natural size every control sits exactly at its design place.
class TScaledLayout {
public:
    enum class TFit {
        Exact,       // the design rectangle, scaled
        GrowToText,  // a caption: at least as wide as its text in the scaled font
    };

    TScaledLayout(QSize natural, int fontPixels);

    // A control and its design rectangle; iconSize is the side of a button's picture at the
    // natural size, 0 for none.
    void Place(QWidget* widget, QRect design, TFit fit = TFit::Exact, int iconSize = 0);

    // Scales every control to the window's present size, and the font as far as whole pixels allow
    // without growing beyond the controls.
    void Apply(QWidget& window);

    double Scale() const { return CurrentScale; }
    // A design length at the present scale, in whole pixels.
    int Scaled(double length) const;

private:
    struct TItem {
        QWidget* Widget;
        QRect Design;
        TFit Fit;
        int IconSize;
    };

    QSize Natural;
    int FontPixels;
    std::vector<TItem> Items;
    double CurrentScale = 1.0;
    QPointF Offset;
};

}  // namespace quintix
