#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "game/game_view.h"
#include "game/quintix_game.h"
#include "game/random_source.h"
#include "game/virtual_clock.h"
#include "scoring/row_labels.h"
#include "ui/band_report.h"
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
        Game.ReadNewGameForm(form);
        Game.NewSeries();
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

// Page 1 played back at true size on a device of `dpi`, as a printer would get it.
QImage PlayedBack(const TReportPages& pages, double dpi) {
    const double scale = dpi / 96;
    QImage image((pages.PageSize * scale).toSize(), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawReportPage(painter, pages.Pages.front(), scale);
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

}  // namespace

class TScoreReportTest : public QObject {
    Q_OBJECT

private slots:
    void BandsFlowThroughColumnsAndPages_data();
    void BandsFlowThroughColumnsAndPages();
    void PageCountFollowsThePlayers_data();
    void PageCountFollowsThePlayers();
    void BlocksFollowThePlayOrderWithTheirOwnSheets();
    void RowsShowTheSheetWithoutPossibleValues();
    void BeforeTheFirstGameOnlyLabelsAndGameNumbersPrint();
    void PreviewHandsDrawnPagesToTheHook();
};

// A page of 200 x 100 in two columns 100 x 100; `masters` records of the report, each running a
// group of `records` detail records with the given band heights (0 = no such band). The detail's
// label shows its record number, so a band printed by the call that ends the source would show.
void TScoreReportTest::BandsFlowThroughColumnsAndPages_data() {
    QTest::addColumn<int>("masters");
    QTest::addColumn<int>("records");
    QTest::addColumn<double>("header");
    QTest::addColumn<double>("detail");
    QTest::addColumn<double>("footer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("pages");

    QTest::newRow("a band that does not fit moves to the next column, then the next page")
        << 1 << 5 << 0.0 << 40.0 << 0.0
        << QStringList{"D1 p1 c1 0,0", "D2 p1 c1 0,40", "D3 p1 c2 100,0", "D4 p1 c2 100,40", "D5 p2 c1 0,0"}
        << 2;
    QTest::newRow("a band that exactly fills the column stays")
        << 1 << 3 << 0.0 << 50.0 << 0.0 << QStringList{"D1 p1 c1 0,0", "D2 p1 c1 0,50", "D3 p1 c2 100,0"}
        << 1;
    QTest::newRow("a header moves to a fresh column unless its column is empty")
        << 2 << 1 << 10.0 << 20.0 << 5.0 << QStringList{"H p1 c1 0,0",   "D1 p1 c1 0,10",   "F p1 c1 0,30",
                                                        "H p1 c2 100,0", "D1 p1 c2 100,10", "F p1 c2 100,30"}
        << 1;
    QTest::newRow("a footer that does not fit follows its group into the next column")
        << 1 << 2 << 0.0 << 50.0 << 5.0 << QStringList{"D1 p1 c1 0,0", "D2 p1 c1 0,50", "F p1 c2 100,0"} << 1;
    QTest::newRow("a group without records prints neither header nor footer; one blank page remains")
        << 2 << 0 << 10.0 << 20.0 << 5.0 << QStringList{} << 1;
}

void TScoreReportTest::BandsFlowThroughColumnsAndPages() {
    QFETCH(int, masters);
    QFETCH(int, records);
    QFETCH(double, header);
    QFETCH(double, detail);
    QFETCH(double, footer);
    QFETCH(QStringList, expected);
    QFETCH(int, pages);

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
        placed << QString("%1%2 p%3 c%4 %5,%6")
                      .arg(band.Band, band.Band == "D" ? TextOf(band, "Number") : QString())
                      .arg(band.Page)
                      .arg(band.Column)
                      .arg(band.Origin.x())
                      .arg(band.Origin.y());
    }
    QCOMPARE(placed, expected);
    QCOMPARE(static_cast<int>(produced.Pages.size()), pages);
}

void TScoreReportTest::PageCountFollowsThePlayers_data() {
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("pages");
    QTest::newRow("no players: one blank page") << 0 << 1;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("2") << 2 << 1;
    QTest::newRow("3") << 3 << 2;
    QTest::newRow("4") << 4 << 2;
    QTest::newRow("5") << 5 << 3;
    QTest::newRow("6") << 6 << 3;
}

void TScoreReportTest::PageCountFollowsThePlayers() {
    QFETCH(int, players);
    QFETCH(int, pages);
    TSeries series(players);
    TScoreReportForm form(series.Game);

    for (int pressing = 1; pressing <= 2; ++pressing) {  // every production starts afresh
        const TReportPages produced = form.BuildPages();
        QCOMPARE(produced.Title, QString("Quintix Score Sheet"));
        QVERIFY(produced.PageSize.width() > produced.PageSize.height());
        QCOMPARE(static_cast<int>(produced.Pages.size()), pages);
        const auto blocks = Blocks(form.ScoreSheetReport->Placements());
        QCOMPARE(static_cast<int>(blocks.size()), players);
        QCOMPARE(static_cast<int>(form.ScoreSheetReport->Placements().size()), players * (1 + 20 + 5));
    }
}

void TScoreReportTest::BlocksFollowThePlayOrderWithTheirOwnSheets() {
    TSeries series(3);
    TGameState state = series.Game.State();
    state.CurrentGame = 1;
    // Re-sorted: play position 1 holds entry 3, and so on.
    state.Players[1] = {"Carol", false, 3, 0};
    state.Players[2] = {"Alice", false, 1, 0};
    state.Players[3] = {"Bob", false, 2, 0};
    for (int entry = 1; entry <= 3; ++entry) {
        state.Scores[entry][1].Lines[Aces] = entry;
    }
    series.Game.SetState(state);
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
        double X;
    } expected[] = {
        {"Carol", "3", 1, 1, 0},
        {"Alice", "1", 1, 2, setup.ColumnWidth()},
        {"Bob", "2", 2, 1, 0},
    };
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const std::vector<TPlacedBand>& block = blocks[i];
        const TPlacedBand& header = block.front();
        QCOMPARE(TextOf(header, "PlayerLabel"), expected[i].Name);
        QCOMPARE(header.Page, expected[i].Page);
        QCOMPARE(header.Column, expected[i].Column);
        QCOMPARE(header.Origin, QPointF(expected[i].X, setup.TopMargin));
        QCOMPARE(RowTexts(block).front()[1], expected[i].Aces);

        const TPlacedBand& closing = block.back();
        QCOMPARE(closing.Origin.y() + 4 - header.Origin.y(), 530.0);
        QStringList footerVerts;
        for (const TPlacedBand& band : block) {
            QCOMPARE(band.Page, header.Page);
            QCOMPARE(band.Origin.x(), header.Origin.x());
            if (band.Band == "UpperFooter") {
                footerVerts << QString("%1..%2")
                                   .arg(band.Element("Vert1")->Geometry.left())
                                   .arg(band.Element("Vert8")->Geometry.left());
                footerVerts.back() += QString(" h%1").arg(band.Element("Vert5")->Geometry.height());
            }
        }
        QCOMPARE(footerVerts, QStringList({"8..480 h4", "8..480 h4", "8..480 h4", "8..480 h4", "8..480 h2"}));
    }
}

