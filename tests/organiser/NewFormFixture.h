#pragma once

#include "Clock.h"
#include "MainFormFixture.h"
#include "NewForm.h"
#include "RegionalFormats.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTextEdit>

#include <memory>

// The main window over a program folder with templates and calendars, the clock standing at
// 2026-03-15 10:20:30.600 and Hungarian-looking regional formats; the new-reminder dialog is made
// as its opener makes it, without being shown.
class NewFormFixture : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        for (const char* name : {"time", "task", "memo"})
            QDir(folder.path()).mkdir(QLatin1String(name));
        folder.write(QStringLiteral("time/template"), "Id\xF5|Eml\xE9keztet\xF5\r\n8:00|\r\n");
        folder.write(QStringLiteral("task/template"), "Hat\xE1rid\xF5|Feladat\r\n|\r\n|\r\n");
        folder.write(QStringLiteral("nevnap.data"), nameDays);
        folder.write(QStringLiteral("unnep.data"), holidays);
        Clock::setForTesting([this] { return now; });
        RegionalFormats::setForTesting(
            RegionalFormats::Formats{QStringLiteral("yyyy. MM. dd."), QStringLiteral("H:mm:ss")});
    }

    void TearDown() override {
        finished.reset();
        dialog.reset();
        TfrmNew::setModalRunForTesting({});
        Clock::setForTesting({});
        RegionalFormats::setForTesting(std::nullopt);
        MainFormFixture::TearDown();
    }

    // The main window's start; what it reported is not the dialog's.
    void start() {
        create();
        boxes.clear();
    }

    // The dialog with the kind its opener sets, after the steps of its first showing.
    TfrmNew& open(Kind kind) {
        make();
        dialog->cbType->setCurrentIndex(int(kind));
        dialog->FormActivate();
        return *dialog;
    }

    void make() {
        finished.reset();
        dialog = std::make_unique<TfrmNew>(*window);
        finished = std::make_unique<QSignalSpy>(dialog.get(), &QDialog::finished);
    }

    bool closed() const { return finished && !finished->isEmpty(); }

    // The user's choice of a kind in the drop-down list.
    void choose(Kind kind) {
        dialog->cbType->setCurrentIndex(int(kind));
        dialog->cbTypeChange();
    }

    void type(int row, int column, const QString& text) {
        dialog->StringGrid1->setCell(row, column, text);
    }

    QString cell(int row, int column) const { return dialog->StringGrid1->cell(row, column); }

    QStringList boxTexts() const {
        QStringList texts;
        for (const Dialogs::Box& box : boxes)
            texts << box.text;
        return texts;
    }

    static QStringList lines(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->item(i)->text();
        return texts;
    }

    // The identifier of the fixture's moment: 2026-03-15 10:20:30.600 local, rounded up.
    static constexpr std::int64_t Moment = 1773570031;
    QDateTime now{QDate(2026, 3, 15), QTime(10, 20, 30, 600)};

    // Today is 15 March: the first name day falls on it, the second has passed.
    const QByteArray nameDays = RecordBytes::day("\xC1"
                                                 "bel",
                                                 {"03.15"}) +
                                RecordBytes::day("B\xE9la", {"03.14"}) +
                                RecordBytes::day("Cecil", {"01.10", "12.24"}) +
                                RecordBytes::day("D\xE9nes", {"0", "04.09"}) +
                                RecordBytes::day("Emma", {"02.01", "03.16", "05.05"}, true);
    const QByteArray holidays = RecordBytes::day("\xDAj\xE9v", {"01.01"}, true) +
                                RecordBytes::day("Mozg\xF3 \xFCnnep", {}) +
                                RecordBytes::day("Kar\xE1"
                                                 "csony",
                                                 {"12.25", "12.26"}) +
                                RecordBytes::day("Nemzeti \xFCnnep", {"03.15"});

    std::unique_ptr<TfrmNew> dialog;
    std::unique_ptr<QSignalSpy> finished;
};
