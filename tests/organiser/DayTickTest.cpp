#include "MainFormFixture.h"

#include "AlertForm.h"
#include "Clock.h"
#include "NewForm.h"
#include "RegionalFormats.h"
#include "TransparentForm.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTimer>

namespace {

// A day record as the new-reminder dialog leaves it: every announcement due.
QByteArray day(const QByteArray& name, const QList<QByteArray>& dates, bool selected = false) {
    QByteArray bytes = RecordBytes::day(name, dates, selected);
    for (int k = 1; k <= 16; ++k)
        bytes[k] = 1;
    return bytes;
}

} // namespace

class DayTickTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        RegionalFormats::setForTesting(
            RegionalFormats::Formats{QStringLiteral("yyyy.MM.dd."), QStringLiteral("H:mm:ss")});
        TTransparentForm::setSleeperForTesting([](int) {});
    }

    void TearDown() override {
        Clock::setForTesting({});
        RegionalFormats::setForTesting(std::nullopt);
        TTransparentForm::setSleeperForTesting({});
        MainFormFixture::TearDown();
    }

    void at(const QDateTime& moment) {
        Clock::setForTesting([moment] { return moment; });
    }

    void startOn(const QDate& date, const QByteArray& nameDays, const QByteArray& holidays = {}) {
        folder.write(QStringLiteral("nevnap.data"), nameDays);
        folder.write(QStringLiteral("unnep.data"), holidays);
        at(QDateTime(date, QTime(10, 0)));
        create();
    }

    void restart() {
        ASSERT_TRUE(close());
        window.reset();
        tables = std::make_unique<Tables>();
        window = std::make_unique<TfrmMain>(*tables);
        create();
    }

    QString alertText() const { return window->frmAlert->mMemo->toPlainText(); }
};

TEST_F(DayTickTest, AFollowedNameDayIsAnnouncedOnceEvenAfterARestart) {
    startOn(QDate(2026, 8, 20), day("\xC1"
                                    "bel",
                                    {"01.02"}, true) +
                                    day("Istv\xE1n", {"08.20", "12.26"}, true) +
                                    day("Nem k\xF6vetett", {"08.20"}));
    window->TimerTimer();
    EXPECT_EQ(alertText(), QStringLiteral("A mai napon (2026.08.20.) van István névnapja.\n"
                                          "Erre a névnapra emlékeztetőt állítottál be."));
    EXPECT_TRUE(window->frmAlert->isVisible());
    EXPECT_EQ(window->tbNevnap->text(),
              QStringLiteral("Ma István, Nem követett ünnepli névnapját."));
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("2026.08.20. 10:00:00"));
    EXPECT_EQ(window->statusPanelText(1), QString()) << "no lock key lights off screen";

    window->frmAlert->btnCloseClick();
    window->TimerTimer();
    EXPECT_EQ(alertText(), QString());
    EXPECT_FALSE(window->frmAlert->isVisible());

    restart();
    window->TimerTimer();
    EXPECT_EQ(alertText(), QString());
    EXPECT_EQ(folder.read(QStringLiteral("nevnap.data")).at(242 + 1), '\0');
    EXPECT_EQ(folder.read(QStringLiteral("nevnap.data")).at(242 + 2), '\1');
}

TEST_F(DayTickTest, NameDaysComeBeforeHolidaysInOnePopup) {
    startOn(QDate(2027, 1, 1),
            day("Fruzsina", {"01.01"}, true) + day("Ad\xE9l", {"01.01", "12.24"}, true),
            day("\xDAj\xE9v", {"01.01"}, true));
    window->TimerTimer();
    EXPECT_EQ(alertText(), QStringLiteral("A mai napon (2027.01.01.) van Fruzsina, Adél névnapja.\n"
                                          "Erre a névnapra emlékeztetőt állítottál be.\n"
                                          "A mai napon (2027.01.01.) van Újév.\n"
                                          "Erre az ünnepre emlékeztetőt állítottál be."));
}

TEST_F(DayTickTest, WithoutNameDaysTheLabelKeepsItsTwoBlanksAndMidnightShowsTheDateAlone) {
    folder.write(QStringLiteral("nevnap.data"), day("Hib\xE1s", {"xx.yy", "", "08.2"}, true));
    at(QDateTime(QDate(2026, 8, 20), QTime(0, 0)));
    create();
    window->TimerTimer();
    EXPECT_EQ(window->tbNevnap->text(), QStringLiteral("Ma  ünnepli névnapját."));
    EXPECT_EQ(window->statusPanelText(3), QStringLiteral("2026.08.20."));
    EXPECT_EQ(alertText(), QString());
}

TEST_F(DayTickTest, TheNameDayMessageLooksAcrossTheYearsEnd) {
    startOn(QDate(2026, 12, 31), day("D\xE1vid", {"12.30"}) + day("Szilveszter", {"12.31"}) +
                                     day("Fruzsina", {"01.01"}) + day("Mikl\xF3s", {"12.06"}));
    window->tbNevnapDblClick();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Aktuális névnapok:\n\nTegnap Dávid ünnepelte "
                                            "névnapját.\n\nMa Szilveszter. \nHolnap pedig "
                                            "Fruzsina ünnepli névnapját."));
}

