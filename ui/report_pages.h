#pragma once

#include <QPicture>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace quintix {

// One laid-out page, in layout units of 1/96 inch: its texts recorded as a picture, its rules as
// filled rectangles. The rules are kept apart so that each device can draw them to suit it:
// exactly as laid out on paper, on whole pixels on a screen, where a rule thinner than a pixel
// would vanish or come out thicker in one place than in another.
struct TReportPage {
    QPicture Picture;
    std::vector<QRectF> Rules;
};

// A laid-out report: its pages, with the page size in layout units (landscape: wider than high).
// Whatever shows or prints the pages scales them to its device's resolution; the report is laid
// out once and looks the same everywhere.
struct TReportPages {
    QString Title;
    QSizeF PageSize;
    std::vector<TReportPage> Pages;
};

}  // namespace quintix
