#include "ui/kept_series.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <array>

#include "history/decisions.h"

namespace quintix {

namespace {

constexpr int KeptFormat = 1;
constexpr int MaxNameLength = 20;

QJsonArray Dice(const TDiceValues& dice) {
    QJsonArray faces;
    for (const int face : dice) {
        faces.append(face);
    }
    return faces;
}

QJsonObject EncodeRecording(const TGameRecorder::TRecording& recording) {
    QJsonObject turns;
    for (int index = 1; index <= MaxPlayers; ++index) {
        const std::vector<std::uint8_t> bytes = EncodeDecisions(recording.Turns[index]);
        turns.insert(QString::number(index),
                     QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()))
                                             .toBase64()));
    }
    QJsonArray rolls;
    for (const TDiceValues& roll : recording.Turn.Rolls) {
        rolls.append(Dice(roll));
    }
    QJsonArray rerolls;
    for (const TDiceSet dice : recording.Turn.Rerolls) {
        rerolls.append(int{dice});
    }
    return {{"id", QString::fromStdString(recording.Series.Id)},
            {"started", static_cast<qint64>(recording.Series.Started)},
            {"games", recording.Series.NoOfGames},
            {"players", recording.Series.NoOfPlayers},
            {"turns", turns},
            {"rolls", rolls},
            {"rerolls", rerolls}};
}

// Reading fails at the first value a game could not have made.
class TReader {
public:
    explicit TReader(QString& why) : Why(why) {}

    int Int(const QJsonValue& value, int low, int high, const char* what) {
        const double number = value.toDouble(-1e9);
        if (!value.isDouble() || number != static_cast<int>(number) || number < low || number > high) {
            return Fail(what), low;
        }
        return static_cast<int>(number);
    }
    bool Bool(const QJsonValue& value, const char* what) {
        if (!value.isBool()) {
            Fail(what);
        }
        return value.toBool();
    }
    QJsonArray Array(const QJsonValue& value, qsizetype size, const char* what) {
        if (!value.isArray() || (size >= 0 && value.toArray().size() != size)) {
            Fail(what);
            return QJsonArray();
        }
        return value.toArray();
    }
    TDiceValues Dice(const QJsonValue& value) {
        const QJsonArray faces = Array(value, NoOfDice, "dice");
        TDiceValues dice{};
        for (int die = 1; die <= NoOfDice && Ok(); ++die) {
            dice[die] = Int(faces[die - 1], 1, NoOfFaces, "a face");
        }
        return dice;
    }
    void Fail(const char* what) {
        if (Why.isEmpty()) {
            Why = QStringLiteral("impossible %1").arg(QString::fromLatin1(what));
        }
    }
    bool Ok() const { return Why.isEmpty(); }

private:
    QString& Why;
};

std::optional<TGameRecorder::TRecording> DecodeRecording(const QJsonObject& object, TReader& read) {
    TGameRecorder::TRecording recording;
    recording.Series.Id = object["id"].toString().toStdString();
    recording.Series.Started = static_cast<std::int64_t>(object["started"].toDouble());
    recording.Series.NoOfGames = read.Int(object["games"], 1, MaxGames, "number of games");
    recording.Series.NoOfPlayers = read.Int(object["players"], 1, MaxPlayers, "number of players");
    if (recording.Series.Id.empty() || recording.Series.Id.size() > 64) {
        read.Fail("series id");
    }
    const QJsonObject turns = object["turns"].toObject();
    for (int index = 1; index <= MaxPlayers && read.Ok(); ++index) {
        const QByteArray bytes = QByteArray::fromBase64(turns[QString::number(index)].toString().toLatin1());
        std::string error;
        const auto decoded =
            DecodeDecisions(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())),
                            error);
        if (!decoded) {
            read.Fail("decisions");
        } else {
            recording.Turns[index] = *decoded;
        }
    }
    for (const QJsonValue& roll : read.Array(object["rolls"], -1, "rolls")) {
        recording.Turn.Rolls.push_back(read.Dice(roll));
    }
    for (const QJsonValue& dice : read.Array(object["rerolls"], -1, "rerolls")) {
        recording.Turn.Rerolls.push_back(
            static_cast<TDiceSet>(read.Int(dice, 1, AllDice, "dice rolled again")));
    }
    if (recording.Turn.Rolls.size() > MaxRolls ||
        recording.Turn.Rerolls.size() + 1 < recording.Turn.Rolls.size() ||
        recording.Turn.Rerolls.size() > recording.Turn.Rolls.size()) {
        read.Fail("turn");
    }
    return read.Ok() ? std::optional(recording) : std::nullopt;
}

