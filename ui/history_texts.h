#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <cstdint>

#include "history/game_record.h"

namespace quintix {

// How the history's windows write what the history holds.
class THistoryTexts {
    Q_DECLARE_TR_FUNCTIONS(quintix::THistoryTexts)

public:
    // A time the history keeps, in the local time of the desktop.
    static QString When(std::int64_t unixSeconds) {
        return QDateTime::fromSecsSinceEpoch(unixSeconds).toString("yyyy-MM-dd hh:mm");
    }
    static QString Kind(TPlayerKind kind) {
        switch (kind) {
            case TPlayerKind::Person:
                return tr("person");
            case TPlayerKind::Computer:
                return tr("computer");
            case TPlayerKind::ExpertComputer:
                return tr("expert computer");
        }
        return {};
    }
    static QString GameOf(std::int32_t game, std::int32_t games) {
        return tr("%1 of %2").arg(game).arg(games);
    }
};

}  // namespace quintix