// Printed during game 2 of 3, with possible values shown for the player on turn.
void TScoreReportTest::RowsShowTheSheetWithoutPossibleValues() {
    TSeries series(1, 3);
    TGameState state = series.Game.State();
    state.CurrentGame = 2;
    state.CurrentPlayer = 1;
    state.ShowPossible = true;
    TGameScore& game1 = state.Scores[1][1];
    game1.Lines = {3, 6, 9, 12, 15, 18, 20, 0, 25, 30, 0, 50, 22};
    game1.Bonus = 100;
    TGameScore& game2 = state.Scores[1][2];
    game2.Lines[Aces] = 3;
    game2.Lines[ChanceLine] = 20;
    series.Game.SetState(state);
    QVERIFY(!series.Game.UpperRowText(1, 2, 2, /*noPossible=*/false).empty());  // the grids would show one

    TScoreReportForm form(series.Game);
    form.BuildPages();
    const std::vector<QStringList> rows = RowTexts(Blocks(form.ScoreSheetReport->Placements()).at(0));
    const std::vector<QStringList> expected = {
        {"Aces", "3", "3"},
        {"Twos", "6", ""},
        {"Threes", "9", ""},
        {"Fours", "12", ""},
        {"Fives", "15", ""},
        {"Sixes", "18", ""},
        {"Total", "63", "3"},
        {"Bonus", "35", "0"},
        {"Upper Total", "98", "3"},
        {"3 Of A Kind", "20", ""},
        {"4 Of A Kind", "0", ""},
        {"Full House", "25", ""},
        {"Small Straight", "30", ""},
        {"Large Straight", "0", ""},
        {"Quintix", "50", ""},
        {"Chance", "22", "20"},
        {"Lower Total", "147", "20"},
        {"Game Total", "245", "23"},
        {"Quintix Bonus", "100", "0"},
        {"Grand Total", "345", "23"},
    };
    QCOMPARE(rows.size(), expected.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QCOMPARE(rows[r], expected[r] + QStringList(4, QString()));  // games 3 .. 6 not started
        QCOMPARE(rows[r][0], QString::fromUtf8(RowLabels[r].data(), static_cast<int>(RowLabels[r].size())));
    }
}

