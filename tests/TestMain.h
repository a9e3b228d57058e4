#pragma once

#include "platform/Application.h"
#include "resources/Resources.h"

#include <QTemporaryDir>
#include <QtTest>

// The learning record and settings of a test run go to a folder of its own.
struct TestHome {
    QTemporaryDir dir;
    TestHome()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    }
};

// Like QTEST_MAIN, with the program's own application object (key preview,
// fonts) and its pictures.
#define TRAINER_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        TestHome home;                                                                             \
        TApplication app(argc, argv);                                                              \
        InitResources();                                                                           \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
