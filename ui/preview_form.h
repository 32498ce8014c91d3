#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>

#include "ui/report_pages.h"

class QComboBox;
class QFrame;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QScrollArea;
class QTimer;

namespace quintix {
class IMessages;
}

namespace quintix {

// The logical resolution, in dots per inch, of the device pictures are recorded on. Text replays
// true to size only on a device of this resolution, so the printer and the PDF are set to it.
int PictureResolution();

// How a page's rules meet the device: exactly as laid out (paper, PDF), or on whole pixels and at
// least one pixel thick (screen), so that none vanishes at a small zoom and all are equally thick.
enum class TRuleFit { Exact, WholePixels };

// Plays one page, laid out in 1/96 inch, at `scale` device pixels per layout unit, its rules as
// `rules` says. The screen, the printer and the PDF all draw through here, so a page looks the same
// on each. On a device of another resolution than PictureResolution() the visible part goes
// through an image.
void PaintPage(QPainter& painter, const TReportPage& page, qreal scale, TRuleFit rules = TRuleFit::Exact);

// Plays every page on the printer, a new sheet per page, from the paper's corner in the pages'
// orientation on the printer's own paper size. False, with the reason in `error`, when there is
// nothing to print or the printer cannot be opened or reports an error.
bool PrintPages(const TReportPages& pages, QPrinter& printer, QString* error);

// Writes the pages to a PDF file, one page of the report's page size per page. The file is
// replaced whole or not at all: false, with a message naming the file and the reason in `error`,
// when there is nothing to write or the file cannot be written, and then an old file is kept.
bool SavePagesAsPdf(const TReportPages& pages, const QString& path, QString* error);

// The sheet of paper in the page view: the current page, white with a shadow, on a grey desk.
class TPreviewPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int Margin = 10;  // grey around the page, in screen pixels
    static constexpr int Shadow = 4;

    explicit TPreviewPage(QWidget* parent = nullptr);

    // Shows `page` (or only the grey desk for none) of size `pageSize` layout units at `zoom`.
    void SetPage(const TReportPage* page, QSizeF pageSize, qreal zoom);
    // Screen pixels per layout unit at a zoom: the zoom itself scaled from 96 dpi to the screen's.
    qreal ScaleFor(qreal zoom) const;
    QSize PagePixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TReportPage* Page = nullptr;
    QSizeF PageSize;
    qreal Zoom = 1.0;
};

// The print preview: the pages of a report one at a time, with a choice of zoom, paging, printing
// on the default printer and saving as PDF. Every showing starts on page 1 at "Full Page".
class TPreviewForm : public QDialog {
    Q_OBJECT

public:
    enum TZoomEntry { Zoom25, Zoom50, Zoom75, Zoom100, Zoom150, Zoom200, FullPage, FitToWidth, ZoomEntries };

    // Errors of printing and saving are shown through `messages`.
    explicit TPreviewForm(IMessages& messages, QWidget* parent = nullptr);

    // The preview hook: takes a copy of the freshly produced pages and shows them, maximised,
    // without blocking.
    void ShowPages(const TReportPages& pages);

    int CurrentPage() const { return PageNo; }  // 1-based; 0 while there is no page
    int PageCount() const { return static_cast<int>(Report.Pages.size()); }
    int ZoomIndex() const;
    // The zoom in force, 1.0 for 100 per cent; for the fitting entries the zoom they arrived at.
    qreal Zoom() const { return CurrentZoom; }
    const TReportPages& Pages() const { return Report; }

    // Picks the PDF file to save to, suffix included; an empty name cancels. Replaceable so tests
    // need no file dialog.
    std::function<QString()> ChoosePdfFile;

    QFrame* Panel1;
    QLabel* Label1;
    QComboBox* ZoomList;
    QPushButton* PrevButton;
    QPushButton* NextButton;
    QPushButton* PrintButton;
    QPushButton* CloseButton;
    QPushButton* SavePdfButton;
    QLabel* StatusLabel;  // where the last PDF went, for a few seconds after saving it
    QScrollArea* Preview;
    TPreviewPage* PreviewPage;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormShow();
    void ZoomListChange();
    void ApplyZoom();
    void ShowPageInfo();
    void PrevButtonClick();
    void NextButtonClick();
    void PrintButtonClick();
    void SavePdfButtonClick();
    void GoToPage(int page);
    void ScrollToTopLeft();
    // Sets the view to the selected entry's zoom; the fitting entries measure the view anew.
    void UpdateZoom();
    qreal FittingZoom(TZoomEntry entry) const;
    QString DefaultPdfPath() const;

    IMessages& Messages;
    QTimer* StatusNotice;
    TReportPages Report;
    int PageNo = 0;
    qreal CurrentZoom = 1.0;
};

}  // namespace quintix
