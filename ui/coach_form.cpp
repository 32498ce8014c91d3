#include "ui/coach_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "scoring/sheet_rows.h"
#include "ui/app_icon.h"
#include "ui/die_picture.h"
#include "ui/help_system.h"
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

TCoachForm::TCoachForm(TCoach& coach, ITableProvider& table, THelpSystem& help, QWidget* parent)
    : QWidget(parent, Qt::Window), Model(coach), TableProvider(table) {
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
    for (QWidget* part : std::initializer_list<QWidget*>{Status, Dice, Choices, GivenAway}) {
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

    const std::vector<TGivenAway> people = Model.GivenAway();
    GivenAway->setRowCount(static_cast<int>(people.size()));
    for (std::size_t i = 0; i < people.size(); ++i) {
        SetRow(*GivenAway, static_cast<int>(i),
               {QString::fromStdString(people[i].Name), NumberLocale().toString(people[i].Points, 'f', 1)});
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
