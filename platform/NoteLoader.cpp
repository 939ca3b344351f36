#include "NoteLoader.h"

#include "RichText.h"
#include "RtfFill.h"

#include <QElapsedTimer>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>

namespace {

// A piece of the filling, laid out, takes about this long: the window answers between pieces.
constexpr qint64 StepNanoseconds = 15'000'000;

} // namespace

NoteLoader::NoteLoader(QTextEdit* box)
    : m_box(box) {
}

NoteLoader::~NoteLoader() {
    stopReading();
}

void NoteLoader::load(QByteArray bytes, const QString& path) {
    cancel();
    m_path = path;
    m_loading = true;
    m_wasReadOnly = m_box->isReadOnly();
    m_box->setReadOnly(true);
    m_box->clear();
    m_stop = false;
    m_stepSize = 256;
    m_reader = std::thread([this, bytes = std::move(bytes), load = m_load] { read(bytes, load); });
}

void NoteLoader::read(const QByteArray& bytes, int load) {
    m_read = RichText::content(bytes, &m_stop);
    QMetaObject::invokeMethod(
        this,
        [this, load] {
            if (load == m_load && m_loading && !m_fill && startFilling())
                fillStep();
        },
        Qt::QueuedConnection);
}

bool NoteLoader::startFilling() {
    if (m_reader.joinable())
        m_reader.join();
    m_content = std::exchange(m_read, std::nullopt);
    if (!m_content) {
        end();
        return false;
    }
    if (m_content->longestParagraph() > MaxParagraph) {
        end();
        emit refused(QStringLiteral("Hiba: a(z) ") + m_path +
                     QStringLiteral(" fájl egy bekezdése hosszabb %1 karakternél, ezért nem "
                                    "tölthető be.")
                         .arg(MaxParagraph));
        return false;
    }
    m_fill = std::make_unique<RtfFill>(*m_content, *m_box->document());
    return true;
}

void NoteLoader::fillStep() {
    if (!m_fill)
        return;
    QElapsedTimer timer;
    timer.start();
    if (m_fill->step(m_stepSize)) {
        end();
        emit loaded();
        return;
    }
    // The next piece as large as fits the time of a step, judged by this one.
    const qint64 took = std::max<qint64>(timer.nsecsElapsed(), 1);
    m_stepSize =
        std::clamp<qsizetype>(qsizetype(double(m_stepSize) * StepNanoseconds / took), 16, 65536);
    // One chain of steps a load: a step left over from an ended load is not this one's.
    QTimer::singleShot(0, this, [this, load = m_load] {
        if (load == m_load)
            fillStep();
    });
}

void NoteLoader::finish() {
    if (!m_loading)
        return;
    if (!m_fill && !startFilling())
        return;
    m_fill->step(m_content->paragraphs.size());
    end();
    emit loaded();
}

void NoteLoader::cancel() {
    if (!m_loading)
        return;
    stopReading();
    m_read.reset();
    end();
}

// The caret goes to the start while the load still counts as running: no one takes that move
// for the user's.
void NoteLoader::end() {
    ++m_load;
    const bool filled = m_fill != nullptr;
    m_fill.reset();
    m_content.reset();
    if (filled)
        m_box->moveCursor(QTextCursor::Start);
    m_box->setReadOnly(m_wasReadOnly);
    m_loading = false;
}

void NoteLoader::stopReading() {
    m_stop = true;
    if (m_reader.joinable())
        m_reader.join();
}
