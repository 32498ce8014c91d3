#include "ui/prob_test_form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>

#include "ui/dialog_frame.h"
#include "ui/quintix_application.h"
#include "ui/translations.h"

namespace quintix {

namespace {

constexpr int EditHeight = 21;
constexpr int GroupPitch = 48;

class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Made apart from StrToInt: lupdate loses the namespace of a function whose result type is qualified
// (std::int32_t), and would file the text under a context the program never asks.
QString NotAnInteger(const QString& text) {
    return TProbTestForm::tr("'%1' is not a valid integer value").arg(text);
}

// The whole text must be one 32-bit integer: an optional sign and decimal digits, with white space
// allowed around them. Anything else, an empty box included, is refused with the text as typed.
std::int32_t StrToInt(const QString& text) {
    const QString number = text.trimmed();
    qsizetype at = 0;
    const bool negative = number.startsWith('-');
    if (negative || number.startsWith('+')) {
        ++at;
    }
    // The most negative value has no positive counterpart, so the magnitude may go one further.
    const std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
    std::int64_t value = 0;
    bool valid = at < number.size();
    for (; valid && at < number.size(); ++at) {
        const char16_t c = number[at].unicode();
        valid = c >= u'0' && c <= u'9';
        if (valid) {
            value = value * 10 + (c - u'0');
            valid = value <= limit;
        }
    }
    if (!valid) {
        throw EConvertError(NotAnInteger(text).toStdString());
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// Four decimals with at least one digit before the point. A tiny negative value (only possible with
// negative faces) rounds to zero, which reads better without its sign.
QString FormatProbability(double probability) {
    QString text = QString::number(probability, 'f', 4);
    if (text == "-0.0000") {
        text.remove(0, 1);
    }
    return text.replace('.', NumberLocale().decimalPoint());
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QLineEdit* AddEdit(QWidget* parent, const QString& name, int left, int top, int width) {
    auto* edit = new QLineEdit("0", parent);
    edit->setObjectName(name);
    edit->setGeometry(left, top, width, EditHeight);
    return edit;
}

}  // namespace

TProbTestForm::TProbTestForm(QWidget* parent) : QWidget(parent) {
    setObjectName("ProbTestForm");
    SetUpWindow(*this, Qt::Window, tr("ProbTestForm"));
    setGeometry(200, 105, 435, 300);

    Label1 = AddLabel(this, "Label1", tr("Rolled"), 32, 16);
    Rolled = AddEdit(this, "Rolled", 120, 8, 73);
    Label2 = AddLabel(this, "Label2", tr("NoOfGroups"), 32, 48);
    NoOfGroups = AddEdit(this, "NoOfGroups", 120, 40, 73);

    RandomInclusive = new QCheckBox(tr("RandomInclusive"), this);
    RandomInclusive->setObjectName("RandomInclusive");
    RandomInclusive->setGeometry(248, 16, 97, 17);
    // The fallback sans-serif is wider than the designed face; the caption must not be cut.
    RandomInclusive->resize(std::max(RandomInclusive->width(), RandomInclusive->sizeHint().width()),
                            RandomInclusive->height());

    Label3 = AddLabel(this, "Label3", tr("Needed"), 32, 96);
    Label4 = AddLabel(this, "Label4", tr("PossibleValues"), 32, 136);
    FormCreate();

    Label5 = AddLabel(this, "Label5", tr("Probability", "the caption before the result"), 32, 176);
    Probability = new QLabel(tr("Probability"), this);
    Probability->setObjectName("Probability");
    Probability->setGeometry(120, 176, 185, 13);

    Button1 = new QPushButton(tr("Calculate"), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(168, 224, 75, 25);
    connect(Button1, &QPushButton::clicked, this, Handled([this] { Button1Click(); }));

    // Each group's two boxes follow one another, so a group is typed in before the next.
    setTabOrder(Rolled, NoOfGroups);
    setTabOrder(NoOfGroups, RandomInclusive);
    QWidget* previous = RandomInclusive;
    for (int i = 1; i <= MaxGroups; ++i) {
        setTabOrder(previous, NeededEdits[i]);
        setTabOrder(NeededEdits[i], PossibleValuesEdits[i]);
        previous = PossibleValuesEdits[i];
    }
    setTabOrder(previous, Button1);
}

// The boxes of the groups, in a row each, reached by group number.
void TProbTestForm::FormCreate() {
    for (int i = 1; i <= MaxGroups; ++i) {
        const int left = 120 + GroupPitch * (i - 1);
        NeededEdits[i] = AddEdit(this, QString("Needed%1").arg(i), left, 88, 41);
        PossibleValuesEdits[i] = AddEdit(this, QString("PossibleValues%1").arg(i), left, 128, 41);
    }
}

// The boxes are read in this order and the first bad one stops the calculation, so which box a
// message names when several are bad depends on it: the groups come before the dice rolled.
void TProbTestForm::Button1Click() {
    TCombination combination;
    combination.RandomInclusive = RandomInclusive->isChecked();
    combination.NoOfGroups = StrToInt(NoOfGroups->text());
    combination.Rolled = StrToInt(Rolled->text());
    for (int i = 1; i <= MaxGroups; ++i) {
        combination.Needed[i] = StrToInt(NeededEdits[i]->text());
        combination.PossibleValues[i] = StrToInt(PossibleValuesEdits[i]->text());
    }
    Probability->setText(FormatProbability(combination.Probability()));
}

}  // namespace quintix
