#pragma once

#include <QFrame>

#include "game/player.h"

namespace quintix {

// One die on the main window: a raised panel `Panel`n, 72 x 72 at the window's natural size,
// holding, back to front, the selection frame `Select`n (a 2-pixel square in the window-text
// colour that shows around a die marked to fall again) and the die picture `Dice`n, whose "Tag"
// property is n. Everything inside grows with the panel.
class TDiePanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int PanelSize = 72;

    TDiePanel(int number, QWidget* parent = nullptr);

    int Number() const { return DieNumber; }
    // Shows the face picture while the die has one to show, and the frame while it is marked.
    void ShowDie(const TDie& die);
    QWidget* Picture() const { return DiePicture; }
    QWidget* Frame() const { return SelectFrame; }
    // The face shown, 0 while the picture is hidden.
    int Face() const { return ShownFace; }
    // Whether the frame marks the die to roll again.
    bool Marked() const { return ShownMarked; }

signals:
    // A left click on the die picture; clicks on the panel or the frame around it do nothing.
    void Clicked(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int DieNumber;
    int ShownFace = 0;
    bool ShownMarked = false;
    QWidget* SelectFrame;
    QWidget* DiePicture;
    bool PressedOnPicture = false;
};

}  // namespace quintix
