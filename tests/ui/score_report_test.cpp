#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/game_view.h"
#include "game/quintix_game.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "ui/band_report.h"
#include "ui/preview_form.h"
#include "ui/score_report_form.h"

using namespace quintix;

namespace {

// A series of `players` people, named "P1".. in entry order, before its first roll.
struct TSeries {
    TNullView View;
    TVirtualClock Clock;
    TSeededRandom Random{7};
    TQuintixGame Game{View, Clock, Random};

    explicit TSeries(int players, int games = MaxGames) {
        TNewGameContents form;
        for (int i = 1; i <= players; ++i) {
            form.Rows[i].Name = "P" + std::to_string(i);
        }
        form.NoOfGames = games;
        Game.StartSeries(form);
    }
};

// The placements of each block, split at the headers.
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

QString TextOf(const TPlacedBand& band, const QString& element) {
    const TPlacedElement* found = band.Element(element);
    return found != nullptr ? found->Text : QString("<none>");
}

// The texts of a block's rows: label, then games 1..6.
std::vector<QStringList> RowTexts(const std::vector<TPlacedBand>& block) {
    std::vector<QStringList> rows;
    for (const TPlacedBand& band : block) {
        if (band.Band == "UpperDetail") {
            QStringList row{TextOf(band, "UpperLabel")};
            for (int c = 1; c <= MaxGames; ++c) {
                row << TextOf(band, QString("Upper%1").arg(c));
            }
            rows.push_back(row);
        }
    }
    return rows;
}

// Page 1 as the preview and the printer paint it, on a device of `dpi`.
QImage PlayedBack(const TReportPages& pages, double dpi) {
    QImage image((pages.PageSize * dpi / 96).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, pages.Pages.front(), dpi / 96);
    painter.end();
    return image;
}

// The smallest rectangle, in layout units, holding all ink of an area given in layout units.
QRectF InkBox(const QImage& image, double dpi, const QRectF& area) {
    const double scale = dpi / 96;
    const QRect pixels = QRectF(area.topLeft() * scale, area.size() * scale).toRect() & image.rect();
    QRect ink;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
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
    void BandsFlowThroughColumnsAndPages_data();
    void BandsFlowThroughColumnsAndPages();
    void PageCountFollowsThePlayersAndBlankSheetsPrintBlank();
    void BlocksFollowThePlayOrderAndShowNoPossibleValues();
    void PreviewHandsDrawnPagesToTheHook();
    void PreviewShowsEveryRuleEvenlyAtAnyZoom_data();
    void PreviewShowsEveryRuleEvenlyAtAnyZoom();
};

// A page of 200 x 100 in two columns 100 x 100; `masters` records of the report, each running a
// group of `records` detail records with the given band heights (0 = no such band). The detail's
// label shows its record number, so a band printed by the call that ends the source would show.
void TScoreReportTest::BandsFlowThroughColumnsAndPages_data() {
    QTest::addColumn<int>("masters");
    QTest::addColumn<int>("records");
    QTest::addColumn<QList<double>>("heights");  // header, detail, footer
    QTest::addColumn<QString>("expected");       // band, page, column, origin
    QTest::addColumn<int>("pages");
    QTest::newRow("a band that does not fit moves to the next column, then the next page")
        << 1 << 5 << QList<double>{0, 40, 0} << "D1 1 1 0,0|D2 1 1 0,40|D3 1 2 100,0|D4 1 2 100,40|D5 2 1 0,0"
        << 2;
    QTest::newRow("a band that exactly fills the column stays")
        << 1 << 3 << QList<double>{0, 50, 0} << "D1 1 1 0,0|D2 1 1 0,50|D3 1 2 100,0" << 1;
    QTest::newRow("a header moves to a fresh column unless its column is empty")
        << 2 << 1 << QList<double>{10, 20, 5}
        << "H 1 1 0,0|D1 1 1 0,10|F 1 1 0,30|H 1 2 100,0|D1 1 2 100,10|F 1 2 100,30" << 1;
    QTest::newRow("a footer that does not fit follows its group into the next column")
        << 1 << 2 << QList<double>{0, 50, 5} << "D1 1 1 0,0|D2 1 1 0,50|F 1 2 100,0" << 1;
    QTest::newRow("a group without records prints neither header nor footer; one blank page remains")
        << 2 << 0 << QList<double>{10, 20, 5} << "" << 1;
}

void TScoreReportTest::BandsFlowThroughColumnsAndPages() {
    QFETCH(int, masters);
    QFETCH(int, records);
    QFETCH(QList<double>, heights);
    QFETCH(QString, expected);
    QFETCH(int, pages);

    TBandReport report("Report", nullptr);
    report.PageSetup = TPageSetup{QSizeF(100, 200), true, 0, 0, 0, 0, 2, 0};
    TDataLink* group = report.AddLink("Group");
    if (heights[0] > 0) {
        group->AddBand("H", TBandKind::Header, heights[0]);
    }
    TReportLabel* number = group->AddBand("D", TBandKind::Detail, heights[1])
                               ->AddLabel("Number", QString(), QPointF(0, 0), ReportFont(11, false));
    if (heights[2] > 0) {
        group->AddBand("F", TBandKind::Footer, heights[2]);
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
    QCOMPARE(placed.join('|'), expected);
    QCOMPARE(static_cast<int>(produced.Pages.size()), pages);
}

// Two players' blocks to a landscape page, one blank page for none; each block a header, twenty
// rows and five footers. Before the first game (a lone player's starts at once) only the labels
// and the game numbers print.
void TScoreReportTest::PageCountFollowsThePlayersAndBlankSheetsPrintBlank() {
    for (const auto& [players, pages] : {std::pair(0, 1), std::pair(1, 1), std::pair(2, 1), std::pair(3, 2),
                                         std::pair(4, 2), std::pair(5, 3), std::pair(6, 3)}) {
        TSeries series(players);
        TScoreReportForm form(series.Game);
        for (int pressing = 1; pressing <= 2; ++pressing) {  // every production starts afresh
            const TReportPages produced = form.BuildPages();
            QCOMPARE(produced.Title, QString("Quintix Score Sheet"));
            QVERIFY(produced.PageSize.width() > produced.PageSize.height());
            QCOMPARE(static_cast<int>(produced.Pages.size()), pages);
            const auto blocks = Blocks(form.ScoreSheetReport->Placements());
            QCOMPARE(static_cast<int>(blocks.size()), players);
            for (const auto& block : blocks) {
                QCOMPARE(block.size(), std::size_t{1 + 20 + 5});
                for (int c = 1; c <= MaxGames; ++c) {
                    QCOMPARE(TextOf(block.front(), QString("QRLabel%1").arg(c + 6)), QString::number(c));
                }
                for (const QStringList& row : RowTexts(block)) {
                    QVERIFY(!row[0].isEmpty());
                    QVERIFY(series.Game.State().CurrentGame > 0 ||
                            row.mid(1) == QStringList(MaxGames, QString()));
                }
            }
        }
    }
}

// Printed during game 2 of 3 with possible values on, for players re-sorted since their entry.
void TScoreReportTest::BlocksFollowThePlayOrderAndShowNoPossibleValues() {
    TSeries series(3, 3);
    TGameState state = series.Game.State();
    state.CurrentGame = 2;
    state.CurrentPlayer = 1;
    state.Players[1] = {"Carol", false, 3, 0};
    state.Players[2] = {"Alice", false, 1, 0};
    state.Players[3] = {"Bob", false, 2, 0};
    state.Scores[1][1].Lines[Aces] = 1;
    state.Scores[2][1].Lines[Aces] = 2;
    state.Scores[3][1].Lines = {3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 50, 22};
    state.Scores[3][1].Bonus = 100;
    state.Scores[3][2].Lines[Aces] = 3;
    state.Scores[3][2].Lines[ChanceLine] = 20;
    series.Game.LoadPosition(state);
    series.Game.Roll();
    series.Clock.AdvanceBy(1250);
    series.Game.TogglePossibleValues();
    QVERIFY(!series.Game.Cell(TGrid::Upper, 3, 2, 2).Text.empty());  // the grids would show one
    TScoreReportForm form(series.Game);
    form.BuildPages();
    const TPageSetup& setup = form.ScoreSheetReport->PageSetup;
    QCOMPARE(setup.ColumnWidth(), setup.PageSize().width() / 2);

    const auto blocks = Blocks(form.ScoreSheetReport->Placements());
    QCOMPARE(blocks.size(), std::size_t{3});
    const struct {
        QString Name;
        QString Aces;
        int Page;
        int Column;
    } expected[] = {{"Carol", "3", 1, 1}, {"Alice", "1", 1, 2}, {"Bob", "2", 2, 1}};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const TPlacedBand& header = blocks[i].front();
        QCOMPARE(TextOf(header, "PlayerLabel"), expected[i].Name);
        QCOMPARE(std::pair(header.Page, header.Column), std::pair(expected[i].Page, expected[i].Column));
        QCOMPARE(header.Origin, setup.ColumnOrigin(expected[i].Column));
        QCOMPARE(RowTexts(blocks[i]).front()[1], expected[i].Aces);
        // A block never splits; only its closing footer's rules are cut short.
        QList<double> footerRules;
        for (const TPlacedBand& band : blocks[i]) {
            QCOMPARE(std::pair(band.Page, band.Origin.x()), std::pair(header.Page, header.Origin.x()));
            if (band.Band == "UpperFooter") {
                footerRules << band.Element("Vert5")->Geometry.height();
            }
        }
        QCOMPARE(footerRules, (QList<double>{4, 4, 4, 4, 2}));
    }

    const std::vector<QStringList> rows = RowTexts(blocks[0]);
    const QStringList game1{"3", "6",  "9",  "12", "15", "18", "63",  "35",  "98",  "20",
                            "0", "25", "30", "0",  "50", "22", "147", "245", "100", "345"};
    const QStringList game2{"3", "", "", "", "", "",   "3",  "0",  "3", "",
                            "",  "", "", "", "", "20", "20", "23", "0", "23"};
    QCOMPARE(rows.size(), std::size_t{NoOfRowLabels});
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto label =
            QString::fromUtf8(RowLabels[r].data(), static_cast<qsizetype>(RowLabels[r].size()));
        const auto i = static_cast<qsizetype>(r);
        // Games 3 .. 6 are not started.
        QCOMPARE(rows[r], QStringList({label, game1[i], game2[i]}) + QStringList(4, QString()));
    }
}

