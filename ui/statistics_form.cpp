#include "ui/statistics_form.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDate>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "computer/expert_figures.h"
#include "computer/table_provider.h"
#include "history/game_review.h"
#include "history/history_export.h"
#include "history/history_store.h"
#include "history/player_figures.h"
#include "ui/app_icon.h"
#include "ui/chart_widget.h"
#include "ui/help_system.h"
#include "ui/history_texts.h"
#include "ui/latest_worker.h"
#include "ui/message_box.h"
#include "ui/review_form.h"
#include "ui/translations.h"
#include "ui/whole_file.h"
#include "ui/window_look.h"

namespace quintix {

constexpr int StatisticsHelpContext = 1027;

namespace {

enum TPeriod { AllGames, LastGames, ThisYear };
constexpr int PeriodGames = 100;
constexpr std::int32_t BinWidth = 2 * TExpertFigures::BinWidth;
constexpr int FormWindow = 10;  // games in the moving mean
constexpr int HighScoreCount = 10;
constexpr std::size_t MostFormPoints = 1000;

QString Points(double points) {
    return NumberLocale().toString(points, 'f', 1);
}

QString Share(double rate) {
    return NumberLocale().toString(rate * 100.0, 'f', 1) + QStringLiteral(" %");
}

bool PlayedAsPerson(const TGameSummary& game) {
    return game.Kind == TPlayerKind::Person;
}

}  // namespace

// The games of the chosen player, newest first, for the table: only what is shown is read.
class TGamesModel : public QAbstractTableModel {
public:
    explicit TGamesModel(const std::vector<TGameSummary>& games, QObject* parent)
        : QAbstractTableModel(parent), Games(games) {}

    void Changed() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : static_cast<int>(Games.size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 6; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::TextAlignmentRole) {
            return QVariant::fromValue(index.column() == 0 || index.column() == 5
                                           ? Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter)
                                           : Qt::Alignment(Qt::AlignCenter));
        }
        if (role != Qt::DisplayRole) {
            return {};
        }
        const TGameSummary& game = Games[static_cast<std::size_t>(index.row())];
        switch (index.column()) {
            case 0:
                return THistoryTexts::When(game.Ended);
            case 1:
                return THistoryTexts::GameOf(game.Game, game.SeriesGames);
            case 2:
                return game.GrandTotal;
            case 3:
                return game.UpperBonus;
            case 4:
                return game.QuintixBonus;
            default:
                return THistoryTexts::Kind(game.Kind);
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
            return {};
        }
        const QString titles[] = {TStatisticsForm::tr("Ended"),         TStatisticsForm::tr("Game"),
                                  TStatisticsForm::tr("Grand total"),   TStatisticsForm::tr("Upper bonus"),
                                  TStatisticsForm::tr("Quintix bonus"), TStatisticsForm::tr("Played as")};
        return titles[section];
    }

private:
    const std::vector<TGameSummary>& Games;
};

namespace {

QTableWidget* Table(QWidget* parent, const char* name) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

void SetCell(QTableWidget& table, int row, int col, const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    table.setItem(row, col, item);
}

}  // namespace

