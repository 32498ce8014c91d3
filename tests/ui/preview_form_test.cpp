#include <QComboBox>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <utility>
#include <vector>

#include "ui/message_box.h"
#include "ui/preview_form.h"

using namespace quintix;

namespace {

const QSizeF PageSize(1056, 816);  // letter landscape, 11 x 8.5 inches

// Pages that show which one is on view: a thick frame inset by half an inch and the page number.
TReportPages NumberedPages(int count) {
    TReportPages pages{"Quintix Score Sheet", PageSize, {}};
    for (int n = 1; n <= count; ++n) {
        QPicture picture;
        QPainter painter(&picture);
        painter.setPen(QPen(Qt::black, 4));
        painter.drawRect(QRectF(48, 48, 960, 720));
        QFont font("Arial");
        font.setPixelSize(200);
        painter.setFont(font);
        painter.drawText(QRectF(48, 48, 960, 720), Qt::AlignCenter, QString::number(n));
        painter.end();
        pages.Pages.push_back(picture);
    }
    return pages;
}

// A PDF's page count and its first page's size in points; no pages when it is no PDF.
std::pair<int, QSizeF> ReadPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.peek(4).startsWith("%PDF")) {
        return {0, {}};
    }
    const QString text = QString::fromLatin1(file.readAll());
    const auto pages = text.count(QRegularExpression(R"(/Type\s*/Page(?![s\w]))"));
    const auto box = QRegularExpression(R"(/MediaBox\s*\[\s*0\s+0\s+([\d.]+)\s+([\d.]+))").match(text);
    return {static_cast<int>(pages), QSizeF(box.captured(1).toDouble(), box.captured(2).toDouble())};
}

// Where the ink falls, in layout units, when a picture is played on an image of `dpi`.
QRectF InkAt(const QPicture& picture, int dpi) {
    const qreal scale = dpi / 96.0;
    QImage image(qRound(220 * scale), qRound(80 * scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, picture, scale);
    painter.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return {ink.x() / scale, ink.y() / scale, ink.width() / scale, ink.height() / scale};
}

}  // namespace

class TPreviewFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TMessageBox::SetQuiet(true); }
    void PagingFollowsTheButtonsAndCaption();
    void FixedZoomsScaleThePageFromItsTopLeft();
    void FittingZoomsKeepFittingWhenResized_data();
    void FittingZoomsKeepFittingWhenResized();
    void EveryShowingStartsOnPageOneAtFullPage();
    void ScrollBarsFollowTheThumbWhileDragged();
    void ViewPaintsThePageOnTheDesk();
    void TextKeepsItsSizeAtAnyResolution();
    void PrintWithoutAPrinterSaysSo();
    void PagesReachPdfAndPrinter_data();
    void PagesReachPdfAndPrinter();
    void SavePdfButtonWritesTheChosenFile();
};

void TPreviewFormTest::PagingFollowsTheButtonsAndCaption() {
    for (const int count : {1, 3}) {
        TPreviewForm form;
        form.ShowPages(NumberedPages(count));
        // Walks to the last page and back, pressing once more at each end, where nothing changes.
        const std::vector<std::pair<QPushButton*, int>> steps{{form.NextButton, 2}, {form.NextButton, 3},
                                                              {form.NextButton, 3}, {form.PrevButton, 2},
                                                              {form.PrevButton, 1}, {form.PrevButton, 1}};
        int page = 1;
        for (std::size_t i = 0; i <= steps.size(); ++i) {
            QCOMPARE(form.CurrentPage(), page);
            QCOMPARE(form.windowTitle(),
                     QString("Print Preview - Quintix Score Sheet   Page %1 of %2").arg(page).arg(count));
            QCOMPARE(form.PrevButton->isEnabled(), page > 1);
            QCOMPARE(form.NextButton->isEnabled(), page < count);
            if (i < steps.size()) {
                emit steps[i].first->clicked();
                page = std::min(steps[i].second, count);
            }
        }
    }
}

