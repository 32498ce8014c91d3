#pragma once

#include <QFont>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

#include "ui/report_pages.h"

class QPainter;

namespace quintix {

// A small band-report engine over QPainter: bands of rules and texts are laid out on the pages in
// columns while data callbacks are asked for record after record. It knows nothing of what it
// prints. All sizes and positions are layout units of 1/96 inch.

// A report text's font: Arial, or the platform's sans-serif where Arial is missing, `pixelSize`
// layout units high. Pixel sizes keep the text in proportion to the rules whatever device the
// pages are later played back on.
QFont ReportFont(int pixelSize, bool bold);

// The default printer's default paper, portrait, in layout units; A4, or Letter where the locale
// measures in inches, when there is no printer.
QSizeF DefaultPaperSize();

struct TPageSetup {
    QSizeF PaperSize{794, 1123};  // portrait, in layout units
    bool Landscape = false;
    double LeftMargin = 38;
    double TopMargin = 38;
    double RightMargin = 38;
    double BottomMargin = 38;
    int Columns = 1;
    double ColumnGap = 0;
    // Take the paper from the default printer afresh each time the pages are produced, so that a
    // printer set up while the program runs is followed.
    bool DefaultPrinterPaper = false;

    // The page as it is printed: the paper turned when landscape.
    QSizeF PageSize() const;
    double ColumnWidth() const;
    double ColumnHeight() const;
    // The column's top left corner on the page; columns count from 1.
    QPointF ColumnOrigin(int column) const;
};

// Something drawn on a band, placed relative to the band's top left corner.
class TReportElement : public QObject {
    Q_OBJECT

public:
    TReportElement(const QString& name, const QRectF& bounds, QObject* parent);

    virtual QRectF Geometry() const { return Bounds; }
    void SetHeight(double height) { Bounds.setHeight(height); }
    virtual QString Text() const { return {}; }
    // Draws the element on `page`, whose picture `painter` records, with the band's top left
    // corner at `origin`.
    virtual void Paint(QPainter& painter, TReportPage& page, QPointF origin) const = 0;

protected:
    QRectF Bounds;
};

enum class TShapeKind { HorizontalLine, VerticalLine };

// A rule one layout unit thick: a horizontal one along the top edge of its shape, from its left to
// its right edge; a vertical one along its left edge, from its top to its bottom. The thickness
// lies inside the shape, below and to the right, so rules that share an edge join without gaps.
// It goes to the page's rules, not its picture.
class TReportShape : public TReportElement {
    Q_OBJECT

public:
    static constexpr double LineWidth = 1;

    TReportShape(const QString& name, TShapeKind shape, const QRectF& bounds, QObject* parent);

    TShapeKind Shape() const { return Kind; }
    void Paint(QPainter& painter, TReportPage& page, QPointF origin) const override;

private:
    TShapeKind Kind;
};

// A line of text. Sized to its text, it spans its caption from its position; with a fixed box it is
// aligned inside the box (horizontally as asked, always at the top).
class TReportLabel : public TReportElement {
    Q_OBJECT

public:
    // Sized to its text.
    TReportLabel(const QString& name, QString caption, QPointF position, const QFont& font, QObject* parent);
    // In a fixed box.
    TReportLabel(const QString& name, QString caption, const QRectF& box, const QFont& font,
                 Qt::Alignment alignment, QObject* parent);

    QString Caption() const { return Text(); }
    void SetCaption(const QString& caption) { CaptionText = caption; }
    QFont Font() const { return LabelFont; }
    bool AutoSize() const { return SizedToText; }

    QRectF Geometry() const override;
    QString Text() const override { return CaptionText; }
    void Paint(QPainter& painter, TReportPage& page, QPointF origin) const override;

private:
    QString CaptionText;
    QFont LabelFont;
    Qt::Alignment Alignment;
    bool SizedToText;
};

enum class TBandKind { Header, Detail, Footer };

// A strip across a column: a height and the elements drawn on it.
class TReportBand : public QObject {
    Q_OBJECT

public:
    TReportBand(const QString& name, TBandKind kind, double height, QObject* parent);

