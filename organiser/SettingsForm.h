#pragma once

#include "ReminderGrid.h"

#include <QDialog>
#include <QHash>
#include <QStringList>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class SpinField;
class TfrmMain;
class WrapTabWidget;

// The organiser's one place for the settings of both programs and for the three templates new
// reminders start from. Settings reach the settings file only on OK and take effect at the next
// start; a template is written whenever the user switches to another one, and on OK.
class TfrmSettings : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 207;

    // Runs FormCreate: reads the settings file and loads the appointment template. The main
    // window outlives the dialog.
    explicit TfrmSettings(TfrmMain& main);
    ~TfrmSettings() override;

    // Handlers. The widgets' notifications run them inside the error guard; called directly they
    // raise what they meet.
    void FormCreate();
    void tbTransparencyChange();
    void btnOkClick();
    void btnCancelClick();
    void btnUpdateClick();
    void cbTemplateTypeChange();
    void seRowNumChange();

    // Kinds 0 to 2 (appointment, task, note); any other kind does nothing.
    void LoadTemplate(std::uint8_t kind);
    void SaveTemplate(std::uint8_t kind);
    static QString SplitField(const QString& line, int part);
    // What the font lists offer for the installed families: each family once, by its plain
    // name, and "Default", in alphabetical order.
    static QStringList fontListEntries(const QStringList& families);

    // The kind of template shown, which the next save writes.
    std::uint8_t FTemplateType = 0;

    WrapTabWidget* pcSettings = nullptr;

    // "Rendszerező": the organiser's pages.
    WrapTabWidget* pcManager = nullptr;
    QWidget* tsView1 = nullptr;
    QGroupBox* gbToolBars = nullptr;
    QCheckBox* cbOperationToolBar = nullptr;
    QCheckBox* cbNevnapToolBar = nullptr;
    QGroupBox* gbLayout = nullptr;
    QRadioButton* rbVerticalLayout = nullptr;
    QRadioButton* rbHorizontalLayout = nullptr;
    QCheckBox* cbStayOnTop = nullptr;
    QWidget* tsWork1 = nullptr;
    QGroupBox* gbSave = nullptr;
    QLabel* lbBackupTime = nullptr;
    SpinField* seBackupTime = nullptr;
    QLabel* lbBackupTime_Second = nullptr;
    QGroupBox* gbEdit = nullptr;
    QCheckBox* cbEditor = nullptr;
    QCheckBox* cbEnablePast = nullptr;
    QWidget* tsFont1 = nullptr;
    QGroupBox* gbFont1 = nullptr;
    QLabel* lbFontName1 = nullptr;
    QComboBox* cbFontName1 = nullptr;
    QLabel* lbFontSize1 = nullptr;
    SpinField* seFontSize1 = nullptr;
    QWidget* tsTemplates = nullptr;
    QComboBox* cbTemplateType = nullptr;
    QLabel* lbRowNum = nullptr;
    SpinField* seRowNum = nullptr;
    ReminderGrid* sgTime_Template = nullptr;
    ReminderGrid* sgTask_Template = nullptr;
    QPlainTextEdit* mMemo_Template = nullptr;

    // "Megjelenítő": the viewer's pages.
    WrapTabWidget* pcViewer = nullptr;
    QWidget* tsView2 = nullptr;
    QLabel* lbTrackBar = nullptr;
    QSlider* tbTransparency = nullptr;
    QLabel* lbPercent = nullptr;
    QLabel* lbNote = nullptr;
    QWidget* tsWork2 = nullptr;
    QGroupBox* gbOther = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label1 = nullptr;
    SpinField* SpinEdit1 = nullptr;
    QWidget* tsFont2 = nullptr;
    QGroupBox* gbFont2 = nullptr;
    QLabel* lbFontName2 = nullptr;
    QComboBox* cbFontName2 = nullptr;
    QLabel* lbFontSize2 = nullptr;
    SpinField* seFontSize2 = nullptr;

    // "Frissítés".
    QWidget* tsUpdate = nullptr;
    QGroupBox* gbServer = nullptr;
    QLabel* lbServer = nullptr;
    QLineEdit* edServer = nullptr;
    QGroupBox* gbClient = nullptr;
    QLabel* lbId = nullptr;
    QLineEdit* edID = nullptr;
    QLabel* lbVer = nullptr;
    QLineEdit* edVersion = nullptr;
    QPushButton* btnUpdate = nullptr;

    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    // Neither Enter nor Escape presses a button of this dialog.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createManagerPages();
    void createViewerPages();
    void createUpdatePage();
    void createTemplatePage();
    void connectHandlers();
    void disconnectHandlers();
    void readSettings();
    void writeSettings();
    void fillFontLists();
    ReminderGrid* templateGrid(std::uint8_t kind) const;
    void showTemplateEditor(int kind);
    void templateFailed(const QString& path);
    void setTemplateRows(ReminderGrid* grid, int rows);

    TfrmMain& m_main;
    // The cells of rows that a smaller row count took from a grid, by row: the count typed may
    // be on its way to a larger one ("1" of "15"), and what the user typed into those rows comes
    // back with them. Forgotten when a template is loaded.
    QHash<const ReminderGrid*, QHash<int, QStringList>> m_droppedRows;
    // The note template is there but could not be read into the box.
    bool m_noteTemplateUnread = false;
};
