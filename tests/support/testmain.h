#pragma once

#include "desktop.h"

#include <QApplication>
#include <QTest>

// A widget test in the application object that the program itself makes, with what its platform
// adds to it (the designs' fonts among them), at Qt Test's 96 dots per inch.
#define ZOR_TEST_MAIN(TestObject)                                                                  \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        const auto application = ui::createApplication(argc, argv);                                \
        application->setAttribute(Qt::AA_Use96Dpi, true);                                          \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
