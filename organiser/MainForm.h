#pragma once

#include "Kind.h"
#include "Tables.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <cstdint>

class QListWidget;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QWidget;

// The organiser's main window: the five stored lists on five pages and the editor area below.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The tables are shared with the dialogs that write into them and outlive the window.
    explicit TfrmMain(Tables& tables, QWidget* parent = nullptr);

    // The creation steps, in their order, run as one guarded handler: an error ends them at that
    // step and the window opens all the same. Raises ProgramExit when a calendar file is missing.
    void FormCreate(const QString& programFolder, const QStringList& arguments);

    // Runs whenever the window is asked to close; canClose turns false when a list could not be
    // written, and the window stays open.
    void FormCloseQuery(bool& canClose);

    void LoadList(std::uint8_t kind);
    void SaveList(std::uint8_t kind);
    void StoreIdopontChecks();
    void StoreFeladatChecks();
    void StoreFeljegyzesChecks();

    static int GetSize(const QListWidget* list);
    static int GetSelected(const QListWidget* list);

    // A second start of the organiser asked for this window.
    void comeToFront();

    QString AppDir() const { return m_appDir; }
    QString DataDir() const { return m_dataDir; }
    bool SaveSettingsOnClose() const { return m_saveSettingsOnClose; }
    bool isLoaded(Kind kind) const { return m_loaded[static_cast<int>(kind)]; }

    QTabWidget* PageControl = nullptr;
    QListWidget* clbIdopont = nullptr;
    QListWidget* clbFeladat = nullptr;
    QListWidget* clbFeljegyzes = nullptr;
    QListWidget* lbNevnap = nullptr;
    QListWidget* lbUnnep = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel1 = nullptr;
    QTableWidget* tZimpa = nullptr;
    QTextEdit* mZimpa = nullptr;

public slots:
    void mFile_ExitClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    QListWidget* checkList(Kind kind) const;
    void storeChecks(QListWidget* list, ReminderTable& table);
    void loadReminderList(Kind kind);
    void loadDayList(Kind kind);
    void showEditorOf(int page);
    QString dataFile(Kind kind) const;

    Tables& m_tables;
    QString m_appDir;
    QString m_dataDir;
    bool m_saveSettingsOnClose = false;
    // A table whose file was not read at start is never written back: that would replace the
    // user's file with an empty one.
    std::array<bool, KindCount> m_loaded{};
};