TEST_F(DayTickTest, TheNameDayMessageKnowsTheLeapDay) {
    startOn(QDate(2027, 3, 1), day("Elem\xE9r", {"02.28"}) + day("Sz\xF6kn\xE9p", {"02.29"}) +
                                   day("Albin", {"03.01"}));
    window->tbNevnapDblClick();
    at(QDateTime(QDate(2028, 2, 29), QTime(12, 0)));
    window->tbNevnapDblClick();
    at(QDateTime(QDate(2026, 6, 15), QTime(12, 0)));
    window->tbNevnapDblClick();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("Tegnap Elemér ünnepelte")));
    EXPECT_TRUE(boxes[0].text.contains(QStringLiteral("Ma Albin. ")));
    EXPECT_TRUE(boxes[1].text.contains(QStringLiteral("Tegnap Elemér ünnepelte")));
    EXPECT_TRUE(boxes[1].text.contains(QStringLiteral("Ma Szöknép. ")));
    EXPECT_TRUE(boxes[1].text.contains(QStringLiteral("Holnap pedig Albin ünnepli")));
    EXPECT_EQ(boxes[2].text, QStringLiteral("Aktuális névnapok:\n\nTegnap  ünnepelte "
                                            "névnapját.\n\nMa . \nHolnap pedig  ünnepli "
                                            "névnapját."));
}

TEST_F(DayTickTest, TakingADayOffItsPageKeepsTheOthersAndItsFlags) {
    startOn(QDate(2026, 5, 5), day("A", {"01.01"}, true) + day("B", {"02.02"}) +
                                   day("C", {"03.03"}, true) + day("D", {"04.04"}, true));
    ASSERT_EQ(window->lbNevnap->count(), 3);
    window->PageControl->setCurrentIndex(3);
    window->mEdit_SubMenu3_DeleteClick();
    EXPECT_EQ(window->lbNevnap->count(), 3) << "nothing selected, nothing taken off";
    window->lbNevnap->item(1)->setSelected(true);
    window->mEdit_SubMenu3_DeleteClick();
    EXPECT_EQ(window->lbNevnap->item(0)->text(), QStringLiteral("A - 01.01"));
    EXPECT_EQ(window->lbNevnap->item(1)->text(), QStringLiteral("D - 04.04"));
    EXPECT_FALSE(tables->NevnapList[3].Selected());
    EXPECT_TRUE(tables->NevnapList[3].Pending(1));
    EXPECT_TRUE(tables->NevnapList[4].Selected());
    window->PageControl->setCurrentIndex(4);
    window->PageControl->setCurrentIndex(3);
    EXPECT_EQ(window->lbNevnap->count(), 2);
}

// Every page switch refills both day pages; over full calendars decoding every date of every
// day again made the switch a freeze a user feels. Only a day whose texts changed is decoded.
TEST_F(DayTickTest, APageSwitchDecodesNoDateAgainWhileNoDayChanged) {
    startOn(QDate(2026, 5, 5), day("A", {"01.01"}, true) + day("B", {"02.02", "02.03"}, true),
            day("\xDAj\xE9v", {"01.01"}, true));
    const auto decoded = [this] {
        return window->dayDates(Kind::Nevnap).decodedSlots() +
               window->dayDates(Kind::Unnep).decodedSlots();
    };
    const std::int64_t atStart = decoded();
    for (const int page : {3, 4, 0, 1, 2, 3})
        window->PageControl->setCurrentIndex(page);
    EXPECT_EQ(decoded(), atStart);
    EXPECT_EQ(window->lbNevnap->item(1)->text(), QStringLiteral("B - 02.02, 02.03"));

    tables->NevnapList[2].setDate(2, QStringLiteral("02.04"));
    window->PageControl->setCurrentIndex(4);
    EXPECT_EQ(decoded(), atStart + TDayRec::DateCount) << "the changed day alone";
    EXPECT_EQ(window->lbNevnap->item(1)->text(), QStringLiteral("B - 02.02, 02.04"));
    at(QDateTime(QDate(2026, 2, 4), QTime(10, 0)));
    window->TimerTimer();
    EXPECT_EQ(window->tbNevnap->text(), QStringLiteral("Ma B ünnepli névnapját."));
}

TEST_F(DayTickTest, ThePastDaysItemShowsTheOptionInverted) {
    create();
    for (const bool enablePast : {false, true}) {
        MainSettings.EnablePast = enablePast;
        window->SettingsMenuClick();
        EXPECT_EQ(window->mSettings_EnablePast->isChecked(), !enablePast);
    }
    window->mSettings_EnablePast->trigger();
    EXPECT_TRUE(MainSettings.EnablePast == false);
    window->mSettings_EnablePast->trigger();
    EXPECT_TRUE(MainSettings.EnablePast);
}

TEST_F(DayTickTest, EveryDashNOpensTheNewReminderDialogAtStart) {
    int opened = 0;
    TfrmNew::setModalRunForTesting([&](TfrmNew& dialog) {
        ++opened;
        dialog.reject();
    });
    window->FormCreate(folder.path(), {QStringLiteral("Zimpa"), QStringLiteral("-n"),
                                       QStringLiteral("x"), QStringLiteral("-N")});
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(window->Timer->isActive());
}