void TScoreReportTest::BeforeTheFirstGameOnlyLabelsAndGameNumbersPrint() {
    TSeries series(2);
    QCOMPARE(series.Game.State().CurrentGame, 0);
    TScoreReportForm form(series.Game);
    form.BuildPages();
    for (const auto& block : Blocks(form.ScoreSheetReport->Placements())) {
        for (int c = 1; c <= MaxGames; ++c) {
            QCOMPARE(TextOf(block.front(), QString("QRLabel%1").arg(c + 6)), QString::number(c));
        }
        for (const QStringList& row : RowTexts(block)) {
            QVERIFY(!row[0].isEmpty());
            QCOMPARE(row.mid(1), QStringList(MaxGames, QString()));
        }
    }
}

// Page 1 of three players, played back at 1:1: both blocks' rules are on it where laid out.
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
    for (const double dpi : {96.0, 192.0}) {
        const QImage image = PlayedBack(shown[0], dpi);
        for (const double x : {0.0, setup.ColumnWidth()}) {
            const QPointF block(x, setup.TopMargin);
            const auto area = [&](double left, double top, double width, double height) {
                return InkBox(image, dpi, QRectF(block + QPointF(left, top), QSizeF(width, height)));
            };
            QCOMPARE(area(150, 38, 40, 4).height(), 1.0);  // the heading's top rule
            QCOMPARE(area(140, 304, 8, 8).width(), 1.0);   // a vertical rule
            QVERIFY(area(0, 540, 500, 40).isEmpty());      // nothing below the block
            QVERIFY(area(0, 0, 8, 530).isEmpty());         // nor left of its rules
            // Texts scale with the rules, however fine the device.
            const QRectF text = area(0, 0, 500, 39).translated(-block);
            if (dpi == 96.0) {
                heading = text;
            }
            QVERIFY2(
                std::abs(text.top() - heading.top()) <= 1 && std::abs(text.bottom() - heading.bottom()) <= 1,
                qPrintable(QString("at %1 dpi").arg(dpi)));
            QVERIFY(text.left() >= 7 && text.left() <= 10 && text.bottom() <= 32);
        }
    }
}

QTEST_MAIN(TScoreReportTest)
#include "score_report_test.moc"