// Whether the sheets, the order and the turn are a position a series can be in.
bool Plausible(const TGameState& s) {
    std::array<bool, MaxPlayers + 1> seen{};
    for (int position = 1; position <= s.NoOfPlayers; ++position) {
        const TPlayer& player = s.Players[position];
        if (player.Name.empty() || player.ScoreIndex < 1 || player.ScoreIndex > s.NoOfPlayers ||
            seen[static_cast<std::size_t>(player.ScoreIndex)]) {
            return false;
        }
        seen[static_cast<std::size_t>(player.ScoreIndex)] = true;
    }
    const bool person = !s.Players[s.CurrentPlayer].Computer;
    const bool landed =
        std::all_of(s.Dice.begin(), s.Dice.end(), [](const TDie& die) { return die.Value != NoValue; });
    const auto marked =
        std::count_if(s.Dice.begin(), s.Dice.end(), [](const TDie& die) { return die.SelectShown; });
    switch (s.Stage) {
        case TTurnStage::AwaitingChoice:
            return person && landed && s.RollCount >= 1 && marked == s.SelectedCount &&
                   (s.RollCount < MaxRolls || marked == 0);
        case TTurnStage::ComputerDeciding:
            return !person && landed && s.RollCount >= 1 && marked == 0;
        default:
            return marked == 0;
    }
}

}  // namespace

