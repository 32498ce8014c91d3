#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "game/position_builder.h"
#include "game/quintix_game.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "tests/ui/scripted_messages.h"
#include "ui/band_report.h"
#include "ui/preview_form.h"
#include "ui/score_report_form.h"

using namespace quintix;
using quintix::testing::TScriptedMessages;

namespace {

// A series of `players` people, named "P1".. in entry order, before its first roll.
struct TSeries {
    TNullView View;
    TVirtualClock Clock;
    TSeededRandom Random{7};
    TFixedTable NoTable{nullptr};
    TQuintixGame Game{View, Clock, Random, NoTable};

    explicit TSeries(int players, int games = MaxGames) {
        TNewGameContents form;
        for (int i = 1; i <= players; ++i) {
            form.Rows[i].Name = "P" + std::to_string(i);
        }
        form.NoOfGames = games;
        Game.StartSeries(form);
    }
};

QString TextOf(const TPlacedBand& band, const QString& element) {
    const TPlacedElement* found = band.Element(element);
    return found != nullptr ? found->Text : QString("<none>");
}

// The placements of each player's block, split at the headers.
std::vector<std::vector<TPlacedBand>> Blocks(const std::vector<TPlacedBand>& placed) {
    std::vector<std::vector<TPlacedBand>> blocks;
    for (const TPlacedBand& band : placed) {
        if (band.Band == "UpperHeader") {
            blocks.emplace_back();
        }
        if (!blocks.empty()) {
            blocks.back().push_back(band);
        }
    }
    return blocks;
}

// The texts of a block's rows: label, then games 1..6.
std::vector<QStringList> RowTexts(const std::vector<TPlacedBand>& block) {
    std::vector<QStringList> rows;
    for (const TPlacedBand& band : block) {
        if (band.Band == "UpperDetail") {
            rows.push_back({TextOf(band, "UpperLabel")});
            for (int c = 1; c <= MaxGames; ++c) {
                rows.back() << TextOf(band, QString("Upper%1").arg(c));
            }
        }
    }
    return rows;
}

// The box, in layout units, around all ink of page 1 above `bottom` as a device of `dpi` prints it.
QRectF InkAbove(const TReportPages& pages, double dpi, double bottom) {
    const double scale = dpi / 96;
    QImage image((pages.PageSize * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, pages.Pages.front(), scale);
    painter.end();
    QRect ink;
    for (int y = 0; y < qRound(bottom * scale); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return {QPointF(ink.topLeft()) / scale, QSizeF(ink.size()) / scale};
}

// The thickness of each rule in the image, in pixels, top to bottom (or left to right): the runs
// of pixel rows (or columns) that are dark over more than half their length, which no text is.
std::vector<int> Rules(const QImage& image, Qt::Orientation direction) {
    const bool rows = direction == Qt::Horizontal;
    const int lines = rows ? image.height() : image.width();
    const int length = rows ? image.width() : image.height();
    std::vector<int> rules;
    int run = 0;
    for (int i = 0; i <= lines; ++i) {
        int dark = 0;
        for (int j = 0; i < lines && j < length; ++j) {
            dark += qGray(rows ? image.pixel(j, i) : image.pixel(i, j)) < 128 ? 1 : 0;
        }
        if (2 * dark > length) {
            ++run;
        } else if (run > 0) {
            rules.push_back(run);
            run = 0;
        }
    }
    return rules;
}

}  // namespace

class TScoreReportTest : public QObject {
    Q_OBJECT

private slots:
    // A page of 200 x 100 in two columns 100 x 100; `masters` records of the report, each running a
    // group of `records` detail records with the given band heights (0 = no such band). The detail
    // shows its record number, so a band printed by the call that ends the source would show.
    void BandsFlowThroughColumnsAndPages() {
        // Masters, records, the heights of header, detail and footer, each band's page, column and
        // origin, and the pages.
        const std::tuple<int, int, double, double, double, const char*, int> cases[] = {
            // A band that does not fit moves to the next column, then the next page.
            {1, 5, 0, 40, 0, "D1 1 1 0,0|D2 1 1 0,40|D3 1 2 100,0|D4 1 2 100,40|D5 2 1 0,0", 2},
            // A band that exactly fills the column stays.
            {1, 3, 0, 50, 0, "D1 1 1 0,0|D2 1 1 0,50|D3 1 2 100,0", 1},
            // A header moves to a fresh column unless its column is empty.
            {2, 1, 10, 20, 5, "H 1 1 0,0|D1 1 1 0,10|F 1 1 0,30|H 1 2 100,0|D1 1 2 100,10|F 1 2 100,30", 1},
            // A footer that does not fit follows its group into the next column.
            {1, 2, 0, 50, 5, "D1 1 1 0,0|D2 1 1 0,50|F 1 2 100,0", 1},
            // A group without records prints neither header nor footer; one blank page remains.
            {2, 0, 10, 20, 5, "", 1},
        };
        for (const auto& [masters, records, header, detail, footer, bands, pages] : cases) {
            TBandReport report("Report", nullptr);
            report.PageSetup = TPageSetup{QSizeF(100, 200), true, 0, 0, 0, 0, 2, 0};
            TDataLink* group = report.AddLink("Group");
            if (header > 0) {
                group->AddBand("H", TBandKind::Header, header);
            }
            TReportLabel* number = group->AddBand("D", TBandKind::Detail, detail)
                                       ->AddLabel("Number", QString(), QPointF(0, 0), ReportFont(11, false));
            if (footer > 0) {
                group->AddBand("F", TBandKind::Footer, footer);
            }
            int master = 0;
            int record = 0;
            report.NeedData = [&](bool& moreData) {
                moreData = ++master <= masters;
                record = 0;
            };
            group->NeedData = [&](bool& moreData) {
                number->SetCaption(QString::number(++record));
                moreData = record <= records;
            };
            const TReportPages produced = report.Prepare();
            QStringList placed;
            for (const TPlacedBand& band : report.Placements()) {
                placed << QString("%1%2 %3 %4 %5,%6")
                              .arg(band.Band, band.Band == "D" ? TextOf(band, "Number") : QString())
                              .arg(band.Page)
                              .arg(band.Column)
                              .arg(band.Origin.x())
                              .arg(band.Origin.y());
            }
            QCOMPARE(placed.join('|'), QString(bands));
            QCOMPARE(static_cast<int>(produced.Pages.size()), pages);
        }
    }

    // Two players' blocks to a landscape page, one blank page for none; each block a header, twenty
    // rows and five footers. Before the first game only the labels and the game numbers print, and
    // every production starts afresh.
    void PageCountFollowsThePlayersAndBlankSheetsPrintBlank() {
        for (const auto& [players, pages] : {std::pair(0, 1), std::pair(1, 1), std::pair(2, 1),
                                             std::pair(3, 2), std::pair(5, 3), std::pair(6, 3)}) {
            TSeries series(players);
            TScoreReportForm form(series.Game);
            for (int pressing = 1; pressing <= 2; ++pressing) {
                const TReportPages produced = form.BuildPages();
                QCOMPARE(produced.Title, QString("Quintix Score Sheet"));
                QVERIFY(produced.PageSize.width() > produced.PageSize.height());
                QCOMPARE(static_cast<int>(produced.Pages.size()), pages);
                const auto blocks = Blocks(form.ScoreSheetReport->Placements());
                QCOMPARE(static_cast<int>(blocks.size()), players);
                for (const auto& block : blocks) {
                    QCOMPARE(block.size(), std::size_t{1 + 20 + 5});
                    for (const QStringList& row : RowTexts(block)) {
                        QVERIFY(series.Game.State().CurrentGame > 0 ||
                                row.mid(1) == QStringList(MaxGames, ""));
                    }
                }
            }
        }
    }

    // Printed during game 2 of 3 with possible values on, for players re-sorted since their entry:
    // two blocks a page, each whole in its column, no possible values.
    void BlocksFollowThePlayOrderAndShowNoPossibleValues() {
        TSeries series(3, 3);
        TGameState state = TPositionBuilder(series.Game.State())
                               .At(2, 1)
                               .Sheet(3, 1, {3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 50, 22}, 100)
                               .Lines(3, 2, {{Aces, 3}, {ChanceLine, 20}})
                               .Build();
        state.Players[1] = {"Carol", false, 3, 0};
        state.Players[2] = {"Alice", false, 1, 0};
        state.Players[3] = {"Bob", false, 2, 0};
        series.Game.LoadPosition(state);
        series.Game.Roll();
        series.Clock.AdvanceBy(1250);
        series.Game.TogglePossibleValues();
        TScoreReportForm form(series.Game);
        form.BuildPages();
        const auto blocks = Blocks(form.ScoreSheetReport->Placements());
        QStringList placed;
        for (const auto& block : blocks) {
            const TPlacedBand& header = block.front();
            placed
                << QString("%1 %2 %3").arg(TextOf(header, "PlayerLabel")).arg(header.Page).arg(header.Column);
            QCOMPARE(header.Origin, form.ScoreSheetReport->PageSetup.ColumnOrigin(header.Column));
            for (const TPlacedBand& band : block) {
                QCOMPARE(std::pair(band.Page, band.Origin.x()), std::pair(header.Page, header.Origin.x()));
            }
        }
        QCOMPARE(placed.join(','), QString("Carol 1 1,Alice 1 2,Bob 2 1"));
        QStringList games;  // Carol's games 1 and 2, row by row
        for (const QStringList& row : RowTexts(blocks[0])) {
            QCOMPARE(row.mid(3), QStringList(4, QString()));
            games << row[1] + "/" + row[2];
        }
        QCOMPARE(games.join(','),
                 QString("3/3,6/,9/,12/,15/,18/,63/3,35/0,98/3,20/,0/,25/,30/,0/,50/,22/20,147/20,"
                         "245/23,100/0,345/23"));
    }

    // The preview gets the pages drawn; on a printer's finer device the text keeps its size and place.
    void PreviewHandsDrawnPagesToTheHook() {
        TSeries series(3);
        TScoreReportForm form(series.Game);
        std::vector<TReportPages> shown;
        form.ShowPreview = [&](const TReportPages& pages) { shown.push_back(pages); };
        form.Preview();
        QCOMPARE(shown.size(), std::size_t{1});
        const double top = form.ScoreSheetReport->PageSetup.ColumnOrigin(1).y();
        const QRectF screen = InkAbove(shown[0], 96, top + 36);
        const QRectF printer = InkAbove(shown[0], 300, top + 36);
        QVERIFY(!screen.isEmpty());
        for (const auto& [a, b] :
             {std::pair(screen.left(), printer.left()), std::pair(screen.top(), printer.top()),
              std::pair(screen.right(), printer.right()), std::pair(screen.bottom(), printer.bottom())}) {
            QVERIFY2(std::abs(a - b) <= 1.5, qPrintable(QString("%1 against %2").arg(a).arg(b)));
        }
    }

    // A rule thinner than a pixel at the zoom must still show, and as thick as every other rule; at
    // fixed zooms the preview is maximised.
    void PreviewShowsEveryRuleEvenlyAtAnyZoom() {
        TSeries series(2);
        TScoreReportForm report(series.Game);
        for (const auto& [entry, window] :
             {std::pair(int(TPreviewForm::Zoom75), QSize()), std::pair(int(TPreviewForm::Zoom150), QSize()),
              std::pair(int(TPreviewForm::FullPage), QSize(700, 520)),
              std::pair(int(TPreviewForm::FitToWidth), QSize(700, 520))}) {
            TScriptedMessages messages;
            TPreviewForm preview(messages);
            preview.ShowPages(report.BuildPages());
            if (!window.isEmpty()) {
                preview.showNormal();
                preview.resize(window);
            }
            preview.ZoomList->setCurrentIndex(entry);
            QCoreApplication::processEvents();
            QVERIFY(preview.Zoom() >= 0.5);  // big enough to keep the two lines of a double rule apart
            const QImage page = preview.PreviewPage->grab().toImage().copy(
                QRect(QPoint(TPreviewPage::Margin, TPreviewPage::Margin), preview.PreviewPage->PagePixels()));

            // The two blocks side by side share their horizontal rules: 2 in the heading, one per row
            // and 5 under the sections; 8 vertical rules each.
            std::vector<int> rules = Rules(page, Qt::Horizontal);
            const std::vector<int> down = Rules(page, Qt::Vertical);
            QCOMPARE(rules.size(), std::size_t{2 + 20 + 5});
            QCOMPARE(down.size(), std::size_t{2 * 8});
            rules.insert(rules.end(), down.begin(), down.end());
            QVERIFY2(std::all_of(rules.begin(), rules.end(), [&](int rule) { return rule == rules.front(); }),
                     qPrintable(QString("zoom entry %1").arg(entry)));
        }
    }
};

QTEST_MAIN(TScoreReportTest)
#include "score_report_test.moc"
