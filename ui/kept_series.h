#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

#include "game/game_state.h"
#include "history/game_recorder.h"

namespace quintix {

// A series left when the program closed: where it stood, when it was left, and what the history
// had recorded of it and not yet stored.
struct TKeptSeries {
    QDateTime Left;
    TGameState Position;
    std::optional<TGameRecorder::TRecording> Recording;
};

// The kept series as a file (JSON, with a format number), and back. Decoding checks everything a
// game could not have made (a name too long, a face of 7, a player out of range, ...): such a file
// is damaged. `newer` says the file was written by a later program.
QByteArray EncodeKeptSeries(const TKeptSeries& kept);
std::optional<TKeptSeries> DecodeKeptSeries(const QByteArray& bytes, QString& why, bool& newer);

// Where the series is kept between runs: one file, written whole or not at all.
class TSeriesFile {
public:
    explicit TSeriesFile(QString path) : FilePath(std::move(path)) {}

    const QString& Path() const { return FilePath; }
    // False with the reason when the file could not be written; an older one stays as it was.
    bool Write(const TKeptSeries& kept, QString& why) const;
    // The kept series, or nothing. A file that cannot be used is set aside beside it with the date
    // in its name, and `problem` says so, once.
    std::optional<TKeptSeries> Read(QString& problem) const;
    // The series is over or refused: nothing is kept.
    void Discard() const;

private:
    QString FilePath;
};

}  // namespace quintix
