#include "SettingsKey.h"

#include "ColourNames.h"
#include "RunError.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

// What a window keeps of its settings, standing in for a real one.
struct Window {
    QString name;
    int size = 0;
    quint32 colour = 0;
    bool flag = false;
};

const SettingsKey<QString> Name{"S", "Name", "Arial"};
const SettingsKey<int> Size{"S", "Size", 8};
const SettingsKey<quint32> Colour{"S", "Colour", ColourNames::clBlack};
const SettingsKey<bool> Flag{"S", "Flag", false};

// The name is only read; the colour stands between the keys before and after it.
const auto table = [](auto&& visit) {
    visit(
        Name, [](Window& window, const QString& name) { window.name = name; }, nullptr);
    visit(
        Size, [](Window& window, int size) { window.size = size; },
        [](const Window& window) { return window.size; });
    visit(
        Colour, [](Window& window, quint32 colour) { window.colour = colour; },
        [](const Window& window) { return window.colour; });
    visit(
        Flag, [](Window& window, bool flag) { window.flag = flag; },
        [](const Window& window) { return window.flag; });
};

class SettingsKeyTest : public ::testing::Test {
protected:
    TempFolder folder;
    IniFile ini{folder.file("Zimpa.ini")};
};

} // namespace

TEST_F(SettingsKeyTest, SavingWritesEachTypeByItsRuleInTableOrderAndLoadingReadsItBack) {
    SettingsTable::save(table, ini, Window{"Verdana", 12, ColourNames::clRed, true});
    EXPECT_EQ(folder.read("Zimpa.ini"), QByteArray("[S]\r\nSize=12\r\nColour=clRed\r\nFlag=1\r\n"))
        << "the key that is only read is not written";

    Window loaded;
    SettingsTable::load(table, ini, loaded);
    EXPECT_EQ(loaded.name, QStringLiteral("Arial")) << "a missing key gives its default";
    EXPECT_EQ(loaded.size, 12);
    EXPECT_EQ(loaded.colour, ColourNames::clRed);
    EXPECT_TRUE(loaded.flag);
    EXPECT_EQ(Size.withDefault(10).read(IniFile(folder.file("none.ini"))), 10);
}

TEST_F(SettingsKeyTest, AColourThatIsNoColourStopsLoadingAtItsKey) {
    folder.write("Zimpa.ini", "[S]\r\nName=Verdana\r\nSize=9\r\nColour=piros\r\nFlag=1\r\n");
    Window loaded;
    EXPECT_THROW(SettingsTable::load(table, ini, loaded), RunError);
    EXPECT_EQ(loaded.name, QStringLiteral("Verdana"));
    EXPECT_EQ(loaded.size, 9);
    EXPECT_FALSE(loaded.flag) << "the keys after the colour are not applied";
}
