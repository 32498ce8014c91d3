#include "ui/band_report.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <utility>

namespace quintix {

namespace {

constexpr double UnitsPerInch = 96;
constexpr double MillimetresPerInch = 25.4;
// Room for rounding in sums of band heights, far below anything visible.
constexpr double Tolerance = 1e-6;

// Places bands one below the other in the columns of the pages and records each page as a
// picture. A page is begun as soon as the layout starts, so there is always one.
class TPageLayout {
public:
    explicit TPageLayout(const TPageSetup& setup) : Setup(setup) { BeginPage(); }

    void Place(TReportBand& band, std::vector<TPlacedBand>& placed) {
        bool printBand = true;
        if (band.BeforePrint) {
            band.BeforePrint(printBand);
        }
        if (!printBand) {
            return;
        }
        // A header opens its group at the top of a column; any band that would run past the
        // column's foot moves on. A band taller than a whole column still goes into an empty one
        // rather than move on for ever.
        if (ColumnUsed &&
            (band.Kind() == TBandKind::Header || Y + band.Height() > Setup.ColumnHeight() + Tolerance)) {
            NextColumn();
        }
        const QPointF origin = Setup.ColumnOrigin(Column) + QPointF(0, Y);
        band.Paint(Painter, Current, origin);

        TPlacedBand record{PageNo, Column, origin, band.objectName(), {}};
        for (const TReportElement* element : band.Elements()) {
            record.Elements.push_back({element->objectName(), element->Geometry(), element->Text()});
        }
        placed.push_back(std::move(record));

        Y += band.Height();
        ColumnUsed = true;
    }

    std::vector<TReportPage> Finish() {
        EndPage();
        return std::move(Pages);
    }

private:
    void BeginPage() {
        ++PageNo;
        Column = 1;
        Y = 0;
        ColumnUsed = false;
        Current = TReportPage();
        Painter.begin(&Current.Picture);
    }

    void EndPage() {
        Painter.end();
        const QSizeF size = Setup.PageSize();
        Current.Picture.setBoundingRect(QRect(0, 0, static_cast<int>(std::ceil(size.width())),
                                              static_cast<int>(std::ceil(size.height()))));
        Pages.push_back(std::move(Current));
    }

    void NextColumn() {
        if (Column < Setup.Columns) {
            ++Column;
            Y = 0;
            ColumnUsed = false;
            return;
        }
        EndPage();
        BeginPage();
    }

    const TPageSetup& Setup;
    std::vector<TReportPage> Pages;
    TReportPage Current;
    QPainter Painter;
    int PageNo = 0;
    int Column = 1;
    double Y = 0;  // from the column's top
    bool ColumnUsed = false;
};

// Runs a source's records and the links under each of them, placing their bands.
void RunSource(TDataSource& source, TPageLayout& layout, std::vector<TPlacedBand>& placed) {
    bool anyRecord = false;
    for (;;) {
        bool moreData = true;
        if (source.NeedData) {
            source.NeedData(moreData);
        } else {
            moreData = !anyRecord;
        }
        if (!moreData) {
            break;
        }
        if (!anyRecord && source.Header() != nullptr) {
            layout.Place(*source.Header(), placed);
        }
        anyRecord = true;
        if (source.Detail() != nullptr) {
            layout.Place(*source.Detail(), placed);
        }
        for (TDataLink* link : source.Links()) {
            RunSource(*link, layout, placed);
        }
    }
    if (anyRecord && source.Footer() != nullptr) {
        layout.Place(*source.Footer(), placed);
    }
}

}  // namespace

QFont ReportFont(int pixelSize, bool bold) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QSizeF DefaultPaperSize() {
    QPageSize paper;
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (!printerInfo.isNull()) {
        const QPrinter printer(printerInfo);
        paper = printer.pageLayout().pageSize();
    }
    if (!paper.isValid()) {
        paper =
            QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                         : QPageSize::A4);
    }
    // Taken in the units the paper is defined in, so that A4 and Letter come out exact.
    if (paper.definitionUnits() == QPageSize::Inch) {
        return paper.size(QPageSize::Inch) * UnitsPerInch;
    }
    return paper.size(QPageSize::Millimeter) * (UnitsPerInch / MillimetresPerInch);
}

QSizeF TPageSetup::PageSize() const {
    return Landscape ? PaperSize.transposed() : PaperSize;
}

double TPageSetup::ColumnWidth() const {
    const int columns = std::max(Columns, 1);
    return (PageSize().width() - LeftMargin - RightMargin - ColumnGap * (columns - 1)) / columns;
}

double TPageSetup::ColumnHeight() const {
    return PageSize().height() - TopMargin - BottomMargin;
}

QPointF TPageSetup::ColumnOrigin(int column) const {
    return {LeftMargin + (column - 1) * (ColumnWidth() + ColumnGap), TopMargin};
}

