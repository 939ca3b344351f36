#include "IniFile.h"
#include "ColourNames.h"
#include "DesktopColours.h"
#include "RunError.h"

#include "TempFolder.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSet>

#include <gtest/gtest.h>

using namespace ColourNames;
using DesktopColours::toQColor;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    // One section "S" holding the given key lines.
    void givenLines(const QByteArray& lines) const { folder.write("Zimpa.ini", "[S]\r\n" + lines); }

    // The message reading the colour raises, or "" when it raises none.
    QString colourError(const QString& ident) const {
        try {
            ini.ReadColour("S", ident, clBlack);
        } catch (const RunError& error) {
            return error.text();
        }
        return {};
    }

    TempFolder folder;
    IniFile ini{folder.file("Zimpa.ini")};
};

} // namespace

TEST_F(IniFileTest, IntegersReadAsDecimalOrHexadecimal) {
    givenLines(
        "hex=0x200\r\nupperX=0X1f\r\ndollar=$200\r\nneg=-5\r\nplus=+7\r\n"
        "max=2147483647\r\nmin=-2147483648\r\nallBits=$FFFFFFFF\r\nhexAllBits=0xffffffff\r\n");

    EXPECT_EQ(ini.ReadInteger("S", "hex", 42), 512);
    EXPECT_EQ(ini.ReadInteger("S", "upperX", 42), 31);
    EXPECT_EQ(ini.ReadInteger("S", "dollar", 42), 512);
    EXPECT_EQ(ini.ReadInteger("S", "neg", 42), -5);
    EXPECT_EQ(ini.ReadInteger("S", "plus", 42), 7);
    EXPECT_EQ(ini.ReadInteger("S", "max", 42), 2147483647);
    EXPECT_EQ(ini.ReadInteger("S", "min", 42), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("S", "allBits", 42), -1);
    EXPECT_EQ(ini.ReadInteger("S", "hexAllBits", 42), -1);
}

TEST_F(IniFileTest, IntegersThatDoNotReadGiveTheDefault) {
    givenLines("word=yes\r\nempty=\r\nhuge=99999999999\r\nover=2147483648\r\n"
               "under=-2147483649\r\nhexOver=$100000000\r\nbareX=0x\r\nbareDollar=$\r\n"
               "sign=-\r\ninner=1 2\r\ntrailing=12abc\r\nsignedHex=-$10\r\nnotHex=$12G\r\n");

    for (const char* ident :
         {"word", "empty", "huge", "over", "under", "hexOver", "bareX", "bareDollar", "sign",
          "inner", "trailing", "signedHex", "notHex", "missing"}) {
        EXPECT_EQ(ini.ReadInteger("S", ident, 42), 42) << ident;
    }
}

TEST_F(IniFileTest, IntegersAreWrittenAsDecimalDigits) {
    ini.WriteInteger("S", "neg", -5);
    ini.WriteInteger("S", "zero", 0);
    ini.WriteInteger("S", "min", -2147483647 - 1);
    ini.WriteInteger("S", "neg", 1024);

    EXPECT_EQ(folder.read("Zimpa.ini"), "[S]\r\nneg=1024\r\nzero=0\r\nmin=-2147483648\r\n");
}

TEST_F(IniFileTest, BooleansReadAsIntegers) {
    givenLines("two=2\r\nzero=0\r\nword=yes\r\nhex=$10\r\n");

    EXPECT_TRUE(ini.ReadBool("S", "two", false));
    EXPECT_TRUE(ini.ReadBool("S", "hex", false));
    EXPECT_FALSE(ini.ReadBool("S", "zero", true));
    EXPECT_TRUE(ini.ReadBool("S", "word", true));
    EXPECT_FALSE(ini.ReadBool("S", "word", false));
    EXPECT_TRUE(ini.ReadBool("S", "missing", true));
    EXPECT_FALSE(ini.ReadBool("S", "missing", false));
}

TEST_F(IniFileTest, BooleansAreWrittenAsOneAndZero) {
    ini.WriteBool("S", "on", true);
    ini.WriteBool("S", "off", false);

    EXPECT_EQ(folder.read("Zimpa.ini"), "[S]\r\non=1\r\noff=0\r\n");
    EXPECT_TRUE(ini.ReadBool("S", "on", false));
    EXPECT_FALSE(ini.ReadBool("S", "off", true));
}