// Page 1 of three players holds both blocks, each with its rules and heading where laid out,
// and the text keeps its size and place on a printer's finer device.
void TScoreReportTest::PreviewHandsDrawnPagesToTheHook() {
    TSeries series(3);
    TScoreReportForm form(series.Game);
    QCOMPARE(form.objectName(), QString("ScoreReportForm"));
    std::vector<TReportPages> shown;
    form.ShowPreview = [&](const TReportPages& pages) { shown.push_back(pages); };
    form.Preview();
    QCOMPARE(shown.size(), std::size_t{1});
    QCOMPARE(shown[0].Pages.size(), std::size_t{2});

    const TPageSetup& setup = form.ScoreSheetReport->PageSetup;
    QRectF heading;  // the ink of "Player:" and the name at the first dpi
    for (const double dpi : {96.0, 300.0}) {
        const QImage image = PlayedBack(shown[0], dpi);
        for (const int column : {1, 2}) {
            const QPointF block = setup.ColumnOrigin(column);
            const auto area = [&](double left, double top, double width, double height) {
                return InkBox(image, dpi, QRectF(block + QPointF(left, top), QSizeF(width, height)))
                    .translated(-block);
            };
            QCOMPARE(qRound(area(150, 38, 40, 4).height()), 1);  // the heading's top rule
            QCOMPARE(qRound(area(140, 304, 8, 8).width()), 1);   // a vertical rule
            QVERIFY(area(0, 540, 500, 40).isEmpty());            // nothing below the block
            QVERIFY(area(0, 0, 8, 530).isEmpty());               // nor left of its rules
            const QRectF text = area(0, 0, 500, 39);
            if (dpi == 96.0) {
                heading = text;
            }
            QVERIFY2(std::abs(text.top() - heading.top()) <= 1.5 &&
                         std::abs(text.bottom() - heading.bottom()) <= 1.5 &&
                         std::abs(text.right() - heading.right()) <= 1.5,
                     qPrintable(QString("at %1 dpi").arg(dpi)));
            QVERIFY(text.left() >= 7 && text.left() <= 10 && text.bottom() <= 32);
        }
    }
}

