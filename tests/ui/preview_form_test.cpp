#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include <sys/resource.h>

#include "tests/ui/failing_file_calls.h"
#include "tests/ui/scripted_messages.h"
#include "ui/preview_form.h"

using namespace quintix;
using quintix::testing::FailFileStep;
using quintix::testing::TFileStep;

namespace {

const QSizeF PageSize(1056, 816);  // letter landscape, 11 x 8.5 inches

TReportPages BlankPages(int count) {
    return {"Quintix Score Sheet", PageSize, std::vector<TReportPage>(static_cast<std::size_t>(count))};
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

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes an old file to be replaced.
bool WriteOld(const QString& path, const QByteArray& old) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(old) == old.size() && file.flush();
}

// Saves through the preview as on a disk where no file may grow beyond `bytes`, with `failing` the
// step of the write that fails; returns the preview's error message, empty when it showed none. The
// signal that would end the process at the limit is ignored, so the write fails instead.
QString SaveThrough(TPreviewForm& form, quintix::testing::TScriptedMessages& messages, const QString& path,
                    rlim_t bytes, TFileStep failing) {
    form.ChoosePdfFile = [path] { return path; };
    messages.LastError.clear();
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{bytes, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    FailFileStep(failing);
    form.SavePdfButton->click();
    FailFileStep(TFileStep::None);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    return messages.LastError;
}

// Runs `step` on the next modal window of type T as soon as it shows, as long as `context` lives.
template <typename T, typename Step>
void WhenShown(QObject* context, Step step) {
    QTimer::singleShot(10, context, [context, step] {
        if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
            step(window);
        } else {
            WhenShown<T>(context, step);
        }
    });
}

}  // namespace

class TPreviewFormTest : public QObject {
    Q_OBJECT

    quintix::testing::TScriptedMessages Messages;

private slots:
    // Each showing starts on page 1 at full page, whether the preview was closed in between or left
    // open on another page and zoom. The buttons page through, and do nothing at either end.
    void EveryShowingPagesFromPageOneAtFullPage() {
        TPreviewForm form(Messages);
        for (int showing = 0; const int count : {3, 3, 1}) {
            form.ShowPages(BlankPages(count));
            QVERIFY(form.isVisible() && form.isMaximized());
            QCOMPARE(form.ZoomList->currentText(), QString("Full Page"));
            int page = 1;
            for (QPushButton* button : {form.NextButton, form.NextButton, form.NextButton, form.PrevButton,
                                        form.PrevButton, form.PrevButton, form.NextButton}) {
                QCOMPARE(form.windowTitle(),
                         QString("Print Preview - Quintix Score Sheet   Page %1 of %2").arg(page).arg(count));
                QCOMPARE(form.PrevButton->isEnabled(), page > 1);
                QCOMPARE(form.NextButton->isEnabled(), page < count);
                emit button->clicked();
                page = std::clamp(page + (button == form.NextButton ? 1 : -1), 1, count);
                QCOMPARE(form.CurrentPage(), page);
            }
            form.ZoomList->setCurrentIndex(TPreviewForm::Zoom200);
            if (++showing == 1) {
                QTest::mouseClick(form.CloseButton, Qt::LeftButton);
                QVERIFY(!form.isVisible());
            }
        }
    }

    // A zoom picked from the list, or another page, shows the page from its top-left corner.
    void FixedZoomsScaleThePageFromItsTopLeft() {
        TPreviewForm form(Messages);
        form.ShowPages(BlankPages(3));
        emit form.NextButton->clicked();
        const std::array<std::pair<const char*, qreal>, 6> entries{
            {{"25%", 0.25}, {"50%", 0.5}, {"75%", 0.75}, {"100%", 1.0}, {"150%", 1.5}, {"200%", 2.0}}};
        QScrollBar* across = form.Preview->horizontalScrollBar();
        QScrollBar* down = form.Preview->verticalScrollBar();
        // Backwards, so the view is scrolled (at 200%) before each choice; the last picks 200% again.
        for (const int entry : {5, 4, 3, 2, 1, 0, 5, 5, -1}) {
            across->setValue(40);
            down->setValue(40);
            if (entry < 0) {
                emit form.NextButton->clicked();
            } else {
                form.ZoomList->setCurrentIndex(entry);
                emit form.ZoomList->activated(entry);  // as a pick from the list does
                const auto [text, zoom] = entries[static_cast<std::size_t>(entry)];
                QCOMPARE(form.ZoomList->currentText(), QString(text));
                const qreal scale = zoom * form.PreviewPage->logicalDpiX() / 96.0;
                QCOMPARE(form.PreviewPage->PagePixels(),
                         QSize(qRound(PageSize.width() * scale), qRound(PageSize.height() * scale)));
            }
            QCOMPARE(std::pair(across->value(), down->value()), std::pair(0, 0));
        }
    }

