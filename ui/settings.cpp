#include "ui/settings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quintix {

namespace {

constexpr int MaxNameLength = 20;  // what the new game dialog's name boxes take

// A name as the dialog could hold it: at most 20 characters, no line breaks or other controls.
std::optional<std::string> CheckedName(const QVariant& value) {
    if (!value.isValid() || value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    const QString name = value.toString();
    if (name.size() > MaxNameLength ||
        std::any_of(name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; })) {
        return std::nullopt;
    }
    return name.toStdString();
}

std::optional<int> CheckedInt(const QVariant& value, int low, int high) {
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok && number >= low && number <= high ? std::optional(number) : std::nullopt;
}

std::optional<bool> CheckedBool(const QVariant& value) {
    const QString text = value.toString();
    if (text == "true" || text == "1") {
        return true;
    }
    if (text == "false" || text == "0") {
        return false;
    }
    return std::nullopt;
}

// Whether a good part of the window's title bar would be on some screen, where a person can grab it.
bool OnSomeScreen(const QRect& frame) {
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(titleBar);
        if (seen.width() >= std::min(100, frame.width()) && seen.height() >= 8) {
            return true;
        }
    }
    return false;
}

}  // namespace

// Named outright, so that the file is ~/.config/Quintix/Quintix.conf on Linux whatever the
// application's organisation.
TSettings::TSettings()
    : Store(
          std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "Quintix", "Quintix")) {}

TSettings::TSettings(const QString& iniFile)
    : Store(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::optional<TNewGameContents> TSettings::NewGame() const {
    if (!Store->contains("NewGame/Games")) {
        return std::nullopt;
    }
    TNewGameContents contents;
    for (int row = 1; row <= MaxPlayers; ++row) {
        const QString prefix = QStringLiteral("NewGame/Player%1").arg(row);
        contents.Rows[row].Name = CheckedName(Store->value(prefix + "Name", QString())).value_or("");
        contents.Rows[row].Computer = CheckedBool(Store->value(prefix + "Computer")).value_or(false);
    }
    contents.NoOfGames = CheckedInt(Store->value("NewGame/Games"), 1, MaxGames).value_or(1);
    contents.ExpertPlay = CheckedBool(Store->value("NewGame/ExpertPlay")).value_or(false);
    contents.QuickComputerTurns = CheckedBool(Store->value("NewGame/QuickComputerTurns")).value_or(false);
    return contents;
}

void TSettings::SetNewGame(const TNewGameContents& contents) {
    for (int row = 1; row <= MaxPlayers; ++row) {
        const QString prefix = QStringLiteral("NewGame/Player%1").arg(row);
        Store->setValue(prefix + "Name", QString::fromStdString(contents.Rows[row].Name));
        Store->setValue(prefix + "Computer", contents.Rows[row].Computer);
    }
    Store->setValue("NewGame/Games", contents.NoOfGames);
    Store->setValue("NewGame/ExpertPlay", contents.ExpertPlay);
    Store->setValue("NewGame/QuickComputerTurns", contents.QuickComputerTurns);
}

// Qt's own record of a geometry carries the screen it was on and the maximised state; a record
// that does not read, or would put the title bar off every screen, is not used.
bool TSettings::RestoreWindow(QWidget& window, const QString& key) const {
    const QVariant saved = Store->value(key + "/Geometry");
    if (saved.typeId() != QMetaType::QByteArray) {
        return false;
    }
    const QRect before = window.geometry();
    const Qt::WindowStates states = window.windowState();
    if (!window.restoreGeometry(saved.toByteArray()) || window.width() < window.minimumWidth() ||
        window.height() < window.minimumHeight() || !OnSomeScreen(window.frameGeometry())) {
        window.setWindowState(states);
        window.setGeometry(before);
        return false;
    }
    return true;
}

void TSettings::KeepWindow(const QWidget& window, const QString& key) {
    Store->setValue(key + "/Geometry", window.saveGeometry());
}

bool TSettings::CoachOpen() const {
    return CheckedBool(Store->value("Coach/Open")).value_or(false);
}

void TSettings::SetCoachOpen(bool open) {
    Store->setValue("Coach/Open", open);
}

bool TSettings::Sync() {
    Store->sync();
    return Store->status() == QSettings::NoError;
}

}  // namespace quintix
