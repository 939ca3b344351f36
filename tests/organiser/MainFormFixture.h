#pragma once

#include "AtomicFile.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "MainSettings.h"
#include "NewForm.h"
#include "RecordBytes.h"
#include "RegularFile.h"
#include "Shell.h"
#include "Tables.h"
#include "TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

// A program folder with the five files, a main window over it, and every message box recorded
// instead of shown.
class MainFormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));
        MainSettings = {};
        // The new-reminder dialog is answered at once instead of waiting for a user.
        TfrmNew::setModalRunForTesting([](TfrmNew& dialog) { dialog.reject(); });
        Dialogs::setResponderForTesting([this](const Dialogs::Box& box) { boxes.append(box); });
        Shell::setOpenerForTesting([this](const QString& text) { opened.append(text); });
        folder.write(QStringLiteral("nevnap.data"), nevnap);
        folder.write(QStringLiteral("unnep.data"), unnep);
        for (const char* name : {"time.list", "task.list", "memo.list"})
            folder.write(QLatin1String(name), {});
        for (const char* name : {"time", "task", "memo"})
            QDir(folder.path()).mkdir(QLatin1String(name));
        folder.write(QStringLiteral("time/template"), timeTemplate);
        folder.write(QStringLiteral("task/template"), taskTemplate);
    }

    void TearDown() override {
        Dialogs::setResponderForTesting({});
        Shell::setOpenerForTesting({});
        AtomicFile::setFaultForTesting({});
        RegularFile::setWriteProtectedForTesting({});
        TfrmNew::setModalRunForTesting({});
    }

    void create() { window->FormCreate(folder.path(), {QStringLiteral("Zimpa")}); }

    bool close() {
        bool canClose = true;
        window->FormCloseQuery(canClose);
        return canClose;
    }

    void failWritesOf(const QString& name) {
        const QString path = folder.file(name);
        AtomicFile::setFaultForTesting([path](const QString& target) { return target == path; });
    }

    const QByteArray nevnap = RecordBytes::day("\xC1"
                                               "bel",
                                               {"01.02"}) +
                              RecordBytes::day("Istv\xE1n", {"08.20", "12.26"}, true);
    const QByteArray unnep = RecordBytes::day("\xDAj\xE9v", {"01.01"});
    const QByteArray timeTemplate = "Id\xF5pont|Eml\xE9keztet\xF5\r\n|\r\n";
    const QByteArray taskTemplate = "Hat\xE1rid\xF5|Feladat\r\n|\r\n";

    TempFolder folder;
    QList<Dialogs::Box> boxes;
    // What was handed to the desktop's opener, instead of opening it.
    QStringList opened;
    std::unique_ptr<Tables> tables = std::make_unique<Tables>();
    std::unique_ptr<TfrmMain> window = std::make_unique<TfrmMain>(*tables);
};
