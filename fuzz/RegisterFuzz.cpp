// A register of any bytes: its entries are the input's whole 4-byte numbers. A number added
// goes after them and is found last, a removal takes out every entry equal to it and keeps the
// others in their order, and a drawn number is one that no entry holds, or none when all 1024
// are taken; each change leaves the file holding exactly those entries.
#include "FuzzSupport.h"
#include "InstanceRegister.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace {

QList<qint32> entriesOf(QByteArrayView bytes) {
    QList<qint32> entries;
    for (qsizetype at = 0; at + 4 <= bytes.size(); at += 4)
        entries.append(qFromLittleEndian<qint32>(bytes.data() + at));
    return entries;
}

QByteArray bytesOf(const QList<qint32>& entries) {
    QByteArray bytes;
    for (const qint32 entry : entries) {
        char number[4];
        qToLittleEndian(entry, number);
        bytes.append(number, 4);
    }
    return bytes;
}

bool allNumbersTaken(const QList<qint32>& entries) {
    std::array<bool, InstanceRegister::Numbers> taken{};
    for (const qint32 entry : entries) {
        if (entry >= 0 && entry < InstanceRegister::Numbers)
            taken[entry] = true;
    }
    return std::all_of(taken.begin(), taken.end(), [](bool held) { return held; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const qint32 number = qint32(data[0] | (data[1] << 8)) % InstanceRegister::Numbers;
    const QByteArrayView input(reinterpret_cast<const char*>(data) + 2, qsizetype(size - 2));
    const QString path = FuzzSupport::scratchFile(input);
    InstanceRegister instances(path);
    const QList<qint32> before = entriesOf(input);

    FUZZ_CHECK(instances.AddInstanceId(number));
    FUZZ_CHECK(FuzzSupport::fileBytes(path) == bytesOf(before + QList<qint32>{number}));
    FUZZ_CHECK(instances.FindInstanceId(number) == before.size());

    FUZZ_CHECK(instances.RemoveInstanceId(number));
    QList<qint32> rest = before;
    rest.removeAll(number);
    FUZZ_CHECK(FuzzSupport::fileBytes(path) == bytesOf(rest));
    FUZZ_CHECK(instances.FindInstanceId(number) == -1);

    const std::optional<qint32> drawn = instances.addNewInstanceId();
    if (drawn) {
        FUZZ_CHECK(*drawn >= 0 && *drawn < InstanceRegister::Numbers && !rest.contains(*drawn));
        FUZZ_CHECK(FuzzSupport::fileBytes(path) == bytesOf(rest + QList<qint32>{*drawn}));
    } else {
        FUZZ_CHECK(allNumbersTaken(rest));
        FUZZ_CHECK(FuzzSupport::fileBytes(path) == bytesOf(rest));
    }
    return 0;
}
