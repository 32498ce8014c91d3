#include "ui/series_keeper.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>
#include <QTimer>

#include "game/quintix_game.h"
#include "history/game_recorder.h"
#include "ui/kept_series.h"
#include "ui/message_box.h"

namespace quintix {

TSeriesKeeper::TSeriesKeeper(TQuintixGame& game, TGameRecorder* recorder, TSeriesFile& file,
                             IMessages& messages, QObject* parent)
    : QObject(parent),
      Game(game),
      Recorder(recorder),
      File(file),
      Messages(messages),
      Following(game.Subscribe(*this)) {}

void TSeriesKeeper::Keep() {
    const TPhase phase = Game.Phase();
    if (phase != TPhase::RollForOrder && phase != TPhase::Playing) {
        return;
    }
    TKeptSeries kept{QDateTime::currentDateTime(), Game.KeptPosition(), std::nullopt};
    if (Recorder != nullptr) {
        kept.Recording = Recorder->Kept(kept.Position.RollCount);
    }
    QString why;
    if (File.Write(kept, why)) {
        FailureTold = false;
    } else if (!std::exchange(FailureTold, true)) {
        Messages.Error(nullptr, tr("The series could not be kept in %1: %2").arg(File.Path(), why));
    }
}

// A new series replaces the one kept, even before its first score.
void TSeriesKeeper::SeriesStarted() {
    QTimer::singleShot(0, this, [this] {
        if (Game.Phase() == TPhase::NoSeries) {
            File.Discard();
        } else {
            Keep();
        }
    });
}

// The line is scored inside the game's step; the turn has passed once the step is over.
void TSeriesKeeper::LineScored(int /*line*/, std::int32_t /*value*/, std::int32_t /*bonus*/) {
    QTimer::singleShot(0, this, [this] { Keep(); });
}

void TSeriesKeeper::ScoreUndone(int /*line*/) {
    Keep();
}

void TSeriesKeeper::SeriesEnded() {
    File.Discard();
}

void TSeriesKeeper::Offer(QWidget* parent) {
    QString problem;
    const std::optional<TKeptSeries> kept = File.Read(problem);
    if (!problem.isEmpty()) {
        Messages.Error(parent, problem);
    }
    if (!kept) {
        return;
    }
    QStringList names;
    for (int position = 1; position <= kept->Position.NoOfPlayers; ++position) {
        names << QString::fromStdString(kept->Position.Players[position].Name);
    }
    const QString date = QLocale().toString(kept->Left.toLocalTime(), QLocale::ShortFormat);
    // Each piece goes in by itself: a name may hold "%1" and must stay as typed.
    const QString question =
        tr("Continue the series you left on %1?").arg(date) + "\n\n" + names.join(QStringLiteral(", "));
    if (!Messages.Confirm(parent, tr("Continue Series"), question)) {
        File.Discard();
        return;
    }
    Game.ResumePosition(kept->Position);
    if (Recorder != nullptr && kept->Recording) {
        Recorder->Continue(*kept->Recording);
    }
}

}  // namespace quintix