void TPreviewFormTest::FixedZoomsScaleThePageFromItsTopLeft() {
    TPreviewForm form;
    form.ShowPages(NumberedPages(3));
    emit form.NextButton->clicked();
    const std::array<std::pair<const char*, qreal>, 6> entries{
        {{"25%", 0.25}, {"50%", 0.5}, {"75%", 0.75}, {"100%", 1.0}, {"150%", 1.5}, {"200%", 2.0}}};
    // Backwards, so the view is scrolled (at 200%) before each choice; the last picks 200% again.
    for (const int entry : {5, 4, 3, 2, 1, 0, 5, 5}) {
        form.Preview->horizontalScrollBar()->setValue(40);
        form.Preview->verticalScrollBar()->setValue(40);
        form.ZoomList->setCurrentIndex(entry);
        emit form.ZoomList->activated(entry);  // as a pick from the list does
        const auto [text, zoom] = entries[static_cast<std::size_t>(entry)];
        QCOMPARE(form.ZoomList->currentText(), QString(text));
        const qreal scale = zoom * form.PreviewPage->logicalDpiX() / 96.0;
        QCOMPARE(form.PreviewPage->PagePixels(),
                 QSize(qRound(PageSize.width() * scale), qRound(PageSize.height() * scale)));
        QCOMPARE(form.CurrentPage(), 2);
        QCOMPARE(form.Preview->horizontalScrollBar()->value(), 0);
        QCOMPARE(form.Preview->verticalScrollBar()->value(), 0);
    }
}

void TPreviewFormTest::FittingZoomsKeepFittingWhenResized_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QSize>("windowSize");
    QTest::newRow("full page, wide window") << int(TPreviewForm::FullPage) << QSize(780, 360);
    QTest::newRow("full page, tall window") << int(TPreviewForm::FullPage) << QSize(420, 580);
    QTest::newRow("fit to width, wide window") << int(TPreviewForm::FitToWidth) << QSize(780, 360);
    QTest::newRow("fit to width, tall window") << int(TPreviewForm::FitToWidth) << QSize(420, 580);
}

void TPreviewFormTest::FittingZoomsKeepFittingWhenResized() {
    QFETCH(int, entry);
    QFETCH(QSize, windowSize);
    TPreviewForm form;
    form.ShowPages(NumberedPages(2));
    form.ZoomList->setCurrentIndex(entry);
    const auto checkFits = [&] {
        QCoreApplication::processEvents();
        const QSize page = form.PreviewPage->PagePixels();
        const int around = 2 * form.Preview->frameWidth() + 2 * TPreviewPage::Margin + TPreviewPage::Shadow;
        const QSize room = form.Preview->size() - QSize(around, around);
        QCOMPARE(form.Preview->horizontalScrollBar()->maximum(), 0);
        if (entry == TPreviewForm::FullPage) {
            QVERIFY(page.width() <= room.width() && page.height() <= room.height());
            QVERIFY(page.width() >= room.width() - 1 || page.height() >= room.height() - 1);
        } else {
            const int scrollBar = form.Preview->verticalScrollBar()->sizeHint().width();
            const int width = page.height() > room.height() ? room.width() - scrollBar : room.width();
            QVERIFY(qAbs(page.width() - width) <= 1);
        }
    };
    checkFits();
    if (QTest::currentTestFailed()) {
        return;
    }
    const QSize maximised = form.PreviewPage->PagePixels();
    form.showNormal();
    form.resize(windowSize);
    checkFits();
    QVERIFY(form.PreviewPage->PagePixels() != maximised);
    QCOMPARE(form.ZoomIndex(), entry);
}

void TPreviewFormTest::EveryShowingStartsOnPageOneAtFullPage() {
    TPreviewForm form;
    const TReportPages pages = NumberedPages(3);
    for (const bool closeFirst : {true, false}) {
        form.ShowPages(pages);
        emit form.NextButton->clicked();
        form.ZoomList->setCurrentIndex(TPreviewForm::Zoom200);
        if (closeFirst) {
            QTest::mouseClick(form.CloseButton, Qt::LeftButton);
            QVERIFY(!form.isVisible());
        }
        form.ShowPages(pages);
        QVERIFY(form.isVisible() && form.isMaximized());
        QCOMPARE(form.CurrentPage(), 1);
        QCOMPARE(form.ZoomList->currentText(), QString("Full Page"));
        QVERIFY(!form.PrevButton->isEnabled());
    }
}

void TPreviewFormTest::ScrollBarsFollowTheThumbWhileDragged() {
    TPreviewForm form;
    form.ShowPages(NumberedPages(2));
    form.ZoomList->setCurrentIndex(TPreviewForm::Zoom200);
    QScrollBar* across = form.Preview->horizontalScrollBar();
    QScrollBar* down = form.Preview->verticalScrollBar();
    for (QScrollBar* bar : {across, down}) {
        QVERIFY(bar->maximum() > 60);
        bar->setSliderDown(true);
        bar->setSliderPosition(60);
        const QPoint at = form.PreviewPage->pos();
        QCOMPARE(bar == across ? at.x() : at.y(), -60);
        bar->setSliderDown(false);
    }
    emit form.NextButton->clicked();  // another page starts at its top-left corner
    QCOMPARE(form.PreviewPage->pos(), QPoint(0, 0));
}

