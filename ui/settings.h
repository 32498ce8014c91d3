#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

#include "game/quintix_game.h"

class QWidget;

namespace quintix {

// What the program remembers between runs, in the platform's native place (QSettings): the new
// game dialog's last contents, where the main window and the coach's window were, and whether the
// coach was open. Every value is read on its own and checked: one that cannot be read or means
// nothing is ignored, and the design's default stands.
class TSettings {
public:
    // The program's settings, where the platform keeps them.
    TSettings();
    // Settings in an INI file of their own: for tests and tools, which never touch the real ones.
    explicit TSettings(const QString& iniFile);

    // The last contents of the new game dialog, or nothing when none are remembered.
    std::optional<TNewGameContents> NewGame() const;
    void SetNewGame(const TNewGameContents& contents);

    // Puts the window where it was left, on a screen; false (and the window untouched) when no
    // place is remembered or it cannot be used.
    bool RestoreWindow(QWidget& window, const QString& key) const;
    void KeepWindow(const QWidget& window, const QString& key);

    bool CoachOpen() const;
    void SetCoachOpen(bool open);

    // Writes what is pending to the store; false with the store's reason when it could not.
    bool Sync();

private:
    std::unique_ptr<QSettings> Store;
};

}  // namespace quintix
