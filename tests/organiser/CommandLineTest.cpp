#include "CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, CountsNewReminderOptionsInAnyLetterCase) {
    const QString self = QStringLiteral("/opt/zimpa/Zimpa");
    EXPECT_EQ(CommandLine::newReminderRequests({self}), 0);
    EXPECT_EQ(CommandLine::newReminderRequests({self, QStringLiteral("-n")}), 1);
    EXPECT_EQ(CommandLine::newReminderRequests({self, QStringLiteral("-N"), QStringLiteral("-n")}),
              2);
    EXPECT_EQ(CommandLine::newReminderRequests({self, QStringLiteral("-G"), QStringLiteral("N"),
                                                QStringLiteral("-N "), QStringLiteral("/N")}),
              0);
}

TEST(CommandLine, CountsParametersInEightBits) {
    QStringList arguments{QStringLiteral("Zimpa")};
    for (int i = 0; i < 255; ++i)
        arguments << QStringLiteral("-N");
    EXPECT_EQ(CommandLine::newReminderRequests(arguments), 255); // 256 parameters: all examined

    arguments << QStringLiteral("-N"); // 257: only (256 + 1) mod 256 = 1, the program's path
    EXPECT_EQ(CommandLine::newReminderRequests(arguments), 0);

    arguments << QStringLiteral("-N"); // 258: the path and one option
    EXPECT_EQ(CommandLine::newReminderRequests(arguments), 1);
}
