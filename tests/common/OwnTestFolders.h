#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

// Gives the test run, and each test in it, a fresh current folder of its own, removed after it.
// Whatever a test or a program it starts writes by a bare name (the viewer's register is one)
// then lands there, never in the folder the tests were started from: not in the build tree, not in
// the checkout, and not in another test's way.
class OwnTestFolders : public ::testing::EmptyTestEventListener {
public:
    // Appended to the listeners before the tests run; gtest owns it from then on.
    static void install() {
        ::testing::UnitTest::GetInstance()->listeners().Append(new OwnTestFolders);
    }

    void OnTestProgramStart(const ::testing::UnitTest&) override {
        m_started = QDir::currentPath();
        m_run = enter(QDir::tempPath() + QStringLiteral("/zimpa-tests-XXXXXX"));
    }

    void OnTestStart(const ::testing::TestInfo&) override {
        m_test = enter(m_run->filePath(QStringLiteral("test-XXXXXX")));
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        QDir::setCurrent(m_run->path());
        m_test.reset();
    }

    void OnTestProgramEnd(const ::testing::UnitTest&) override {
        QDir::setCurrent(m_started);
        m_run.reset();
    }

private:
    // A test that cannot have a folder of its own must not run in a shared one.
    static std::unique_ptr<QTemporaryDir> enter(const QString& pattern) {
        auto folder = std::make_unique<QTemporaryDir>(pattern);
        if (!folder->isValid() || !QDir::setCurrent(folder->path())) {
            std::fprintf(stderr, "cannot make or enter a test folder like %s\n",
                         qPrintable(pattern));
            std::exit(1);
        }
        return folder;
    }

    QString m_started;
    std::unique_ptr<QTemporaryDir> m_run;
    std::unique_ptr<QTemporaryDir> m_test;
};
