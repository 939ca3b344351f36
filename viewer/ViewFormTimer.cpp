// The one-second tick: the clock in the status bar and the rows' alarms.
#include "ViewForm.h"

#include "AlertForm.h"
#include "Clock.h"
#include "RegionalFormats.h"
#include "TrayIcon.h"

#include <QLabel>

namespace {

// The icon calls attention while an alert is being raised, however the raising ends.
class CyclingIcon {
public:
    explicit CyclingIcon(TTrayIcon* icon)
        : m_icon(icon) {
        m_icon->SetCycleIcons(true);
    }
    ~CyclingIcon() { m_icon->SetCycleIcons(false); }

    CyclingIcon(const CyclingIcon&) = delete;
    CyclingIcon& operator=(const CyclingIcon&) = delete;

private:
    TTrayIcon* m_icon;
};

} // namespace

void TfrmView::Timer1Timer() {
    const QDateTime now = Clock::now();
    m_statusPanel->setText(RegionalFormats::shortDateText(now.date()) + QLatin1Char(' ') +
                           now.time().toString(RegionalFormats::longTimeFormat()));
    for (int row = 0; row < tZimpa->rowCount(); ++row) {
        const std::optional<QString> time = m_alarmTimes.take(row, now);
        if (!time)
            continue;
        // The message as the cell holds it now, edits included.
        const QString message = tZimpa->cell(row, 1);
        if (!message.isEmpty())
            announce(*time, message);
    }
    m_alarmTimes.checkedAt(now);
}

void TfrmView::announce(const QString& time, const QString& message) {
    if (!frmAlert)
        return;
    const CyclingIcon calling(TrayIcon);
    frmAlert->AddLine(QStringLiteral("A(z) ") + time +
                      QStringLiteral(" időpontra az alábbi emlékeztetőt jegyezted be:"));
    frmAlert->AddLine(message);
    frmAlert->Popup();
}
