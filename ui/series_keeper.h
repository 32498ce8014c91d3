#pragma once

#include <QObject>

#include "base/observers.h"
#include "game/game_events.h"

class QWidget;

namespace quintix {

class IMessages;
class TGameRecorder;
class TQuintixGame;
class TSeriesFile;

// Keeps the series in progress in a file, so that closing the window, a crash or a power cut loses
// at most the turn in progress: after every scored line, and when the window closes during a
// series. At the next start it offers to continue. A series that ends is no longer kept.
class TSeriesKeeper : public QObject, public IGameEvents {
    Q_OBJECT

public:
    // The recorder, if any, goes on recording a series that is continued.
    TSeriesKeeper(TQuintixGame& game, TGameRecorder* recorder, TSeriesFile& file, IMessages& messages,
                  QObject* parent = nullptr);

    // Writes the series as it last rested; a failure is told once.
    void Keep();
    // At start: a kept series is offered ("Continue the series you left on DATE?"); Yes puts it
    // back, No discards it. A file that cannot be used is set aside and the player told.
    void Offer(QWidget* parent);

    void SeriesStarted() override;
    void LineScored(int line, std::int32_t value, std::int32_t bonus) override;
    void ScoreUndone(int line) override;
    void SeriesEnded() override;

private:
    TQuintixGame& Game;
    TGameRecorder* Recorder;
    TSeriesFile& File;
    IMessages& Messages;
    TSubscription Following;
    bool FailureTold = false;
};

}  // namespace quintix
