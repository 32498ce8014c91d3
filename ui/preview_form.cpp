#include "ui/preview_form.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cmath>

#include "ui/message_box.h"
#include "ui/whole_file.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

constexpr qreal LayoutDpi = 96.0;
constexpr int PanelHeight = 41;
constexpr int StatusGap = 10;  // before and after the line that tells where the PDF went
constexpr int SavedNoticeMs = 5000;
const QColor DeskColour(128, 128, 128);
const QColor ShadowColour(64, 64, 64);

// The width a button needs for its picture and its caption inside its style's margins.
int NeededWidth(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const QRect contents = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return button.fontMetrics().horizontalAdvance(QString(button.text()).remove('&')) +
           button.iconSize().width() + 4 + button.width() - contents.width();
}

struct TZoomChoice {
    const char* Text;
    qreal Zoom;  // 0 for the entries that fit the page to the view
};

constexpr std::array<TZoomChoice, TPreviewForm::ZoomEntries> ZoomChoices{{
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "25%"), 0.25},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "50%"), 0.5},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "75%"), 0.75},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "100%"), 1.0},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "150%"), 1.5},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "200%"), 2.0},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "Full Page"), 0.0},
    {QT_TRANSLATE_NOOP("quintix::TPreviewForm", "Fit To Width"), 0.0},
}};

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

// Landscape when the report's pages are wider than high; the page size itself is given upright,
// because a page layout turns its size by the orientation.
QPageLayout LayoutFor(QSizeF pageSize) {
    const bool landscape = pageSize.width() > pageSize.height();
    const QSizeF upright(std::min(pageSize.width(), pageSize.height()) / LayoutDpi,
                         std::max(pageSize.width(), pageSize.height()) / LayoutDpi);
    return {QPageSize(upright, QPageSize::Inch), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF()};
}

// Plays the pages one per sheet of `device` and ends the painter; false if any step failed.
bool PaintPages(QPainter& painter, QPagedPaintDevice& device, const TReportPages& pages, qreal scale) {
    bool ok = true;
    for (std::size_t i = 0; i < pages.Pages.size() && ok; ++i) {
        if (i > 0) {
            ok = device.newPage();
        }
        if (ok) {
            PaintPage(painter, pages.Pages[i], scale);
        }
    }
    return painter.end() && ok;
}

// Plays every page into a PDF document on `device`, one page of the report's page size per page.
bool WritePdf(const TReportPages& pages, QIODevice& device) {
    QPdfWriter writer(&device);
    writer.setTitle(pages.Title);
    writer.setCreator(QStringLiteral("Quintix"));
    writer.setResolution(PictureResolution());
    QPainter painter;
    if (!writer.setPageLayout(LayoutFor(pages.PageSize)) || !painter.begin(&writer)) {
        return false;
    }
    return PaintPages(painter, writer, pages, writer.resolution() / LayoutDpi);
}

// A rule, given in device pixels, moved to whole pixels. Its ends are rounded each on its own, so
// that rules which meet as laid out still meet; its thickness is rounded as a whole, never below
// one pixel, so that every rule of one width comes out equally thick wherever it lies.
QRect OnWholePixels(const QRectF& rule) {
    const auto span = [](qreal from, qreal to, bool thickness) {
        const int start = qRound(from);
        return std::pair(start, std::max(1, thickness ? qRound(to - from) : qRound(to) - start));
    };
    const bool horizontal = rule.width() >= rule.height();
    const auto [left, width] = span(rule.left(), rule.right(), !horizontal);
    const auto [top, height] = span(rule.top(), rule.bottom(), horizontal);
    return {left, top, width, height};
}

