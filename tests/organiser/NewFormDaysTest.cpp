#include "NewFormFixture.h"

#include "MainSettings.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

class NewFormDaysTest : public NewFormFixture {
protected:
    static QList<bool> enabled(const DayCheckList* list) {
        QList<bool> result;
        for (int i = 0; i < list->count(); ++i)
            result << list->isLineEnabled(i);
        return result;
    }

    static QList<bool> ticked(const QListWidget* list) {
        QList<bool> result;
        for (int i = 0; i < list->count(); ++i)
            result << (list->item(i)->checkState() == Qt::Checked);
        return result;
    }

    static void tick(QListWidget* list, int line, bool on) {
        list->item(line)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }

    // Opening the pop-up menu and choosing the option, as the user does.
    void switchPastOption() {
        dialog->PopupMenu1Popup();
        dialog->mEnablePast->trigger();
    }
};

} // namespace

TEST_F(NewFormDaysTest, ListsHoldEveryDayWithPastOnesDisabled) {
    start();
    open(Kind::Nevnap);
    EXPECT_EQ(lines(dialog->clbNevnap), QStringList({"Ábel", "Béla", "Cecil", "Dénes", "Emma"}));
    // 15 March: today is not past, yesterday is, a date later in the year is not.
    EXPECT_EQ(enabled(dialog->clbNevnap), QList<bool>({true, false, true, true, true}));
    EXPECT_EQ(ticked(dialog->clbNevnap), QList<bool>({false, false, false, false, true}));
    EXPECT_EQ(lines(dialog->clbUnnep),
              QStringList({"Újév", "Mozgó ünnep", "Karácsony", "Nemzeti ünnep"}));
    // A day without any date counts as past.
    EXPECT_EQ(enabled(dialog->clbUnnep), QList<bool>({false, false, true, true}));
    EXPECT_EQ(ticked(dialog->clbUnnep), QList<bool>({true, false, false, false}));
}

TEST_F(NewFormDaysTest, WithPastDaysAllowedEveryLineIsEnabled) {
    start();
    MainSettings.EnablePast = true;
    open(Kind::Unnep);
    EXPECT_EQ(enabled(dialog->clbNevnap), QList<bool>(5, true));
    EXPECT_EQ(enabled(dialog->clbUnnep), QList<bool>(4, true));
}

TEST_F(NewFormDaysTest, ADisabledLineCannotBeTickedButStillShowsItsDates) {
    start();
    open(Kind::Nevnap);
    QListWidget* list = dialog->clbNevnap;
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Béla (03.14)"));
    list->setCurrentRow(2);
    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_EQ(list->item(2)->checkState(), Qt::Checked);
}

// A screen reader cannot see the grey: it is told which lines are out of reach, while its own
// "click" on such a line still shows the line's dates.
TEST_F(NewFormDaysTest, AssistiveToolsAreToldWhichLinesCannotBeTicked) {
    start();
    open(Kind::Nevnap);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(dialog->clbNevnap);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 5);
    const auto reachable = [list] {
        QList<bool> result;
        for (int line = 0; line < list->childCount(); ++line) {
            const QAccessible::State state = list->child(line)->state();
            EXPECT_EQ(state.checkable, !state.disabled);
            result << !state.disabled;
        }
        return result;
    };
    EXPECT_EQ(reachable(), QList<bool>({true, false, true, true, true}));
    QAccessibleInterface* bela = list->child(1);
    EXPECT_EQ(bela->role(), QAccessible::ListItem);
    EXPECT_EQ(bela->text(QAccessible::Name), QStringLiteral("Béla"));
    EXPECT_TRUE(list->child(4)->state().checked);
    EXPECT_EQ(list->indexOfChild(bela), 1);

    bela->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(dialog->clbNevnap->item(1)->text(), QStringLiteral("Béla (03.14)"));
    EXPECT_EQ(bela->text(QAccessible::Name), QStringLiteral("Béla (03.14)"));
    EXPECT_TRUE(bela->state().selected);
    EXPECT_EQ(dialog->clbNevnap->item(1)->checkState(), Qt::Unchecked);

    switchPastOption();
    EXPECT_EQ(reachable(), QList<bool>(5, true));
}

