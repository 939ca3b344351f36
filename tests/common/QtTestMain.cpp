#include "OwnTestFolders.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    OwnTestFolders::install();
    return RUN_ALL_TESTS();
}
