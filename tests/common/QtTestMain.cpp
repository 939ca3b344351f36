#include "OwnTestFolders.h"

#ifdef ZIMPA_CORE_TEST_MAIN
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    OwnTestFolders::install();
    return RUN_ALL_TESTS();
}
