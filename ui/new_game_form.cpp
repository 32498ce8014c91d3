#include "ui/new_game_form.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <algorithm>

#include "ui/dialog_frame.h"
#include "ui/help_system.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

constexpr int RowPitch = 24;

}  // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), UpButton(new QToolButton(this)), DownButton(new QToolButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    for (QToolButton* button : {UpButton, DownButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    UpButton->setArrowType(Qt::UpArrow);
    DownButton->setArrowType(Qt::DownArrow);
    connect(UpButton, &QToolButton::clicked, this, [this] { SetPosition(Pos + 1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { SetPosition(Pos - 1); });
}

void TUpDown::SetRange(int min, int max) {
    MinPos = min;
    MaxPos = std::max(min, max);
    SetPosition(Pos);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    if (Associate != nullptr) {
        Associate->removeEventFilter(this);
    }
    Associate = edit;
    if (Associate != nullptr) {
        Associate->installEventFilter(this);
        Associate->setText(QString::number(Pos));
    }
}

void TUpDown::SetPosition(int position) {
    const int limited = std::clamp(position, MinPos, MaxPos);
    const bool changed = limited != Pos;
    Pos = limited;
    if (Associate != nullptr) {
        Associate->setText(QString::number(Pos));
    }
    if (changed) {
        emit PositionChanged(Pos);
    }
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    // The upper arrow takes the odd pixel, as the platform's own up-down controls do.
    const int upHeight = (height() + 1) / 2;
    UpButton->setGeometry(0, 0, width(), upHeight);
    DownButton->setGeometry(0, upHeight, width(), height() - upHeight);
    QWidget::resizeEvent(event);
}

bool TUpDown::StepByKey(int key) {
    if (key == Qt::Key_Up) {
        SetPosition(Pos + 1);
        return true;
    }
    if (key == Qt::Key_Down) {
        SetPosition(Pos - 1);
        return true;
    }
    return false;
}

void TUpDown::keyPressEvent(QKeyEvent* event) {
    if (!StepByKey(event->key())) {
        QWidget::keyPressEvent(event);
    }
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Associate && event->type() == QEvent::KeyPress) {
        return StepByKey(static_cast<QKeyEvent*>(event)->key());
    }
    return QWidget::eventFilter(watched, event);
}

TNewGameForm::TNewGameForm(THelpSystem& help, QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, tr("Start New Game"), QSize(398, 241));

    // Created first so that it lies beneath the rows it encloses.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 8, 289, 225);

    // The controls are created in tab order: Player1, Computer1, Player2, ... then the number of
    // games and the buttons.
    for (int k = 1; k <= MaxPlayers; ++k) {
        const int offset = RowPitch * (k - 1);
        auto* label = new QLabel(tr("Player &%1").arg(k), this);
        label->setObjectName(QString("Label%1").arg(k));
        label->move(16, 24 + offset);
        label->adjustSize();

        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString("Player%1").arg(k));
        edit->setGeometry(72, 22 + offset, 120, 21);
        edit->setMaxLength(20);
        label->setBuddy(edit);
        PlayerEdits[k] = edit;

        auto* check = new QCheckBox(tr("Computer"), this);
        check->setObjectName(QString("Computer%1").arg(k));
        check->setGeometry(208, 24 + offset, 73, 17);
        // The fallback sans-serif is wider than the designed face; the caption must not be cut.
        check->resize(std::max(check->width(), check->sizeHint().width()), check->height());
        ComputerChecks[k] = check;
    }

    // In the free row between the players and the number of games: the computer players' pauses
    // a quarter as long.
    QuickComputerTurns = new QCheckBox(tr("&Quick computer turns"), this);
    QuickComputerTurns->setObjectName("QuickComputerTurns");
    QuickComputerTurns->move(16, 172);
    QuickComputerTurns->adjustSize();
    THelpSystem::SetHelpContext(QuickComputerTurns, 1026);
    help.InstallWhatsThisMenu(QuickComputerTurns);

    Label7 = new QLabel(tr("&Number Of Games"), this);
    Label7->setObjectName("Label7");
    Label7->move(16, 200);
    Label7->adjustSize();

    NoOfGamesEdit = new QLineEdit(this);
    NoOfGamesEdit->setObjectName("NoOfGamesEdit");
    NoOfGamesEdit->setGeometry(120, 198, 33, 21);
    NoOfGamesEdit->setReadOnly(true);
    Label7->setBuddy(NoOfGamesEdit);

    NoOfGames = new TUpDown(this);
    NoOfGames->setObjectName("NoOfGames");
    NoOfGames->setGeometry(153, 198, 15, 21);
    NoOfGames->SetRange(1, MaxGames);
    NoOfGames->SetPosition(MaxGames);
    NoOfGames->SetAssociate(NoOfGamesEdit);

    OkButton = AddDialogButton(*this, TDialogButton::Accept, "OkButton", tr("OK"), QPoint(312, 8));
    CancelButton =
        AddDialogButton(*this, TDialogButton::Cancel, "CancelButton", tr("Cancel"), QPoint(312, 40));
    // After Cancel in the tab order, under it: every computer player of the series plays the best
    // possible game.
    ExpertPlay = new QCheckBox(tr("&Expert play"), this);
    ExpertPlay->setObjectName("ExpertPlay");
    ExpertPlay->setGeometry(312, 72, 75, 17);
    ExpertPlay->resize(std::max(ExpertPlay->width(), ExpertPlay->sizeHint().width()), ExpertPlay->height());
    THelpSystem::SetHelpContext(ExpertPlay, 1025);
    help.InstallWhatsThisMenu(ExpertPlay);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewGameForm::Fill(const TNewGameContents& contents) {
    for (int k = 1; k <= MaxPlayers; ++k) {
        PlayerEdits[k]->setText(QString::fromStdString(contents.Rows[k].Name));
        ComputerChecks[k]->setChecked(contents.Rows[k].Computer);
    }
    NoOfGames->SetPosition(contents.NoOfGames);
    ExpertPlay->setChecked(contents.ExpertPlay);
    QuickComputerTurns->setChecked(contents.QuickComputerTurns);
}

TNewGameContents TNewGameForm::Contents() const {
    TNewGameContents contents;
    for (int k = 1; k <= MaxPlayers; ++k) {
        contents.Rows[k].Name = PlayerEdits[k]->text().toStdString();
        contents.Rows[k].Computer = ComputerChecks[k]->isChecked();
    }
    contents.NoOfGames = NoOfGames->Position();
    contents.ExpertPlay = ExpertPlay->isChecked();
    contents.QuickComputerTurns = QuickComputerTurns->isChecked();
    return contents;
}

void TNewGameForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    // Whatever had the focus when the dialog last closed, a new series starts with the first name.
    PlayerEdits[1]->setFocus(Qt::OtherFocusReason);
}

}  // namespace quintix
