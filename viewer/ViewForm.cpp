#include "ViewForm.h"

#include "Dialogs.h"
#include "Guard.h"
#include "InstanceRegister.h"
#include "NoteLoader.h"
#include "RunError.h"
#include "TransparentForm.h"
#include "TrayIcon.h"
#include "ViewImages.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int DesignRows = 24;
constexpr int RowHeight = 24;

} // namespace

TfrmView::TfrmView(QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmView"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 (Előzetes)"));
    resize(236, 234);
    TransparentForm = new TTransparentForm(this);
    TransparentForm->SetTransparency(0);
    TransparentForm->SetFadeTime(5);
    createControls();
    createMenu();
    createTrayIcon();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { runGuarded([this] { Timer1Timer(); }); });
}

TfrmView::~TfrmView() {
    // The grid announces its clearing as it is destroyed; the edit rule must not hear it.
    tZimpa->disconnect(this);
}

void TfrmView::createControls() {
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createGrid();
    mZimpa = new QTextEdit(client);
    mZimpa->setObjectName(QStringLiteral("mZimpa"));
    mZimpa->setAcceptRichText(true);
    mZimpa->setVisible(false);
    m_noteLoader = std::make_unique<NoteLoader>(mZimpa);
    connect(m_noteLoader.get(), &NoteLoader::refused, this,
            [](const QString& text) { runGuarded([&] { throw RunError(text); }); });
    layout->addWidget(tZimpa);
    layout->addWidget(mZimpa);
    setCentralWidget(client);
    createStatusBar();
}

void TfrmView::createGrid() {
    tZimpa = new ReminderGrid(DesignRows, 2);
    tZimpa->setObjectName(QStringLiteral("tZimpa"));
    tZimpa->setFrameShape(QFrame::NoFrame);
    tZimpa->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tZimpa->verticalHeader()->setDefaultSectionSize(RowHeight);
    tZimpa->setColumnWidth(0, 64);
    tZimpa->setColumnWidth(1, 144);
    tZimpa->setShowGrid(true);
    tZimpa->setSelectionMode(QAbstractItemView::ContiguousSelection);
    tZimpa->setSelectionBehavior(QAbstractItemView::SelectItems);
    tZimpa->startEditorsOnTyping(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
        QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    QPalette colours = tZimpa->palette();
    colours.setColor(QPalette::Base, Qt::white);
    tZimpa->setPalette(colours);
    // Typing in a cell counts at once, as does a cell changed by other means.
    connect(tZimpa, &ReminderGrid::textEdited, this,
            [this] { runGuarded([this] { tZimpaSetEditText(); }); });
    connect(tZimpa, &QTableWidget::itemChanged, this, [this] {
        if (!m_filling)
            runGuarded([this] { tZimpaSetEditText(); });
    });
}

void TfrmView::createStatusBar() {
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(true);
    // One panel, which as the last one of its bar reaches to the right edge.
    m_statusPanel = new QLabel(StatusBar1);
    m_statusPanel->setObjectName(QStringLiteral("StatusBar1_Panel0"));
    m_statusPanel->setAlignment(Qt::AlignCenter);
    m_statusPanel->setMinimumWidth(50);
    StatusBar1->addWidget(m_statusPanel, 1);
    StatusBar1->installEventFilter(this);
    m_statusPanel->installEventFilter(this);
    setStatusBar(StatusBar1);
}

void TfrmView::createTrayIcon() {
    TrayIcon = new TTrayIcon(this);
    TrayIcon->setObjectName(QStringLiteral("TrayIcon"));
    TrayIcon->SetIconVisible(false);
    TrayIcon->SetIconList(ViewImages::trayImages());
    TrayIcon->SetPopupMenu(PopupMenu1);
    TrayIcon->SetCycleInterval(0);
    TrayIcon->Loaded();
}

QString TfrmView::statusText() const {
    return m_statusPanel->text();
}

bool TfrmView::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == StatusBar1 || watched == m_statusPanel) &&
        event->type() == QEvent::MouseButtonDblClick)
        runGuarded([this] { StatusBar1DblClick(); });
    return QMainWindow::eventFilter(watched, event);
}

void TfrmView::StatusBar1DblClick() {
    PopupMenu1_HideClick();
}

void TfrmView::FormCloseQuery(bool& canClose) {
    // A settings file that cannot be written is reported as the organiser reports it, and the
    // window closes all the same, out of the register.
    runGuarded([this] { SaveSettings(); });
    leaveRegister();
    canClose = true;
}

void TfrmView::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    runGuarded([&] { FormCloseQuery(canClose); });
    // A note still coming in ends with the window.
    m_noteLoader->cancel();
    event->accept();
    emit closed();
}

void TfrmView::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    // A minimized window is still visible; a new window style hides it only for a moment.
    if (!isVisible() && !m_restyling)
        runGuarded([this] { FormHide(); });
}

void TfrmView::FormHide() {
    PopupMenu1_Show->setEnabled(true);
    PopupMenu1_Hide->setEnabled(false);
}

void TfrmView::registerInstance() {
    InstanceRegister instances(registerFile());
    m_viewerId = instances.addNewInstanceId();
    // The viewer runs on without an entry.
    if (!m_viewerId)
        reportRegisterFailure(instances);
}

void TfrmView::reportRegisterFailure(const InstanceRegister& instances) {
    if (instances.lastError() != 0)
        Dialogs::generalError(RunError::io(instances.lastError()).text());
}

void TfrmView::leaveRegister() {
    if (!m_viewerId)
        return;
    // Once out, the number may be drawn by another viewer: never take it out a second time.
    InstanceRegister instances(registerFile());
    if (!instances.RemoveInstanceId(*m_viewerId))
        reportRegisterFailure(instances);
    m_viewerId.reset();
}
