#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "tests/support/quintix_test_main.h"
#include "ui/message_box.h"

using quintix::TMessageBox;

class TQuintixApplicationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { TMessageBox::SetQuiet(true); }
    void AnErrorInAHandlerIsShownAndTheProgramGoesOn_data();
    void AnErrorInAHandlerIsShownAndTheProgramGoesOn();
};

void TQuintixApplicationTest::AnErrorInAHandlerIsShownAndTheProgramGoesOn_data() {
    QTest::addColumn<bool>("standard");  // a std::exception, or anything else thrown
    QTest::addColumn<QString>("shown");
    QTest::newRow("an error with a message") << true << QString("Too many dice in combination");
    QTest::newRow("something else thrown") << false << QString("An unexpected error occurred.");
}

// Each click's error is shown, and the next click is handled as the first was.
void TQuintixApplicationTest::AnErrorInAHandlerIsShownAndTheProgramGoesOn() {
    QFETCH(bool, standard);
    QFETCH(QString, shown);
    QPushButton button("Calculate");
    button.show();
    int clicks = 0;
    connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        if (standard) {
            throw std::runtime_error("Too many dice in combination");
        }
        throw clicks;
    });
    for (const int click : {1, 2}) {
        TMessageBox::Error(nullptr, QString());
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, click);
        QCOMPARE(TMessageBox::LastError(), shown);
    }
}

QUINTIX_TEST_MAIN(TQuintixApplicationTest)
#include "quintix_application_test.moc"
