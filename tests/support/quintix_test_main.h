#pragma once

#include <QTest>

#include "ui/quintix_application.h"

// QTEST_MAIN on the program's own application object, for tests of what reaches its top-level
// error handler.
#define QUINTIX_TEST_MAIN(TestObject)                         \
    int main(int argc, char** argv) {                         \
        quintix::TQuintixApplication application(argc, argv); \
        TestObject test;                                      \
        QTEST_SET_MAIN_SOURCE_PATH                            \
        return QTest::qExec(&test, argc, argv);               \
    }
