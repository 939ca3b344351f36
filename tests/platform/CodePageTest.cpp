#include "CodePage.h"

#include <QList>

#include <gtest/gtest.h>

#include <iconv.h>
#include <optional>

namespace {

// glibc's converter, the independent reference for the code page.
class Iconv {
public:
    Iconv(const char* to, const char* from)
        : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid())
            iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // The converted bytes, or nothing when glibc rejects the input.
    std::optional<QByteArray> convert(QByteArray input) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* in = input.data();
        size_t inLeft = input.size();
        char out[16];
        char* outEnd = out;
        size_t outLeft = sizeof out;
        if (iconv(m_cd, &in, &inLeft, &outEnd, &outLeft) == size_t(-1) || inLeft != 0)
            return std::nullopt;
        return QByteArray(out, outEnd - out);
    }

private:
    iconv_t m_cd;
};

const QList<int> kUndefinedBytes = {0x81, 0x83, 0x88, 0x90, 0x98};

QByteArray everyByte() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

QString hex(int value) {
    return QString::number(value, 16).toUpper();
}

} // namespace

TEST(CodePage, DecodesEveryByteAsGlibcDoes) {
    Iconv toUtf8("UTF-8", "CP1250");
    ASSERT_TRUE(toUtf8.valid());

    QList<int> rejected;
    QString expectedAll;
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, char(b));
        const std::optional<QByteArray> utf8 = toUtf8.convert(byte);
        // glibc leaves these undefined; we keep them as the C1 control of the same number.
        const QString expected = utf8 ? QString::fromUtf8(*utf8) : QString(QChar(char16_t(b)));
        if (!utf8)
            rejected.append(b);
        expectedAll += expected;
        EXPECT_EQ(QString(CodePage::decodeByte(uchar(b))), expected) << "byte 0x" << hex(b).data();
        EXPECT_EQ(CodePage::toUnicode(byte), expected) << "byte 0x" << hex(b).data();
    }
    EXPECT_EQ(rejected, kUndefinedBytes);
    // A whole buffer, NUL included, decodes byte by byte.
    EXPECT_EQ(CodePage::toUnicode(everyByte()), expectedAll);
}

TEST(CodePage, EveryByteSurvivesARoundTrip) {
    const QByteArray bytes = everyByte();
    EXPECT_EQ(CodePage::fromUnicode(CodePage::toUnicode(bytes)), bytes);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(uchar(CodePage::encodeChar(CodePage::decodeByte(uchar(b)))), b)
            << "byte 0x" << hex(b).data();
}

TEST(CodePage, EncodesEveryCharacterAsGlibcDoes) {
    Iconv fromUtf8("CP1250", "UTF-8");
    ASSERT_TRUE(fromUtf8.valid());

    QStringList mismatches;
    int held = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue; // surrogates are not characters on their own
        const QString ch{QChar(char16_t(unit))};
        std::optional<QByteArray> expected = fromUtf8.convert(ch.toUtf8());
        if (expected)
            ++held;
        else if (kUndefinedBytes.contains(unit))
            expected = QByteArray(1, char(unit));
        else
            expected = QByteArrayLiteral("?");
        const QByteArray actual = CodePage::fromUnicode(ch);
        if (actual != *expected || CodePage::encodeChar(ch[0]) != expected->at(0))
            mismatches.append(QStringLiteral("U+%1 -> %2").arg(hex(unit), actual.toHex()));
    }
    EXPECT_EQ(held, 256 - kUndefinedBytes.size());
    EXPECT_TRUE(mismatches.isEmpty()) << mismatches.mid(0, 20).join(", ").toStdString();
}

TEST(CodePage, CharactersItCannotHoldBecomeOneQuestionMark) {
    EXPECT_EQ(CodePage::fromUnicode(u"a\u4E2Db"), QByteArrayLiteral("a?b"));
    EXPECT_EQ(CodePage::fromUnicode(u"\u0175"), QByteArrayLiteral("?"));
    // An emoji outside the basic plane is a surrogate pair: still one character, one "?".
    EXPECT_EQ(CodePage::fromUnicode(u"x\U0001F600y"), QByteArrayLiteral("x?y"));
    EXPECT_EQ(CodePage::fromUnicode(u"\U0001F600\U0001F600"), QByteArrayLiteral("??"));
    // A lone half of a pair at the end is unholdable too.
    EXPECT_EQ(CodePage::fromUnicode(QString(QChar(char16_t(0xD83D)))), QByteArrayLiteral("?"));

    // These look exotic but are in the code page.
    EXPECT_EQ(CodePage::fromUnicode(u"\u20AC\u0151\u00F4"), QByteArray("\x80\xF5\xF4"));
}

TEST(CodePage, HungarianLettersMapToTheirBytes) {
    const QString text = QStringLiteral("árvíztűrő tükörfúrógép ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP");
    const QByteArray bytes("\xE1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p "
                           "\xC1RV\xCDZT\xDBR\xD5 T\xDCK\xD6RF\xDAR\xD3G\xC9P");
    EXPECT_EQ(CodePage::fromUnicode(text), bytes);
    EXPECT_EQ(CodePage::toUnicode(bytes), text);
}
