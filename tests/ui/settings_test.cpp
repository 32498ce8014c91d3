#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/support/series.h"
#include "tests/ui/scripted_messages.h"
#include "ui/help_system.h"
#include "ui/new_game_form.h"
#include "ui/quintix_form.h"
#include "ui/settings.h"

namespace quintix::testing {

class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir Dir;
    QString File() const { return Dir.filePath("Quintix.conf"); }
    void Write(const QString& key, const QVariant& value) {
        QSettings raw(File(), QSettings::IniFormat);
        raw.setValue(key, value);
    }

private slots:
    void init() { QFile::remove(File()); }

    // Each value is read on its own: one that means nothing falls back to the default and takes
    // nothing else with it.
    void NonsenseIsIgnoredValueByValue() {
        TSettings settings(File());
        QVERIFY(!settings.NewGame().has_value());
        TNewGameContents typed = SeriesOf({{"Ann"}, {"Cy", true}, {"Bea"}}, 4);
        typed.Rows[5] = {"Dot", false};
        typed.ExpertPlay = true;
        typed.QuickComputerTurns = true;
        settings.SetNewGame(typed);
        QVERIFY(settings.Sync());
        QCOMPARE(TSettings(File()).NewGame(), std::optional(typed));

        Write("NewGame/Games", -3);
        Write("NewGame/Player1Name", QString(300, 'x'));
        Write("NewGame/Player2Computer", "banana");
        Write("NewGame/Player3Name", QString("Bea\nline"));
        Write("NewGame/ExpertPlay", "maybe");
        Write("NewGame/QuickComputerTurns", 2);
        const TNewGameContents read = *TSettings(File()).NewGame();
        QCOMPARE(read.NoOfGames, 1);
        QCOMPARE(read.Rows[1].Name, std::string());
        QCOMPARE(read.Rows[2], (TNewGameRow{"Cy", false}));
        QCOMPARE(read.Rows[3].Name, std::string());
        QCOMPARE(read.Rows[5].Name, std::string("Dot"));
        QVERIFY(!read.ExpertPlay);
        QVERIFY(!read.QuickComputerTurns);
    }

    // A window opens where it was left; a record that does not read leaves it where it was.
    void AWindowNeverComesBackOffScreen() {
        TSettings settings(File());
        QWidget window;
        window.setMinimumSize(200, 100);
        window.setGeometry(40, 50, 300, 200);
        settings.KeepWindow(window, "Probe");
        QWidget again;
        again.setMinimumSize(200, 100);
        QVERIFY(settings.RestoreWindow(again, "Probe"));
        QCOMPARE(again.geometry(), QRect(40, 50, 300, 200));

        Write("Probe/Geometry", QByteArray("not a geometry"));
        again.setGeometry(10, 20, 300, 200);
        QVERIFY(!TSettings(File()).RestoreWindow(again, "Probe"));
        QCOMPARE(again.geometry(), QRect(10, 20, 300, 200));
    }

    // With nothing remembered the program starts as at its first start; afterwards the new game
    // dialog shows what was typed last, and the window comes back at its size.
    void TheNextRunRemembersTheDialogAndTheWindow() {
        THelpSystem help;
        TScriptedMessages messages;
        TFixedTable noTable(nullptr);
        TScriptedRandom dice;
        TVirtualClock clock;
        TSettings settings(File());
        {
            TQuintixForm form({noTable, help, messages, &settings}, &dice, &clock);
            form.show();
            QCOMPARE(form.size(), QSize(602, 412));
            form.StartButtonClick();
            QCOMPARE(form.NewGameForm().Contents(), TNewGameContents{});
            form.NewGameForm().PlayerEdits[2]->setText("Ann");
            form.NewGameForm().ComputerChecks[3]->setChecked(true);
            form.NewGameForm().QuickComputerTurns->setChecked(true);
            form.NewGameForm().accept();
            form.resize(700, 480);
            messages.NextAnswer = true;
            QVERIFY(form.close());
        }
        TSettings nextRun(File());
        TQuintixForm form({noTable, help, messages, &nextRun}, &dice, &clock);
        form.show();
        QCOMPARE(form.size(), QSize(700, 480));
        form.StartButtonClick();
        QCOMPARE(form.NewGameForm().Contents().Rows[2].Name, std::string("Ann"));
        QVERIFY(form.NewGameForm().Contents().Rows[3].Computer);
        QVERIFY(form.NewGameForm().QuickComputerTurns->isChecked());
    }
};

}  // namespace quintix::testing

QTEST_MAIN(quintix::testing::SettingsTest)
#include "settings_test.moc"
