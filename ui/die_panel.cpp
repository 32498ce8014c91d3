#include "ui/die_panel.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "ui/dice_images.h"

namespace quintix {

namespace {

constexpr int FrameInset = 2;
constexpr int FrameSize = 68;
constexpr int FramePen = 2;
constexpr int PictureInset = 4;

// The marking frame: a square in the button-face colour with a black border, of which only the
// border shows around the die picture lying on it.
class TSelectFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(QPen(Qt::black, FramePen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const qreal half = FramePen / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
};

}  // namespace

TDiePanel::TDiePanel(int number, QWidget* parent)
    : QFrame(parent), DieNumber(number), SelectFrame(new TSelectFrame(this)), DiePicture(new QLabel(this)) {
    setObjectName(QStringLiteral("Panel%1").arg(number));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setFixedSize(PanelSize, PanelSize);
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    SelectFrame->setObjectName(QStringLiteral("Select%1").arg(number));
    SelectFrame->setGeometry(FrameInset, FrameInset, FrameSize, FrameSize);
    SelectFrame->hide();

    DiePicture->setObjectName(QStringLiteral("Dice%1").arg(number));
    DiePicture->setProperty("Tag", number);
    DiePicture->setGeometry(PictureInset, PictureInset, DiceImageSize, DiceImageSize);
    DiePicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DiePicture->hide();
    DiePicture->installEventFilter(this);
    DiePicture->raise();
}

QWidget* TDiePanel::Picture() const {
    return DiePicture;
}

void TDiePanel::ShowDie(const TDie& die) {
    const bool hasFace = die.ImageShown && die.Value >= 1 && die.Value <= NoOfFaces;
    if (hasFace) {
        DiePicture->setPixmap(DiceImage(die.Value));
    }
    DiePicture->setVisible(hasFace);
    SelectFrame->setVisible(die.SelectShown);
}

bool TDiePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != DiePicture) {
        return QFrame::eventFilter(watched, event);
    }
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease) {
        return QFrame::eventFilter(watched, event);
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) {
        return QFrame::eventFilter(watched, event);
    }
    // A double-click counts as one click, not two: only a plain press arms the click, so a
    // quick second click on the same die does not undo the first.
    if (type == QEvent::MouseButtonRelease) {
        const bool click = PressedOnPicture && DiePicture->rect().contains(mouse->position().toPoint());
        PressedOnPicture = false;
        if (click) {
            emit Clicked(DieNumber);
        }
    } else {
        PressedOnPicture = type == QEvent::MouseButtonPress;
    }
    return true;
}

}  // namespace quintix