TEST_F(NewFormDaysTest, AClickShowsTheDatesOfOneLineAtATime) {
    start();
    open(Kind::Nevnap);
    QListWidget* list = dialog->clbNevnap;
    list->setCurrentRow(1);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("Béla (03.14)"));
    list->setCurrentRow(4);
    EXPECT_EQ(lines(list),
              QStringList({"Ábel", "Béla", "Cecil", "Dénes", "Emma (02.01, 03.16, 05.05)"}));
    EXPECT_EQ(dialog->FNevnapPrevIndex, 4);
    // The line keeps its mark, its state and the selection.
    EXPECT_EQ(list->item(4)->checkState(), Qt::Checked);
    EXPECT_TRUE(list->item(4)->isSelected());
    // A first slot without a date is shown as it stands; later unused slots are left out.
    list->setCurrentRow(3);
    EXPECT_EQ(list->item(3)->text(), QStringLiteral("Dénes (0, 04.09)"));
    EXPECT_EQ(list->item(4)->text(), QStringLiteral("Emma"));

    // Nothing selected: the shown dates go back to the plain name, nothing else changes.
    list->clearSelection();
    EXPECT_EQ(lines(list), QStringList({"Ábel", "Béla", "Cecil", "Dénes", "Emma"}));
    // The holiday list keeps its own line.
    dialog->clbUnnep->setCurrentRow(2);
    EXPECT_EQ(dialog->clbUnnep->item(2)->text(), QStringLiteral("Karácsony (12.25, 12.26)"));
    EXPECT_EQ(dialog->FUnnepPrevIndex, 2);
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(NewFormDaysTest, SelectAllAndNoneLeaveDisabledLinesAndHiddenListsAlone) {
    start();
    open(Kind::Unnep);
    tick(dialog->clbNevnap, 0, true);
    dialog->mSelectAll->trigger();
    EXPECT_EQ(ticked(dialog->clbUnnep), QList<bool>({true, false, true, true}));
    dialog->mUnSelectAll->trigger();
    EXPECT_EQ(ticked(dialog->clbUnnep), QList<bool>({true, false, false, false}));
    // The name days are not shown for this kind.
    EXPECT_EQ(ticked(dialog->clbNevnap), QList<bool>({true, false, false, false, true}));

    choose(Kind::Nevnap);
    dialog->mSelectAll->trigger();
    EXPECT_EQ(ticked(dialog->clbNevnap), QList<bool>({true, false, true, true, true}));
    // Ticks survive a change of kind.
    EXPECT_EQ(ticked(dialog->clbUnnep), QList<bool>({true, false, false, false}));
}

TEST_F(NewFormDaysTest, ThePastOptionSwitchesAtOnceAndOutlivesCancel) {
    start();
    open(Kind::Nevnap);
    dialog->PopupMenu1Popup();
    EXPECT_TRUE(dialog->mEnablePast->isChecked());

    switchPastOption();
    EXPECT_FALSE(dialog->mEnablePast->isChecked());
    EXPECT_TRUE(MainSettings.EnablePast);
    EXPECT_EQ(enabled(dialog->clbNevnap), QList<bool>(5, true));
    EXPECT_EQ(enabled(dialog->clbUnnep), QList<bool>(4, true));
    tick(dialog->clbNevnap, 1, true);

    switchPastOption();
    EXPECT_FALSE(MainSettings.EnablePast);
    EXPECT_EQ(enabled(dialog->clbNevnap), QList<bool>({true, false, true, true, true}));
    EXPECT_EQ(enabled(dialog->clbUnnep), QList<bool>({false, false, true, true}));
    // A line that becomes disabled keeps its mark.
    EXPECT_EQ(ticked(dialog->clbNevnap), QList<bool>({false, true, false, false, true}));

    switchPastOption();
    dialog->btnCancelClick();
    EXPECT_TRUE(MainSettings.EnablePast);
    EXPECT_FALSE(tables->NevnapList[2].Selected());
}

