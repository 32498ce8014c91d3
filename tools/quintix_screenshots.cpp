// quintix-screenshots: renders the main window (a game in progress with the possible values shown),
// the coach, the new game dialog, the score dialog, the series summary, the print preview, the
// coach beside the main window filling a large screen, and the statistics and a game's review over
// a history of its own making to PNG files,
// and the score sheets to a PDF file, on any Qt platform (offscreen included), so the windows can
// be looked at without a desktop. A file that cannot be written whole is named with the reason on
// standard error, and the tool then exits with 1.
//
// Usage: quintix-screenshots [--scale F] [--dark] [DIR]
//   --scale F  the main window at F times its natural size (1 to 4)
//   --dark     the Fusion style with a dark palette, as on a dark desktop
// The windows speak the system's language, as the game does: LANGUAGE=de renders them in German.
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <functional>

#include "computer/expert_table.h"
#include "game/play_until_idle.h"
#include "game/position_builder.h"
#include "game/random_source.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "history/game_recorder.h"
#include "history/history_store.h"
#include "ui/chances_panel.h"
#include "ui/coach_form.h"
#include "ui/message_box.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/quintix_form.h"
#include "ui/review_form.h"
#include "ui/score_form.h"
#include "ui/score_report_form.h"
#include "ui/statistics_form.h"
#include "ui/summary_form.h"
#include "ui/translations.h"
#include "ui/whole_file.h"

namespace {

// Says what became of one file: "wrote" only for a file that is whole on disk.
bool Report(const QString& path, bool written, const QString& error) {
    if (written) {
        QTextStream(stdout) << "wrote " << path << '\n';
    } else {
        QTextStream(stderr) << "quintix-screenshots: " << error << '\n';
    }
    return written;
}

bool Save(const QPixmap& picture, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    QByteArray png;
    QBuffer buffer(&png);
    QString reason = "the picture could not be made";
    const bool written = buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG") &&
                         quintix::WriteWholeFile(path, png, &reason);
    return Report(path, written, QString("cannot write %1: %2").arg(path, reason));
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    return Save(widget.grab(), folder, name);
}

// The main window filling a full HD screen, with the coach's tool window above it where a player
// would put it: over the sheet's columns of the games to come, beside the dice.
QPixmap CoachBesideMaximised(quintix::TQuintixForm& form) {
    form.resize(1920, 1080);
    form.CoachButtonClick();
    QPixmap screen = form.grab();
    const QPixmap coach = form.CoachForm().grab();
    const QWidget* dice = form.findChild<QWidget*>("Panel1");
    const QPoint at(dice->x() - coach.width() - 16, dice->y() + 24);
    QPainter painter(&screen);
    painter.drawPixmap(at, coach);
    painter.setPen(form.palette().color(QPalette::Shadow));
    painter.drawRect(QRect(at, coach.size()).adjusted(-1, -1, 0, 0));
    return screen;
}

// A dark desktop: light text on dark window and button faces.
void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QPalette dark;
    const QColor window(45, 45, 48);
    const QColor base(30, 30, 32);
    const QColor text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    dark.setColor(QPalette::Mid, QColor(60, 60, 64));
    dark.setColor(QPalette::Light, QColor(80, 80, 84));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(120, 120, 120));
    }
    QApplication::setPalette(dark);
}

