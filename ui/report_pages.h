#pragma once

#include <QPicture>
#include <QSizeF>
#include <QString>
#include <vector>

namespace quintix {

// A laid-out report: its pages recorded as pictures in layout units of 1/96 inch, with the page
// size in the same units (landscape: wider than high). Whatever shows or prints the pages scales
// them to its device's resolution; the report is laid out once and looks the same everywhere.
struct TReportPages {
    QString Title;
    QSizeF PageSize;
    std::vector<QPicture> Pages;
};

}  // namespace quintix
