// The windows in English and in German: the system's language picks the translation, every window's
// accelerators stay unique in both languages, no caption is left in English, and the help has a
// German copy of every page. CTest runs this in English and under LANGUAGE=de and LC_ALL=de_DE.UTF-8.
#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <map>

#include "game/scripted_random.h"
#include "game/virtual_clock.h"
#include "scoring/sheet_rows.h"
#include "tests/ui/scripted_messages.h"
#include "ui/coach_form.h"
#include "ui/help_viewer.h"
#include "ui/new_game_form.h"
#include "ui/preview_form.h"
#include "ui/prob_test_form.h"
#include "ui/quintix_form.h"
#include "ui/review_form.h"
#include "ui/score_form.h"
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
    QStringList sheet;
    for (const std::string_view label : RowLabels) {
        sheet << CoreText(label);
    }
    return {{"main window", Captions(form)},
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
