#include "ui/review_form.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "computer/table_provider.h"
#include "scoring/sheet_rows.h"
#include "ui/app_icon.h"
#include "ui/framed_dice.h"
#include "ui/help_system.h"
#include "ui/history_texts.h"
#include "ui/translations.h"
#include "ui/window_look.h"

namespace quintix {

constexpr int ReviewHelpContext = 1028;

namespace {

QString Faces(const TDiceValues& dice, TDiceSet only = AllDice) {
    QStringList faces;
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((only & DieBit(die)) != 0) {
            faces << QString::number(dice[die]);
        }
    }
    return faces.join(' ');
}

// A choice as what it keeps or scores.
QString ChoiceText(const TChoiceValue& choice, const TDiceValues& dice) {
    if (choice.Kind == TChoiceValue::TKind::Score) {
        return TReviewForm::tr("Score %1").arg(CoreText(LineLabel(choice.Line)));
    }
    const auto kept = static_cast<TDiceSet>(AllDice & ~choice.Dice);
    return kept == 0 ? TReviewForm::tr("Roll all five again")
                     : TReviewForm::tr("Keep %1").arg(Faces(dice, kept));
}

QString Points(double points) {
    return NumberLocale().toString(points, 'f', 1);
}

}  // namespace

TReviewForm::TReviewForm(ITableProvider& table, THelpSystem& help, QWidget* parent)
    : QWidget(parent, Qt::Window), TableProvider(table) {
    setObjectName("ReviewForm");
    setWindowTitle(tr("Game Review"));
    setWindowIcon(AppIcon());
    setFont(WindowFont());
    THelpSystem::SetHelpContext(this, ReviewHelpContext);

    Heading = new QLabel(this);
    Heading->setObjectName("Heading");
    Heading->setWordWrap(true);
    Dice = new TFramedDice(36, this);
    DecisionLabel = new QLabel(this);
    DecisionLabel->setObjectName("DecisionLabel");
    DecisionLabel->setWordWrap(true);
    Decisions = new QTableWidget(0, 8, this);
    Decisions->setObjectName("Decisions");
    Decisions->setHorizontalHeaderLabels({tr("Turn"), tr("Roll"), tr("Dice"), tr("Decision"),
                                          tr("Best choice"), tr("Expected total"), tr("Given away"),
                                          tr("Costliest")});
    Decisions->verticalHeader()->hide();
    Decisions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Decisions->setSelectionBehavior(QAbstractItemView::SelectRows);
    Decisions->setSelectionMode(QAbstractItemView::SingleSelection);
    Decisions->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Decisions->horizontalHeader()->setStretchLastSection(true);
    Decisions->verticalHeader()->setDefaultSectionSize(Decisions->fontMetrics().height() + 6);
    PreviousButton = new QPushButton(tr("&Previous costly"), this);
    PreviousButton->setObjectName("PreviousButton");
    NextButton = new QPushButton(tr("&Next costly"), this);
    NextButton->setObjectName("NextButton");
    CloseButton = new QPushButton(tr("&Close"), this);
    CloseButton->setObjectName("CloseButton");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Heading);
    auto* shown = new QHBoxLayout;
    shown->addWidget(Dice);
    shown->addWidget(DecisionLabel, 1);
    layout->addLayout(shown);
    layout->addWidget(Decisions, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(PreviousButton);
    buttons->addWidget(NextButton);
    buttons->addStretch();
    buttons->addWidget(CloseButton);
    layout->addLayout(buttons);
    for (QWidget* part : std::initializer_list<QWidget*>{Heading, Dice, DecisionLabel, Decisions,
                                                         PreviousButton, NextButton, CloseButton}) {
        help.InstallWhatsThisMenu(part);
    }
    resize(760, 520);

    connect(Decisions, &QTableWidget::currentCellChanged, this, [this](int row) { ShowDecision(row); });
    connect(PreviousButton, &QPushButton::clicked, this, [this] { StepCostly(-1); });
    connect(NextButton, &QPushButton::clicked, this, [this] { StepCostly(1); });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

void TReviewForm::ShowGame(const TStoredGame& game) {
    Game = game;
    Review();
    show();
    raise();
    activateWindow();
}

void TReviewForm::ShowMissing(const QString& name) {
    Game.reset();
    Result.reset();
    TableReady.Cancel();
    Decisions->setRowCount(0);
    ShowDecision(-1);
    PreviousButton->setEnabled(false);
    NextButton->setEnabled(false);
    Heading->setToolTip({});
    Heading->setText(tr("%1's game is not in the history, so it cannot be reviewed.").arg(name));
    show();
    raise();
    activateWindow();
}

int TReviewForm::ShownDecision() const {
    return Result ? Decisions->currentRow() : -1;
}

// The review is quick (about forty decisions) and made on the window's thread; only the table may
// have to be waited for.
void TReviewForm::Review() {
    Result.reset();
    Decisions->setRowCount(0);
    ShowDecision(-1);
    PreviousButton->setEnabled(false);
    NextButton->setEnabled(false);
    TableReady.Cancel();
    const TGameRecord& game = Game->Record;
    const QString name = QString::fromStdString(game.Player.Name);
    const TOptimalTable* table = TableProvider.Peek();
    if (table == nullptr) {
        Heading->setText(
            tr("Preparing the review of %1's game: the table of expected totals is being worked out.")
                .arg(name));
        TableReady = TableProvider.OnReady([this] { Review(); });
        TableProvider.Request();
        return;
    }
    std::string error;
    Result = ReviewGame(*table, game, error);
    if (!Result) {
        Heading->setText(tr("%1's game of %2 cannot be reviewed: its stored decisions are damaged.")
                             .arg(name, THistoryTexts::When(game.Ended)));
        Heading->setToolTip(QString::fromStdString(error));
        return;
    }
    Heading->setToolTip({});
    Heading->setText(tr("%1, game %2, %3: grand total %4. Points given away: %5.")
                         .arg(name, THistoryTexts::GameOf(game.Game, Game->Series.NoOfGames),
                              THistoryTexts::When(game.Ended))
                         .arg(game.GrandTotal)
                         .arg(Points(Result->GivenAway)));
    Decisions->setRowCount(static_cast<int>(Result->Decisions.size()));
    for (std::size_t i = 0; i < Result->Decisions.size(); ++i) {
        const TReviewedDecision& d = Result->Decisions[i];
        const auto costly = std::ranges::find(Result->Costliest, i);
        const QString mark = costly != Result->Costliest.end()
                                 ? QString::number(costly - Result->Costliest.begin() + 1)
                                 : QString();
        const QStringList texts{QString::number(d.Turn),
                                QString::number(d.Roll),
                                Faces(d.Dice),
                                ChoiceText(d.Taken, d.Dice),
                                ChoiceText(d.Best, d.Dice),
                                Points(d.GrandTotalBefore + d.Best.Value),
                                NumberLocale().toString(d.GivenAway, 'f', 2),
                                mark};
        for (int col = 0; col < texts.size(); ++col) {
            auto* item = new QTableWidgetItem(texts[col]);
            QFont font = Decisions->font();
            font.setBold(!mark.isEmpty());
            item->setFont(font);
            item->setTextAlignment(col == 3 || col == 4 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            Decisions->setItem(static_cast<int>(i), col, item);
        }
    }
    const bool costly = !Result->Costliest.empty();
    PreviousButton->setEnabled(costly);
    NextButton->setEnabled(costly);
    Decisions->setCurrentCell(costly ? static_cast<int>(Result->Costliest.front()) : 0, 0);
}

void TReviewForm::ShowDecision(int row) {
    const bool shown = Result && row >= 0 && row < static_cast<int>(Result->Decisions.size());
    Dice->setVisible(shown);
    if (!shown) {
        DecisionLabel->clear();
        return;
    }
    const TReviewedDecision& d = Result->Decisions[static_cast<std::size_t>(row)];
    Dice->Show(d.Dice, d.Taken.Kind == TChoiceValue::TKind::Reroll ? d.Taken.Dice : TDiceSet{0});
    DecisionLabel->setText(tr("Turn %1, roll %2: %3, leading to %4. Best: %5, leading to %6. Given away: %7.")
                               .arg(d.Turn)
                               .arg(d.Roll)
                               .arg(ChoiceText(d.Taken, d.Dice), Points(d.GrandTotalBefore + d.Taken.Value),
                                    ChoiceText(d.Best, d.Dice), Points(d.GrandTotalBefore + d.Best.Value),
                                    NumberLocale().toString(d.GivenAway, 'f', 2)));
}

// Steps to the next (or previous) of the costliest decisions, in their order, from the one shown.
void TReviewForm::StepCostly(int step) {
    if (!Result || Result->Costliest.empty()) {
        return;
    }
    const std::vector<std::size_t>& costliest = Result->Costliest;
    const auto count = static_cast<int>(costliest.size());
    const auto at = std::ranges::find(costliest, static_cast<std::size_t>(Decisions->currentRow()));
    const int index = at == costliest.end() ? (step > 0 ? -1 : 0) : static_cast<int>(at - costliest.begin());
    const int next = ((index + step) % count + count) % count;
    Decisions->setCurrentCell(static_cast<int>(costliest[static_cast<std::size_t>(next)]), 0);
}

}  // namespace quintix