    TBandKind Kind() const { return BandKind; }
    double Height() const { return BandHeight; }

    TReportShape* AddShape(const QString& name, TShapeKind shape, const QRectF& bounds);
    TReportLabel* AddLabel(const QString& name, const QString& caption, QPointF position, const QFont& font);
    TReportLabel* AddLabel(const QString& name, const QString& caption, const QRectF& box, const QFont& font,
                           Qt::Alignment alignment);
    const std::vector<TReportElement*>& Elements() const { return Items; }

    // Draws the elements on `page`, whose picture `painter` records, with the band's top left
    // corner at `origin`.
    void Paint(QPainter& painter, TReportPage& page, QPointF origin) const;

    // Asked each time just before the band is placed: may set texts, or clear printBand to leave
    // the band out this once.
    std::function<void(bool& printBand)> BeforePrint;

private:
    TBandKind BandKind;
    double BandHeight;
    std::vector<TReportElement*> Items;
};

class TDataLink;

// A source of records and its bands. For every record its detail band prints, then the links
// whose master it is run for that record. Its header prints before the first record and its
// footer after the last; a source without records prints neither.
class TDataSource : public QObject {
    Q_OBJECT

public:
    TDataSource(const QString& name, QObject* parent);

    // A band of this source; a second band of the same kind replaces the first.
    TReportBand* AddBand(const QString& name, TBandKind kind, double height);
    // A detail link with this source as its master.
    TDataLink* AddLink(const QString& name);

    TReportBand* Header() const { return HeaderBand; }
    TReportBand* Detail() const { return DetailBand; }
    TReportBand* Footer() const { return FooterBand; }
    const std::vector<TDataLink*>& Links() const { return DetailLinks; }

    // Asked for each record; clearing moreData ends the source, and nothing is printed for that
    // call. A source without the callback has exactly one record.
    std::function<void(bool& moreData)> NeedData;

private:
    TReportBand* HeaderBand = nullptr;
    TReportBand* DetailBand = nullptr;
    TReportBand* FooterBand = nullptr;
    std::vector<TDataLink*> DetailLinks;
};

// A source that runs once per record of its master.
class TDataLink : public TDataSource {
    Q_OBJECT

public:
    TDataLink(const QString& name, TDataSource* master);
};

// Where one band was put, with what its elements held at that moment: the layout as a list, so
// that what went where can be checked without reading pixels.
struct TPlacedElement {
    QString Name;
    QRectF Geometry;  // relative to the band
    QString Text;
};

struct TPlacedBand {
    int Page = 0;    // from 1
    int Column = 0;  // from 1
    QPointF Origin;  // the band's top left corner on the page
    QString Band;
    std::vector<TPlacedElement> Elements;

    // The element of that name, or null.
    const TPlacedElement* Element(const QString& name) const;
};

// The report: the outermost source, its page set-up, and the production of its pages.
class TBandReport : public TDataSource {
    Q_OBJECT

public:
    TBandReport(const QString& name, QObject* parent);

    QString Title;
    TPageSetup PageSetup;
    // Asked once before every production of the pages.
    std::function<void()> BeforePrint;
    // The preview hook: receives the pages whenever a preview is asked for.
    std::function<void(const TReportPages& pages)> PreviewHook;

    // Runs the callbacks and lays out every band. There is always at least one page, blank when
    // nothing was printed.
    TReportPages Prepare();
    // Prepares the pages and hands them to the preview hook.
    void Preview();

    // The layout of the last Prepare, in the order the bands were placed.
    const std::vector<TPlacedBand>& Placements() const { return Placed; }

private:
    std::vector<TPlacedBand> Placed;
};

}  // namespace quintix
