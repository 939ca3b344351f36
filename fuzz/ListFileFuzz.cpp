// A list file of any bytes: whatever loads is written back and loads again the same, and every
// text field survives the code page both ways.
#include "FuzzSupport.h"
#include "ListFile.h"
#include "RunError.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSupport::scratchFile(data, size);
    auto table = std::make_unique<ReminderTable>();
    const int count = ListFile::load(path, *table);
    FUZZ_CHECK(count >= 0 && count <= ReminderTable::Capacity);
    FUZZ_CHECK(count == int(std::min<size_t>(size / TReminderRec::Size, ReminderTable::Capacity)));

    for (int i = 0; i < count; ++i) {
        const TReminderRec& record = (*table)[i];
        TReminderRec copy = record;
        copy.setTitle(record.Title());
        copy.setStartDate(record.StartDate());
        copy.setEndDate(record.EndDate());
        FUZZ_CHECK(copy.Title() == record.Title());
        FUZZ_CHECK(copy.StartDate() == record.StartDate());
        FUZZ_CHECK(copy.EndDate() == record.EndDate());
    }

    const QByteArray written = ListFile::bytes(*table);
    FUZZ_CHECK(written.size() % TReminderRec::Size == 0);
    const QString again = FuzzSupport::scratchFile(
        reinterpret_cast<const uint8_t*>(written.constData()), size_t(written.size()));
    auto reread = std::make_unique<ReminderTable>();
    FUZZ_CHECK(ListFile::load(again, *reread) == written.size() / TReminderRec::Size);
    FUZZ_CHECK(ListFile::bytes(*reread) == written);
    return 0;
}
