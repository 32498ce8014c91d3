// The windows in English and in every language the program ships: the system's language picks the
// translation, every window's accelerators stay unique, no caption is left in English or cut at the
// natural size, the coach's choices are whole, the help has a copy of every page in each language,
// and the menu entry and the metadata speak each of them. Every run checks every language; CTest
// runs this in English and under LANGUAGE and LC_ALL for each shipped language.
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
#include <QTranslator>
#include <map>

#include "computer/optimal_table.h"
#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "tests/ui/scripted_messages.h"
#include "tests/ui/text_fits.h"
#include "ui/band_report.h"
#include "ui/coach_form.h"
#include "ui/draw_grid.h"
#include "ui/help_viewer.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_form.h"
#include "ui/review_form.h"
#include "ui/score_form.h"
#include "ui/score_report_form.h"
#include "ui/statistics_form.h"
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
            {"statistics", Captions(form.StatisticsForm())},
            {"review", Captions(form.StatisticsForm().ReviewForm())},
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

// One shipped language put before the one installed, while it lives.
class TLanguage {
public:
    explicit TLanguage(const QString& language) {
        if (Translator.load(":/i18n/quintix_" + language)) {
            QCoreApplication::installTranslator(&Translator);
        }
    }
    ~TLanguage() { QCoreApplication::removeTranslator(&Translator); }
    TLanguage(const TLanguage&) = delete;
    TLanguage& operator=(const TLanguage&) = delete;

private:
    QTranslator Translator;
};

// The controls a label's text runs into: a label grown to its text must not cover its neighbours.
// A frame around the label is no neighbour.
QStringList Overrun(const QLabel& label) {
    if (label.text().isEmpty() || label.wordWrap() || label.parentWidget() == nullptr) {
        return {};
    }
    const QRect contents = label.contentsRect().translated(label.pos());
    const QRect text(
        contents.topLeft(),
        QSize(label.fontMetrics().horizontalAdvance(QString(label.text()).remove('&')), contents.height()));
    QStringList covered;
    for (const QWidget* other : label.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != &label && other->isVisible() && other->geometry().intersects(text) &&
            !other->geometry().contains(label.geometry())) {
            covered << label.objectName() + " covers " + other->objectName();
        }
    }
    return covered;
}

// The coach's choices that do not fit their column; an item view keeps a margin on either side.
QStringList CutChoices(const QTableWidget& choices) {
    const int margin = choices.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &choices) + 1;
    QStringList cut;
    for (int row = 0; row < choices.rowCount(); ++row) {
        const QString text = choices.item(row, 0)->text();
        if (choices.fontMetrics().horizontalAdvance(text) + 2 * margin > choices.columnWidth(0)) {
            cut << "coach: " + text;
        }
    }
    return choices.rowCount() == 2 + 31 ? cut : QStringList{"the coach lists no choices"};
}

// Every window shown at its natural size during a game: the controls whose caption is cut or runs
// into another, the printout's heading, the sheet's labels, and the coach's choices with two long
// line labels open and five different faces, so that every way of keeping dice is listed.
QStringList CutTexts(const TOptimalTable& table) {
    TFixedTable provider(&table);
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
    TProbTestForm probTest;
    THelpWindow helpWindow;
    QStringList cut;
    for (QWidget* window :
         std::initializer_list<QWidget*>{&form, &form.NewGameForm(), &form.ScoreForm(), &form.SummaryForm(),
                                         &form.PreviewForm(), &form.CoachForm(), &probTest, &helpWindow}) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window)) {
            cut << window->windowTitle() + " never showed";
        }
        for (const QWidget* control : window->findChildren<QWidget*>()) {
            if (control->window() != window || !control->isVisible()) {
                continue;
            }
            if (!quintix::testing::TextFits(*control)) {
                cut << window->windowTitle() + ": " + control->objectName();
            }
            if (const auto* label = qobject_cast<const QLabel*>(control)) {
                cut << Overrun(*label);
            }
        }
    }
    cut << CutChoices(*form.CoachForm().Choices);
    const auto* playerTitle = form.ScoreReportForm().findChild<TReportLabel*>("PlayerTitle");
    if (playerTitle->Geometry().right() >=
        form.ScoreReportForm().findChild<TReportLabel*>("PlayerLabel")->Geometry().left()) {
        cut << "printout: " + playerTitle->Caption();
    }
    // The messages beside the player list that name nobody: nothing shortens them.
    const auto* message = form.findChild<QLabel*>("PlayerMessage");
    for (const char* text :
         {"It's your turn to roll for order", "It's your turn", "Preparing expert play..."}) {
        const QString shown = QCoreApplication::translate("quintix::TQuintixForm", text);
        if (message->fontMetrics().horizontalAdvance(shown) > message->contentsRect().width()) {
            cut << "message: " + shown;
        }
    }
    // A label is drawn two pixels in from its cell's left edge.
    for (const TDrawGrid* grid : form.findChildren<TDrawGrid*>(Qt::FindDirectChildrenOnly)) {
        for (int row = grid->FixedRows(); row < grid->RowCount(); ++row) {
            const QString label = grid->CellText(0, row);
            if (2 + QFontMetrics(grid->font()).horizontalAdvance(label) > grid->ColWidth(0)) {
                cut << "sheet: " + label;
            }
        }
    }
    return cut;
}

}  // namespace

