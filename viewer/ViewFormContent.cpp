// Showing a content file: an appointment's or a task's rows in the table, a note as text.
#include "ViewForm.h"

#include "ContentFile.h"
#include "Dialogs.h"
#include "NoteLoader.h"
#include "RunError.h"

#include <QFileInfo>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

namespace {

// A path written with the other system's separator names the same file.
QString localPath(const QString& path) {
    QString local = path;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return local;
}

} // namespace

QString TfrmView::SplitField(const QString& line, std::uint8_t part) {
    return ContentFile::SplitField(line, part);
}

void TfrmView::LoadFile(const QString& path) {
    m_currentFile = path;
    const QString file = localPath(path);
    if (path.contains(QLatin1String("task")) || path.contains(QLatin1String("time")))
        loadTable(path, file);
    else
        loadNote(file);
}

void TfrmView::loadTable(const QString& path, const QString& file) {
    m_noteLoader->cancel();
    tZimpa->setVisible(true);
    mZimpa->setVisible(false);
    clearGridCells();
    if (!QFileInfo::exists(file)) {
        Dialogs::error(QStringLiteral("Hiba: a(z) ") + QFileInfo(file).absoluteFilePath() +
                           QStringLiteral(" fájl feldolgozása nem sikerült."),
                       this);
        return;
    }
    const std::optional<QStringList> lines = ContentFile::readLines(file);
    if (!lines) {
        Dialogs::error(QStringLiteral("Hiba: a(z) ") + path +
                           QStringLiteral(" fájl megnyitása nem sikerült."),
                       this);
    } else {
        m_filling = true;
        for (int i = 0; i < lines->size(); ++i) {
            tZimpa->setRowCount(i + 1);
            tZimpa->setCell(i, 0, SplitField(lines->at(i), 0));
            tZimpa->setCell(i, 1, SplitField(lines->at(i), 1));
            m_alarmTimes.arm(i, tZimpa->cell(i, 0));
        }
        m_filling = false;
        if (lines->size() == 1)
            refuseHeaderOfOneRow();
    }
    fixHeaderRow();
    if (!Timer1->isActive())
        Timer1->start();
}

bool TfrmView::noteLoading() const {
    return m_noteLoader->isLoading();
}

void TfrmView::loadNote(const QString& file) {
    tZimpa->setVisible(false);
    mZimpa->setVisible(true);
    if (!QFileInfo::exists(file))
        return;
    // A large note comes in pieces after the window is there; the caret ends at its start.
    if (const std::optional<QByteArray> bytes = ContentFile::readBytes(file))
        m_noteLoader->load(*bytes, file);
}

// A grid's one row cannot also be its fixed header: the row stays a row, the load ends with the
// grid's error, and this load starts no clock.
void TfrmView::refuseHeaderOfOneRow() {
    tZimpa->releaseHeaderRow();
    throw RunError(QStringLiteral("Fixed row count must be less than row count"));
}

void TfrmView::clearGridCells() {
    tZimpa->commitEdit();
    m_filling = true;
    tZimpa->clearCells(0);
    m_filling = false;
}

// The first row holds the columns' captions and stays in place above the rows as the grid's
// header. A table of one line is its header alone.
void TfrmView::fixHeaderRow() {
    const QScopedValueRollback filling(m_filling, true);
    tZimpa->makeHeaderRow();
}
