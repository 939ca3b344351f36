// The settings dialog's pages and controls, and the notifications that run its handlers.
#include "SettingsForm.h"

#include "Guard.h"
#include "ReminderGrid.h"
#include "SpinField.h"
#include "WrapTabWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

using Handler = void (TfrmSettings::*)();

// A notification's handler, inside the error guard.
auto guarded(TfrmSettings* dialog, Handler handler) {
    return [dialog, handler] {
        runGuarded([dialog, handler] { (dialog->*handler)(); });
    };
}

template <typename T> T* named(T* widget, const QByteArray& name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QWidget* page(WrapTabWidget* pages, const QByteArray& name, const QString& caption) {
    auto* widget = named(new QWidget, name);
    pages->addTab(widget, caption);
    return widget;
}

// The organiser's and the viewer's pages hold their own pages, drawn as a row of flat tabs.
WrapTabWidget* innerPages(QWidget* parent, const char* name) {
    auto* pages = named(new WrapTabWidget(parent), name);
    auto* layout = new QVBoxLayout(parent);
    layout->addWidget(pages);
    return pages;
}

QGroupBox* group(const QByteArray& name, const QString& caption) {
    return named(new QGroupBox(caption), name);
}

QCheckBox* checkBox(const char* name, const QString& caption) {
    return named(new QCheckBox(caption), name);
}

QLabel* label(const QByteArray& name, const QString& caption) {
    return named(new QLabel(caption), name);
}

// Groups stacked from the top of a page, the rest of the page left free.
void stack(QWidget* page, std::initializer_list<QWidget*> groups) {
    auto* layout = new QVBoxLayout(page);
    for (QWidget* group : groups)
        layout->addWidget(group);
    layout->addStretch(1);
}

void column(QGroupBox* group, std::initializer_list<QWidget*> controls) {
    auto* layout = new QVBoxLayout(group);
    for (QWidget* control : controls)
        layout->addWidget(control);
}

// A page with a font name and size, the labels left of the fields; the controls' names end in
// the page's number.
struct FontPage {
    QWidget* page;
    QGroupBox* group;
    QLabel* nameLabel;
    QComboBox* name;
    QLabel* sizeLabel;
    SpinField* size;
};

FontPage fontPage(WrapTabWidget* pages, char number) {
    const auto name = [number](const char* stem) {
        return QByteArray(stem).append(number);
    };
    FontPage font;
    font.page = page(pages, name("tsFont"), QStringLiteral("Betűkészlet"));
    font.group = group(name("gbFont"), QStringLiteral("Betűkészlet és méret"));
    font.nameLabel = label(name("lbFontName"), QStringLiteral("Betütípus:"));
    font.name = named(new QComboBox, name("cbFontName"));
    font.name->setEditable(true);
    font.sizeLabel = label(name("lbFontSize"), QStringLiteral("Méret:"));
    font.size = named(new SpinField(0, 0), name("seFontSize")); // no range
    auto* layout = new QGridLayout(font.group);
    layout->addWidget(font.nameLabel, 0, 0);
    layout->addWidget(font.name, 0, 1);
    layout->addWidget(font.sizeLabel, 1, 0);
    layout->addWidget(font.size, 1, 1, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    stack(font.page, {font.group});
    return font;
}

QPushButton* button(const char* name, const QString& caption) {
    auto* widget = named(new QPushButton(caption), name);
    // Enter presses no button of this dialog, the focused one neither.
    widget->setAutoDefault(false);
    widget->setCursor(Qt::PointingHandCursor);
    return widget;
}

ReminderGrid* newTemplateGrid(const char* name) {
    auto* grid = named(new ReminderGrid(23, 2), name);
    grid->setColumnWidth(0, 116);
    grid->setColumnWidth(1, 262);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setTabKeyNavigation(true);
    return grid;
}

} // namespace

void TfrmSettings::createControls() {
    pcSettings = named(new WrapTabWidget(this), "pcSettings");
    pcSettings->setPagesFramed(true);
    auto* manager = page(pcSettings, "tsManager", QStringLiteral("Rendszerező"));
    pcManager = innerPages(manager, "pcManager");
    createManagerPages();
    auto* viewer = page(pcSettings, "tsViewer", QStringLiteral("Megjelenítő"));
    pcViewer = innerPages(viewer, "pcViewer");
    createViewerPages();
    tsUpdate = page(pcSettings, "tsUpdate", QStringLiteral("Frissítés"));
    createUpdatePage();

    btnOk = button("btnOk", QStringLiteral("&Ok"));
    btnCancel = button("btnCancel", QStringLiteral("&Mégse"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pcSettings, 1);
    layout->addLayout(buttons);
}

void TfrmSettings::createManagerPages() {
    tsView1 = page(pcManager, "tsView1", QStringLiteral("Megjelenítés"));
    gbToolBars = group("gbToolBars", QStringLiteral("Eszköztárak"));
    cbOperationToolBar = checkBox("cbOperationToolBar", QStringLiteral("Fontosabb műveletek"));
    cbNevnapToolBar = checkBox("cbNevnapToolBar", QStringLiteral("Névnapok"));
    column(gbToolBars, {cbOperationToolBar, cbNevnapToolBar});
    gbLayout = group("gbLayout", QStringLiteral("Elrendezés"));
    rbVerticalLayout = named(new QRadioButton(QStringLiteral("Függőleges")), "rbVerticalLayout");
    rbHorizontalLayout =
        named(new QRadioButton(QStringLiteral("Vízszintes")), "rbHorizontalLayout");
    cbStayOnTop = checkBox("cbStayOnTop", QStringLiteral("Maradjon mindig felül"));
    column(gbLayout, {rbVerticalLayout, rbHorizontalLayout, cbStayOnTop});
    stack(tsView1, {gbToolBars, gbLayout});

    tsWork1 = page(pcManager, "tsWork1", QStringLiteral("Működés"));
    gbSave = group("gbSave", QStringLiteral("Mentés"));
    lbBackupTime = label("lbBackupTime", QStringLiteral("Automatikus mentés:"));
    seBackupTime = named(new SpinField(60, 86400), "seBackupTime");
    lbBackupTime_Second = label("lbBackupTime_Second", QStringLiteral("mp."));
    auto* backup = new QHBoxLayout(gbSave);
    for (QWidget* control :
         std::initializer_list<QWidget*>{lbBackupTime, seBackupTime, lbBackupTime_Second}) {
        backup->addWidget(control);
        control->setEnabled(false);
    }
    backup->addStretch(1);
    gbEdit = group("gbEdit", QStringLiteral("Szerkesztés"));
    cbEditor = checkBox("cbEditor", QStringLiteral("Emlékeztető szerkesztő"));
    cbEnablePast = checkBox("cbEnablePast", QStringLiteral("Elmúlt ünnepek és névnapok tiltása"));
    column(gbEdit, {cbEditor, cbEnablePast});
    stack(tsWork1, {gbSave, gbEdit});

    const FontPage font = fontPage(pcManager, '1');
    tsFont1 = font.page;
    gbFont1 = font.group;
    lbFontName1 = font.nameLabel;
    cbFontName1 = font.name;
    lbFontSize1 = font.sizeLabel;
    seFontSize1 = font.size;

    tsTemplates = page(pcManager, "tsTemplates", QStringLiteral("Sablonok"));
    createTemplatePage();
}

void TfrmSettings::createTemplatePage() {
    cbTemplateType = named(new QComboBox, "cbTemplateType");
    cbTemplateType->addItems(
        {QStringLiteral("Időpont"), QStringLiteral("Feladat"), QStringLiteral("Feljegyzés")});
    lbRowNum = label("lbRowNum", QStringLiteral("Sorok száma:"));
    seRowNum = named(new SpinField(2, 256), "seRowNum");
    sgTime_Template = newTemplateGrid("sgTime_Template");
    sgTask_Template = newTemplateGrid("sgTask_Template");
    sgTask_Template->hide();
    mMemo_Template = named(new QPlainTextEdit, "mMemo_Template");
    mMemo_Template->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(cbTemplateType);
    top->addStretch(1);
    top->addWidget(lbRowNum);
    top->addWidget(seRowNum);
    // The three editors share one place; one of them shows.
    auto* editors = new QGridLayout;
    for (QWidget* editor :
         std::initializer_list<QWidget*>{sgTime_Template, sgTask_Template, mMemo_Template})
        editors->addWidget(editor, 0, 0);
    auto* layout = new QVBoxLayout(tsTemplates);
    layout->addLayout(top);
    layout->addLayout(editors, 1);
}

void TfrmSettings::createViewerPages() {
    tsView2 = page(pcViewer, "tsView2", QStringLiteral("Megjelenítés"));
    lbTrackBar = label("lbTrackBar", QStringLiteral("Megjelenítő ablak(ok) átlátszósága*:"));
    tbTransparency = named(new QSlider(Qt::Horizontal), "tbTransparency");
    tbTransparency->setRange(0, 100);
    tbTransparency->setTickInterval(10);
    tbTransparency->setTickPosition(QSlider::TicksBelow);
    lbPercent = label("lbPercent", QString());
    // Room for "100%" from the start, so that the bar does not move as the number grows.
    lbPercent->setMinimumWidth(lbPercent->fontMetrics().horizontalAdvance(QStringLiteral("100%")) +
                               4);
    lbNote = label("lbNote", QStringLiteral("* Csak Windows 2000 és XP alól működik"));
    auto* bar = new QHBoxLayout;
    bar->addWidget(tbTransparency, 1);
    bar->addWidget(lbPercent);
    auto* view = new QVBoxLayout(tsView2);
    view->addWidget(lbTrackBar);
    view->addLayout(bar);
    view->addWidget(lbNote);
    view->addStretch(1);

    tsWork2 = page(pcViewer, "tsWork2", QStringLiteral("Működés"));
    gbOther = group("gbOther", QStringLiteral("Tálca"));
    CheckBox1 = checkBox("CheckBox1", QStringLiteral("Figyelmeztetéskor a tálca ikon villogjon"));
    CheckBox1->setChecked(true);
    Label1 = label("Label1", QStringLiteral("Villogás intervalluma:"));
    SpinEdit1 = named(new SpinField(100, 5000), "SpinEdit1");
    SpinEdit1->setValue(100);
    SpinEdit1->setMaxLength(4);
    auto* blink = new QGridLayout(gbOther);
    blink->addWidget(CheckBox1, 0, 0, 1, 3);
    blink->addWidget(Label1, 1, 0);
    blink->addWidget(SpinEdit1, 1, 1);
    blink->setColumnStretch(2, 1);
    for (QWidget* control : std::initializer_list<QWidget*>{CheckBox1, Label1, SpinEdit1})
        control->setEnabled(false);
    stack(tsWork2, {gbOther});

    const FontPage font = fontPage(pcViewer, '2');
    tsFont2 = font.page;
    gbFont2 = font.group;
    lbFontName2 = font.nameLabel;
    cbFontName2 = font.name;
    lbFontSize2 = font.sizeLabel;
    seFontSize2 = font.size;
}

void TfrmSettings::createUpdatePage() {
    gbServer = group("gbServer", QStringLiteral("Kiszolgáló"));
    lbServer = label("lbServer", QStringLiteral("Kiszolgáló (HTTP):"));
    edServer = named(new QLineEdit, "edServer");
    auto* server = new QHBoxLayout(gbServer);
    server->addWidget(lbServer);
    server->addWidget(edServer, 1);

    gbClient = group("gbClient", QStringLiteral("Kliens"));
    lbId = label("lbId", QStringLiteral("Azonosító:"));
    edID = named(new QLineEdit, "edID");
    edID->setReadOnly(true);
    lbVer = label("lbVer", QStringLiteral("Verziószám:"));
    edVersion = named(new QLineEdit, "edVersion");
    edVersion->setReadOnly(true);
    btnUpdate = button("btnUpdate", QStringLiteral("Frissebb verzió keresése/letöltése"));
    auto* client = new QGridLayout(gbClient);
    client->addWidget(lbId, 0, 0);
    client->addWidget(edID, 0, 1);
    client->addWidget(lbVer, 1, 0);
    client->addWidget(edVersion, 1, 1);
    client->addWidget(btnUpdate, 2, 1, Qt::AlignRight);
    stack(tsUpdate, {gbServer, gbClient});
}

void TfrmSettings::connectHandlers() {
    connect(tbTransparency, &QSlider::valueChanged, this,
            guarded(this, &TfrmSettings::tbTransparencyChange));
    connect(btnOk, &QPushButton::clicked, this, guarded(this, &TfrmSettings::btnOkClick));
    connect(btnCancel, &QPushButton::clicked, this, guarded(this, &TfrmSettings::btnCancelClick));
    connect(btnUpdate, &QPushButton::clicked, this, guarded(this, &TfrmSettings::btnUpdateClick));
    // activated is the user's choice only; the dialog's own setting of the kind is none.
    connect(cbTemplateType, &QComboBox::activated, this,
            guarded(this, &TfrmSettings::cbTemplateTypeChange));
    connect(seRowNum, &SpinField::textChanged, this, guarded(this, &TfrmSettings::seRowNumChange));
}

void TfrmSettings::disconnectHandlers() {
    // Widgets announce their clearing as they are destroyed, after this class's part is gone.
    for (QObject* sender : std::initializer_list<QObject*>{tbTransparency, btnOk, btnCancel,
                                                           btnUpdate, cbTemplateType, seRowNum})
        sender->disconnect(this);
}