    void FittingZoomsKeepFittingWhenResized() {
        for (const int entry : {int(TPreviewForm::FullPage), int(TPreviewForm::FitToWidth)}) {
            for (const QSize windowSize : {QSize(780, 360), QSize(420, 580)}) {
                TPreviewForm form(Messages);
                form.ShowPages(BlankPages(2));
                form.ZoomList->setCurrentIndex(entry);
                QCoreApplication::processEvents();
                const QSize maximised = form.PreviewPage->PagePixels();
                form.showNormal();
                form.resize(windowSize);
                QCoreApplication::processEvents();
                const QSize page = form.PreviewPage->PagePixels();
                const int around =
                    2 * form.Preview->frameWidth() + 2 * TPreviewPage::Margin + TPreviewPage::Shadow;
                const QSize room = form.Preview->size() - QSize(around, around);
                QCOMPARE(form.Preview->horizontalScrollBar()->maximum(), 0);
                if (entry == TPreviewForm::FullPage) {
                    QVERIFY(page.width() <= room.width() && page.height() <= room.height());
                    QVERIFY(page.width() >= room.width() - 1 || page.height() >= room.height() - 1);
                } else {
                    const int scrollBar = form.Preview->verticalScrollBar()->sizeHint().width();
                    QVERIFY(qAbs(page.width() - (page.height() > room.height() ? room.width() - scrollBar
                                                                               : room.width())) <= 1);
                }
                QVERIFY(page != maximised);
                QCOMPARE(form.ZoomIndex(), entry);
            }
        }
    }

    // Both ways out get every page, the PDF at the report's own page size: 11 x 8.5 inches in points.
    // Without a printer, Print says so.
    void PagesReachPdfAndPrinter() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(SavePagesAsPdf(BlankPages(3), dir.filePath("saved.pdf"), &error));
        const QSizeF sheet = ReadPdf(dir.filePath("saved.pdf")).second;
        QVERIFY(qAbs(sheet.width() - 792) < 1 && qAbs(sheet.height() - 612) < 1);

        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        QVERIFY(PrintPages(BlankPages(3), printer, &error));
        const auto [printed, paper] = ReadPdf(dir.filePath("printed.pdf"));
        QCOMPARE(printed, 3);
        QVERIFY(paper.width() > paper.height());
        QVERIFY(error.isEmpty());
        QVERIFY(!SavePagesAsPdf(BlankPages(0), dir.filePath("empty.pdf"), &error));
        QVERIFY(!error.isEmpty());