void TPreviewFormTest::ViewPaintsThePageOnTheDesk() {
    TPreviewForm form;
    form.ShowPages(NumberedPages(1));
    form.ZoomList->setCurrentIndex(TPreviewForm::Zoom100);
    const QImage image = form.PreviewPage->grab().toImage();
    const qreal scale = form.PreviewPage->ScaleFor(1.0);
    const auto at = [&](qreal x, qreal y) {
        return image.pixelColor(TPreviewPage::Margin + qRound(x * scale),
                                TPreviewPage::Margin + qRound(y * scale));
    };
    QCOMPARE(image.pixelColor(2, 2), QColor(128, 128, 128));
    QCOMPARE(at(20, 20), QColor(Qt::white));
    QCOMPARE(at(48, 300), QColor(Qt::black));
    QCOMPARE(at(300, 48), QColor(Qt::black));
}

// The printer and the PDF have other resolutions than the screen: text must keep its size and place.
void TPreviewFormTest::TextKeepsItsSizeAtAnyResolution() {
    QPicture picture;
    QPainter painter(&picture);
    QFont font("Arial");
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(QPointF(10, 40), "Player: HHHH");
    painter.end();
    const QRectF expected = InkAt(picture, PictureResolution());
    QVERIFY(expected.width() > 50);
    for (const int dpi : {300, 1200}) {
        const QRectF ink = InkAt(picture, dpi);
        for (const qreal difference : {ink.left() - expected.left(), ink.top() - expected.top(),
                                       ink.right() - expected.right(), ink.bottom() - expected.bottom()}) {
            QVERIFY2(qAbs(difference) < 1.5, qPrintable(QString("at %1 dpi").arg(dpi)));
        }
    }
}

void TPreviewFormTest::PrintWithoutAPrinterSaysSo() {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
        QSKIP("this machine has a printer");
    }
    TPreviewForm form;
    form.ShowPages(NumberedPages(2));
    TMessageBox::Error(nullptr, QString());
    QTest::mouseClick(form.PrintButton, Qt::LeftButton);
    QCOMPARE(TMessageBox::LastError(),
             QString("No printer is available. Use Save PDF to keep the score sheets."));
    QVERIFY(form.isVisible());
}

void TPreviewFormTest::PagesReachPdfAndPrinter_data() {
    QTest::addColumn<bool>("printer");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::newRow("PDF, three pages") << false << 3 << "sheets.pdf" << true;
    QTest::newRow("PDF, one page") << false << 1 << "sheet.pdf" << true;
    QTest::newRow("PDF, no pages") << false << 0 << "empty.pdf" << false;
    QTest::newRow("PDF, folder that does not exist") << false << 2 << "missing/sheets.pdf" << false;
    QTest::newRow("printer, three pages") << true << 3 << "printed.pdf" << true;
}

void TPreviewFormTest::PagesReachPdfAndPrinter() {
    QFETCH(bool, printer);
    QFETCH(int, count);
    QFETCH(QString, name);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (name.contains('/')) {
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    }
    QString error;
    if (printer) {
        QPrinter pdfPrinter(QPrinter::HighResolution);
        pdfPrinter.setOutputFormat(QPrinter::PdfFormat);
        pdfPrinter.setOutputFileName(path);
        QCOMPARE(PrintPages(NumberedPages(count), pdfPrinter, &error), written);
    } else {
        QCOMPARE(SavePagesAsPdf(NumberedPages(count), path, &error), written);
    }
    const auto [pages, firstPage] = ReadPdf(path);
    QCOMPARE(error.isEmpty(), written);
    QCOMPARE(pages, written ? count : 0);
    QVERIFY(!written || firstPage.width() > firstPage.height());
    if (written && !printer) {  // the report's own page size, in points
        QVERIFY(qAbs(firstPage.width() - 792) < 1 && qAbs(firstPage.height() - 612) < 1);
    }
}

void TPreviewFormTest::SavePdfButtonWritesTheChosenFile() {
    QTemporaryDir dir;
    TPreviewForm form;
    form.ShowPages(NumberedPages(2));
    QString chosen;
    form.ChoosePdfFile = [&chosen] { return chosen; };
    TMessageBox::Error(nullptr, QString());

    chosen = dir.filePath("kept");  // the suffix is added
    QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
    QCOMPARE(ReadPdf(dir.filePath("kept.pdf")).first, 2);
    chosen.clear();  // cancelled: nothing written, nothing said
    QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
    QVERIFY(TMessageBox::LastError().isEmpty());

    chosen = dir.filePath("missing/kept.pdf");
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
    QVERIFY(TMessageBox::LastError().contains("could not be written"));
}

QTEST_MAIN(TPreviewFormTest)
#include "preview_form_test.moc"
