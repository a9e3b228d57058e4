#pragma once

#include "platform/Application.h"
#include "resources/Resources.h"

#include <QtTest>

// Like QTEST_MAIN, with the program's own application object (key preview,
// fonts) and its pictures.
#define TRAINER_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TApplication app(argc, argv);                                                              \
        InitResources();                                                                           \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
