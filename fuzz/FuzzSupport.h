#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSet>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every reader's fuzz target shares: a scratch file of this process that holds the input,
// since the readers read files, and a failed property that stops the run with a message.
namespace FuzzSupport {

// The path of this process's scratch file, holding exactly the bytes given.
QString scratchFile(const uint8_t* data, size_t size);
QString scratchFile(QByteArrayView bytes);

// What a file holds now, as a reader's write left it.
QByteArray fileBytes(const QString& path);

// True the first time bytes like these come, for checks that need to see each record once.
inline bool firstOfItsBytes(QSet<QByteArrayView>& seen, const char* bytes, qsizetype size) {
    const QByteArrayView record(bytes, size);
    if (seen.contains(record))
        return false;
    seen.insert(record);
    return true;
}

// The toolkit's application object, for the readers that lay out text; off screen.
void startGui(int* argc, char*** argv);

[[noreturn]] inline void fail(const char* property) {
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

} // namespace FuzzSupport

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            FuzzSupport::fail(#condition);                                                         \
    } while (false)
