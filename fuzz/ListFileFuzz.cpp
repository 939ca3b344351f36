// A list file of any bytes: the load takes its whole records, up to the table's capacity, and the
// write gives back exactly the input's own records that it keeps (record 0 when its ID is not 0,
// then up to the first ID 0), byte for byte; every text field survives the code page both ways.
#include "FuzzSupport.h"
#include "ListFile.h"
#include "RunError.h"

#include <QSet>
#include <QtEndian>

#include <memory>

namespace {

// The write rule, read off the input's bytes rather than the table.
QByteArray keptRecords(QByteArrayView input) {
    const qsizetype whole =
        std::min<qsizetype>(input.size() / TReminderRec::Size, ReminderTable::Capacity);
    QByteArray kept;
    for (qsizetype i = 0; i < whole; ++i) {
        const QByteArrayView record = input.sliced(i * TReminderRec::Size, TReminderRec::Size);
        if (qFromLittleEndian<qint64>(record.data()) != 0)
            kept += record;
        else if (i > 0)
            break;
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    auto table = std::make_unique<ReminderTable>();
    const int count = ListFile::load(FuzzSupport::scratchFile(input), *table);
    FUZZ_CHECK(count == int(std::min<size_t>(size / TReminderRec::Size, ReminderTable::Capacity)));

    // Records of the same bytes have the same fields: each is checked once.
    QSet<QByteArrayView> checked;
    for (int i = 0; i < count; ++i) {
        const TReminderRec& record = (*table)[i];
        if (!FuzzSupport::firstOfItsBytes(checked, record.data(), TReminderRec::Size))
            continue;
        TReminderRec copy = record;
        copy.setTitle(record.Title());
        copy.setStartDate(record.StartDate());
        copy.setEndDate(record.EndDate());
        FUZZ_CHECK(copy.Title() == record.Title());
        FUZZ_CHECK(copy.StartDate() == record.StartDate());
        FUZZ_CHECK(copy.EndDate() == record.EndDate());
    }

    FUZZ_CHECK(ListFile::bytes(*table) == keptRecords(input));
    return 0;
}
