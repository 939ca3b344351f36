// A calendar file of any bytes: whatever loads is written back and loads again the same, and
// every name and date survives the code page both ways.
#include "CalendarFile.h"
#include "FuzzSupport.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSupport::scratchFile(data, size);
    auto table = std::make_unique<DayTable>();
    FUZZ_CHECK(CalendarFile::load(path, *table) == CalendarFile::LoadResult::Loaded);

    const int count = int(std::min<size_t>(size / TDayRec::Size, DayTable::Capacity));
    for (int i = DayTable::First; i < DayTable::First + count; ++i) {
        const TDayRec& day = (*table)[i];
        TDayRec copy = day;
        copy.setName(day.Name());
        FUZZ_CHECK(copy.Name() == day.Name());
        for (int k = 1; k <= TDayRec::DateCount; ++k) {
            copy.setDate(k, day.Date(k));
            FUZZ_CHECK(copy.Date(k) == day.Date(k));
        }
    }

    const QByteArray written = CalendarFile::bytes(*table);
    FUZZ_CHECK(written.size() % TDayRec::Size == 0);
    FUZZ_CHECK(
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).startsWith(written));
    const QString again = FuzzSupport::scratchFile(
        reinterpret_cast<const uint8_t*>(written.constData()), size_t(written.size()));
    auto reread = std::make_unique<DayTable>();
    FUZZ_CHECK(CalendarFile::load(again, *reread) == CalendarFile::LoadResult::Loaded);
    FUZZ_CHECK(CalendarFile::bytes(*reread) == written);
    return 0;
}