TEST_F(NewFormDaysTest, OkOnHolidaysStoresTheTicksAndRearmsEveryListedHoliday) {
    start();
    tables->UnnepList[3].setPending(5, false);
    const QByteArray nameDaysBefore(tables->NevnapList[1].data(), 5 * TDayRec::Size);
    open(Kind::Unnep);
    tick(dialog->clbUnnep, 0, false);
    tick(dialog->clbUnnep, 2, true);
    tick(dialog->clbUnnep, 3, true);
    tick(dialog->clbNevnap, 0, true); // the other list is dropped
    dialog->btnOkClick();

    EXPECT_TRUE(closed());
    EXPECT_TRUE(boxes.isEmpty());
    QList<bool> selected;
    for (int index = 1; index <= 4; ++index) {
        const TDayRec& record = tables->UnnepList[index];
        selected << record.Selected();
        for (int k = 1; k <= TDayRec::DateCount; ++k)
            EXPECT_TRUE(record.Pending(k)) << index << " " << k;
    }
    EXPECT_EQ(selected, QList<bool>({false, false, true, true}));
    EXPECT_EQ(QByteArray(tables->NevnapList[1].data(), 5 * TDayRec::Size), nameDaysBefore);
    EXPECT_FALSE(tables->UnnepList[5].hasName());
    EXPECT_EQ(tables->UnnepList[5], TDayRec());
}

TEST_F(NewFormDaysTest, DamagedDateSlotsCountAsNoDateAndNeverStopTheLists) {
    QByteArray damaged = RecordBytes::day("Rossz", {"ab.cd", "", "3.15"});
    QByteArray oversized = RecordBytes::day("T\xFAl hossz\xFA", {"0", "12.31"});
    oversized[17] = char(200); // slot 1's length byte far above its capacity
    folder.write(QStringLiteral("nevnap.data"),
                 damaged + oversized + RecordBytes::day("Ut\xF3lag", {"11.11"}));
    start();
    open(Kind::Nevnap);
    EXPECT_EQ(lines(dialog->clbNevnap), QStringList({"Rossz", "Túl hosszú", "Utólag"}));
    EXPECT_EQ(enabled(dialog->clbNevnap), QList<bool>({false, true, true}));
    switchPastOption();
    switchPastOption();
    EXPECT_EQ(enabled(dialog->clbNevnap), QList<bool>({false, true, true}));
    dialog->clbNevnap->setCurrentRow(0);
    EXPECT_EQ(dialog->clbNevnap->item(0)->text(), QStringLiteral("Rossz (ab.cd, , 3.15)"));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(NewFormDaysTest, EachLineReadsItsOwnRecordEvenAfterAGapInTheCalendar) {
    // A calendar file of ours never holds a record without a name; a damaged one might.
    folder.write(QStringLiteral("unnep.data"), RecordBytes::day("Els\xF5", {"12.01"}) +
                                                   RecordBytes::day("", {"01.01"}) +
                                                   RecordBytes::day("Harmadik", {"02.02"}));
    start();
    open(Kind::Unnep);
    ASSERT_EQ(lines(dialog->clbUnnep), QStringList({"Első", "Harmadik"}));
    EXPECT_EQ(enabled(dialog->clbUnnep), QList<bool>({true, false}));
    dialog->clbUnnep->setCurrentRow(1);
    EXPECT_EQ(dialog->clbUnnep->item(1)->text(), QStringLiteral("Harmadik (02.02)"));
    switchPastOption();
    tick(dialog->clbUnnep, 1, true);
    dialog->btnOkClick();
    EXPECT_FALSE(tables->UnnepList[2].Selected());
    EXPECT_FALSE(tables->UnnepList[2].Pending(1));
    EXPECT_TRUE(tables->UnnepList[3].Selected());
}
