#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <Qt>

class QDialog;
class QPushButton;
class QWidget;

namespace quintix {

// A window's frame as the game shows it: its flags, its title and the window font.
void SetUpWindow(QWidget& window, Qt::WindowFlags flags, const QString& title);

// A dialog of the game: a title bar with the close button only, the window font, and a size that
// never changes.
void SetUpDialog(QDialog& dialog, const QString& title, QSize size);

// The button that accepts a dialog, which Enter presses, or the one that cancels it.
enum class TDialogButton { Accept, Cancel };

// A 75 x 25 button of the dialog with its top left corner at `at`. It carries the style's OK or
// Cancel picture where the style puts pictures on dialog buttons.
QPushButton* AddDialogButton(QDialog& dialog, TDialogButton kind, const char* name, const QString& caption,
                             QPoint at);

}  // namespace quintix
