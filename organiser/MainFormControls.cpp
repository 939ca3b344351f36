// The main window's controls: the pages with their lists, the editors, the tool-bar strip and
// the status bar.
#include "MainForm.h"

#include "ControlBar.h"
#include "Guard.h"
#include "MenuImages.h"
#include "NoteLoader.h"
#include "ReminderGrid.h"
#include "WindowLook.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QListWidget* addPage(WrapTabWidget* pages, const char* pageName, const QString& caption,
                     const char* listName) {
    auto* list = new QListWidget;
    list->setObjectName(QLatin1String(listName));
    // The status bar counts a list's lines as the mouse moves over it.
    list->viewport()->setMouseTracking(true);
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(pageName));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    pages->addTab(page, caption);
    return list;
}

// The hints' panel: as wide as designed while the bar has room, and the first to give it up, so
// that the lock states and the clock keep their whole text.
class HintPanel : public QLabel {
public:
    explicit HintPanel(int width)
        : m_width(width) {}
    QSize sizeHint() const override { return {m_width, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int m_width;
};

} // namespace

void TfrmMain::createPages() {
    PageControl = new WrapTabWidget;
    PageControl->setObjectName(QStringLiteral("PageControl"));
    clbIdopont = addPage(PageControl, "TabSheet1", QStringLiteral("Időpontok"), "clbIdopont");
    clbFeladat = addPage(PageControl, "TabSheet2", QStringLiteral("Feladatok"), "clbFeladat");
    clbFeljegyzes =
        addPage(PageControl, "TabSheet3", QStringLiteral("Feljegyzések"), "clbFeljegyzes");
    lbNevnap = addPage(PageControl, "TabSheet4", QStringLiteral("Névnapok"), "lbNevnap");
    lbUnnep = addPage(PageControl, "TabSheet5", QStringLiteral("Ünnepek"), "lbUnnep");
    for (QListWidget* list : {clbIdopont, clbFeladat, clbFeljegyzes})
        setListColumns(list, 2);
    // Every page switch refills the day pages, and a plain list measures every line it lays
    // out: a thousand lines at once held the window for a tenth of a second. Laid out a hundred
    // at a time, the first lines show at once and the window answers between the batches.
    for (QListWidget* list : {lbNevnap, lbUnnep})
        list->setLayoutMode(QListView::Batched);
    for (QListWidget* list : {clbIdopont, clbFeladat, clbFeljegyzes, lbNevnap, lbUnnep})
        list->viewport()->installEventFilter(this);
}

void TfrmMain::createEditors() {
    tZimpa = new ReminderGrid(2, 2);
    tZimpa->setObjectName(QStringLiteral("tZimpa"));
    tZimpa->setFrameShape(QFrame::NoFrame);
    tZimpa->verticalHeader()->setDefaultSectionSize(25);
    tZimpa->setColumnWidth(0, 70);
    tZimpa->setColumnWidth(1, 443);
    mZimpa = new QTextEdit;
    mZimpa->setObjectName(QStringLiteral("mZimpa"));
    mZimpa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mZimpa->hide();
    m_noteLoader = std::make_unique<NoteLoader>(mZimpa);
    connect(m_noteLoader.get(), &NoteLoader::refused, this,
            [this](const QString& text) { runGuarded([&] { refuseNote(text); }); });

    Panel1 = new QFrame;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* editors = new QVBoxLayout(Panel1);
    editors->setContentsMargins(1, 1, 1, 1);
    editors->addWidget(tZimpa);
    editors->addWidget(mZimpa);
}

void TfrmMain::createControlBar() {
    using Command = void (TfrmMain::*)();
    ControlBar1 = new ControlBar;
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));

    tbMenu = new QMenuBar;
    tbMenu->setObjectName(QStringLiteral("tbMenu"));
    tbMenu->setNativeMenuBar(false);
    // The strip's own font, which the window's font does not change, and its own text colour.
    keepOwnLook(tbMenu, QFont(QStringLiteral("MS Sans Serif"), 8));

    ToolBar1 = new QToolBar(QStringLiteral("Fájl"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setMovable(false);
    const auto button = [this](const char* name, int image, const QString& hint, Command command) {
        auto* tool = new QToolButton;
        tool->setObjectName(QLatin1String(name));
        tool->setIcon(MenuImages::toolBarImage(image));
        tool->setAutoRaise(true);
        tool->setToolTip(hint);
        tool->setStatusTip(hint);
        // A button that shows only a picture is read out by its hint.
        tool->setAccessibleName(hint);
        tool->setCursor(Qt::PointingHandCursor);
        connect(tool, &QToolButton::clicked, this,
                [this, command] { runGuarded([this, command] { (this->*command)(); }); });
        ToolBar1->addWidget(tool);
        return tool;
    };
    ToolButton1 =
        button("ToolButton1", 0, QStringLiteral("Új Zimpa készítése"), &TfrmMain::mFile_NewClick);
    ToolButton3 = button("ToolButton3", 1, QStringLiteral("Aktuális Zimpa mentése"),
                         &TfrmMain::mFile_SaveClick);
    ToolButton3->setEnabled(false);
    auto* gap = new QFrame;
    gap->setObjectName(QStringLiteral("ToolButton2"));
    gap->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    gap->setFixedWidth(8);
    ToolButton2 = gap;
    ToolBar1->addWidget(gap);
    ToolButton4 = button("ToolButton4", 2, QStringLiteral("Aktuális Zimpa nyomtatása"),
                         &TfrmMain::mFile_PrintClick);
    // Until the print button rule first runs.
    ToolButton4->setEnabled(false);

    tbNevnap = new QLabel;
    tbNevnap->setObjectName(QStringLiteral("tbNevnap"));
    tbNevnap->setAlignment(Qt::AlignCenter);
    // Room around the text, which the band keeps whole (ControlBar).
    tbNevnap->setMargin(4);
    tbNevnap->installEventFilter(this);

    ControlBar1->addBand(tbMenu, 0, ControlBar::GripWidth);
    ControlBar1->addBand(ToolBar1, 1, 11);
    ControlBar1->addBand(tbNevnap, 1, 326);
    setMenuWidget(ControlBar1);
}

void TfrmMain::createStatusBar() {
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    const int widths[] = {300, 50, 50, 50};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter,
                                        Qt::AlignLeft};
    for (int i = 0; i < 4; ++i) {
        QLabel* panel = i == 0 ? new HintPanel(widths[i]) : new QLabel;
        panel->setObjectName(QStringLiteral("StatusBar1_Panel%1").arg(i));
        panel->setAlignment(alignments[i] | Qt::AlignVCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The lock states and the clock keep room for their whole text in the window's font
        // (setStatusPanelText); the clock's panel runs on to the bar's end.
        if (i > 0)
            panel->setMinimumWidth(widths[i]);
        StatusBar1->addWidget(panel, i == 3 ? 1 : 0);
        m_statusPanels[i] = panel;
    }
}
