#pragma once

#include "RtfContent.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QTextEdit;
class RtfFill;

// Loads a note's bytes into a text box as RichText::load does, without holding the window: a
// worker thread reads the rich text (or the plain text's lines), then the paragraphs go into the
// box a piece at a time from the event loop, each piece laid out before the window answers again.
// Meanwhile the box is read-only. A new load, the box's own end or cancel() ends the load where
// it is; finish() puts the rest in at once, for whoever needs the whole note now.
//
// A note with a paragraph longer than MaxParagraph characters is refused: the toolkit lays a
// paragraph out in one piece, and one of a million characters would hold the window for seconds
// and take gigabytes. The box then stays empty.
class NoteLoader : public QObject {
    Q_OBJECT

public:
    static constexpr qsizetype MaxParagraph = 262144;

    explicit NoteLoader(QTextEdit* box);
    ~NoteLoader() override;

    // Empties the box at once; the note follows. path only names the file in a refusal.
    void load(QByteArray bytes, const QString& path);
    bool isLoading() const { return m_loading; }
    void cancel();
    void finish();

signals:
    // The whole note is in the box, its caret at the start.
    void loaded();
    // The note was refused; the text says why.
    void refused(const QString& text);

private:
    // On the worker thread: the note read into m_read, then the window told.
    void read(const QByteArray& bytes, int load);
    // Takes what the worker read and starts the filling; false when there is nothing to fill.
    bool startFilling();
    void fillStep();
    void end();
    void stopReading();

    QTextEdit* m_box;
    bool m_loading = false;
    bool m_wasReadOnly = false;
    QString m_path;
    int m_load = 0; // which load the worker's word belongs to
    std::thread m_reader;
    std::atomic<bool> m_stop{false};
    std::optional<RtfContent> m_read; // written by the worker, taken once it has been joined
    std::optional<RtfContent> m_content;
    std::unique_ptr<RtfFill> m_fill;
    qsizetype m_stepSize = 256;
};
