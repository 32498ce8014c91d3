#include "ui/score_report_form.h"

#include <QString>
#include <algorithm>
#include <array>
#include <string>

#include "game/player.h"
#include "game/quintix_game.h"
#include "scoring/sheet_rows.h"
#include "ui/band_report.h"
#include "ui/translations.h"

namespace quintix {

namespace {

// The rules of a block span x = 8 .. 480; the vertical ones part the label column from the six
// game columns, 56 units each.
constexpr std::array<double, TScoreReportForm::NoOfVertLines> VertX{8, 144, 200, 256, 312, 368, 424, 480};
constexpr double RuleLeft = 8;
constexpr double RuleRight = 480;

constexpr double HeaderHeight = 70;
constexpr double DetailHeight = 22;
constexpr double FooterHeight = 4;
// The vertical rules of a footer run through to the next section's double rule, except after
// the last section, where they stop on the closing rule.
constexpr double OpenFooterVert = 4;
constexpr double ClosingFooterVert = 2;

constexpr int TitleFontSize = 16;
constexpr int TextFontSize = 11;

// Top and bottom of the paper are ours to choose; a block is far shorter than a column.
constexpr double TopBottomMargin = 38;

// The printed sheet falls into sections, each closed by a rule: the runs of rows of one grid that
// are all lines or all totals. The section of each row of the sheet, from 1; 0 for the grids'
// header, which the block's own header stands for.
constexpr std::array<int, SheetRows.size()> SectionOfRow = [] {
    std::array<int, SheetRows.size()> sections{};
    int section = 0;
    std::size_t previous = SheetRows.size();
    for (std::size_t i = 0; i < SheetRows.size(); ++i) {
        const TSheetRow& row = SheetRows[i];
        if (row.Kind == TRowKind::Header) {
            continue;
        }
        if (previous == SheetRows.size() || SheetRows[previous].Grid != row.Grid ||
            (SheetRows[previous].Kind == TRowKind::Line) != (row.Kind == TRowKind::Line)) {
            ++section;
        }
        sections[i] = section;
        previous = i;
    }
    return sections;
}();
constexpr int NoOfSections = SectionOfRow.back();

// The value box of game c: 40 units wide, centred in its 56-unit column.
QRectF GameBox(int game, double top) {
    constexpr double boxLeft = 152;
    constexpr double columnWidth = 56;
    constexpr double boxWidth = 40;
    constexpr double boxHeight = 14;
    return {boxLeft + columnWidth * (game - 1), top, boxWidth, boxHeight};
}

QRectF HorizontalRule(double y) {
    return {RuleLeft, y, RuleRight - RuleLeft, TReportShape::LineWidth};
}

QRectF VerticalRule(int i, double top, double bottom) {
    return {VertX[static_cast<std::size_t>(i - 1)], top, TReportShape::LineWidth, bottom - top};
}

}  // namespace

TScoreReportForm::TScoreReportForm(const TQuintixGame& game, QWidget* parent) : QWidget(parent), Game(game) {
    setObjectName("ScoreReportForm");

    ScoreSheetReport = new TBandReport("ScoreSheetReport", this);
    ScoreSheetReport->Title = tr("Quintix Score Sheet");
    TPageSetup& setup = ScoreSheetReport->PageSetup;
    setup.DefaultPrinterPaper = true;  // asked for when the pages are made: asking loads the printers
    setup.Landscape = true;
    setup.LeftMargin = 0;
    setup.RightMargin = 0;
    setup.TopMargin = TopBottomMargin;
    setup.BottomMargin = TopBottomMargin;
    setup.Columns = 2;
    setup.ColumnGap = 0;

    UpperSection = ScoreSheetReport->AddLink("UpperSection");
    SectionDetail = UpperSection->AddLink("SectionDetail");
    CreateHeader();
    CreateDetail();
    CreateFooter();

    ScoreSheetReport->BeforePrint = [this] { ScoreSheetReportBeforePrint(); };
    ScoreSheetReport->NeedData = [this](bool& moreData) { ScoreSheetReportNeedData(moreData); };
    UpperSection->NeedData = [this](bool& moreData) { UpperSectionNeedData(moreData); };
    SectionDetail->NeedData = [this](bool& moreData) { SectionDetailNeedData(moreData); };
    ScoreSheetReport->PreviewHook = [this](const TReportPages& pages) {
        if (ShowPreview) {
            ShowPreview(pages);
        }
    };
}

void TScoreReportForm::CreateHeader() {
    UpperHeader = UpperSection->AddBand("UpperHeader", TBandKind::Header, HeaderHeight);
    const QFont title = ReportFont(TitleFontSize, true);
    const TReportLabel* playerTitle =
        UpperHeader->AddLabel("PlayerTitle", tr("Player:"), QPointF(8, 8), title);
    // A translation's longer caption moves the name along; in English it keeps its design place.
    const double nameLeft = std::max(80.0, playerTitle->Geometry().right() + 8);
    PlayerLabel = UpperHeader->AddLabel("PlayerLabel", QString(), QPointF(nameLeft, 8), title);
    UpperHeader->AddShape("HeaderRule1", TShapeKind::HorizontalLine, HorizontalRule(40));
    UpperHeader->AddShape("HeaderRule2", TShapeKind::HorizontalLine, HorizontalRule(68));
    for (int i = 1; i <= NoOfVertLines; ++i) {
        UpperHeader->AddShape(QString("HeaderVert%1").arg(i), TShapeKind::VerticalLine,
                              VerticalRule(i, 40, HeaderHeight));
    }
    constexpr int firstNumberLabel = 7;
    for (int c = 1; c <= MaxGames; ++c) {
        GameNumberLabels[c] =
            UpperHeader->AddLabel(QString("QRLabel%1").arg(firstNumberLabel + c - 1), QString::number(c),
                                  GameBox(c, 48), ReportFont(TextFontSize, true), Qt::AlignHCenter);
    }
}

void TScoreReportForm::CreateDetail() {
    UpperDetail = SectionDetail->AddBand("UpperDetail", TBandKind::Detail, DetailHeight);
    UpperDetail->AddShape("DetailRule", TShapeKind::HorizontalLine, HorizontalRule(2));
    for (int i = 1; i <= NoOfVertLines; ++i) {
        UpperDetail->AddShape(QString("DetailVert%1").arg(i), TShapeKind::VerticalLine,
                              VerticalRule(i, 0, DetailHeight));
    }
    UpperLabel =
        UpperDetail->AddLabel("UpperLabel", QString(), QPointF(16, 6), ReportFont(TextFontSize, true));
    for (int c = 1; c <= MaxGames; ++c) {
        UpperValues[c] = UpperDetail->AddLabel(QString("Upper%1").arg(c), QString(), GameBox(c, 6),
                                               ReportFont(TextFontSize, false), Qt::AlignHCenter);
    }
}

void TScoreReportForm::CreateFooter() {
    UpperFooter = SectionDetail->AddBand("UpperFooter", TBandKind::Footer, FooterHeight);
    UpperFooter->AddShape("FooterRule", TShapeKind::HorizontalLine, HorizontalRule(2));
    for (int i = 1; i <= NoOfVertLines; ++i) {
        Vert[i] = UpperFooter->AddShape(QString("Vert%1").arg(i), TShapeKind::VerticalLine,
                                        VerticalRule(i, 0, OpenFooterVert));
    }
}

TReportPages TScoreReportForm::BuildPages() {
    return ScoreSheetReport->Prepare();
}

void TScoreReportForm::Preview() {
    ScoreSheetReport->Preview();
}

void TScoreReportForm::SetVertLinesHeight(double height) {
    for (TReportShape* piece : Vert) {
        piece->SetHeight(height);
    }
}

void TScoreReportForm::ScoreSheetReportBeforePrint() {
    Section = 0;
    PlayerNo = 0;
    RowIndex = 0;
}

void TScoreReportForm::ScoreSheetReportNeedData(bool& moreData) {
    ++PlayerNo;
    moreData = PlayerNo <= std::min(Game.NoOfPlayers(), MaxPlayers);
    if (moreData) {
        PlayerLabel->SetCaption(QString::fromStdString(Game.Players()[PlayerNo].Name));
    }
    Section = 0;
    RowIndex = 0;
    SetVertLinesHeight(OpenFooterVert);
}

void TScoreReportForm::UpperSectionNeedData(bool& moreData) {
    ++Section;
    moreData = Section <= NoOfSections;
}

void TScoreReportForm::SectionDetailNeedData(bool& moreData) {
    while (RowIndex < SheetRows.size() && SectionOfRow[RowIndex] < Section) {
        ++RowIndex;
    }
    moreData = Section >= 1 && RowIndex < SheetRows.size() && SectionOfRow[RowIndex] == Section;
    if (!moreData) {
        if (Section == NoOfSections) {
            SetVertLinesHeight(ClosingFooterVert);
        }
        return;
    }
    const int scoreIndex = PlayerNo >= 1 && PlayerNo <= MaxPlayers ? Game.Players()[PlayerNo].ScoreIndex : 0;
    const TGridRow at = GridRowOf(RowIndex++);
    for (int c = 0; c <= MaxGames; ++c) {
        const TCell cell = Game.Cell(at.Grid, scoreIndex, c, at.Row, /*noPossible=*/true);
        // The labels of column 0 come from the core in English.
        (c == 0 ? UpperLabel : UpperValues[c])
            ->SetCaption(c == 0 ? CoreText(cell.Text) : QString::fromStdString(cell.Text));
    }
}

}  // namespace quintix