TEST_F(IniFileTest, ColoursAreWrittenByNameOrAsEightHexDigits) {
    ini.WriteColour("S", "red", clRed);
    ini.WriteColour("S", "mixed", 0x00563412);
    ini.WriteColour("S", "face", clBtnFace);
    ini.WriteColour("S", "none", clNone);
    ini.WriteColour("S", "unnamedSystem", 0x80000019);
    ini.WriteColour("S", "small", 0x0000000A);

    EXPECT_EQ(folder.read("Zimpa.ini"),
              "[S]\r\nred=clRed\r\nmixed=$00563412\r\nface=clBtnFace\r\n"
              "none=clNone\r\nunnamedSystem=$80000019\r\nsmall=$0000000A\r\n");
}

TEST_F(IniFileTest, ColoursReadAsNamesInAnyCaseOrAsIntegers) {
    givenLines("lower=clred\r\nupper=CLBTNFACE\r\ninfo=clInfoBk\r\nhex=$00563412\r\n"
               "decimal=16711680\r\nsystem=-2147483643\r\nfallback=cldefault\r\n");

    EXPECT_EQ(ini.ReadColour("S", "lower", clBlack), clRed);
    EXPECT_EQ(ini.ReadColour("S", "upper", clBlack), 0x8000000Fu);
    EXPECT_EQ(ini.ReadColour("S", "info", clBlack), 0x80000018u);
    EXPECT_EQ(ini.ReadColour("S", "hex", clBlack), 0x00563412u);
    EXPECT_EQ(ini.ReadColour("S", "decimal", clBlack), clBlue);
    EXPECT_EQ(ini.ReadColour("S", "system", clBlack), clWindow);
    EXPECT_EQ(ini.ReadColour("S", "fallback", clBlack), 0x20000000u);

    // Read in any case, written back under its own name.
    ini.WriteColour("S", "lower", ini.ReadColour("S", "lower", clBlack));
    EXPECT_EQ(ini.ReadString("S", "lower", ""), "clRed");
}

TEST_F(IniFileTest, AMissingColourGivesTheDefaultNamedOrNot) {
    givenLines("");

    EXPECT_EQ(ini.ReadColour("S", "missing", clMoneyGreen), clMoneyGreen);
    EXPECT_EQ(ini.ReadColour("S", "missing", 0x00563412), 0x00563412u);
    EXPECT_EQ(ini.ReadColour("S", "missing", clNone), clNone);
    EXPECT_EQ(ini.ReadColour("S", "missing", 0xFFFFFFFF), 0xFFFFFFFFu);
}

TEST_F(IniFileTest, TextThatIsNoColourRaisesWithTheTextAsRead) {
    givenLines("word=  piros \r\nempty=\r\nquoted=\"k\xE9k\"\r\n");

    EXPECT_EQ(colourError("word"), "'piros' is not a valid integer value");
    EXPECT_EQ(colourError("empty"), "'' is not a valid integer value");
    EXPECT_EQ(colourError("quoted"), "'kék' is not a valid integer value");
    EXPECT_EQ(colourError("missing"), "");
}

TEST_F(IniFileTest, BatchedWritesWaitForTheCommitThenWritingIsAtOnceAgain) {
    ini.BeginBatch();
    ini.WriteInteger("S", "n", -3);
    ini.WriteBool("S", "b", true);
    ini.WriteColour("S", "c", clRed);
    EXPECT_FALSE(folder.exists("Zimpa.ini"));

    ini.CommitBatch();
    EXPECT_EQ(folder.read("Zimpa.ini"), "[S]\r\nn=-3\r\nb=1\r\nc=clRed\r\n");
    ini.WriteInteger("S", "n", 4);
    EXPECT_EQ(ini.ReadInteger("S", "n", 0), 4);
}

TEST_F(IniFileTest, AFailedWriteNamesTheFile) {
    IniFile elsewhere(folder.file("missing/Zimpa.ini"));
    try {
        elsewhere.WriteInteger("S", "k", 1);
        FAIL() << "no error raised";
    } catch (const RunError& error) {
        EXPECT_EQ(error.text(), "Unable to write to " + folder.file("missing/Zimpa.ini"));
    }
}

