#pragma once

#include "AlertForm.h"
#include "AtomicFile.h"
#include "Clock.h"
#include "Dialogs.h"
#include "OpacityBackend.h"
#include "ProgramExit.h"
#include "RecordBytes.h"
#include "RegionalFormats.h"
#include "Shell.h"
#include "TempFolder.h"
#include "TransparentForm.h"
#include "TrayIcon.h"
#include "ViewForm.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <memory>

// The last opacity that reached each window; opacity always shows.
class OpacityLog : public OpacityBackend {
public:
    bool isAvailable() override { return true; }
    void setAlpha(QWidget* window, std::uint8_t value) override { alphas[window] = value; }
    void shown(QWidget*) override {}
    void flush() override {}

    // -1 for a window that got none.
    int alphaOf(const QWidget* window) const {
        return alphas.value(const_cast<QWidget*>(window), -1);
    }

    QHash<QWidget*, int> alphas;
};

struct ProgramStart {
    QString program;
    QStringList arguments;
    QString folder;
};

// A program folder that is also the current folder (where the register and the list files are
// looked for), a fixed clock and regional formats, and every box, program start and fade
// recorded instead of shown, started or waited for.
class ViewFormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        for (const char* name : {"time", "task", "memo"})
            QDir(folder.path()).mkdir(QLatin1String(name));
        for (const char* name : {"time.list", "task.list", "memo.list"})
            folder.write(QLatin1String(name), {});

        Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));
        Dialogs::setResponderForTesting([this](Dialogs::Box& box) {
            boxes.append(box);
            box.answer = answer;
        });
        Shell::setStarterForTesting(
            [this](const QString& program, const QStringList& arguments, const QString& where) {
                starts.append({program, arguments, where});
                return startResult;
            });
        RegionalFormats::setForTesting(
            RegionalFormats::Formats{QStringLiteral("yyyy.MM.dd."), QStringLiteral("H:mm:ss")});
        TTransparentForm::setBackendForTesting(&opacity);
        TTransparentForm::setSleeperForTesting([](int) {});
        at(QDateTime(QDate(2026, 3, 14), QTime(10, 0, 0)));
    }

    void TearDown() override {
        alert.reset();
        window.reset();
        Dialogs::setResponderForTesting({});
        Shell::setStarterForTesting({});
        RegionalFormats::setForTesting(std::nullopt);
        TTransparentForm::setBackendForTesting(nullptr);
        TTransparentForm::setSleeperForTesting({});
        TTrayIcon::setTrayAvailableForTesting(std::nullopt);
        AtomicFile::setFaultForTesting({});
        Clock::setForTesting({});
        QDir::setCurrent(m_previousFolder);
    }

    void at(const QDateTime& moment) {
        Clock::setForTesting([moment] { return moment; });
    }
    void at(int hour, int minute, int second = 0) {
        at(QDateTime(QDate(2026, 3, 14), QTime(hour, minute, second)));
    }

    // Creates the window with the arguments after the program's path; true when the program
    // went on, false when it ended during the creation.
    bool create(const QStringList& arguments) {
        window = std::make_unique<TfrmView>();
        try {
            window->FormCreate(folder.path(), QStringList{QStringLiteral("Viewer")} + arguments);
        } catch (const ProgramExit& exit) {
            exitCode = exit.code;
            return false;
        }
        alert = std::make_unique<TfrmAlert>(window.get());
        window->setAlert(alert.get());
        return true;
    }

    QString alertText() const { return alert->mMemo->toPlainText(); }

    // A note comes in while the event loop runs: its text, once all of it is in.
    QString noteText() const {
        EXPECT_TRUE(QTest::qWaitFor([this] { return !window->noteLoading(); }));
        return window->mZimpa->toPlainText();
    }

    QString cell(int row, int column) const { return window->tZimpa->cell(row, column); }

    QList<qint32> registered() const {
        const QByteArray bytes = folder.read(QStringLiteral("pl.data"));
        QList<qint32> numbers;
        for (qsizetype at = 0; at + 4 <= bytes.size(); at += 4)
            numbers.append(qFromLittleEndian<qint32>(bytes.constData() + at));
        return numbers;
    }

    void failWritesOf(const QString& name) {
        const QString path = folder.file(name);
        // The register is named relative to the current folder, the settings file in full.
        AtomicFile::setFaultForTesting(
            [path](const QString& target) { return QFileInfo(target).absoluteFilePath() == path; });
    }

    TempFolder folder;
    QList<Dialogs::Box> boxes;
    Dialogs::Answer answer = Dialogs::Answer::Ok;
    QList<ProgramStart> starts;
    Shell::StartResult startResult = Shell::StartResult::Started;
    OpacityLog opacity;
    std::unique_ptr<TfrmView> window;
    std::unique_ptr<TfrmAlert> alert;
    int exitCode = -1;

private:
    QString m_previousFolder;
};