class TTranslationTest : public QObject {
    Q_OBJECT

    // By language, English as "en".
    std::map<QString, TCaptions> Captions;
    std::map<QString, QStringList> Cut;
    bool Installed = false;

private slots:
    void initTestCase() {
        TBuildOptions options;
        options.MostOpenLines = 2;
        const std::optional<TOptimalTable> table = BuildOptimalTable(options);
        Captions["en"] = WindowCaptions();
        Cut["en"] = CutTexts(*table);
        Installed = InstallTranslations();
        QVERIFY(!ShippedLanguages().isEmpty());
        for (const QString& language : ShippedLanguages()) {
            const TLanguage shown(language);
            Captions[language] = WindowCaptions();
            Cut[language] = CutTexts(*table);
        }
    }

    // LANGUAGE first, then LC_ALL, as the system reads them.
    void TheSystemsLanguagePicksTheTranslation() {
        const QString language = qEnvironmentVariable("LANGUAGE");
        const QString asked = (language.isEmpty() ? qEnvironmentVariable("LC_ALL") : language).left(2);
        const QString expected = ShippedLanguages().contains(asked) ? asked : QString();
        QCOMPARE(TranslationLanguage(), expected);
        QCOMPARE(Installed, !expected.isEmpty());
    }

    void AcceleratorsAreUniqueInEveryWindow() {
        for (const auto& [language, windows] : Captions) {
            for (const auto& [window, captions] : windows) {
                QStringList letters;
                for (const QString& caption : captions) {
                    const auto match = QRegularExpression("&([^&])").match(QString(caption).remove("&&"));
                    if (match.hasMatch()) {
                        const QString letter = match.captured(1).toLower();
                        QVERIFY2(!letters.contains(letter),
                                 qPrintable(language + ", " + window + ": &" + letter + " twice"));
                        letters << letter;
                    }
                }
            }
        }
    }

    // A caption the same as in English is a text that was never translated, unless the language
    // shares the word.
    void NoCaptionStaysEnglish() {
        const QStringList everywhere{"", "Quintix 95 V1.00", "OK", "&Zoom", "Quintix"};
        const std::map<QString, QStringList> shared{{"de", {"Computer", "Bonus", "Full House", "Chance"}},
                                                    {"fr", {"Bonus", "Chance", "Total", "Points"}},
                                                    {"es", {}}};
        for (const QString& language : ShippedLanguages()) {
            for (const auto& [window, captions] : Captions.at("en")) {
                const QStringList& translated = Captions.at(language).at(window);
                QCOMPARE(translated.size(), captions.size());
                for (qsizetype i = 0; i < captions.size(); ++i) {
                    QVERIFY2(translated[i] != captions[i] || everywhere.contains(captions[i]) ||
                                 shared.at(language).contains(captions[i]),
                             qPrintable(language + ", " + window + ": " + captions[i]));
                }
            }
        }
    }

    void NoTextIsCutAtTheNaturalSize() {
        QStringList cut;
        for (const auto& [language, texts] : Cut) {
            if (!texts.isEmpty()) {
                cut << language + ": " + texts.join(", ");
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
    }

    // The menu entry and the software centre's description speak every language the program does:
    // each text of the metadata has a copy in each language.
    void TheMenuEntryAndTheMetadataSpeakEveryLanguage() {
        const QString desktop = FileText(QUINTIX_PACKAGING "/net.quintix.Quintix.desktop");
        const QString metainfo = FileText(QUINTIX_PACKAGING "/net.quintix.Quintix.metainfo.xml");
        QVERIFY(!desktop.isEmpty() && !metainfo.isEmpty());
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

    // Each page in each language, linking only to pages in the same language; the help shows the
    // program's language.
    void EveryHelpPageHasACopyInEveryLanguage() {
        for (const QString& page : QDir(":/help").entryList({"*.html"}, QDir::Files)) {
            const QString english = FileText(":/help/" + page);
            for (const QString& language : ShippedLanguages()) {
                const QString folder = ":/help/" + language + "/";
                const QString copy = FileText(folder + page);
                QVERIFY2(!copy.isEmpty() && copy != english, qPrintable(language + "/" + page));
                for (const auto& link : QRegularExpression("href=\"([^\"]+)\"").globalMatch(copy)) {
                    QVERIFY2(QFile::exists(folder + link.captured(1)),
                             qPrintable(language + "/" + page + ": " + link.captured(1)));
                }
            }
            const QString shown = TranslationLanguage();
            QCOMPARE(THelpViewer::PageText(page),
                     shown.isEmpty() ? english : FileText(":/help/" + shown + "/" + page));
        }
        QCOMPARE(QDir(":/help").entryList(QDir::Dirs | QDir::NoDotAndDotDot), [] {
            QStringList languages = ShippedLanguages();
            languages.sort();
            return languages;
        }());
    }
};

QTEST_MAIN(TTranslationTest)
#include "translation_test.moc"