TStatisticsForm::TStatisticsForm(THistoryStore* history, ITableProvider& table, THelpSystem& help,
                                 IMessages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), History(history), TableProvider(table), Messages(messages), Help(help) {
    setObjectName("StatisticsForm");
    setWindowTitle(tr("Statistics"));
    setWindowIcon(AppIcon());
    setFont(WindowFont());
    THelpSystem::SetHelpContext(this, StatisticsHelpContext);
    Worker = new TLatestWorker(this);

    auto* playerLabel = new QLabel(tr("&Player:"), this);
    PlayerChoice = new QComboBox(this);
    PlayerChoice->setObjectName("PlayerChoice");
    PlayerChoice->setMinimumContentsLength(20);
    playerLabel->setBuddy(PlayerChoice);
    auto* periodLabel = new QLabel(tr("P&eriod:"), this);
    PeriodChoice = new QComboBox(this);
    PeriodChoice->setObjectName("PeriodChoice");
    PeriodChoice->addItems({tr("All games"), tr("The last %1 games").arg(PeriodGames), tr("This year")});
    periodLabel->setBuddy(PeriodChoice);
    EmptyLabel = new QLabel(this);
    EmptyLabel->setObjectName("EmptyLabel");
    EmptyLabel->setWordWrap(true);
    EmptyLabel->setAlignment(Qt::AlignCenter);

    Pages = new QTabWidget(this);
    Pages->setObjectName("Pages");
    auto* figuresPage = new QWidget(Pages);
    Figures = Table(figuresPage, "Figures");
    Figures->setRowCount(7);
    Figures->setColumnCount(2);
    Figures->setVerticalHeaderLabels({tr("Games played"), tr("Mean grand total"), tr("Best grand total"),
                                      tr("Worst grand total"), tr("Upper bonus rate"), tr("Quintix rate"),
                                      tr("Points given away per game")});
    Figures->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Figures->horizontalHeader()->setMinimumSectionSize(
        Figures->fontMetrics().horizontalAdvance("0000000000"));
    Figures->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Figures->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ExpertNote = new QLabel(this);
    ExpertNote->setObjectName("ExpertNote");
    ExpertNote->setWordWrap(true);
    const TExpertFigures& expert = ShippedExpertFigures();
    ExpertNote->setText(
        tr("The expert computer's figures come from %1 simulated games; it is expected to score %2 a "
           "game, the most any player can expect.")
            .arg(NumberLocale().toString(static_cast<qlonglong>(expert.Games)))
            .arg(Points(expert.Optimum)));
    TotalsChart = new TChartWidget(figuresPage);
    TotalsChart->setObjectName("TotalsChart");
    TotalsChart->SetTitles(tr("grand total"), tr("games"));
    TotalsChart->setAccessibleName(tr("Grand totals"));
    FormChart = new TChartWidget(figuresPage);
    FormChart->setObjectName("FormChart");
    FormChart->SetTitles(tr("game"), tr("mean of the last %1").arg(FormWindow));
    FormChart->setAccessibleName(tr("Form"));
    auto* figuresLayout = new QGridLayout(figuresPage);
    figuresLayout->addWidget(Figures, 0, 0);
    figuresLayout->addWidget(ExpertNote, 0, 1);
    figuresLayout->addWidget(TotalsChart, 1, 0);
    figuresLayout->addWidget(FormChart, 1, 1);
    figuresLayout->setRowStretch(1, 1);
    Pages->addTab(figuresPage, tr("&Figures"));

    auto* scoresPage = new QWidget(Pages);
    HighScores = Table(scoresPage, "HighScores");
    HighScores->setColumnCount(4);
    HighScores->setHorizontalHeaderLabels({tr("Name"), tr("Ended"), tr("Grand total"), tr("Played as")});
    HighScores->verticalHeader()->hide();
    BestSeries = new QLabel(scoresPage);
    BestSeries->setObjectName("BestSeries");
    BestSeries->setWordWrap(true);
    auto* scoresLayout = new QVBoxLayout(scoresPage);
    scoresLayout->addWidget(HighScores, 1);
    scoresLayout->addWidget(BestSeries);
    Pages->addTab(scoresPage, tr("&High scores"));

    auto* gamesPage = new QWidget(Pages);
    GamesModel = new TGamesModel(PlayerGames, this);
    GamesView = new QTableView(gamesPage);
    GamesView->setObjectName("GamesView");
    GamesView->setModel(GamesModel);
    GamesView->setSelectionBehavior(QAbstractItemView::SelectRows);
    GamesView->setSelectionMode(QAbstractItemView::SingleSelection);
    GamesView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GamesView->verticalHeader()->hide();
    GamesView->verticalHeader()->setDefaultSectionSize(GamesView->fontMetrics().height() + 6);
    GamesView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ReviewButton = new QPushButton(tr("&Review..."), gamesPage);
    ReviewButton->setObjectName("ReviewButton");
    ExportButton = new QPushButton(tr("E&xport..."), gamesPage);
    ExportButton->setObjectName("ExportButton");
    auto* gamesLayout = new QVBoxLayout(gamesPage);
    gamesLayout->addWidget(GamesView, 1);
    auto* gamesButtons = new QHBoxLayout;
    gamesButtons->addWidget(ReviewButton);
    gamesButtons->addWidget(ExportButton);
    gamesButtons->addStretch();
    gamesLayout->addLayout(gamesButtons);
    Pages->addTab(gamesPage, tr("&Games"));

    ForgetButton = new QPushButton(tr("F&orget..."), this);
    ForgetButton->setObjectName("ForgetButton");
    CloseButton = new QPushButton(tr("&Close"), this);
    CloseButton->setObjectName("CloseButton");

    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    choices->addWidget(playerLabel);
    choices->addWidget(PlayerChoice);
    choices->addSpacing(16);
    choices->addWidget(periodLabel);
    choices->addWidget(PeriodChoice);
    choices->addStretch();
    layout->addLayout(choices);
    layout->addWidget(EmptyLabel, 1);
    layout->addWidget(Pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ForgetButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    layout->addLayout(buttons);
    for (QWidget* part : std::initializer_list<QWidget*>{
             PlayerChoice, PeriodChoice, EmptyLabel, Figures, ExpertNote, TotalsChart, FormChart, HighScores,
             BestSeries, GamesView, ReviewButton, ExportButton, ForgetButton, CloseButton}) {
        // Most sit on the pages, whose parents have no context of their own.
        THelpSystem::SetHelpContext(part, StatisticsHelpContext);
        help.InstallWhatsThisMenu(part);
    }
    resize(760, 580);

    ChooseCsvFile = [this] {
        QFileDialog dialog(this, tr("Export games"), QString(), tr("CSV files (*.csv)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("csv");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.selectFile(ChosenName() + ".csv");
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    connect(PlayerChoice, &QComboBox::currentIndexChanged, this, &TStatisticsForm::LoadPlayer);
    connect(PeriodChoice, &QComboBox::currentIndexChanged, this, &TStatisticsForm::LoadPlayer);
    connect(GamesView, &QTableView::doubleClicked, this, &TStatisticsForm::ReviewChosenGame);
    connect(ReviewButton, &QPushButton::clicked, this, &TStatisticsForm::ReviewChosenGame);
    connect(ExportButton, &QPushButton::clicked, this, &TStatisticsForm::ExportGames);
    connect(ForgetButton, &QPushButton::clicked, this, &TStatisticsForm::ForgetPlayer);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

// The review window goes first: it may be waiting for the table.
TStatisticsForm::~TStatisticsForm() {
    delete Review;
}

TReviewForm& TStatisticsForm::ReviewForm() {
    if (Review == nullptr) {
        Review = new TReviewForm(TableProvider, Help, this);
    }
    return *Review;
}

void TStatisticsForm::ShowStatistics() {
    Reload();
    show();
    raise();
    activateWindow();
}

QString TStatisticsForm::ChosenName() const {
    return PlayerChoice->currentText();
}

void TStatisticsForm::Reload() {
    std::optional<std::vector<TPlayerName>> names;
    QString empty;
    if (History == nullptr) {
        empty = tr("No history is kept, so there is nothing to show.");
    } else if (!(names = History->PlayerNames())) {
        empty = tr("The history cannot be read: %1").arg(QString::fromStdString(History->Error()));
    } else if (names->empty()) {
        empty = tr("No games are stored yet. Every finished game will show here.");
    }
    const bool none = !empty.isEmpty();
    EmptyLabel->setText(empty);
    EmptyLabel->setVisible(none);
    Pages->setVisible(!none);
    for (QWidget* control : std::initializer_list<QWidget*>{PlayerChoice, PeriodChoice, ForgetButton}) {
        control->setEnabled(!none);
    }
    {
        const QSignalBlocker quiet(PlayerChoice);
        const QString chosen = ChosenName();
        PlayerChoice->clear();
        for (const TPlayerName& name : names.value_or(std::vector<TPlayerName>{})) {
            PlayerChoice->addItem(QString::fromStdString(name.Name));
        }
        PlayerChoice->setCurrentIndex(std::max(PlayerChoice->findText(chosen, Qt::MatchExactly), 0));
    }
    LoadPlayer();
    LoadHighScores();
}

void TStatisticsForm::LoadPlayer() {
    Worker->Cancel();
    TableReady.Cancel();
    PlayerGames.clear();
    Filter = {ChosenName().toStdString()};
    if (PeriodChoice->currentIndex() == LastGames) {
        Filter.Last = PeriodGames;
    } else if (PeriodChoice->currentIndex() == ThisYear) {
        Filter.Since = QDate(QDate::currentDate().year(), 1, 1).startOfDay().toSecsSinceEpoch();
    }
    if (History != nullptr && PlayerChoice->count() > 0) {
        PlayerGames = History->SummariesOf(Filter).value_or(std::vector<TGameSummary>{});
    }
    GamesModel->Changed();
    const bool any = !PlayerGames.empty();
    ReviewButton->setEnabled(any);
    ExportButton->setEnabled(any);
    if (any) {
        GamesView->selectRow(0);
    }
    WorkOutGivenAway();
    ShowCharts();
}

void TStatisticsForm::ShowFigures() {
    const THistoryStats player = FiguresOf(PlayerGames);
    const TExpertFigures& expert = ShippedExpertFigures();
    Figures->setHorizontalHeaderLabels({ChosenName(), tr("Expert computer")});
    const bool any = player.Games > 0;
    const QString none = QStringLiteral("\u2014");
    const QStringList mine{QString::number(player.Games),
                           any ? Points(player.Mean) : none,
                           any ? QString::number(player.Best) : none,
                           any ? QString::number(player.Worst) : none,
                           any ? Share(player.UpperBonusRate) : none,
                           any ? Share(player.QuintixRate) : none,
                           GivenAwayText};
    const QStringList theirs{NumberLocale().toString(static_cast<qlonglong>(expert.Games)),
                             Points(expert.Mean),
                             QString::number(expert.Best),
                             QString::number(expert.Worst),
                             Share(expert.UpperBonusRate),
                             Share(expert.QuintixRate),
                             Points(0.0)};
    for (int row = 0; row < mine.size(); ++row) {
        SetCell(*Figures, row, 0, mine[row]);
        SetCell(*Figures, row, 1, theirs[row]);
    }
    // The table is as large as its cells: all the figures show at once.
    Figures->resizeColumnsToContents();
    const int frame = 2 * Figures->frameWidth();
    Figures->setFixedSize(
        Figures->verticalHeader()->sizeHint().width() + Figures->horizontalHeader()->length() + frame,
        Figures->horizontalHeader()->sizeHint().height() + Figures->verticalHeader()->length() + frame);
}

// The player's grand totals in bins of 20 points, with the expert's distribution scaled to as many
// games over them; and the player's mean over the last games, oldest game first, against the
// expert's mean.
void TStatisticsForm::ShowCharts() {
    const TExpertFigures& expert = ShippedExpertFigures();
    const QString empty = tr("No games in this period.");
    TotalsChart->SetEmptyText(empty);
    FormChart->SetEmptyText(empty);
    if (PlayerGames.empty()) {
        TotalsChart->SetData({}, {});
        FormChart->SetData({}, {});
        return;
    }
    // The span of the expert's games but their rarest half percent at either end, and every game
    // of the player.
    std::int64_t below = 0;
    std::size_t lowBin = 0;
    while (lowBin + 1 < TExpertFigures::Bins && (below += expert.Counts[lowBin]) * 200 < expert.Games) {
        ++lowBin;
    }
    std::int64_t above = 0;
    std::size_t highBin = TExpertFigures::Bins - 1;
    while (highBin > lowBin && (above += expert.Counts[highBin]) * 200 < expert.Games) {
        --highBin;
    }
    std::int32_t low = static_cast<std::int32_t>(lowBin) * TExpertFigures::BinWidth;
    std::int32_t high = static_cast<std::int32_t>(highBin + 1) * TExpertFigures::BinWidth;
    std::vector<std::int32_t> totals;
    for (auto game = PlayerGames.rbegin(); game != PlayerGames.rend(); ++game) {
        totals.push_back(game->GrandTotal);
        low = std::min(low, game->GrandTotal);
        high = std::max(high, game->GrandTotal + 1);
    }
    low = low / BinWidth * BinWidth;
    high = (high + BinWidth - 1) / BinWidth * BinWidth;
    TChartWidget::TBars bars{static_cast<double>(low), static_cast<double>(BinWidth),
                             std::vector<double>(static_cast<std::size_t>((high - low) / BinWidth), 0.0),
                             ChosenName()};
    for (const std::int32_t total : totals) {
        bars.Heights[static_cast<std::size_t>((total - low) / BinWidth)] += 1.0;
    }
    TChartWidget::TLine expected{{}, QPalette::Text, true, tr("Expert computer")};
    const double scale = static_cast<double>(totals.size()) / static_cast<double>(expert.Games);
    for (std::int32_t from = low; from < high; from += BinWidth) {
        double count = 0.0;
        for (std::int32_t part = from; part < from + BinWidth; part += TExpertFigures::BinWidth) {
            const auto bin = static_cast<std::size_t>(part / TExpertFigures::BinWidth);
            count += bin < TExpertFigures::Bins ? static_cast<double>(expert.Counts[bin]) : 0.0;
        }
        expected.Points.emplace_back(from + BinWidth / 2.0, count * scale);
    }
    TotalsChart->SetData(std::move(bars), {expected});

    TChartWidget::TLine form{{}, QPalette::Highlight, false, ChosenName()};
    const std::vector<double> means = MovingMeans(totals, FormWindow);
    // A line of more points than the chart has pixels across only costs drawing time: every
    // stride-th point, and the last, draw the same line.
    const std::size_t stride = std::max<std::size_t>(1, means.size() / MostFormPoints);
    for (std::size_t i = 0; i < means.size(); i += stride) {
        form.Points.emplace_back(static_cast<double>(i + 1), means[i]);
    }
    if ((means.size() - 1) % stride != 0) {
        form.Points.emplace_back(static_cast<double>(means.size()), means.back());
    }
    const double last = static_cast<double>(std::max<std::size_t>(means.size(), 2));
    TChartWidget::TLine par{
        {{1.0, expert.Mean}, {last, expert.Mean}}, QPalette::Text, true, tr("Expert computer")};
    FormChart->SetData({}, {form, par});
}

void TStatisticsForm::LoadHighScores() {
    const auto best = History != nullptr ? History->BestGames(HighScoreCount) : std::nullopt;
    HighScores->setRowCount(best ? static_cast<int>(best->size()) : 0);
    for (std::size_t i = 0; best && i < best->size(); ++i) {
        const TGameRecord& game = (*best)[i].Record;
        const auto row = static_cast<int>(i);
        SetCell(*HighScores, row, 0, QString::fromStdString(game.Player.Name));
        SetCell(*HighScores, row, 1, THistoryTexts::When(game.Ended));
        SetCell(*HighScores, row, 2, QString::number(game.GrandTotal));
        SetCell(*HighScores, row, 3, THistoryTexts::Kind(game.Player.Kind));
    }
    const auto series = History != nullptr ? History->BestSeries() : std::nullopt;
    if (series && *series) {
        const TSeriesResult& s = **series;
        BestSeries->setText(
            tr("Best series: %1, %2 in %3 games (%4 a game), ended %5.")
                .arg(QString::fromStdString(s.Name))
                .arg(s.SeriesTotal)
                .arg(s.Games)
                .arg(Points(static_cast<double>(s.SeriesTotal) / s.Games), THistoryTexts::When(s.Ended)));
    } else {
        BestSeries->setText(tr("Best series: no series of two or more games has been finished yet."));
    }
}

// Reviewing a game takes about a millisecond; a person's hundreds of games are read and reviewed on
// the worker, over a connection of its own to the history, and the figure shows when it is there.
void TStatisticsForm::WorkOutGivenAway() {
    const TOptimalTable* table = TableProvider.Peek();
    if (History == nullptr || std::ranges::none_of(PlayerGames, PlayedAsPerson)) {
        GivenAwayText = QStringLiteral("\u2014");
    } else if (table == nullptr) {
        GivenAwayText = tr("preparing...");
        TableReady = TableProvider.OnReady([this] {
            TableReady.Cancel();
            WorkOutGivenAway();
        });
        TableProvider.Request();
    } else {
        GivenAwayText = tr("working out...");
        struct TTally {
            double Sum = 0.0;
            int Reviewed = 0;
            int Refused = 0;
        };
        Worker->Start<TTally>(
            [table, path = History->Path(), filter = Filter](std::stop_token stop,
                                                             const std::function<void(TTally)>& deliver) {
                THistoryStore history(path, {}, THistoryStore::TAccess::ReadOnly);
                TTally tally;
                history.ForEachGameOf(filter, [&](const TStoredGame& game) {
                    if (stop.stop_requested() || game.Record.Player.Kind != TPlayerKind::Person) {
                        return;
                    }
                    std::string error;
                    if (const auto review = ReviewGame(*table, game.Record, error)) {
                        tally.Sum += review->GivenAway;
                        ++tally.Reviewed;
                    } else {
                        ++tally.Refused;
                    }
                });
                if (!stop.stop_requested()) {
                    deliver(tally);
                }
            },
            [this](const TTally& tally) {
                GivenAwayText =
                    tally.Reviewed > 0 ? Points(tally.Sum / tally.Reviewed) : QStringLiteral("\u2014");
                if (tally.Refused > 0) {
                    GivenAwayText += ' ' + tr("(damaged games: %1)").arg(tally.Refused);
                }
                ShowFigures();
            });
    }
    ShowFigures();
}

void TStatisticsForm::ReviewChosenGame() {
    const int row = GamesView->currentIndex().row();
    if (History == nullptr || row < 0 || row >= static_cast<int>(PlayerGames.size())) {
        return;
    }
    const auto game = History->GameOf(PlayerGames[static_cast<std::size_t>(row)]);
    if (game && *game) {
        ReviewForm().ShowGame(**game);
    } else {
        ReviewForm().ShowMissing(ChosenName());
    }
}

void TStatisticsForm::ExportGames() {
    const QString path = ChooseCsvFile();
    if (path.isEmpty()) {
        return;
    }
    std::vector<TStoredGame> games;
    QString reason;
    if (History == nullptr ||
        !History->ForEachGameOf(Filter, [&games](const TStoredGame& game) { games.push_back(game); })) {
        reason = History != nullptr ? QString::fromStdString(History->Error()) : QString();
    }
    if (!reason.isEmpty() || !WriteWholeFile(path, QByteArray::fromStdString(CsvOf(games)), &reason)) {
        Messages.Error(this, tr("The games could not be saved to %1: %2").arg(path, reason));
    }
}

void TStatisticsForm::ForgetPlayer() {
    const QString name = ChosenName();
    if (History == nullptr || name.isEmpty() ||
        !Messages.Confirm(this, tr("Forget"),
                          tr("Delete every stored game of %1? The other players' games stay. This cannot be "
                             "undone.")
                              .arg(name))) {
        return;
    }
    if (!History->Forget(name.toStdString())) {
        Messages.Error(
            this, tr("%1 could not be forgotten: %2").arg(name, QString::fromStdString(History->Error())));
    }
    Reload();
}

}  // namespace quintix
