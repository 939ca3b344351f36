// A calendar file of any bytes: the load takes its whole records, up to the table's capacity, and
// the write gives back exactly the input's records up to the first one without a name, byte for
// byte; every name and date survives the code page both ways.
#include "CalendarFile.h"
#include "FuzzSupport.h"

#include <QSet>

#include <memory>

namespace {

// Where a day record's Name starts: its length byte, 0 for a record without a name.
constexpr qsizetype NameLengthOffset = 113;

// The write rule, read off the input's bytes rather than the table.
QByteArray namedRecords(QByteArrayView input) {
    const qsizetype whole = std::min<qsizetype>(input.size() / TDayRec::Size, DayTable::Capacity);
    QByteArray named;
    for (qsizetype i = 0; i < whole; ++i) {
        const QByteArrayView record = input.sliced(i * TDayRec::Size, TDayRec::Size);
        if (record[NameLengthOffset] == 0)
            break;
        named += record;
    }
    return named;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    auto table = std::make_unique<DayTable>();
    FUZZ_CHECK(CalendarFile::load(FuzzSupport::scratchFile(input), *table) ==
               CalendarFile::LoadResult::Loaded);

    const int count = int(std::min<size_t>(size / TDayRec::Size, DayTable::Capacity));
    // Records of the same bytes have the same fields: each is checked once.
    QSet<QByteArrayView> checked;
    for (int i = DayTable::First; i < DayTable::First + count; ++i) {
        const TDayRec& day = (*table)[i];
        if (!FuzzSupport::firstOfItsBytes(checked, day.data(), TDayRec::Size))
            continue;
        TDayRec copy = day;
        copy.setName(day.Name());
        FUZZ_CHECK(copy.Name() == day.Name());
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            copy.setDate(k, day.Date(k));
            FUZZ_CHECK(copy.Date(k) == day.Date(k));
        }
    }

    FUZZ_CHECK(CalendarFile::bytes(*table) == namedRecords(input));
    return 0;
}
