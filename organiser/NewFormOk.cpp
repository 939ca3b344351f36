// OK in the new-reminder dialog: the checks, and the creation of an appointment, task or note.
#include "NewForm.h"

#include "AtomicFile.h"
#include "Clock.h"
#include "ContentFile.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "ReminderGrid.h"
#include "ReminderId.h"
#include "StoredDate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QTextEdit>

namespace {

const QString NoIdentifier = QStringLiteral("Nem adtad meg az azonosítót!\n\r"
                                            "Új emlékeztető létrehozásához ez nélkülözhetetlen.");
const QString NoMessage =
    QStringLiteral("Egy időponthoz sem adtál meg emlékeztető szöveget.\n\r"
                   "Új emlékeztető létrehozásához legalább egyet meg kell adni.");
const QString SameIdentifier = QStringLiteral("Már tároltál el emlékeztetőt erre az időpontra.");
const QString ListFull =
    QStringLiteral("Az emlékeztetők listája megtelt, új emlékeztető nem vehető fel.");
const QString NoKind = QStringLiteral("Nincs megadva az emlékeztető típusa!");

} // namespace

void TfrmNew::btnOkClick() {
    // One moment for the whole click: a second OK within the same second finds it taken.
    const std::int64_t id = ReminderId::fromLocalTime(Clock::now());
    const int kind = cbType->currentIndex();
    if (kind >= 0 && kind <= 2 && ListIDEdit->text().isEmpty()) {
        Dialogs::information(NoIdentifier, this);
        return;
    }
    switch (kind) {
    case 0:
    case 1:
        createTableReminder(Kind(kind), id);
        return;
    case 2:
        createNote(id);
        return;
    case 3:
        storeDayTicks(clbNevnap, m_main.tables().NevnapList);
        accept();
        return;
    case 4:
        storeDayTicks(clbUnnep, m_main.tables().UnnepList);
        accept();
        return;
    default:
        Dialogs::information(NoKind, this);
        return;
    }
}

void TfrmNew::createTableReminder(Kind kind, std::int64_t id) {
    StringGrid1->commitEdit();
    if (!gridHasMessage()) {
        Dialogs::information(NoMessage, this);
        return;
    }
    if (identifierTaken(kind, id) || tableFull(kind))
        return;
    if (!writeContent(kind, id, gridContent()))
        return;
    addReminder(kind, id);
    accept();
}

void TfrmNew::createNote(std::int64_t id) {
    const QString text = reMemo->toPlainText();
    if (text.isEmpty()) {
        Dialogs::information(NoMessage, this);
        return;
    }
    if (identifierTaken(Kind::Feljegyzes, id) || tableFull(Kind::Feljegyzes))
        return;
    if (!writeContent(Kind::Feljegyzes, id, ContentFile::plainNoteBytes(text)))
        return;
    addReminder(Kind::Feljegyzes, id);
    accept();
}

bool TfrmNew::gridHasMessage() const {
    for (int row = 1; row < StringGrid1->rowCount(); ++row) {
        if (!StringGrid1->cell(row, 1).isEmpty())
            return true;
    }
    return false;
}

QByteArray TfrmNew::gridContent() const {
    const bool everyRow = cbSaveEmptyLines->isChecked();
    QList<TableRow> rows;
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        if (everyRow || !StringGrid1->cell(row, 1).isEmpty())
            rows.append({StringGrid1->cell(row, 0), StringGrid1->cell(row, 1)});
    }
    return ContentFile::tableBytes(rows);
}

QListWidget* TfrmNew::mainList(Kind kind) const {
    switch (kind) {
    case Kind::Feladat:
        return m_main.clbFeladat;
    case Kind::Feljegyzes:
        return m_main.clbFeljegyzes;
    default:
        return m_main.clbIdopont;
    }
}

bool TfrmNew::identifierTaken(Kind kind, std::int64_t id) {
    const ReminderTable& table = m_main.tables().reminders(kind);
    const int used = std::min(mainList(kind)->count(), ReminderTable::Capacity);
    bool taken = false;
    for (int i = 0; i < used; ++i) {
        if (table[i].ID() == id) {
            Dialogs::information(SameIdentifier, this);
            taken = true;
        }
    }
    return taken;
}

bool TfrmNew::tableFull(Kind kind) {
    if (mainList(kind)->count() < ReminderTable::Capacity)
        return false;
    Dialogs::information(ListFull, this);
    return true;
}

bool TfrmNew::writeContent(Kind kind, std::int64_t id, const QByteArray& bytes) {
    // The file comes first: a reminder whose body could not be written is not listed at all.
    const QString path = ContentFile::path(m_main.AppDir(), kind, id);
    if (AtomicFile::write(path, bytes).ok)
        return true;
    Dialogs::error(QStringLiteral("Hiba: a(z) ") + path + QStringLiteral(" fájlt nem lehet írni."),
                   this);
    return false;
}

void TfrmNew::addReminder(Kind kind, std::int64_t id) {
    QListWidget* list = mainList(kind);
    TReminderRec& record = m_main.tables().reminders(kind)[list->count()];
    // The fields only: bytes that no field covers stay as the slot holds them.
    record.setID(id);
    record.setChecked(false);
    record.setTitle(ListIDEdit->text());
    record.setStartDate(StoredDate::text(dtStart->date()));
    record.setEndDate(StoredDate::text(dtEnd->date()));
    record.data()[TReminderRec::FieldsSize - 1] = 0; // Reserved
    auto* line = new QListWidgetItem(ListIDEdit->text(), list);
    line->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    line->setCheckState(Qt::Unchecked);
}