void TScoreReportTest::PreviewShowsEveryRuleEvenlyAtAnyZoom_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QSize>("window");  // empty: maximised
    QTest::newRow("75%") << int(TPreviewForm::Zoom75) << QSize();
    QTest::newRow("150%") << int(TPreviewForm::Zoom150) << QSize();
    QTest::newRow("full page, small window") << int(TPreviewForm::FullPage) << QSize(700, 520);
    QTest::newRow("fit to width, small window") << int(TPreviewForm::FitToWidth) << QSize(700, 520);
}

// A rule thinner than a pixel at the zoom must still show, and as thick as every other rule.
void TScoreReportTest::PreviewShowsEveryRuleEvenlyAtAnyZoom() {
    QFETCH(int, entry);
    QFETCH(QSize, window);
    TSeries series(2);
    TScoreReportForm report(series.Game);
    TPreviewForm preview;
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
    const std::vector<int> across = Rules(page, Qt::Horizontal);
    const std::vector<int> down = Rules(page, Qt::Vertical);
    QCOMPARE(across.size(), std::size_t{2 + 20 + 5});
    QCOMPARE(down.size(), std::size_t{2 * 8});
    const auto thickness = across.front();
    const auto other = [thickness](int rule) { return rule != thickness; };
    QVERIFY(std::none_of(across.begin(), across.end(), other) &&
            std::none_of(down.begin(), down.end(), other));
}

QTEST_MAIN(TScoreReportTest)
#include "score_report_test.moc"