// Forty series of two games between Ann, a person who happens to play as the usual computer
// player does, and a computer player, one game a day from 2 January 2025.
void FillHistory(quintix::THistoryStore& store, quintix::ITableProvider& table) {
    using namespace quintix;
    TNullView view;
    TVirtualClock clock;
    TSeededRandom dice(2025);
    TQuintixGame game(view, clock, dice, table);
    std::int64_t day = 1'735'819'200;  // 2025-01-02 12:00 UTC
    TGameRecorder recorder(game, store, [&day] { return day += 43'200; });
    const TSubscription recording = game.Subscribe(recorder);
    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    contents.Rows[2] = {"Computer", true};
    contents.NoOfGames = 2;
    for (int series = 0; series < 40; ++series) {
        game.StartSeries(contents);
        PlaySeriesToItsEnd(game, clock);
    }
}

// Lets what a worker works out arrive, as a person looking at the window would, for up to a minute.
void WaitFor(const std::function<bool()>& arrived) {
    for (int wait = 0; wait < 6000 && !arrived(); ++wait) {
        QThread::msleep(10);
        QApplication::processEvents();
    }
    QApplication::processEvents();  // the layout, after what arrived last
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quintix");
    quintix::InstallTranslations();
    QStringList args = QApplication::arguments().mid(1);
    double scale = 1.0;
    if (const auto at = args.indexOf("--scale"); at >= 0) {
        bool number = false;
        scale = at + 1 < args.size() ? args[at + 1].toDouble(&number) : 0.0;
        if (!number || scale < 1.0 || scale > 4.0) {
            QTextStream(stderr) << "quintix-screenshots: --scale takes a number from 1 to 4\n";
            return 2;
        }
        args.remove(at, 2);
    }
    if (args.removeAll("--dark") > 0) {
        UseDarkPalette();
    }
    const QDir folder(!args.isEmpty() ? args.front() : QDir::currentPath());
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        QTextStream(stderr) << "quintix-screenshots: cannot make " << folder.path() << '\n';
        return 2;
    }

    using namespace quintix;
    TScriptedRandom dice({4, 2, 5, 3, 6, 3, 3, 3, 5, 5});
    TVirtualClock clock;
    TExpertTable table;
    THelpSystem help;
    TMessageBoxes messages;
    QTemporaryDir historyFolder;
    THistoryStore history(historyFolder.filePath("history.sqlite").toStdString());
    TQuintixForm form({table, help, messages, nullptr, &history}, &dice, &clock);
    form.show();
    form.resize((QSizeF(form.size()) * scale).toSize());

    TNewGameContents contents;
    contents.Rows[1] = {"Ann", false};
    contents.Rows[2] = {"Computer", true};
    contents.Rows[3] = {"Cid", false};
    contents.NoOfGames = 3;
    form.Game().StartSeries(contents);

    // Game 2 of 3, turn 6: Ann is on turn and has rolled twice.
    form.Game().LoadPosition(
        TPositionBuilder(form.Game().State())
            .At(2, 6)
            .Sheet(1, 1, {3, 8, 9, 12, 20, 18, 24, 0, 25, 30, 40, 0, 22})
            .Sheet(2, 1, {2, 6, 12, 16, 15, 24, 26, 21, 25, 30, 0, 50, 19})
            .Sheet(3, 1, {1, 4, 6, 8, 10, 12, 20, 0, 0, 30, 40, 0, 17})
            .Lines(1, 2, {{Twos, 6}, {Fours, 12}, {Sixes, 24}, {FullHouse, 25}, {ChanceLine, 23}})
            .Build());
    form.Game().Roll();
    clock.AdvanceBy(1250);
    form.Game().ToggleDie(1);
    form.Game().ToggleDie(2);
    form.Game().ToggleDie(5);
    form.Game().Roll();
    clock.AdvanceBy(750);
    form.Game().TogglePossibleValues();
    form.Game().ToggleDie(5);

    bool ok = Save(form, folder, "main-window.png");

    form.CoachButtonClick();
    table.BuildNow();
    form.CoachForm().Refresh();
    WaitFor([&form] { return form.CoachForm().Chances->Simulations() > 0; });
    ok = Save(form.CoachForm(), folder, "coach.png") && ok;
    form.CoachForm().close();

    form.StartButtonClick();
    ok = Save(form.NewGameForm(), folder, "new-game.png") && ok;
    form.NewGameForm().reject();

    form.ScoreButtonClick();
    ok = Save(form.ScoreForm(), folder, "score.png") && ok;
    form.ScoreForm().reject();

    form.SummaryButtonClick();
    ok = Save(form.SummaryForm(), folder, "summary.png") && ok;
    form.SummaryForm().accept();

    form.PrintButtonClick();
    form.PreviewForm().resize(1000, 700);
    ok = Save(form.PreviewForm(), folder, "preview.png") && ok;
    FillHistory(history, table);
    form.StatisticsButtonClick();
    TStatisticsForm& statistics = form.StatisticsForm();
    WaitFor([&statistics] { return !statistics.Figures->item(6, 0)->text().endsWith("..."); });
    ok = Save(statistics, folder, "statistics.png") && ok;
    if (statistics.Games().empty()) {
        ok = Report(
            folder.filePath("review.png"), false,
            "no game to review: the history could not be kept: " + QString::fromStdString(history.Error()));
    } else {
        statistics.ReviewForm().ShowGame(**history.GameOf(statistics.Games().front()));
        ok = Save(statistics.ReviewForm(), folder, "review.png") && ok;
    }
    statistics.close();

    QString error;
    const QString pdf = folder.filePath("score-sheets.pdf");
    ok = Report(pdf, SavePagesAsPdf(form.ScoreReportForm().BuildPages(), pdf, &error), error) && ok;
    form.PreviewForm().close();

    ok = Save(CoachBesideMaximised(form), folder, "coach-beside.png") && ok;
    return ok ? 0 : 1;
}
