#include "ui/chances_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "computer/table_provider.h"
#include "ui/help_system.h"
#include "ui/latest_worker.h"
#include "ui/translations.h"

namespace quintix {

namespace {

constexpr int CoachHelpContext = 1024;

// The half-width of the 95 % interval around a share estimated from n trials, in points.
double Margin(double share, int n) {
    return 196.0 * std::sqrt(share * (1.0 - share) / n);
}

QProgressBar* Bar(QWidget* parent) {
    auto* bar = new QProgressBar(parent);
    bar->setRange(0, 1000);
    bar->setTextVisible(true);
    bar->setAlignment(Qt::AlignCenter);
    return bar;
}

}  // namespace

TChancesPanel::TChancesPanel(const TQuintixGame& game, ITableProvider& table, QWidget* parent)
    : QGroupBox(tr("Chance to win"), parent), Game(game), TableProvider(table) {
    setObjectName("ChancesPanel");
    Worker = new TLatestWorker(this);
    Chances = new QTableWidget(0, 3, this);
    Chances->setObjectName("Chances");
    Chances->setHorizontalHeaderLabels({tr("Player"), tr("This game"), tr("Series")});
    Chances->verticalHeader()->hide();
    Chances->verticalHeader()->setDefaultSectionSize(Chances->fontMetrics().height() + 8);
    Chances->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Chances->setSelectionMode(QAbstractItemView::NoSelection);
    Chances->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Chances->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Precision = new QLabel(this);
    Precision->setObjectName("Precision");
    // The coach's page explains the chances; the panel sits inside its window.
    for (QWidget* part : std::initializer_list<QWidget*>{this, Chances, Precision}) {
        THelpSystem::SetHelpContext(part, CoachHelpContext);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Chances);
    layout->addWidget(Precision);
    hide();
}

void TChancesPanel::Update() {
    std::optional<TSeriesChances> series = SeriesChancesOf(Game);
    setVisible(series.has_value());
    if (!series) {
        Worker->Cancel();
        TableReady.Cancel();
        Series.reset();
        Shown.reset();
        return;
    }
    if (Series && Series->Position == series->Position) {
        return;
    }
    Series = std::move(series);
    Shown.reset();
    const auto rows = static_cast<int>(Series->Names.size());
    Chances->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        auto* name =
            new QTableWidgetItem(QString::fromStdString(Series->Names[static_cast<std::size_t>(row)]));
        Chances->setItem(row, 0, name);
        for (const int col : {1, 2}) {
            if (Chances->cellWidget(row, col) == nullptr) {
                Chances->setCellWidget(row, col, Bar(Chances));
            }
            auto* bar = static_cast<QProgressBar*>(Chances->cellWidget(row, col));
            bar->setValue(0);
            bar->setFormat(QStringLiteral("\u2026"));
        }
    }
    Chances->setFixedHeight(Chances->horizontalHeader()->sizeHint().height() +
                            rows * Chances->verticalHeader()->defaultSectionSize() +
                            2 * Chances->frameWidth());
    Start();
}

// A person and an expert computer need the table; until it is there the panel waits for it.
void TChancesPanel::Start() {
    TableReady.Cancel();
    const bool expert = std::ranges::any_of(
        Series->Position.Players, [](const TChancePlayer& p) { return p.Style == TPlayStyle::Expert; });
    const TOptimalTable* table = TableProvider.Peek();
    if (expert && table == nullptr) {
        Worker->Cancel();
        Precision->setText(tr("Waiting for the table of expected totals."));
        TableReady = TableProvider.OnReady([this] { Start(); });
        TableProvider.Request();
        return;
    }
    Precision->setText(tr("Simulating the rest of the series..."));
    const int threads = std::clamp(QThread::idealThreadCount() - 1, 1, 4);
    Worker->Start<TWinChances>(
        [position = Series->Position, table, threads](std::stop_token stop,
                                                      const std::function<void(TWinChances)>& deliver) {
            TWinChances total;
            for (int round = 1; round <= Rounds; ++round) {
                TChanceOptions options;
                options.Simulations = SimulationsARound;
                options.Seed = static_cast<std::uint64_t>(round);
                options.Threads = threads;
                options.Stop = stop;
                const std::optional<TWinChances> more = SimulateWinChances(position, table, options);
                if (!more) {
                    return;
                }
                // Each round adds as many simulations: the figures so far are the mean of the rounds.
                total.Game.resize(more->Game.size());
                total.Series.resize(more->Series.size());
                for (std::size_t i = 0; i < more->Game.size(); ++i) {
                    total.Game[i] += (more->Game[i] - total.Game[i]) / round;
                    total.Series[i] += (more->Series[i] - total.Series[i]) / round;
                }
                total.Simulations += more->Simulations;
                deliver(total);
            }
        },
        [this](const TWinChances& chances) { Show(chances); });
}

void TChancesPanel::Show(const TWinChances& chances) {
    Shown = chances;
    double widest = 0.0;
    for (int row = 0; row < Chances->rowCount() && static_cast<std::size_t>(row) < chances.Game.size();
         ++row) {
        const auto i = static_cast<std::size_t>(row);
        for (const auto& [col, share] : {std::pair{1, chances.Game[i]}, std::pair{2, chances.Series[i]}}) {
            auto* bar = static_cast<QProgressBar*>(Chances->cellWidget(row, col));
            bar->setValue(static_cast<int>(std::lround(share * 1000)));
            bar->setFormat(NumberLocale().toString(share * 100, 'f', 0) + QStringLiteral(" %"));
            widest = std::max(widest, Margin(share, chances.Simulations));
        }
    }
    Precision->setText(
        tr("From %1 simulations; each within about %2 points.")
            .arg(NumberLocale().toString(chances.Simulations))
            .arg(QString(QChar(0xB1)) + NumberLocale().toString(std::max(widest, 0.1), 'f', 1)));
}

}  // namespace quintix
