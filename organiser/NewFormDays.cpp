// The name-day and holiday lists of the new-reminder dialog: which days the organiser follows.
#include "NewForm.h"

#include "Clock.h"
#include "DaySlots.h"
#include "MainForm.h"
#include "MainSettings.h"

#include <QAction>
#include <QListWidget>

namespace {

// Each line keeps the number of its day's record, so that a line always reads its own record.
constexpr int RecordRole = Qt::UserRole;

// The name, then the first slot as it stands and every further slot in use.
QString withDates(const TDayRec& record) {
    QString text = record.Name() + QStringLiteral(" (") + record.Date(1);
    for (int k = 2; k <= TDayRec::DateCount; ++k) {
        if (!DaySlots::isUnused(record.Date(k)))
            text += QStringLiteral(", ") + record.Date(k);
    }
    return text + QLatin1Char(')');
}

} // namespace

bool TfrmNew::AllDatesPast(const TDayRec& record) {
    return DaySlots::AllDatesPast(record, Clock::now().date());
}

int TfrmNew::recordOf(const QListWidget* list, int line) {
    return list->item(line)->data(RecordRole).toInt();
}

void TfrmNew::fillDayList(DayCheckList* list, const DayTable& table) {
    for (int index = DayTable::First; index <= DayTable::Last; ++index) {
        const TDayRec& record = table[index];
        if (!record.hasName())
            continue;
        auto* line = new QListWidgetItem(record.Name(), list);
        line->setData(RecordRole, index);
        line->setCheckState(Qt::Unchecked);
        list->setLineEnabled(list->count() - 1, MainSettings.EnablePast || !AllDatesPast(record));
    }
    for (int line = 0; line < list->count(); ++line) {
        if (table[recordOf(list, line)].Selected())
            list->item(line)->setCheckState(Qt::Checked);
    }
}

void TfrmNew::clbNevnapClick() {
    showDayDates(clbNevnap, m_main.tables().NevnapList, FNevnapPrevIndex);
}

void TfrmNew::clbUnnepClick() {
    showDayDates(clbUnnep, m_main.tables().UnnepList, FUnnepPrevIndex);
}

void TfrmNew::showDayDates(QListWidget* list, const DayTable& table, int& previous) {
    if (previous >= 0 && previous < list->count())
        list->item(previous)->setText(table[recordOf(list, previous)].Name());
    // A move that leaves no line selected only puts the plain name back.
    const int selected = TfrmMain::GetSelected(list);
    if (selected < 0)
        return;
    list->item(selected)->setText(withDates(table[recordOf(list, selected)]));
    previous = selected;
}

void TfrmNew::PopupMenu1Popup() {
    mEnablePast->setChecked(!MainSettings.EnablePast);
}

void TfrmNew::mEnablePastClick() {
    MainSettings.EnablePast = !mEnablePast->isChecked();
    applyPastRule(clbNevnap, m_main.tables().NevnapList);
    applyPastRule(clbUnnep, m_main.tables().UnnepList);
}

void TfrmNew::applyPastRule(DayCheckList* list, const DayTable& table) {
    // The check marks stay: a line that becomes disabled keeps its mark.
    for (int line = 0; line < list->count(); ++line) {
        list->setLineEnabled(line,
                             MainSettings.EnablePast || !AllDatesPast(table[recordOf(list, line)]));
    }
    list->viewport()->update();
}

void TfrmNew::mSelectAllClick() {
    tickEnabledLines(true);
}

void TfrmNew::mUnSelectAllClick() {
    tickEnabledLines(false);
}

void TfrmNew::tickEnabledLines(bool tick) {
    for (DayCheckList* list : {clbNevnap, clbUnnep}) {
        if (list->isHidden())
            continue;
        for (int line = 0; line < list->count(); ++line) {
            if (list->isLineEnabled(line))
                list->item(line)->setCheckState(tick ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void TfrmNew::storeDayTicks(QListWidget* list, DayTable& table) {
    for (int line = 0; line < list->count(); ++line) {
        TDayRec& record = table[recordOf(list, line)];
        record.setSelected(list->item(line)->checkState() == Qt::Checked);
        // Every listed day is announced afresh, ticked or not.
        for (int k = 1; k <= TDayRec::DateCount; ++k)
            record.setPending(k, true);
    }
}
