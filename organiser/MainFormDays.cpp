// The name days and holidays the organiser follows: their pages, the one-second tick that
// announces them, and the message of the days around today.
#include "MainForm.h"

#include "AlertForm.h"
#include "Clock.h"
#include "DayCalendar.h"
#include "Dialogs.h"
#include "Guard.h"
#include "KeyLocks.h"
#include "MainSettings.h"
#include "RegionalFormats.h"

#include <QAction>
#include <QListWidget>
#include <QTimer>

namespace {

void fill(QListWidget* list, const QStringList& lines) {
    list->clear();
    list->addItems(lines);
}

// The date as the regional short format writes it, with no blanks around it.
QString dateText(const QDate& date) {
    return RegionalFormats::shortDateText(date).trimmed();
}

} // namespace

void TfrmMain::createDayTimer() {
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, [this] { runGuarded([this] { TimerTimer(); }); });
    m_alert = std::make_unique<TfrmAlert>(this);
    frmAlert = m_alert.get();
}

void TfrmMain::RefreshNevnapUnnepLists() {
    const RuleRefresh::BulkFill bulkFill(m_ruleRefresh);
    refreshDayDates();
    fill(lbNevnap, DayCalendar::followedLines(m_tables.NevnapList, m_nevnapDates));
    fill(lbUnnep, DayCalendar::followedLines(m_tables.UnnepList, m_unnepDates));
}

void TfrmMain::refreshDayDates() {
    m_nevnapDates.refresh(m_tables.NevnapList);
    m_unnepDates.refresh(m_tables.UnnepList);
}

void TfrmMain::mEdit_SubMenu3_DeleteClick() {
    const int page = PageControl->currentIndex();
    if (page == static_cast<int>(Kind::Nevnap))
        DeselectNevnap(GetSelected(lbNevnap));
    else if (page == static_cast<int>(Kind::Unnep))
        DeselectUnnep(GetSelected(lbUnnep));
}

void TfrmMain::DeselectNevnap(int line) {
    deselectDay(lbNevnap, m_tables.NevnapList, line);
}

void TfrmMain::DeselectUnnep(int line) {
    deselectDay(lbUnnep, m_tables.UnnepList, line);
}

void TfrmMain::deselectDay(QListWidget* list, DayTable& table, int line) {
    if (line < 0 || line >= list->count())
        return;
    delete list->takeItem(line);
    list->clearSelection();
    DayCalendar::deselect(table, line);
    refreshDayDates();
}

void TfrmMain::TimerTimer() {
    const QDateTime now = Clock::now();
    const QDate today = now.date();
    const bool midnight =
        now.time().hour() == 0 && now.time().minute() == 0 && now.time().second() == 0;
    QString clock = RegionalFormats::shortDateText(today);
    if (!midnight)
        clock += QLatin1Char(' ') + now.time().toString(RegionalFormats::longTimeFormat());
    setStatusPanelText(3, clock);

    const QStringList todaysNames = DayCalendar::namesOn(m_tables.NevnapList, m_nevnapDates, today);
    const QStringList nameDays =
        DayCalendar::takeDueAnnouncements(m_tables.NevnapList, m_nevnapDates, today);
    const QStringList holidays =
        DayCalendar::takeDueAnnouncements(m_tables.UnnepList, m_unnepDates, today);
    const QString opening =
        QStringLiteral("A mai napon (") + dateText(today) + QStringLiteral(") van ");
    if (!nameDays.isEmpty()) {
        frmAlert->AddLine(opening + DayCalendar::joined(nameDays) + QStringLiteral(" névnapja."));
        frmAlert->AddLine(QStringLiteral("Erre a névnapra emlékeztetőt állítottál be."));
    }
    if (!holidays.isEmpty()) {
        frmAlert->AddLine(opening + DayCalendar::joined(holidays) + QStringLiteral("."));
        frmAlert->AddLine(QStringLiteral("Erre az ünnepre emlékeztetőt állítottál be."));
    }
    tbNevnap->setText(QStringLiteral("Ma ") + DayCalendar::joined(todaysNames) +
                      QStringLiteral(" ünnepli névnapját."));
    setStatusPanelText(1, KeyLocks::isNumLockOn() ? QStringLiteral("NUM") : QString());
    setStatusPanelText(2, KeyLocks::isCapsLockOn() ? QStringLiteral("CAPS") : QString());
    // Last: the fade holds the thread, and everything of this tick is in place by then.
    if (!nameDays.isEmpty() || !holidays.isEmpty())
        frmAlert->Popup();
}

void TfrmMain::tbNevnapDblClick() {
    const QDate today = Clock::now().date();
    const auto names = [this](const QDate& date) {
        return DayCalendar::joined(DayCalendar::namesOn(m_tables.NevnapList, m_nevnapDates, date));
    };
    Dialogs::message(QStringLiteral("Information"),
                     QStringLiteral("Aktuális névnapok:\n\nTegnap ") + names(today.addDays(-1)) +
                         QStringLiteral(" ünnepelte névnapját.\n\nMa ") + names(today) +
                         QStringLiteral(". \nHolnap pedig ") + names(today.addDays(1)) +
                         QStringLiteral(" ünnepli névnapját."),
                     this);
}

void TfrmMain::SettingsMenuClick() {
    mSettings_EnablePast->setChecked(!MainSettings.EnablePast);
}

// The item has turned its check over by the time its command runs.
void TfrmMain::mSettings_EnablePastClick() {
    MainSettings.EnablePast = !mSettings_EnablePast->isChecked();
}
