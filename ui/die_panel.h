#pragma once

#include <QFrame>

#include "game/player.h"

class QLabel;

namespace quintix {

// One die on the main window: a raised 72 x 72 panel `Panel`n holding, back to front, the
// selection frame `Select`n (a black 2-pixel square that shows around a die marked to fall
// again) and the 64 x 64 die picture `Dice`n, whose "Tag" property is n.
class TDiePanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int PanelSize = 72;

    TDiePanel(int number, QWidget* parent = nullptr);

    int Number() const { return DieNumber; }
    // Shows the face picture while the die has one to show, and the frame while it is marked.
    void ShowDie(const TDie& die);
    QWidget* Picture() const;
    QWidget* Frame() const { return SelectFrame; }

signals:
    // A left click on the die picture; clicks on the panel or the frame around it do nothing.
    void Clicked(int number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int DieNumber;
    QWidget* SelectFrame;
    QLabel* DiePicture;
    bool PressedOnPicture = false;
};

}  // namespace quintix
