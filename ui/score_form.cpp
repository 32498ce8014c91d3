#include "ui/score_form.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "ui/dialog_frame.h"
#include "ui/translations.h"
#include "ui/window_look.h"

namespace quintix {

namespace {

// Thirteen items of this height fill the list exactly, so every open line shows without scrolling.
constexpr int ItemHeight = 13;

}  // namespace

TScoreForm::TScoreForm(QWidget* parent) : QDialog(parent) {
    SetUpDialog(*this, tr("Score"), QSize(245, 218));

    GroupBox1 = new QGroupBox(tr("Scoring &Line"), this);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(8, 8, 137, 202);

    ScoringList = new QListWidget(GroupBox1);
    ScoringList->setObjectName("ScoringList");
    ScoringList->setGeometry(8, 16, 121, 178);
    ScoringList->setSelectionMode(QAbstractItemView::SingleSelection);
    ScoringList->setUniformItemSizes(true);
    connect(ScoringList, &QListWidget::itemDoubleClicked, this, &TScoreForm::ScoringListDblClick);

    ScoreButton = AddDialogButton(*this, TDialogButton::Accept, "ScoreButton", tr("&Score"), QPoint(160, 8));
    CancelButton =
        AddDialogButton(*this, TDialogButton::Cancel, "CancelButton", tr("Cancel"), QPoint(160, 40));
    connect(ScoreButton, &QPushButton::clicked, this, &TScoreForm::ScoreButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TScoreForm::Fill(const std::vector<std::string>& labels) {
    ScoringList->clear();
    for (const std::string& label : labels) {
        auto* item = new QListWidgetItem(CoreText(label), ScoringList);
        item->setSizeHint(QSize(0, ItemHeight));
    }
    // The dialog opens with the first open line selected, so that Enter alone scores it: the
    // quickest choice for a player who knows the first line is the one wanted.
    if (ScoringList->count() > 0) {
        ScoringList->setCurrentRow(0);
    }
}

void TScoreForm::ScoreButtonClick() {
    for (int i = 0; i < ScoringList->count(); ++i) {
        if (ScoringList->item(i)->isSelected()) {
            emit ScoreFromList(i);
            break;
        }
    }
    accept();
}

void TScoreForm::ScoringListDblClick(QListWidgetItem* /*item*/) {
    // The first click of the double-click has selected the item; scoring goes by the selection.
    setResult(QDialog::Accepted);
    ScoreButtonClick();
}

void TScoreForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    ScoringList->setFocus(Qt::OtherFocusReason);
}

}  // namespace quintix
