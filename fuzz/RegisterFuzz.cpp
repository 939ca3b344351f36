// A register of any bytes: a number added is found last and removed completely, and the other
// entries keep their order.
#include "FuzzSupport.h"
#include "InstanceRegister.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const qint32 number = qint32(data[0] | (data[1] << 8)) % InstanceRegister::Numbers;
    InstanceRegister instances(FuzzSupport::scratchFile(data + 2, size - 2));
    const QList<qint32> before = instances.entries();
    FUZZ_CHECK(before.size() == qsizetype((size - 2) / 4));

    FUZZ_CHECK(instances.AddInstanceId(number));
    FUZZ_CHECK(instances.entries() == before + QList<qint32>{number});
    FUZZ_CHECK(instances.FindInstanceId(number) == before.size());

    FUZZ_CHECK(instances.RemoveInstanceId(number));
    QList<qint32> rest = before;
    rest.removeAll(number);
    FUZZ_CHECK(instances.entries() == rest);
    FUZZ_CHECK(instances.FindInstanceId(number) == -1);

    if (const std::optional<qint32> drawn = instances.addNewInstanceId())
        FUZZ_CHECK(!rest.contains(*drawn) && instances.entries() == rest + QList<qint32>{*drawn});
    return 0;
}
