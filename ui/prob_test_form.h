#pragma once

#include <QWidget>

#include "base/one_based.h"
#include "computer/combination.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quintix {

// A window for trying the probability engine by hand: the boxes hold the fields of one pattern and
// "Calculate" shows its probability. The program creates it hidden and never shows it itself.
class TProbTestForm : public QWidget {
    Q_OBJECT

public:
    explicit TProbTestForm(QWidget* parent = nullptr);

    // Reads the boxes into a fresh pattern and shows its probability. A box that is no integer, or a
    // pattern the engine refuses, throws; the result stays as it was, and the application's
    // top-level handler shows the message.
    void Button1Click();

    QLabel* Label1;
    QLineEdit* Rolled;
    QLabel* Label2;
    QLineEdit* NoOfGroups;
    QCheckBox* RandomInclusive;
    QLabel* Label3;
    QLabel* Label4;
    // The boxes of group i, Needed<i> and PossibleValues<i>.
    OneBased<QLineEdit*, MaxGroups> NeededEdits{};
    OneBased<QLineEdit*, MaxGroups> PossibleValuesEdits{};
    QLabel* Label5;
    QLabel* Probability;
    QPushButton* Button1;

private:
    void FormCreate();
};

}  // namespace quintix