QByteArray EncodeKeptSeries(const TKeptSeries& kept) {
    const TGameState& s = kept.Position;
    QJsonArray players;
    for (int position = 1; position <= s.NoOfPlayers; ++position) {
        const TPlayer& player = s.Players[position];
        players.append(QJsonObject{{"name", QString::fromStdString(player.Name)},
                                   {"computer", player.Computer},
                                   {"index", player.ScoreIndex},
                                   {"key", player.SortKey}});
    }
    QJsonArray dice;
    for (const TDie& die : s.Dice) {
        dice.append(QJsonArray{die.Value, die.ImageShown, die.SelectShown});
    }
    QJsonArray sheets;
    for (int index = 1; index <= s.NoOfPlayers; ++index) {
        QJsonArray games;
        for (const TGameScore& sheet : s.Scores[index]) {
            QJsonArray lines;
            for (const std::int32_t value : sheet.Lines) {
                lines.append(value);
            }
            games.append(QJsonObject{{"lines", lines}, {"bonus", sheet.Bonus}});
        }
        sheets.append(games);
    }
    QJsonObject object{{"format", KeptFormat},
                       {"left", kept.Left.toUTC().toString(Qt::ISODate)},
                       {"players", players},
                       {"games", s.NoOfGames},
                       {"expert", s.ExpertPlay},
                       {"game", s.CurrentGame},
                       {"turn", s.Turn},
                       {"onTurn", s.CurrentPlayer},
                       {"rolls", s.RollCount},
                       {"marked", s.SelectedCount},
                       {"stage", static_cast<int>(s.Stage)},
                       {"caption", QString::fromStdString(s.SummaryCaption)},
                       {"dice", dice},
                       {"sheets", sheets}};
    if (kept.Recording) {
        object.insert("recording", EncodeRecording(*kept.Recording));
    }
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<TKeptSeries> DecodeKeptSeries(const QByteArray& bytes, QString& why, bool& newer) {
    why.clear();
    newer = false;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (!document.isObject()) {
        why = QStringLiteral("not a kept series: %1").arg(error.errorString());
        return std::nullopt;
    }
    const QJsonObject object = document.object();
    TReader read(why);
    const int format = read.Int(object["format"], 1, 1000000, "format");
    if (read.Ok() && format > KeptFormat) {
        newer = true;
        why = QStringLiteral("written by a newer program (format %1)").arg(format);
        return std::nullopt;
    }
    TKeptSeries kept;
    kept.Left = QDateTime::fromString(object["left"].toString(), Qt::ISODate);
    if (!kept.Left.isValid()) {
        read.Fail("date");
    }
    TGameState& s = kept.Position;
    const QJsonArray players = read.Array(object["players"], -1, "players");
    s.NoOfPlayers = read.Int(static_cast<int>(players.size()), 1, MaxPlayers, "number of players");
    s.NoOfGames = read.Int(object["games"], 1, MaxGames, "number of games");
    s.ExpertPlay = read.Bool(object["expert"], "expert play");
    s.CurrentGame = read.Int(object["game"], 0, s.NoOfGames + 1, "game");
    s.Turn = read.Int(object["turn"], 1, TurnsPerGame, "turn");
    s.CurrentPlayer = read.Int(object["onTurn"], 1, s.NoOfPlayers, "player on turn");
    s.RollCount = read.Int(object["rolls"], 0, MaxRolls, "roll");
    s.SelectedCount = read.Int(object["marked"], 0, NoOfDice, "marks");
    s.Stage = static_cast<TTurnStage>(
        read.Int(object["stage"], 0, static_cast<int>(TTurnStage::AwaitingSummary), "stage"));
    s.SummaryCaption = object["caption"].toString().toStdString();
    if (s.SummaryCaption != "Series Summary" && s.SummaryCaption != "Initial Order") {
        read.Fail("caption");
    }
    for (int position = 1; position <= s.NoOfPlayers && read.Ok(); ++position) {
        const QJsonObject player = players[position - 1].toObject();
        const QString name = player["name"].toString();
        if (name.size() > MaxNameLength || name.trimmed().isEmpty()) {
            read.Fail("name");
        }
        s.Players[position] = {name.toStdString(), read.Bool(player["computer"], "computer"),
                               read.Int(player["index"], 1, s.NoOfPlayers, "player"),
                               read.Int(player["key"], -1000000, 1000000, "order")};
    }
    const QJsonArray dice = read.Array(object["dice"], NoOfDice, "dice");
    for (int die = 1; die <= NoOfDice && read.Ok(); ++die) {
        const QJsonArray parts = read.Array(dice[die - 1], 3, "die");
        s.Dice[die] = {read.Int(parts[0], NoValue, NoOfFaces, "face"), read.Bool(parts[1], "die"),
                       read.Bool(parts[2], "mark")};
        if (s.Dice[die].Value == 0) {
            read.Fail("face");
        }
    }
    const QJsonArray sheets = read.Array(object["sheets"], s.NoOfPlayers, "sheets");
    for (int index = 1; index <= s.NoOfPlayers && read.Ok(); ++index) {
        const QJsonArray games = read.Array(sheets[index - 1], MaxGames, "games");
        for (int game = 1; game <= MaxGames && read.Ok(); ++game) {
            const QJsonObject sheet = games[game - 1].toObject();
            const QJsonArray lines = read.Array(sheet["lines"], NoOfLines, "sheet");
            for (int line = 0; line < NoOfLines && read.Ok(); ++line) {
                s.Scores[index][game].Lines[static_cast<std::size_t>(line)] =
                    read.Int(lines[line], NoValue, 50, "line value");
            }
            s.Scores[index][game].Bonus = read.Int(sheet["bonus"], 0, 1200, "bonus");
        }
    }
    if (read.Ok() && !Plausible(s)) {
        read.Fail("position");
    }
    if (read.Ok() && object.contains("recording")) {
        kept.Recording = DecodeRecording(object["recording"].toObject(), read);
    }
    return read.Ok() ? std::optional(kept) : std::nullopt;
}

bool TSeriesFile::Write(const TKeptSeries& kept, QString& why) const {
    QDir().mkpath(QFileInfo(FilePath).absolutePath());
    QSaveFile file(FilePath);
    const QByteArray bytes = EncodeKeptSeries(kept);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

std::optional<TKeptSeries> TSeriesFile::Read(QString& problem) const {
    problem.clear();
    QFile file(FilePath);
    if (!file.exists()) {
        return std::nullopt;
    }
    QString why;
    bool newer = false;
    std::optional<TKeptSeries> kept;
    if (file.open(QIODevice::ReadOnly)) {
        kept = DecodeKeptSeries(file.readAll(), why, newer);
        file.close();
    } else {
        why = file.errorString();
    }
    if (kept) {
        return kept;
    }
    QString aside = QStringLiteral("%1.%2-%3")
                        .arg(FilePath, newer ? "newer" : "damaged",
                             QDateTime::currentDateTimeUtc().toString("yyyy-MM-ddTHHmmss"));
    // Numbered when that name is taken, so that nothing set aside before is overwritten.
    for (int n = 2; QFile::exists(aside); ++n) {
        aside = aside.section('~', 0, 0) + QStringLiteral("~%1").arg(n);
    }
    problem =
        QFile::rename(FilePath, aside)
            ? QCoreApplication::translate(
                  "quintix::TSeriesFile",
                  "The series kept from the last time cannot be continued (%1). It was moved to %2.")
                  .arg(why, QDir::toNativeSeparators(aside))
            : QCoreApplication::translate("quintix::TSeriesFile",
                                          "The series kept from the last time cannot be continued (%1).")
                  .arg(why);
    return std::nullopt;
}

void TSeriesFile::Discard() const {
    QFile::remove(FilePath);
}

}  // namespace quintix
