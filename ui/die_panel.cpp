#include "ui/die_panel.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/die_accessible.h"
#include "ui/die_picture.h"

namespace quintix {

namespace {

// At the natural size: the frame 2 pixels in, 68 across, with a 2-pixel border; the picture on top
// of it 4 pixels in, so a shown frame is seen as a border around the die.
constexpr int FrameInset = 2;
constexpr int FrameSize = 68;
constexpr double FramePen = 2;
constexpr int PictureInset = 4;

// The marking frame: a square in the button-face colour with a border in the window-text colour,
// of which only the border shows around the die picture lying on it.
class TSelectFrame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        const double pen = FramePen * width() / FrameSize;
        painter.setPen(
            QPen(palette().color(QPalette::WindowText), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const qreal half = pen / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
};

// The die picture: the face its panel shows, painted at the picture's size.
class TDieFace : public QWidget {
public:
    explicit TDieFace(TDiePanel* panel) : QWidget(panel), Panel(*panel) {}

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        PaintDie(painter, QRectF(rect()), Panel.Face());
    }

private:
    const TDiePanel& Panel;
};

QRect Scaled(int inset, int size, double scale) {
    const int at = static_cast<int>(std::lround(inset * scale));
    const int side = static_cast<int>(std::lround((inset + size) * scale)) - at;
    return {at, at, side, side};
}

}  // namespace

TDiePanel::TDiePanel(int number, QWidget* parent)
    : QFrame(parent), DieNumber(number), SelectFrame(new TSelectFrame(this)), DiePicture(new TDieFace(this)) {
    setObjectName(QStringLiteral("Panel%1").arg(number));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    resize(PanelSize, PanelSize);
    setFocusPolicy(Qt::NoFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    SelectFrame->setObjectName(QStringLiteral("Select%1").arg(number));
    SelectFrame->hide();

    DiePicture->setObjectName(QStringLiteral("Dice%1").arg(number));
    DiePicture->setProperty("Tag", number);
    DiePicture->hide();
    DiePicture->installEventFilter(this);
    DiePicture->raise();
}

void TDiePanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const double scale = static_cast<double>(width()) / PanelSize;
    setLineWidth(std::max(1, static_cast<int>(std::lround(scale))));
    SelectFrame->setGeometry(Scaled(FrameInset, FrameSize, scale));
    DiePicture->setGeometry(Scaled(PictureInset, DiePictureSize, scale));
}

void TDiePanel::ShowDie(const TDie& die) {
    const bool hasFace = die.ImageShown && die.Value >= 1 && die.Value <= NoOfFaces;
    const int face = hasFace ? die.Value : 0;
    const bool changed = face != ShownFace || die.SelectShown != ShownMarked;
    if (face != ShownFace) {
        ShownFace = face;
        DiePicture->update();
    }
    ShownMarked = die.SelectShown;
    DiePicture->setVisible(hasFace);
    SelectFrame->setVisible(die.SelectShown);
    if (changed) {
        DieChanged(*this);
    }
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
