#pragma once

#include <QIcon>

namespace quintix {

// The pictures left of the main window's button captions, drawn by the program so they are sharp
// at every size; each has a greyed disabled state.
enum class TButtonPicture {
    NewGame,
    RollDice,
    Score,
    Possibilities,
    Series,
    Print,
    Help,
    Exit,
    Coach,
    Statistics
};

QIcon ButtonIcon(TButtonPicture picture);

}  // namespace quintix
