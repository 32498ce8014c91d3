// The windows in English and in German: the system's language picks the translation, every window's
// accelerators stay unique in both languages, no caption is left in English, and the help has a
// German copy of every page. CTest runs this in English and under LANGUAGE=de and LC_ALL=de_DE.UTF-8.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>
#include <QTableWidget>
#include <QTest>
#include <map>

#include "computer/optimal_table.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/ui/scripted_messages.h"
#include "tests/ui/text_fits.h"
#include "ui/coach_form.h"
#include "ui/draw_grid.h"
#include "ui/help_viewer.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_form.h"
#include "ui/score_form.h"
#include "ui/summary_form.h"
#include "ui/translations.h"

using namespace quintix;
using quintix::testing::TScriptedMessages;

namespace {

using TCaptions = std::map<QString, QStringList>;  // the captions of each window, in creation order

// A window's title and the captions of its own buttons, check boxes, labels and group boxes; the
// dialogs a window owns are windows of their own.
QStringList Captions(const QWidget& window) {
    QStringList captions{window.windowTitle()};
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window) {
            continue;
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            captions << button->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            captions << label->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
            captions << box->title();
        }
    }
    return captions;
}

// Every window as it opens, in the language installed at the time.
TCaptions WindowCaptions() {
    quintix::TScriptedRandom dice;
    TVirtualClock clock;
    TFixedTable noTable(nullptr);
    THelpSystem helpSystem;
    TScriptedMessages messages;
    TQuintixForm form({noTable, helpSystem, messages}, &dice, &clock);
    const TProbTestForm probTest;
    const THelpWindow help;
    // The sheet's labels as a screen reader hears them.
    QStringList sheet;
    for (const TDrawGrid* grid : form.findChildren<TDrawGrid*>(Qt::FindDirectChildrenOnly)) {
        for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
            sheet << grid->CellText(0, row);
        }
    }
    // The sheet's right-click menu: the grids' own entries, then the help's.
    QStringList sheetMenu;
    for (const QAction* action : form.findChild<TDrawGrid*>("UpperScores")->actions()) {
        sheetMenu << action->text();
    }
    for (const QAction* action : form.findChild<QMenu*>("HelpPopup")->actions()) {
        sheetMenu << action->text();
    }
    return {{"main window", Captions(form)},
            {"sheet's menu", sheetMenu},
            {"new game", Captions(form.NewGameForm())},
            {"score", Captions(form.ScoreForm())},
            {"summary", Captions(form.SummaryForm())},
            {"preview", Captions(form.PreviewForm())},
            {"coach", Captions(form.CoachForm())},
            {"probability test", Captions(probTest)},
            {"help", Captions(help)},
            {"sheet", sheet}};
}

QString FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The languages the program ships a translation for ("de", ...).
QStringList ShippedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(":/i18n").entryList({"quintix_*.qm"}, QDir::Files)) {
        languages << file.section('_', 1).section('.', 0, 0);
    }
    return languages;
}

}  // namespace

class TTranslationTest : public QObject {
    Q_OBJECT

    TCaptions English;
    TCaptions German;  // empty when the system asks for no German

private slots:
    void initTestCase() {
        English = WindowCaptions();
        if (InstallTranslations()) {
            German = WindowCaptions();
        }
    }

    void TheSystemsLanguagePicksTheTranslation() {
        const bool asked = qEnvironmentVariable("LANGUAGE").startsWith("de") ||
                           qEnvironmentVariable("LC_ALL").startsWith("de");
        QCOMPARE(!German.empty(), asked);
        QCOMPARE(TranslationLanguage(), asked ? QString("de") : QString());
    }

    void AcceleratorsAreUniqueInEveryWindow() {
        for (const TCaptions* language : {&English, &German}) {
            for (const auto& [window, captions] : *language) {
                QStringList letters;
                for (const QString& caption : captions) {
                    const auto match = QRegularExpression("&([^&])").match(QString(caption).remove("&&"));
                    if (match.hasMatch()) {
                        const QString letter = match.captured(1).toLower();
                        QVERIFY2(!letters.contains(letter), qPrintable(window + ": &" + letter + " twice"));
                        letters << letter;
                    }
                }
            }
        }
    }

    // A caption the same in both languages is a text that was never translated, unless German
    // shares the word.
    void NoCaptionStaysEnglish() {
        if (German.empty()) {
            QSKIP("the system asks for no German");
        }
        const QStringList shared{"",      "Quintix 95 V1.00", "OK",      "Computer", "&Zoom",
                                 "Bonus", "Full House",       "Quintix", "Chance"};
        for (const auto& [window, captions] : English) {
            const QStringList& translated = German.at(window);
            QCOMPARE(translated.size(), captions.size());
            for (qsizetype i = 0; i < captions.size(); ++i) {
                QVERIFY2(translated[i] != captions[i] || shared.contains(captions[i]),
                         qPrintable(window + ": " + captions[i]));
            }
        }
    }

