#include "SettingsForm.h"

#include "ContentFile.h"
#include "Dialogs.h"
#include "Guard.h"
#include "MainForm.h"
#include "MainSettings.h"
#include "ProgramInfo.h"
#include "SettingsFormKeys.h"
#include "Shell.h"
#include "SpinField.h"
#include "WindowLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>

#include <algorithm>

TfrmSettings::TfrmSettings(TfrmMain& main)
    : QDialog(&main)
    , m_main(main) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 - Beállítások"));
    // A sizeable frame with the system menu and the close box, no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    createControls();
    connectHandlers();
    // An error skips the rest of the creation steps; the dialog opens all the same.
    runGuarded([this] { FormCreate(); });
    // The designed size, or more where the main window's font needs more room; a row of page
    // tabs too long for the width wraps.
    QSize size = QSize(459, 433).expandedTo(minimumSizeHint());
    size.setHeight(std::max(size.height(), layout()->totalHeightForWidth(size.width())));
    resize(size);
}

TfrmSettings::~TfrmSettings() {
    disconnectHandlers();
}

void TfrmSettings::FormCreate() {
    takeMainWindowFont(this, &m_main);
    readSettings();
    edID->setText(ProgramInfo::ProgramId);
    edVersion->setText(ProgramInfo::Version);
    tbTransparencyChange();
    fillFontLists();
    cbTemplateType->setCurrentIndex(0);
    LoadTemplate(0);
}

void TfrmSettings::readSettings() {
    const SettingsFormKeys keys = SettingsFormKeys::read(m_main.settingsFile());
    cbOperationToolBar->setChecked(keys.tbFile);
    cbNevnapToolBar->setChecked(keys.tbNevnap);
    (keys.Align ? rbVerticalLayout : rbHorizontalLayout)->setChecked(true);
    cbStayOnTop->setChecked(keys.StayOnTop);
    tbTransparency->setValue(keys.Transparent);
    seBackupTime->setValue(keys.BackupTime);
    cbEditor->setChecked(keys.Editor);
    cbEnablePast->setChecked(!keys.EnablePast);
    cbFontName1->setEditText(keys.MainFontName);
    seFontSize1->setValue(keys.MainFontSize);
    cbFontName2->setEditText(keys.ViewFontName);
    seFontSize2->setValue(keys.ViewFontSize);
    edServer->setText(keys.UpdateServer);
}

void TfrmSettings::writeSettings() {
    SettingsFormKeys keys;
    keys.tbFile = cbOperationToolBar->isChecked();
    keys.tbNevnap = cbNevnapToolBar->isChecked();
    keys.Align = rbVerticalLayout->isChecked();
    keys.StayOnTop = cbStayOnTop->isChecked();
    keys.Transparent = tbTransparency->value();
    keys.BackupTime = seBackupTime->value();
    keys.Editor = cbEditor->isChecked();
    keys.EnablePast = !cbEnablePast->isChecked();
    keys.MainFontName = cbFontName1->currentText();
    keys.MainFontSize = seFontSize1->value();
    keys.ViewFontName = cbFontName2->currentText();
    keys.ViewFontSize = seFontSize2->value();
    keys.UpdateServer = edServer->text();
    keys.write(m_main.settingsFile());
}

QStringList TfrmSettings::fontListEntries(const QStringList& families) {
    // The font database tells apart families of the same name from different foundries as
    // "C059 [urw]" and "C059 [UKWN]"; a font is chosen, and stored, by its plain name.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList entries{QStringLiteral("Default")};
    for (const QString& family : families) {
        const QString name = QString(family).remove(foundry);
        if (!entries.contains(name))
            entries.append(name);
    }
    entries.sort(Qt::CaseInsensitive);
    return entries;
}

void TfrmSettings::fillFontLists() {
    const QStringList families = fontListEntries(QFontDatabase::families());
    for (QComboBox* list : {cbFontName1, cbFontName2}) {
        // Filling an editable list puts its first entry in the text: the name read stays.
        const QString name = list->currentText();
        list->addItems(families);
        list->setEditText(name);
    }
}

void TfrmSettings::tbTransparencyChange() {
    lbPercent->setText(QString::number(tbTransparency->value()) + QLatin1Char('%'));
}

void TfrmSettings::btnOkClick() {
    // A refused write ends here: no message, no template, the main window still writes its keys
    // at close, and the dialog stays open.
    writeSettings();
    Dialogs::information(
        QStringLiteral("A változtatások alkalmazásához újra kell indítani a programot."), this);
    SaveTemplate(FTemplateType);
    m_main.setSaveSettingsOnClose(false);
    accept();
}

void TfrmSettings::btnCancelClick() {
    reject();
}

void TfrmSettings::btnUpdateClick() {
    // The server the organiser started with, whatever the dialog shows now.
    Shell::open(ProgramInfo::updatePage(UpdateServer));
}

void TfrmSettings::keyPressEvent(QKeyEvent* event) {
    // Escape would cancel and Enter press a default button; this dialog has neither.
    const int key = event->key();
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
