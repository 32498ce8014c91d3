#include "ui/coach_form.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <bit>
#include <vector>

#include "history/history_store.h"
#include "scoring/sheet_rows.h"
#include "ui/app_icon.h"
#include "ui/chances_panel.h"
#include "ui/framed_dice.h"
#include "ui/help_system.h"
#include "ui/review_form.h"
#include "ui/translations.h"
#include "ui/window_look.h"

namespace quintix {

constexpr int CoachHelpContext = 1024;

namespace {

// The faces a reroll keeps, lowest first: two rerolls that keep the same faces are one choice.
QString KeptFaces(TDiceSet rolled, const TDiceValues& dice) {
    std::vector<int> kept;
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((rolled & DieBit(die)) == 0) {
            kept.push_back(dice[die]);
        }
    }
    std::ranges::sort(kept);
    QStringList faces;
    for (const int face : kept) {
        faces << QString::number(face);
    }
    return faces.join(' ');
}

// A choice as what the player does: the line scored, or the faces kept and how many dice roll.
QString ChoiceText(const TChoiceValue& choice, const TDiceValues& dice) {
    if (choice.Kind == TChoiceValue::TKind::Score) {
        return TCoachForm::tr("Score %1").arg(CoreText(LineLabel(choice.Line)));
    }
    switch (std::popcount(choice.Dice)) {
        case 1:
            return TCoachForm::tr("Keep %1, roll one die").arg(KeptFaces(choice.Dice, dice));
        case 2:
            return TCoachForm::tr("Keep %1, roll two dice").arg(KeptFaces(choice.Dice, dice));
        case 3:
            return TCoachForm::tr("Keep %1, roll three dice").arg(KeptFaces(choice.Dice, dice));
        case 4:
            return TCoachForm::tr("Keep %1, roll four dice").arg(KeptFaces(choice.Dice, dice));
        default:
            return TCoachForm::tr("Roll all five dice again");
    }
}

// Points with one decimal; a loss too small for one shows two.
QString Points(double points) {
    return NumberLocale().toString(points, 'f', points > 0.0 && points < 0.1 ? 2 : 1);
}

QTableWidget* Table(const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int col = 1; col < headers.size(); ++col) {
        table->horizontalHeader()->setSectionResizeMode(col, QHeaderView::ResizeToContents);
    }
    return table;
}

void SetRow(QTableWidget& table, int row, const QStringList& texts) {
    for (int col = 0; col < texts.size(); ++col) {
        auto* item = new QTableWidgetItem(texts[col]);
        item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        table.setItem(row, col, item);
    }
}

}  // namespace

TCoachForm::TCoachForm(TCoach& coach, ITableProvider& table, THelpSystem& help, THistoryStore* history,
                       QWidget* parent)
    : QWidget(parent, Qt::Tool), Model(coach), TableProvider(table), Help(help), History(history) {
    setObjectName("CoachForm");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("Coach"));
    setWindowIcon(AppIcon());
    setFont(WindowFont());
    THelpSystem::SetHelpContext(this, CoachHelpContext);

    auto* layout = new QVBoxLayout(this);
    Status = new QLabel(this);
    Status->setObjectName("Status");
    Status->setWordWrap(true);
    Progress = new QProgressBar(this);
    Progress->setObjectName("Progress");
    Progress->setRange(0, 100);
    Progress->setFormat(tr("Preparing the coach: %p%"));
    Dice = new TFramedDice(32, this);
    BestLabel = new QLabel(this);
    BestLabel->setObjectName("BestLabel");
    Choices = Table({tr("Choice"), tr("Expected total"), tr("Computer")}, this);
    Choices->setObjectName("Choices");
    LastChoice = new QLabel(this);
    LastChoice->setObjectName("LastChoice");
    LastChoice->setWordWrap(true);
    auto* givenAwayLabel = new QLabel(tr("Points given away this game"), this);
    GivenAway = Table({tr("Player"), tr("Points")}, this);
    GivenAway->setObjectName("GivenAway");
    GivenAway->setMaximumHeight(130);
    for (QWidget* part : std::initializer_list<QWidget*>{Status, Progress, Dice, BestLabel, Choices,
                                                         LastChoice, givenAwayLabel, GivenAway}) {
        layout->addWidget(part);
        part->installEventFilter(this);
    }
    // Below what the coach always showed: the chances while a series of two or more is on, and
    // with a history the review of the last finished game.
    Chances = new TChancesPanel(coach.FollowedGame(), table, this);
    ReviewButton = new QPushButton(tr("&Review game"), this);
    ReviewButton->setObjectName("ReviewButton");
    ReviewButton->setVisible(History != nullptr);
    layout->addWidget(Chances);
    layout->addWidget(ReviewButton, 0, Qt::AlignRight);
    layout->setStretchFactor(Choices, 1);
    connect(ReviewButton, &QPushButton::clicked, this, &TCoachForm::ReviewLastGame);
    for (QWidget* part : std::initializer_list<QWidget*>{Status, Dice, Choices, GivenAway, Chances->Chances,
                                                         Chances->Precision, ReviewButton}) {
        help.InstallWhatsThisMenu(part);
    }
    resize(460, 540);

    const auto refreshShown = [this] {
        if (isVisible()) {
            Refresh();
        }
    };
    CoachChanges = Model.OnChange(refreshShown);
    TableProgress = TableProvider.OnProgress(refreshShown);
}