TEST(ColourNames, TheTableHasFortyNineNamesWithTheirValues) {
    const QStringList names = {"clBlack",
                               "clMaroon",
                               "clGreen",
                               "clOlive",
                               "clNavy",
                               "clPurple",
                               "clTeal",
                               "clGray",
                               "clSilver",
                               "clRed",
                               "clLime",
                               "clYellow",
                               "clBlue",
                               "clFuchsia",
                               "clAqua",
                               "clWhite",
                               "clMoneyGreen",
                               "clSkyBlue",
                               "clCream",
                               "clMedGray",
                               "clScrollBar",
                               "clBackground",
                               "clActiveCaption",
                               "clInactiveCaption",
                               "clMenu",
                               "clWindow",
                               "clWindowFrame",
                               "clMenuText",
                               "clWindowText",
                               "clCaptionText",
                               "clActiveBorder",
                               "clInactiveBorder",
                               "clAppWorkSpace",
                               "clHighlight",
                               "clHighlightText",
                               "clBtnFace",
                               "clBtnShadow",
                               "clGrayText",
                               "clBtnText",
                               "clInactiveCaptionText",
                               "clBtnHighlight",
                               "cl3DDkShadow",
                               "cl3DLight",
                               "clInfoText",
                               "clInfoBk",
                               "clGradientActiveCaption",
                               "clGradientInactiveCaption",
                               "clNone",
                               "clDefault"};
    ASSERT_EQ(names.size(), 49);

    QSet<quint32> values;
    for (const QString& name : names) {
        const std::optional<quint32> value = nameToColour(name);
        ASSERT_TRUE(value) << name.toStdString();
        values.insert(*value);
        EXPECT_EQ(colourToName(*value), name);
    }
    EXPECT_EQ(values.size(), 49);

    EXPECT_EQ(nameToColour(u"clSkyBlue"), 0x00F0CAA6u);
    EXPECT_EQ(nameToColour(u"clCream"), 0x00F0FBFFu);
    EXPECT_EQ(nameToColour(u"clMedGray"), 0x00A4A0A0u);
    EXPECT_EQ(nameToColour(u"cl3DDkShadow"), 0x80000015u);
    EXPECT_EQ(nameToColour(u"clGradientInactiveCaption"), 0x8000001Cu);
    EXPECT_EQ(nameToColour(u"clNone"), 0x1FFFFFFFu);
    EXPECT_EQ(nameToColour(u"clRose"), std::nullopt);
    EXPECT_EQ(colourToName(0x80000019), "");
}

TEST(DesktopColours, PlainColoursShowAsTheirRedGreenAndBlue) {
    EXPECT_EQ(toQColor(0x00563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
    EXPECT_FALSE(toQColor(clNone).isValid());
    EXPECT_FALSE(toQColor(clDefault).isValid());
}

TEST(DesktopColours, SystemColoursFollowTheApplicationPalette) {
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::WindowText, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::Base, QColor(7, 8, 9));
    palette.setColor(QPalette::Highlight, QColor(10, 11, 12));
    palette.setColor(QPalette::ToolTipBase, QColor(13, 14, 15));
    QGuiApplication::setPalette(palette);

    EXPECT_EQ(toQColor(clWindowText), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(clBtnFace), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(clWindow), QColor(7, 8, 9));
    EXPECT_EQ(toQColor(clHighlight), QColor(10, 11, 12));
    EXPECT_EQ(toQColor(clInfoBk), QColor(13, 14, 15));
    EXPECT_FALSE(toQColor(0x80000019).isValid()); // an index with no desktop colour

    QGuiApplication::setPalette(saved);
}

// A window reads its keys while it is created: all of them from one reading of the file, which
// is opened once and not once a key. Its own write makes the next read read the file again.
TEST_F(IniFileTest, ReadsAnswerFromTheFirstReadingUntilAWrite) {
    givenLines("a=1\r\nb=2\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "a", 0), 1);
    givenLines("a=10\r\nb=20\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "b", 0), 2);
    ini.WriteInteger("S", "c", 3);
    EXPECT_EQ(ini.ReadInteger("S", "b", 0), 20);
    EXPECT_EQ(ini.ReadInteger("S", "c", 0), 3);
}
