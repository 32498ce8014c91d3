#include "ui/coach_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/history_store.h"
#include "scoring/sheet_rows.h"
#include "ui/app_icon.h"
#include "ui/chances_panel.h"
#include "ui/die_picture.h"
#include "ui/help_system.h"
#include "ui/review_form.h"
#include "ui/translations.h"
#include "ui/window_look.h"

namespace quintix {

constexpr int CoachHelpContext = 1024;

// The dice of the position the coach speaks of, with a frame around each die the best choice
// rolls again.
class TCoachDice : public QWidget {
public:
    explicit TCoachDice(QWidget* parent) : QWidget(parent) { setFixedSize(5 * Pitch, Pitch); }

    void Show(const TDiceValues& dice, TDiceSet framed) {
        Faces = dice;
        Framed = framed;
        update();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        for (int die = 1; die <= NoOfDice; ++die) {
            const QRectF box((die - 1) * Pitch + 4, 4, Side, Side);
            if ((Framed & DieBit(die)) != 0) {
                painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
                painter.drawRect(box.adjusted(-2, -2, 2, 2));
            }
            PaintDie(painter, box, Faces[die]);
        }
    }

private:
    static constexpr int Side = 32;
    static constexpr int Pitch = Side + 10;
    TDiceValues Faces{};
    TDiceSet Framed = 0;
};

namespace {

QString ChoiceText(const TChoiceValue& choice) {
    if (choice.Kind == TChoiceValue::TKind::Score) {
        return TCoachForm::tr("Score %1").arg(CoreText(LineLabel(choice.Line)));
    }
    QStringList dice;
    for (int die = 1; die <= NoOfDice; ++die) {
        if ((choice.Dice & DieBit(die)) != 0) {
            dice << QString::number(die);
        }
    }
    if (dice.size() == 1) {
        return TCoachForm::tr("Roll die %1 again").arg(dice.front());
    }
    const QString last = dice.takeLast();
    return TCoachForm::tr("Roll dice %1 and %2 again").arg(dice.join(", "), last);
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
    : QWidget(parent, Qt::Window), Model(coach), TableProvider(table), Help(help), History(history) {
    setObjectName("CoachForm");
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
    Dice = new TCoachDice(this);
    BestLabel = new QLabel(this);
    BestLabel->setObjectName("BestLabel");
    Choices = Table({tr("Choice"), tr("Expected total"), tr("Computer")}, this);
    Choices->setObjectName("Choices");
    auto* givenAwayLabel = new QLabel(tr("Points given away this game"), this);
    GivenAway = Table({tr("Player"), tr("Points")}, this);
    GivenAway->setObjectName("GivenAway");
    GivenAway->setMaximumHeight(130);
    for (QWidget* part : std::initializer_list<QWidget*>{Status, Progress, Dice, BestLabel, Choices,
                                                         givenAwayLabel, GivenAway}) {
        layout->addWidget(part);
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
    resize(400, 520);

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

void TCoachForm::ShowCoach() {
    TableProvider.Request();
    Refresh();
    show();
    raise();
    activateWindow();
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
            Status->setText(tr("%1 is on turn. The choices show after each roll.").arg(player));
            break;
        case TCoachAdvice::TState::Preparing:
            Status->setText(tr("%1 has rolled. The choices show once the coach is ready.").arg(player));
            break;
        case TCoachAdvice::TState::Choices:
            Status->setText(tr("%1, after roll %2 of 3. Grand total so far: %3.")
                                .arg(player)
                                .arg(advice.Roll)
                                .arg(advice.GrandTotal));
            break;
        case TCoachAdvice::TState::SeriesOver:
            Status->setText(tr("The series is over."));
            break;
    }
    ShowChoices(advice);

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
    Choices->setRowCount(choices ? static_cast<int>(advice.Choices.size()) : 0);
    if (!choices) {
        return;
    }
    const TChoiceValue& best = advice.Choices.front();
    Dice->Show(advice.Dice, best.Kind == TChoiceValue::TKind::Reroll ? best.Dice : TDiceSet{0});
    BestLabel->setText(best.Kind == TChoiceValue::TKind::Reroll ? tr("Best: roll the framed dice again.")
                                                                : tr("Best: %1.").arg(ChoiceText(best)));
    for (std::size_t i = 0; i < advice.Choices.size(); ++i) {
        const TChoiceValue& choice = advice.Choices[i];
        const bool classic = static_cast<int>(i) == advice.ClassicChoice;
        SetRow(*Choices, static_cast<int>(i),
               {ChoiceText(choice), NumberLocale().toString(advice.GrandTotal + choice.Value, 'f', 1),
                classic ? QString(QChar(0x2713)) : QString()});
    }
}

}  // namespace quintix
