#include "ViewerCommandLine.h"

#include "RunError.h"

#include <gtest/gtest.h>

namespace {

using Option = ViewerCommandLine::Step::Option;
using Step = ViewerCommandLine::Step;

QList<Step> steps(const QStringList& arguments) {
    return ViewerCommandLine::steps(QStringList{QStringLiteral("/opt/zimpa/Viewer")} + arguments);
}

} // namespace

TEST(ViewerCommandLineTest, EachOptionTakesTheArgumentAfterItAsItsValue) {
    EXPECT_EQ(steps({"-X", "100", "-Y", "50", "-D", "time\\5"}),
              QList<Step>({{Option::Left, "100"}, {Option::Top, "50"}, {Option::Show, "time\\5"}}));
    EXPECT_EQ(steps({"-S"}), QList<Step>({{Option::Scan, std::nullopt}}));
    EXPECT_EQ(steps({"-L", "x"}), QList<Step>({{Option::Information, "x"}}));
}

TEST(ViewerCommandLineTest, OptionsAreComparedInCapitalsOfAToZOnly) {
    EXPECT_EQ(steps({"-d", "memo/1", "-s", "-x", "1", "-y", "2", "-l"}),
              QList<Step>({{Option::Show, "memo/1"},
                           {Option::Scan, "-x"},
                           {Option::Left, "1"},
                           {Option::Top, "2"},
                           {Option::Information, std::nullopt}}));
    EXPECT_EQ(steps({"–D", "-DD", "D", "-D ", "/D", "-ß"}), QList<Step>());
}

TEST(ViewerCommandLineTest, AValueThatSpellsAnOptionActsAsOneToo) {
    EXPECT_EQ(steps({"-D", "-S"}),
              QList<Step>({{Option::Show, "-S"}, {Option::Scan, std::nullopt}}));
    EXPECT_EQ(steps({"-S", "-L"}),
              QList<Step>({{Option::Scan, "-L"}, {Option::Information, std::nullopt}}));
    EXPECT_EQ(steps({"-X", "-Y", "7"}), QList<Step>({{Option::Left, "-Y"}, {Option::Top, "7"}}));
}

TEST(ViewerCommandLineTest, AnOptionAsTheLastArgumentHasNoValue) {
    EXPECT_EQ(steps({"time/5", "-D"}), QList<Step>({{Option::Show, std::nullopt}}));
    EXPECT_FALSE(ViewerCommandLine::hasArguments({"/opt/zimpa/Viewer"}));
    EXPECT_TRUE(ViewerCommandLine::hasArguments({"/opt/zimpa/Viewer", "nonsense"}));
    EXPECT_EQ(steps({"nonsense"}), QList<Step>());
}

TEST(ViewerCommandLineTest, APositionIsADecimalIntegerOrTheErrorNamesTheValue) {
    EXPECT_EQ(ViewerCommandLine::position(QStringLiteral("100")), 100);
    EXPECT_EQ(ViewerCommandLine::position(QStringLiteral("-20")), -20);
    EXPECT_EQ(ViewerCommandLine::position(QStringLiteral("$10")), 16);
    const auto message = [](const std::optional<QString>& value) {
        try {
            ViewerCommandLine::position(value);
        } catch (const RunError& error) {
            return error.text();
        }
        return QStringLiteral("no error");
    };
    EXPECT_EQ(message(QStringLiteral("abc")), QStringLiteral("'abc' is not a valid integer value"));
    EXPECT_EQ(message(QStringLiteral("12px")),
              QStringLiteral("'12px' is not a valid integer value"));
    EXPECT_EQ(message(std::nullopt), QStringLiteral("'' is not a valid integer value"));
}
