#include "RtfVocabulary.h"

#include "RichTextCommon.h"

#include <QByteArray>
#include <QList>

using RichTextCommon::kCharsetEastEurope;
using RichTextCommon::kCodePage1250;

namespace RtfVocabulary {

int codePageOfCharset(int charset) {
    switch (charset) {
    case 0:
        return 1252;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case kCharsetEastEurope:
        return kCodePage1250;
    default: // 1 default, 2 symbol, OEM, Mac and the double-byte sets
        return 0;
    }
}

bool isSkippedDestination(QByteArrayView word) {
    static const QList<QByteArray> kWords =
        QByteArray("info stylesheet pict object header headerl headerr headerf footer footerl "
                   "footerr footerf footnote annotation fldinst xe tc txe rxe nonshppict shp "
                   "shprslt filetbl listtable listoverridetable revtbl rsidtbl generator "
                   "themedata colorschememapping latentstyles datastore xmlnstbl pn ftnsep "
                   "ftnsepc ftncn aftnsep aftnsepc aftncn private atnid atnauthor atndate atnref "
                   "atntime atnicn objdata bkmkstart bkmkend template userprops docvar")
            .split(' ');
    return kWords.contains(word);
}

bool isUnderline(QByteArrayView word) {
    static const QList<QByteArray> kWords =
        QByteArray("ul uld uldash uldashd uldashdd uldb ulhwave ulldash ulth ulthd ulthdash "
                   "ulthdashd ulthdashdd ulthldash ululdbwave ulw ulwave")
            .split(' ');
    return kWords.contains(word);
}

std::optional<QChar> characterOf(QByteArrayView word) {
    struct Entry {
        QByteArrayView word;
        char16_t unit;
    };
    static constexpr Entry kEntries[] = {
        {"tab", u'\t'},        {"cell", u'\t'},       {"nestcell", u'\t'}, {"line", 0x2028},
        {"emdash", 0x2014},    {"endash", 0x2013},    {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005},   {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
        {"ltrmark", 0x200E},   {"rtlmark", 0x200F},
    };
    for (const Entry& entry : kEntries) {
        if (entry.word == word)
            return QChar(entry.unit);
    }
    return std::nullopt;
}

} // namespace RtfVocabulary
