#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "app/AppPaths.h"
#include "app/CoreInit.h"

// Every test runs with an isolated settings store and data folder, never the user's own.
inline void prepareTestEnvironment()
{
    initPictoviaCore();
    QCoreApplication::setOrganizationName(QStringLiteral("OOO Velmar"));
    QCoreApplication::setApplicationName(QStringLiteral("Pictovia"));
    QStandardPaths::setTestModeEnabled(true);
    AppPaths::setup();
}

#define PICTOVIA_TEST_MAIN(TestObject)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        prepareTestEnvironment();                                                                  \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
