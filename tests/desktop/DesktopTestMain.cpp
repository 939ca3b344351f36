#include "OwnTestFolders.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// No window of its own: the tests drive other programs on a display they start. The core
// application only serves QProcess, which reports a program's end through its events.
int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    OwnTestFolders::install();
    return RUN_ALL_TESTS();
}