        if (QPrinterInfo::availablePrinters().isEmpty()) {
            TPreviewForm form(Messages);
            form.ShowPages(BlankPages(2));
            Messages.LastError.clear();
            QTest::mouseClick(form.PrintButton, Qt::LeftButton);
            QCOMPARE(Messages.LastError,
                     QString("No printer is available. Use Save PDF to keep the score sheets."));
            QVERIFY(form.isVisible());
        }
    }

    // A failed save leaves any old file as it was and nothing half-written beside it, and the preview
    // says which file and why: a full disk, a missing folder, and a failure of the very last steps,
    // the sync to disk or the naming, once every byte was written.
    void SavingReplacesTheFileWholeOrNotAtAll() {
        TPreviewForm form(Messages);
        form.ShowPages(BlankPages(3));
        const auto* status = form.findChild<QLabel*>("StatusLabel");
        // The file, whether there is one already, whether the disk is full, the step that fails, and
        // why the save fails.
        for (const auto& [name, oldFile, diskFull, failing, reason] :
             {std::tuple("new.pdf", false, false, TFileStep::None, 0),
              std::tuple("old.pdf", true, false, TFileStep::None, 0),
              std::tuple("old.pdf", true, true, TFileStep::None, EFBIG),
              std::tuple("missing/new.pdf", false, false, TFileStep::None, ENOENT),
              std::tuple("old.pdf", true, false, TFileStep::Sync, EIO),
              std::tuple("old.pdf", true, false, TFileStep::Naming, EIO),
              std::tuple("new.pdf", false, false, TFileStep::Naming, EIO)}) {
            QTemporaryDir dir;
            const QString path = dir.filePath(name);
            const QByteArray old = "%PDF-1.4 the sheets saved before";
            QVERIFY(!oldFile || WriteOld(path, old));
            const auto files = [&dir] { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); };
            const QStringList before = files();
            const QString error = SaveThrough(form, Messages, path, diskFull ? 256 : RLIM_INFINITY, failing);
            const bool savedHere = status->toolTip() == "Saved to " + QDir::toNativeSeparators(path);
            QVERIFY2(error.isEmpty() == (reason == 0) && savedHere == (reason == 0),
                     qPrintable(QString("%1, step %2: %3").arg(name).arg(int(failing)).arg(error)));
            if (reason == 0) {
                QCOMPARE(ReadPdf(path).first, 3);
                continue;
            }
            QVERIFY2(error.contains(QDir::toNativeSeparators(path)) && error.contains(std::strerror(reason)),
                     qPrintable(error));
            QCOMPARE(files(), before);
            QCOMPARE(Contents(path), oldFile ? old : QByteArray());
        }
    }

    // The dialog adds the suffix itself, so its question about replacing a file is about the file
    // that would really be written. A cancelled save says nothing; a failed one names the file.
    void SavePdfAsksAboutTheFileItWritesAndSaysWhereItWent() {
        QTemporaryDir dir;
        const QByteArray old = "%PDF-1.4 the sheets saved before";
        QVERIFY(WriteOld(dir.filePath("kept.pdf"), old));
        TPreviewForm form(Messages);
        form.ShowPages(BlankPages(2));

        // Types the name as a person would; selectFile() leaves a name field that has the focus alone.
        const auto typeName = [](QFileDialog* dialog, const QString& path) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        };
        QString question;
        WhenShown<QFileDialog>(&form, [&](QFileDialog* dialog) {
            typeName(dialog, dir.filePath("kept"));
            WhenShown<QMessageBox>(dialog, [&](QMessageBox* box) {
                question = box->text();
                box->button(QMessageBox::No)->click();
            });
            static_cast<QDialog*>(dialog)->accept();  // asks first, and stays open on "No"
            dialog->reject();
        });
        QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
        QVERIFY2(question.startsWith("kept.pdf already exists"), qPrintable(question));
        QCOMPARE(Contents(dir.filePath("kept.pdf")), old);

        WhenShown<QFileDialog>(&form, [&](QFileDialog* dialog) {
            typeName(dialog, dir.filePath("fresh"));
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
        const QString fresh = dir.filePath("fresh.pdf");
        QCOMPARE(ReadPdf(fresh).first, 2);
        const auto* status = form.findChild<QLabel*>("StatusLabel");
        QVERIFY(status != nullptr && status->isVisible() && status->text().endsWith("fresh.pdf"));
        QCOMPARE(status->toolTip(), "Saved to " + QDir::toNativeSeparators(fresh));

        QString chosen;
        form.ChoosePdfFile = [&chosen] { return chosen; };
        Messages.LastError.clear();
        QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
        QVERIFY(Messages.LastError.isEmpty());
        chosen = dir.filePath("missing/kept.pdf");
        QTest::mouseClick(form.SavePdfButton, Qt::LeftButton);
        QVERIFY(Messages.LastError.contains(QDir::toNativeSeparators(chosen)));
    }
};

QTEST_MAIN(TPreviewFormTest)
#include "preview_form_test.moc"
