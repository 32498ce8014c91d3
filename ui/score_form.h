#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quintix {

// Lists the open lines of the player on turn; the player picks one to score the dice there. The
// dialog knows nothing of lines: it reports the index of the chosen item, and the main window maps
// it to a line through the game's offered lines.
class TScoreForm : public QDialog {
    Q_OBJECT

public:
    explicit TScoreForm(QWidget* parent = nullptr);

    // Replaces the list with the given line labels (the core's English, shown translated), in order,
    // and selects the first.
    void Fill(const std::vector<std::string>& labels);

    QGroupBox* GroupBox1;
    QListWidget* ScoringList;
    QPushButton* ScoreButton;
    QPushButton* CancelButton;

signals:
    // The item chosen; emitted while the dialog is still open, just before it closes with OK.
    void ScoreFromList(int index);

public slots:
    // Scores the first selected item, if any, and closes the dialog with OK either way.
    void ScoreButtonClick();
    void ScoringListDblClick(QListWidgetItem* item);

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace quintix