// Rules are filled rectangles, never stroked lines, so that they join without gaps and print
// exactly where and as thick as they were laid out.
void PaintRules(QPainter& painter, const std::vector<QRectF>& rules, qreal scale, TRuleFit fit) {
    painter.save();
    if (fit == TRuleFit::Exact) {
        painter.scale(scale, scale);
        for (const QRectF& rule : rules) {
            painter.fillRect(rule, Qt::black);
        }
    } else {
        const QTransform toPixels = QTransform::fromScale(scale, scale) * painter.transform();
        painter.resetTransform();
        for (const QRectF& rule : rules) {
            painter.fillRect(OnWholePixels(toPixels.mapRect(rule)), Qt::black);
        }
    }
    painter.restore();
}

// The picture on "&Print": a sheet coming out of a printer.
QIcon PrinterIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 7, 6);
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(1, 6, 13, 6);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 7, 4);
    painter.fillRect(11, 8, 2, 1, Qt::green);
    return {pixmap};
}

}  // namespace

int PictureResolution() {
    return QPicture().logicalDpiY();
}

void PaintPage(QPainter& painter, const TReportPage& page, qreal scale, TRuleFit rules) {
    const QPaintDevice* device = painter.device();
    const int dpi = PictureResolution();
    if (device->logicalDpiX() == dpi && device->logicalDpiY() == dpi) {
        painter.save();
        painter.scale(scale, scale);
        painter.drawPicture(QPointF(0, 0), page.Picture);
        painter.restore();
        PaintRules(painter, page.Rules, scale, rules);
        return;
    }
    // Replayed text lands at the wrong size and place on a device of another resolution, so the
    // part of the page that can show is drawn through an image that has the pictures' resolution.
    const QTransform toDevice = painter.deviceTransform();
    QRect area(0, 0, device->width(), device->height());
    if (painter.hasClipping()) {
        area &= toDevice.mapRect(painter.clipBoundingRect()).toAlignedRect();
    }
    if (area.isEmpty()) {
        return;
    }
    const int dotsPerMeter = qRound(dpi / 0.0254);
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::transparent);
    QPainter imagePainter(&image);
    imagePainter.setRenderHints(painter.renderHints());
    imagePainter.setTransform(toDevice * QTransform::fromTranslate(-area.x(), -area.y()));
    imagePainter.save();
    imagePainter.scale(scale, scale);
    imagePainter.drawPicture(QPointF(0, 0), page.Picture);
    imagePainter.restore();
    PaintRules(imagePainter, page.Rules, scale, rules);
    imagePainter.end();
    painter.save();
    painter.resetTransform();
    painter.drawImage(area.topLeft(), image);
    painter.restore();
}

bool PrintPages(const TReportPages& pages, QPrinter& printer, QString* error) {
    if (pages.Pages.empty()) {
        SetError(error, QObject::tr("There are no pages to print."));
        return false;
    }
    // The pages are laid out on the whole sheet, so the painter's origin must be the paper's corner.
    printer.setFullPage(true);
    printer.setPageOrientation(pages.PageSize.width() > pages.PageSize.height() ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait);
    if (!pages.Title.isEmpty()) {
        printer.setDocName(pages.Title);
    }
    printer.setResolution(PictureResolution());
    QPainter painter;
    if (!painter.begin(&printer)) {
        SetError(error, QObject::tr("The printer \"%1\" could not be opened.").arg(printer.printerName()));
        return false;
    }
    const bool ok = PaintPages(painter, printer, pages, printer.resolution() / LayoutDpi);
    if (!ok || printer.printerState() == QPrinter::Error) {
        SetError(
            error,
            QObject::tr("Printing failed: the printer \"%1\" reported an error.").arg(printer.printerName()));
        return false;
    }
    return true;
}