TReportElement::TReportElement(const QString& name, const QRectF& bounds, QObject* parent)
    : QObject(parent), Bounds(bounds) {
    setObjectName(name);
}

TReportShape::TReportShape(const QString& name, TShapeKind shape, const QRectF& bounds, QObject* parent)
    : TReportElement(name, bounds, parent), Kind(shape) {}

void TReportShape::Paint(QPainter& /*painter*/, TReportPage& page, QPointF origin) const {
    const QRectF rule = Kind == TShapeKind::HorizontalLine
                            ? QRectF(Bounds.left(), Bounds.top(), Bounds.width() + LineWidth, LineWidth)
                            : QRectF(Bounds.left(), Bounds.top(), LineWidth, Bounds.height());
    page.Rules.push_back(rule.translated(origin));
}

TReportLabel::TReportLabel(const QString& name, QString caption, QPointF position, const QFont& font,
                           QObject* parent)
    : TReportElement(name, QRectF(position, QSizeF()), parent),
      CaptionText(std::move(caption)),
      LabelFont(font),
      Alignment(Qt::AlignLeft),
      SizedToText(true) {}

TReportLabel::TReportLabel(const QString& name, QString caption, const QRectF& box, const QFont& font,
                           Qt::Alignment alignment, QObject* parent)
    : TReportElement(name, box, parent),
      CaptionText(std::move(caption)),
      LabelFont(font),
      Alignment(alignment),
      SizedToText(false) {}

QRectF TReportLabel::Geometry() const {
    if (!SizedToText) {
        return Bounds;
    }
    const QFontMetricsF metrics(LabelFont);
    return {Bounds.topLeft(), QSizeF(metrics.horizontalAdvance(CaptionText), metrics.height())};
}

void TReportLabel::Paint(QPainter& painter, TReportPage& /*page*/, QPointF origin) const {
    if (CaptionText.isEmpty()) {
        return;
    }
    painter.setFont(LabelFont);
    painter.setPen(Qt::black);
    const Qt::Alignment horizontal = Alignment & Qt::AlignHorizontal_Mask;
    painter.drawText(Geometry().translated(origin),
                     static_cast<int>(horizontal | Qt::AlignTop | Qt::TextSingleLine), CaptionText);
}

TReportBand::TReportBand(const QString& name, TBandKind kind, double height, QObject* parent)
    : QObject(parent), BandKind(kind), BandHeight(height) {
    setObjectName(name);
}

TReportShape* TReportBand::AddShape(const QString& name, TShapeKind shape, const QRectF& bounds) {
    auto* element = new TReportShape(name, shape, bounds, this);
    Items.push_back(element);
    return element;
}

TReportLabel* TReportBand::AddLabel(const QString& name, const QString& caption, QPointF position,
                                    const QFont& font) {
    auto* element = new TReportLabel(name, caption, position, font, this);
    Items.push_back(element);
    return element;
}

TReportLabel* TReportBand::AddLabel(const QString& name, const QString& caption, const QRectF& box,
                                    const QFont& font, Qt::Alignment alignment) {
    auto* element = new TReportLabel(name, caption, box, font, alignment, this);
    Items.push_back(element);
    return element;
}

void TReportBand::Paint(QPainter& painter, TReportPage& page, QPointF origin) const {
    for (const TReportElement* element : Items) {
        element->Paint(painter, page, origin);
    }
}

TDataSource::TDataSource(const QString& name, QObject* parent) : QObject(parent) {
    setObjectName(name);
}

TReportBand* TDataSource::AddBand(const QString& name, TBandKind kind, double height) {
    auto* band = new TReportBand(name, kind, height, this);
    TReportBand*& slot = kind == TBandKind::Header   ? HeaderBand
                         : kind == TBandKind::Detail ? DetailBand
                                                     : FooterBand;
    delete slot;
    slot = band;
    return band;
}

TDataLink* TDataSource::AddLink(const QString& name) {
    auto* link = new TDataLink(name, this);
    DetailLinks.push_back(link);
    return link;
}

TDataLink::TDataLink(const QString& name, TDataSource* master) : TDataSource(name, master) {}

const TPlacedElement* TPlacedBand::Element(const QString& name) const {
    for (const TPlacedElement& element : Elements) {
        if (element.Name == name) {
            return &element;
        }
    }
    return nullptr;
}

TBandReport::TBandReport(const QString& name, QObject* parent) : TDataSource(name, parent) {}

TReportPages TBandReport::Prepare() {
    Placed.clear();
    if (PageSetup.DefaultPrinterPaper) {
        PageSetup.PaperSize = DefaultPaperSize();
    }
    if (BeforePrint) {
        BeforePrint();
    }
    TPageLayout layout(PageSetup);
    RunSource(*this, layout, Placed);
    return {Title, PageSetup.PageSize(), layout.Finish()};
}

void TBandReport::Preview() {
    const TReportPages pages = Prepare();
    if (PreviewHook) {
        PreviewHook(pages);
    }
}

}  // namespace quintix
