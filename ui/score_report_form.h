#pragma once

#include <QWidget>
#include <cstddef>
#include <functional>

#include "base/one_based.h"
#include "base/types.h"
#include "ui/report_pages.h"

namespace quintix {

class TBandReport;
class TDataLink;
class TQuintixGame;
class TReportBand;
class TReportLabel;
class TReportShape;

// The printed score sheets of the series: one block per player in play order, each with that
// player's whole sheet for all six games, two blocks side by side on a landscape page. The window
// is never shown; it only carries the report, its bands and the callbacks that feed them from the
// game, which it reads and never changes.
class TScoreReportForm : public QWidget {
    Q_OBJECT

public:
    // The left edge, then a rule after the label column and after each game column.
    static constexpr int NoOfVertLines = MaxGames + 2;

    explicit TScoreReportForm(const TQuintixGame& game, QWidget* parent = nullptr);

    // Lays out the whole report from the game as it is now.
    TReportPages BuildPages();
    // Lays out the report and hands the pages to ShowPreview.
    void Preview();

    // The preview hook: shows the pages. Set by whoever owns the preview window.
    std::function<void(const TReportPages& pages)> ShowPreview;

    TBandReport* ScoreSheetReport = nullptr;
    TDataLink* UpperSection = nullptr;
    TDataLink* SectionDetail = nullptr;
    TReportBand* UpperHeader = nullptr;
    TReportBand* UpperDetail = nullptr;
    TReportBand* UpperFooter = nullptr;
    TReportLabel* PlayerLabel = nullptr;
    OneBased<TReportLabel*, MaxGames> GameNumberLabels{};  // QRLabel7 .. QRLabel12
    TReportLabel* UpperLabel = nullptr;
    OneBased<TReportLabel*, MaxGames> UpperValues{};  // Upper1 .. Upper6

    int PlayerNo = 0;
    int Section = 0;
    std::size_t RowIndex = 0;                       // the next row of the sheet to print
    OneBased<TReportShape*, NoOfVertLines> Vert{};  // the footer's Vert1 .. Vert8

    void ScoreSheetReportBeforePrint();
    void ScoreSheetReportNeedData(bool& moreData);
    void UpperSectionNeedData(bool& moreData);
    void SectionDetailNeedData(bool& moreData);

private:
    void CreateHeader();
    void CreateDetail();
    void CreateFooter();
    void SetVertLinesHeight(double height);

    const TQuintixGame& Game;
};

}  // namespace quintix