bool SavePagesAsPdf(const TReportPages& pages, const QString& path, QString* error) {
    if (pages.Pages.empty()) {
        SetError(error, QObject::tr("There are no pages to save."));
        return false;
    }
    // Made in memory first, so that the file itself is written in one checked piece.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    QString reason;
    if (!buffer.open(QIODevice::WriteOnly) || !WritePdf(pages, buffer)) {
        reason = QObject::tr("the pages could not be made into a PDF");
    } else if (WriteWholeFile(path, pdf, &reason)) {
        return true;
    }
    SetError(error, QObject::tr("The PDF file \"%1\" could not be written: %2.")
                        .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

TPreviewPage::TPreviewPage(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewPage::SetPage(const TReportPage* page, QSizeF pageSize, qreal zoom) {
    Page = page;
    PageSize = pageSize;
    Zoom = zoom;
    const QSize pixels = PagePixels();
    resize(pixels.width() + 2 * Margin + Shadow, pixels.height() + 2 * Margin + Shadow);
    update();
}

qreal TPreviewPage::ScaleFor(qreal zoom) const {
    return zoom * logicalDpiX() / LayoutDpi;
}

QSize TPreviewPage::PagePixels() const {
    if (Page == nullptr) {
        return {0, 0};
    }
    const qreal scale = ScaleFor(Zoom);
    return {qRound(PageSize.width() * scale), qRound(PageSize.height() * scale)};
}

void TPreviewPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), DeskColour);
    if (Page == nullptr) {
        return;
    }
    const QRect page(QPoint(Margin, Margin), PagePixels());
    painter.fillRect(page.translated(Shadow, Shadow), ShadowColour);
    painter.fillRect(page, Qt::white);
    painter.setPen(Qt::black);
    painter.drawRect(page.adjusted(-1, -1, 0, 0));
    painter.setClipRect(page);
    painter.translate(page.topLeft());
    PaintPage(painter, *Page, ScaleFor(Zoom), TRuleFit::WholePixels);
}