// The review window goes first: it may be waiting for the table.
TCoachForm::~TCoachForm() {
    delete ReviewWindow;
}

TReviewForm& TCoachForm::ReviewForm() {
    if (ReviewWindow == nullptr) {
        ReviewWindow = new TReviewForm(TableProvider, Help, this);
    }
    return *ReviewWindow;
}

// The window opens beside the game without taking the keyboard from it: the digits must still
// mark the dice.
void TCoachForm::ShowCoach() {
    TableProvider.Request();
    Refresh();
    show();
    raise();
}

bool TCoachForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && OwnerKeys && OwnerKeys(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TCoachForm::Refresh() {
    Progress->setVisible(TableProvider.Peek() == nullptr);
    Progress->setValue(static_cast<int>(TableProvider.Progress() * 100));

    const TCoachAdvice advice = Model.Advice();
    const QString player = QString::fromStdString(advice.Player);
    switch (advice.State) {
        case TCoachAdvice::TState::NoSeries:
            Status->setText(tr("Start a new game, and the coach will help."));
            break;
        case TCoachAdvice::TState::RollForOrder:
            Status->setText(tr("%1 rolls for the order of play; there is nothing to choose.").arg(player));
            break;
        case TCoachAdvice::TState::BeforeRoll:
            if (advice.ExpectedTotal) {
                Status->setText(tr("%1 is on turn. With the best play from here the game is expected to "
                                   "reach %2. The choices show after each roll.")
                                    .arg(player, Points(*advice.ExpectedTotal)));
            } else {
                Status->setText(tr("%1 is on turn. The choices show after each roll.").arg(player));
            }
            break;
        case TCoachAdvice::TState::Preparing:
            Status->setText(tr("%1 has rolled. The choices show once the coach is ready.").arg(player));
            break;
        case TCoachAdvice::TState::Choices:
            // One arg() for all: a name may itself hold "%2" or "%3".
            Status->setText(
                tr("%1, after roll %2 of 3. Grand total so far: %3.")
                    .arg(player, QString::number(advice.Roll), QString::number(advice.GrandTotal)));
            break;
        case TCoachAdvice::TState::SeriesOver:
            Status->setText(tr("The series is over."));
            break;
    }
    ShowChoices(advice);
    ShowLastChoice(advice);

    const std::vector<TGivenAway> people = Model.GivenAway();
    GivenAway->setRowCount(static_cast<int>(people.size()));
    for (std::size_t i = 0; i < people.size(); ++i) {
        SetRow(*GivenAway, static_cast<int>(i),
               {QString::fromStdString(people[i].Name), NumberLocale().toString(people[i].Points, 'f', 1)});
    }
    // The window keeps the size it always had until the chances first show; then it grows by them
    // once rather than squeezing the choices.
    const bool chancesShown = Chances->isVisibleTo(this);
    Chances->Update();
    if (!chancesShown && Chances->isVisibleTo(this) && !GrownForChances) {
        GrownForChances = true;
        resize(width(), height() + Chances->sizeHint().height());
    }
    const TGameState& s = Model.FollowedGame().State();
    const bool finished =
        (s.Phase() == TPhase::Playing || s.Phase() == TPhase::SeriesOver) && s.CurrentGame > 1;
    ReviewButton->setEnabled(finished && !people.empty());
}

// The people's sheets of the last finished game, one review each: with more than one person the
// button asks whose.
void TCoachForm::ReviewLastGame() {
    const TQuintixGame& game = Model.FollowedGame();
    const TGameState& s = game.State();
    const int finished = s.CurrentGame - 1;
    std::vector<const TPlayer*> people;
    for (int position = 1; position <= s.NoOfPlayers; ++position) {
        if (!s.Players[position].Computer) {
            people.push_back(&s.Players[position]);
        }
    }
    if (History == nullptr || finished < 1 || people.empty()) {
        return;
    }
    if (people.size() == 1) {
        Review(people.front()->Name, finished, s.Scores[people.front()->ScoreIndex][finished]);
        return;
    }
    QMenu menu(this);
    for (const TPlayer* person : people) {
        menu.addAction(QString::fromStdString(person->Name), this, [this, person, finished, &s] {
            Review(person->Name, finished, s.Scores[person->ScoreIndex][finished]);
        });
    }
    menu.exec(ReviewButton->mapToGlobal(QPoint(0, ReviewButton->height())));
}

// The game is found among the person's newest stored games by its number and its sheet.
void TCoachForm::Review(const std::string& name, int game, const TGameScore& sheet) {
    std::optional<TStoredGame> found;
    History->ForEachGameOf({name, std::nullopt, 2 * MaxGames}, [&](const TStoredGame& stored) {
        if (!found && stored.Record.Game == game && stored.Record.Lines == sheet.Lines &&
            stored.Record.QuintixBonus == sheet.Bonus) {
            found = stored;
        }
    });
    if (found) {
        ReviewForm().ShowGame(*found);
    } else {
        ReviewForm().ShowMissing(QString::fromStdString(name));
    }
}

void TCoachForm::ShowChoices(const TCoachAdvice& advice) {
    const bool choices = advice.State == TCoachAdvice::TState::Choices;
    Dice->setVisible(choices);
    BestLabel->setVisible(choices);
    if (!choices) {
        Choices->setRowCount(0);
        return;
    }
    const TChoiceValue& best = advice.Choices.front();
    Dice->Show(advice.Dice, best.Kind == TChoiceValue::TKind::Reroll ? best.Dice : TDiceSet{0});
    BestLabel->setText(best.Kind == TChoiceValue::TKind::Reroll
                           ? tr("Best: roll the framed dice again.")
                           : tr("Best: %1.").arg(ChoiceText(best, advice.Dice)));
    // Rerolls that keep the same faces are worth the same: one row stands for them all, ticked if
    // the computer player's is among them.
    QStringList texts;
    std::vector<bool> ticked;
    std::vector<double> totals;
    for (std::size_t i = 0; i < advice.Choices.size(); ++i) {
        const TChoiceValue& choice = advice.Choices[i];
        const QString text = ChoiceText(choice, advice.Dice);
        const bool classic = static_cast<int>(i) == advice.ClassicChoice;
        if (const qsizetype row = texts.indexOf(text); row >= 0) {
            ticked[static_cast<std::size_t>(row)] = ticked[static_cast<std::size_t>(row)] || classic;
            continue;
        }
        texts << text;
        ticked.push_back(classic);
        totals.push_back(advice.GrandTotal + choice.Value);
    }
    Choices->setRowCount(static_cast<int>(texts.size()));
    for (qsizetype row = 0; row < texts.size(); ++row) {
        const auto at = static_cast<std::size_t>(row);
        SetRow(*Choices, static_cast<int>(row),
               {texts[row], NumberLocale().toString(totals[at], 'f', 1),
                ticked[at] ? QString(QChar(0x2713)) : QString()});
    }
}

// What a person's last decision gave away, in one line naming the person.
void TCoachForm::ShowLastChoice(const TCoachAdvice& advice) {
    LastChoice->setVisible(advice.LastDecision.has_value());
    if (!advice.LastDecision) {
        return;
    }
    const TDecisionCost& last = *advice.LastDecision;
    const QString name = QString::fromStdString(last.Player);
    const QString choice = ChoiceText(last.Choice, last.Dice);
    if (!last.Cost) {
        LastChoice->setText(tr("%1: %2 – valued once the coach is ready.").arg(name, choice));
    } else if (*last.Cost <= 0.0) {
        LastChoice->setText(tr("%1: %2 – the best choice.").arg(name, choice));
    } else {
        LastChoice->setText(tr("%1: %2 – gave away %3 points.").arg(name, choice, Points(*last.Cost)));
    }
}

}  // namespace quintix