    // Every window at its natural size in the program's language: no caption is cut.
    void NoCaptionIsCutAtTheNaturalSize() {
        quintix::TScriptedRandom dice;
        TVirtualClock clock;
        TFixedTable noTable(nullptr);
        THelpSystem help;
        TScriptedMessages messages;
        TQuintixForm form({noTable, help, messages}, &dice, &clock);
        TProbTestForm probTest;
        THelpWindow helpWindow;
        QStringList cut;
        for (QWidget* window : std::initializer_list<QWidget*>{&form, &form.NewGameForm(), &form.ScoreForm(),
                                                               &form.SummaryForm(), &form.PreviewForm(),
                                                               &form.CoachForm(), &probTest, &helpWindow}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            for (const QWidget* control : window->findChildren<QWidget*>()) {
                if (control->window() == window && control->isVisible() &&
                    !quintix::testing::TextFits(*control)) {
                    cut << window->windowTitle() + ": " + control->objectName();
                }
            }
            window->hide();
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(", ")));
    }

    // The coach's choices at its natural size, in the program's language, every one whole: two long
    // line labels open and five different faces, so that every way of keeping dice is listed.
    void TheCoachsChoicesAreNeverCut() {
        TBuildOptions options;
        options.MostOpenLines = 2;
        const std::optional<TOptimalTable> table = BuildOptimalTable(options);
        TFixedTable provider(&*table);
        quintix::TScriptedRandom dice({1, 2, 3, 4, 6});
        TVirtualClock clock;
        THelpSystem help;
        TScriptedMessages messages;
        TQuintixForm form({provider, help, messages}, &dice, &clock);
        TNewGameContents contents;
        contents.Rows[1].Name = "Ann";
        form.Game().StartSeries(contents);
        TGameState state = form.Game().State();
        state.Turn = TurnsPerGame - 1;
        state.Scores[1][1].Lines = {1, 2, 3, 4, 5, 6, 20, NoValue, 25, NoValue, 40, 0, 20};
        form.Game().LoadPosition(state);
        form.Game().Roll();
        clock.AdvanceBy(1250);
        form.CoachButtonClick();
        TCoachForm& coach = form.CoachForm();
        QVERIFY(QTest::qWaitForWindowExposed(&coach));
        QCOMPARE(coach.Choices->rowCount(), 2 + 31);
        // An item view keeps this much free on either side of a cell's text.
        const int margin =
            coach.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, coach.Choices) + 1;
        const QFontMetrics metrics(coach.Choices->font());
        for (int row = 0; row < coach.Choices->rowCount(); ++row) {
            const QString text = coach.Choices->item(row, 0)->text();
            QVERIFY2(metrics.horizontalAdvance(text) + 2 * margin <= coach.Choices->columnWidth(0),
                     qPrintable(text));
        }
    }

    // The menu entry and the software centre's description speak every language the program does:
    // each text of the metadata has a copy in each language.
    void TheMenuEntryAndTheMetadataSpeakEveryLanguage() {
        const QString desktop = FileText(QUINTIX_PACKAGING "/net.quintix.Quintix.desktop");
        const QString metainfo = FileText(QUINTIX_PACKAGING "/net.quintix.Quintix.metainfo.xml");
        QVERIFY(!desktop.isEmpty() && !metainfo.isEmpty());
        QVERIFY(!ShippedLanguages().isEmpty());
        for (const QString& language : ShippedLanguages()) {
            for (const QString key : {"Name", "GenericName", "Comment", "Keywords"}) {
                QVERIFY2(desktop.contains(QString("\n%1[%2]=").arg(key, language)),
                         qPrintable(key + language));
            }
            for (const QString element : {"summary", "p", "li", "caption"}) {
                QVERIFY2(metainfo.count(QString("<%1 xml:lang=\"%2\">").arg(element, language)) ==
                             metainfo.count(QString("<%1>").arg(element)),
                         qPrintable(element + " " + language));
            }
        }
    }

    // Each page in German, linking only to German pages; the help shows the program's language.
    void EveryHelpPageHasAGermanCopy() {
        for (const QString& page : QDir(":/help").entryList({"*.html"}, QDir::Files)) {
            const QString german = FileText(":/help/de/" + page);
            QVERIFY2(!german.isEmpty() && german != FileText(":/help/" + page), qPrintable(page));
            for (const auto& link : QRegularExpression("href=\"([^\"]+)\"").globalMatch(german)) {
                QVERIFY2(QFile::exists(":/help/de/" + link.captured(1)),
                         qPrintable(page + ": " + link.captured(1)));
            }
            QCOMPARE(THelpViewer::PageText(page), German.empty() ? FileText(":/help/" + page) : german);
        }
    }
};

QTEST_MAIN(TTranslationTest)
#include "translation_test.moc"