TPreviewForm::TPreviewForm(IMessages& messages, QWidget* parent) : QDialog(parent), Messages(messages) {
    setObjectName("PreviewForm");
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(WindowFont());
    setSizeGripEnabled(true);
    resize(620, 400);
    CentreOnScreen(*this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    Label1 = new QLabel(tr("&Zoom"), Panel1);
    Label1->setObjectName("Label1");
    Label1->move(8, 14);
    Label1->adjustSize();

    ZoomList = new QComboBox(Panel1);
    ZoomList->setObjectName("ZoomList");
    ZoomList->setGeometry(45, 10, 94, 21);
    ZoomList->setMaxVisibleItems(ZoomEntries);
    for (const TZoomChoice& choice : ZoomChoices) {
        ZoomList->addItem(tr(choice.Text));
    }
    Label1->setBuddy(ZoomList);

    QStyle* look = style();
    const auto addButton = [this](const char* name, const QString& caption, int left, const QIcon& icon) {
        auto* button = new QPushButton(icon, caption, Panel1);
        button->setObjectName(name);
        button->setGeometry(left, 8, 75, 25);
        button->setIconSize(QSize(16, 16));
        button->setAutoDefault(false);
        return button;
    };
    PrevButton = addButton("PrevButton", tr("Pre&vious"), 149, look->standardIcon(QStyle::SP_ArrowLeft));
    NextButton = addButton("NextButton", tr("&Next"), 224, look->standardIcon(QStyle::SP_ArrowRight));
    PrintButton =
        addButton("PrintButton", tr("&Print"), 309, QIcon::fromTheme("document-print", PrinterIcon()));
    CloseButton =
        addButton("CloseButton", tr("&Close"), 394, look->standardIcon(QStyle::SP_DialogCloseButton));
    SavePdfButton =
        addButton("SavePdfButton", tr("Save P&DF..."), 479, look->standardIcon(QStyle::SP_DialogSaveButton));
    SavePdfButton->resize(90, 25);
    // A translation's caption longer than its button widens it, and the buttons after it move along;
    // a caption that fits leaves every button at its design place.
    int shift = 0;
    for (QPushButton* button : {PrevButton, NextButton, PrintButton, CloseButton, SavePdfButton}) {
        button->move(button->x() + shift, button->y());
        const int wider = std::max(0, NeededWidth(*button) - button->width());
        button->resize(button->width() + wider, button->height());
        shift += wider;
    }
    setTabOrder(ZoomList, PrevButton);
    setTabOrder(PrevButton, NextButton);
    setTabOrder(NextButton, PrintButton);
    setTabOrder(PrintButton, CloseButton);
    setTabOrder(CloseButton, SavePdfButton);

    Preview = new QScrollArea(this);
    Preview->setObjectName("Preview");
    Preview->setAlignment(Qt::AlignCenter);
    Preview->setWidgetResizable(false);
    Preview->setFocusPolicy(Qt::NoFocus);
    QPalette desk = Preview->viewport()->palette();
    desk.setColor(QPalette::Window, DeskColour);
    Preview->viewport()->setPalette(desk);
    Preview->viewport()->setAutoFillBackground(true);
    Preview->horizontalScrollBar()->setTracking(true);
    Preview->verticalScrollBar()->setTracking(true);
    PreviewPage = new TPreviewPage;
    PreviewPage->setObjectName("PreviewPage");
    Preview->setWidget(PreviewPage);

    StatusLabel = new QLabel(Panel1);
    StatusLabel->setObjectName("StatusLabel");
    StatusNotice = new QTimer(this);
    StatusNotice->setSingleShot(true);
    StatusNotice->setInterval(SavedNoticeMs);
    connect(StatusNotice, &QTimer::timeout, StatusLabel, &QLabel::clear);

    ChoosePdfFile = [this] {
        QFileDialog dialog(this, tr("Save PDF"), QString(), tr("PDF files (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The dialog adds the suffix, so that it asks about replacing the file that will really be
        // written. Qt's own dialog asks after adding it; a native one asks about the name as typed.
        dialog.setDefaultSuffix("pdf");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(DefaultPdfPath());
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };

    // Picking the entry already chosen changes no index but must still scroll to the top-left
    // corner, hence both signals; applying a zoom twice does no harm.
    connect(ZoomList, &QComboBox::currentIndexChanged, this, &TPreviewForm::ZoomListChange);
    connect(ZoomList, &QComboBox::activated, this, &TPreviewForm::ZoomListChange);
    connect(PrevButton, &QPushButton::clicked, this, &TPreviewForm::PrevButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TPreviewForm::NextButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TPreviewForm::PrintButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(SavePdfButton, &QPushButton::clicked, this, &TPreviewForm::SavePdfButtonClick);
    ShowPageInfo();
    setWindowTitle(tr("Print Preview"));
}

void TPreviewForm::ShowPages(const TReportPages& pages) {
    Report = pages;
    PageNo = Report.Pages.empty() ? 0 : 1;
    FormShow();
}

int TPreviewForm::ZoomIndex() const {
    return ZoomList->currentIndex();
}

void TPreviewForm::FormShow() {
    StatusNotice->stop();
    StatusLabel->clear();
    {
        const QSignalBlocker quiet(ZoomList);
        ZoomList->setCurrentIndex(FullPage);
    }
    ZoomList->setFocus();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    open();
    ApplyZoom();
    ShowPageInfo();
}

void TPreviewForm::ZoomListChange() {
    ApplyZoom();
}

void TPreviewForm::ApplyZoom() {
    ScrollToTopLeft();
    UpdateZoom();
}

void TPreviewForm::ShowPageInfo() {
    PrevButton->setEnabled(PageNo > 1);
    NextButton->setEnabled(PageNo < PageCount());
    PrintButton->setEnabled(PageCount() > 0);
    SavePdfButton->setEnabled(PageCount() > 0);
    setWindowTitle(tr("Print Preview - %1   Page %2 of %3")
                       .arg(Report.Title, QString::number(PageNo), QString::number(PageCount())));
}

void TPreviewForm::PrevButtonClick() {
    GoToPage(PageNo - 1);
    ShowPageInfo();
}

void TPreviewForm::NextButtonClick() {
    GoToPage(PageNo + 1);
    ShowPageInfo();
}

void TPreviewForm::GoToPage(int page) {
    if (page < 1 || page > PageCount() || page == PageNo) {
        return;
    }
    PageNo = page;
    ScrollToTopLeft();
    UpdateZoom();
}

void TPreviewForm::ScrollToTopLeft() {
    Preview->horizontalScrollBar()->setValue(0);
    Preview->verticalScrollBar()->setValue(0);
}

void TPreviewForm::UpdateZoom() {
    const int entry = std::clamp(ZoomList->currentIndex(), 0, ZoomEntries - 1);
    const qreal fixed = ZoomChoices[static_cast<std::size_t>(entry)].Zoom;
    CurrentZoom = fixed > 0 ? fixed : FittingZoom(static_cast<TZoomEntry>(entry));
    const TReportPage* page = PageNo >= 1 ? &Report.Pages[static_cast<std::size_t>(PageNo - 1)] : nullptr;
    PreviewPage->SetPage(page, Report.PageSize, CurrentZoom);
}

// Measured on the whole view less its frame, not on the viewport, so a scroll bar coming or going
// does not change the answer and a fitted page never needs one (except a tall page at full width).
qreal TPreviewForm::FittingZoom(TZoomEntry entry) const {
    const QSizeF page = Report.PageSize;
    if (page.width() <= 0 || page.height() <= 0) {
        return 1.0;
    }
    const int frame = 2 * Preview->frameWidth();
    const int border = 2 * TPreviewPage::Margin + TPreviewPage::Shadow;
    const qreal width = std::max(1, Preview->width() - frame - border);
    const qreal height = std::max(1, Preview->height() - frame - border);
    const qreal toZoom = PreviewPage->ScaleFor(1.0);
    if (entry == FullPage) {
        return std::min(width / page.width(), height / page.height()) / toZoom;
    }
    qreal scale = width / page.width();
    if (page.height() * scale > height) {
        scale = std::max(1.0, width - Preview->verticalScrollBar()->sizeHint().width()) / page.width();
    }
    return scale / toZoom;
}

QString TPreviewForm::DefaultPdfPath() const {
    const QString name = (Report.Title.isEmpty() ? tr("Quintix Score Sheet") : Report.Title) + ".pdf";
    // The dialog cannot start in a folder that does not exist; it would offer the whole path.
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return (documents.exists() ? documents : QDir::home()).filePath(name);
}

void TPreviewForm::PrintButtonClick() {
    if (QPrinterInfo::availablePrinters().isEmpty() || QPrinterInfo::defaultPrinter().isNull()) {
        Messages.Error(this, tr("No printer is available. Use Save PDF to keep the score sheets."));
        return;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    QString error;
    if (!PrintPages(Report, printer, &error)) {
        Messages.Error(this, error);
    }
}

void TPreviewForm::SavePdfButtonClick() {
    const QString path = ChoosePdfFile ? ChoosePdfFile() : QString();
    if (path.isEmpty()) {
        return;
    }
    QString error;
    if (!SavePagesAsPdf(Report, path, &error)) {
        Messages.Error(this, error);
        return;
    }
    // A long path keeps its start and its file name; the tool tip holds all of it.
    const QString saved = tr("Saved to %1").arg(QDir::toNativeSeparators(path));
    StatusLabel->setToolTip(saved);
    StatusLabel->setText(StatusLabel->fontMetrics().elidedText(saved, Qt::ElideMiddle, StatusLabel->width()));
    StatusNotice->start();
}

void TPreviewForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Panel1->setGeometry(0, 0, width(), PanelHeight);
    const int statusLeft = SavePdfButton->geometry().right() + 1 + StatusGap;
    StatusLabel->setGeometry(statusLeft, 8, std::max(0, width() - statusLeft - StatusGap), 25);
    Preview->setGeometry(0, PanelHeight, width(), std::max(0, height() - PanelHeight));
    if (ZoomList->currentIndex() >= FullPage) {
        UpdateZoom();
    }
}

}  // namespace quintix
