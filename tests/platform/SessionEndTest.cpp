#include "SessionEnd.h"

#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The display gone, the toolkit ends the program with exit() from inside its event loop: the last
// words then run with everything they hold still alive, so that the close's writes happen.
TEST(SessionEndTest, LastWordsRunWholeWhenTheProgramIsEndedByExit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SessionEnd sessionEnd;
            const QString words = QStringLiteral("the lists and the settings were written");
            sessionEnd.setLastWords([words] { std::fprintf(stderr, "%s\n", qPrintable(words)); });
            std::exit(7);
        },
        ::testing::ExitedWithCode(7), "the lists and the settings were written");
}

} // namespace
