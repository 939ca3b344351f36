// The new-reminder dialog's controls, their places and tab order, and the notifications that run
// its handlers.
#include "NewForm.h"

#include "Guard.h"
#include "RegionalFormats.h"
#include "ReminderGrid.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

namespace {

using Handler = void (TfrmNew::*)();

// A notification's handler, inside the error guard.
auto guarded(TfrmNew* dialog, Handler handler) {
    return [dialog, handler] {
        runGuarded([dialog, handler] { (dialog->*handler)(); });
    };
}

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Labels stand left, the fields right; the content controls share one rectangle below.
constexpr int LabelLeft = 8;
constexpr int LabelWidth = 120;
constexpr int FieldLeft = 136;
constexpr int FieldWidth = 281;
constexpr int FieldHeight = 23;
constexpr QRect ContentRect(8, 160, 409, 169);

QLabel* label(QWidget* parent, const char* name, const QString& caption, int top) {
    auto* widget = named(new QLabel(caption, parent), name);
    widget->setGeometry(LabelLeft, top + 3, LabelWidth, 17);
    return widget;
}

QDateEdit* datePicker(QWidget* parent, const char* name, int top) {
    auto* picker = named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(RegionalFormats::shortDateFormat());
    picker->setGeometry(FieldLeft, top, FieldWidth, FieldHeight);
    return picker;
}

DayCheckList* dayList(QWidget* parent, const char* name) {
    auto* list = named(new DayCheckList(parent), name);
    list->setGeometry(ContentRect);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->hide();
    return list;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left) {
    auto* widget = named(new QPushButton(caption, parent), name);
    widget->setGeometry(left, 360, 75, 27);
    widget->setCursor(Qt::PointingHandCursor);
    return widget;
}

} // namespace

void TfrmNew::createControls() {
    lbType = label(this, "lbType", QStringLiteral("Emlékeztető típusa:"), 10);
    cbType = named(new QComboBox(this), "cbType");
    cbType->addItems({QStringLiteral("Időpont"), QStringLiteral("Feladat"),
                      QStringLiteral("Feljegyzés"), QStringLiteral("Névnap"),
                      QStringLiteral("Ünnep")});
    cbType->setGeometry(FieldLeft, 10, FieldWidth, FieldHeight);

    lbStartDate = label(this, "lbStartDate", QStringLiteral("Kezdődátum:"), 42);
    dtStart = datePicker(this, "dtStart", 42);
    lbEndDate = label(this, "lbEndDate", QStringLiteral("Vég dátum:"), 74);
    dtEnd = datePicker(this, "dtEnd", 74);

    lbId = label(this, "lbId", QStringLiteral("Azonosító:"), 106);
    ListIDEdit = named(new QLineEdit(this), "ListIDEdit");
    ListIDEdit->setMaxLength(TReminderRec::TitleCapacity);
    ListIDEdit->setGeometry(FieldLeft, 106, FieldWidth, FieldHeight);

    lbGrid = label(this, "lbGrid", QStringLiteral("Új emlékeztető tartalma:"), 137);

    StringGrid1 = named(new ReminderGrid(2, 2, this), "StringGrid1");
    StringGrid1->setGeometry(ContentRect);
    StringGrid1->verticalHeader()->setDefaultSectionSize(25);
    StringGrid1->setColumnWidth(0, 70);
    StringGrid1->setColumnWidth(1, 317);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setTabKeyNavigation(true);
    makeHeaderRow();

    reMemo = named(new QTextEdit(this), "reMemo");
    reMemo->setGeometry(ContentRect);
    reMemo->hide();

    createDayLists();

    cbSaveEmptyLines =
        named(new QCheckBox(QStringLiteral("Üres mezők mentése"), this), "cbSaveEmptyLines");
    cbSaveEmptyLines->setGeometry(LabelLeft, 363, 200, 21);

    btnOk = button(this, "btnOk", QStringLiteral("&Ok"), 256);
    btnOk->setDefault(true);
    btnCancel = button(this, "btnCancel", QStringLiteral("&Mégse"), 342);
}

void TfrmNew::createDayLists() {
    clbNevnap = dayList(this, "clbNevnap");
    clbUnnep = dayList(this, "clbUnnep");

    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    mSelectAll = named(PopupMenu1->addAction(QStringLiteral("Mind kijelöl")), "mSelectAll");
    mUnSelectAll = named(PopupMenu1->addAction(QStringLiteral("Összes kijelölés megszüntetése")),
                         "mUnSelectAll");
    S1 = named(PopupMenu1->addSeparator(), "S1");
    mEnablePast = named(PopupMenu1->addAction(QStringLiteral("Elmúlt ünnepek és névnapok tiltása")),
                        "mEnablePast");
    mEnablePast->setCheckable(true);
}

void TfrmNew::setFocusOrder() {
    QWidget* const order[] = {btnOk,  btnCancel,        cbType,    dtStart,     dtEnd,   ListIDEdit,
                              reMemo, cbSaveEmptyLines, clbNevnap, StringGrid1, clbUnnep};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // The first of the order has the focus when the dialog opens.
    btnOk->setFocus();
}

void TfrmNew::connectHandlers() {
    // activated is the user's choice only; the opener sets the kind without a change.
    connect(cbType, &QComboBox::activated, this, guarded(this, &TfrmNew::cbTypeChange));
    connect(dtStart, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingDates)
            guarded(this, &TfrmNew::dtStartChange)();
    });
    connect(dtEnd, &QDateEdit::dateChanged, this, [this] {
        if (!m_settingDates)
            guarded(this, &TfrmNew::dtEndChange)();
    });
    connect(btnOk, &QPushButton::clicked, this, guarded(this, &TfrmNew::btnOkClick));
    connect(btnCancel, &QPushButton::clicked, this, guarded(this, &TfrmNew::btnCancelClick));

    // A keyboard move selects a line as a click does.
    connect(clbNevnap, &QListWidget::itemSelectionChanged, this,
            guarded(this, &TfrmNew::clbNevnapClick));
    connect(clbUnnep, &QListWidget::itemSelectionChanged, this,
            guarded(this, &TfrmNew::clbUnnepClick));
    for (QListWidget* list : {clbNevnap, clbUnnep}) {
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& at) {
            PopupMenu1->popup(list->viewport()->mapToGlobal(at));
        });
    }
    connect(PopupMenu1, &QMenu::aboutToShow, this, guarded(this, &TfrmNew::PopupMenu1Popup));
    connect(mSelectAll, &QAction::triggered, this, guarded(this, &TfrmNew::mSelectAllClick));
    connect(mUnSelectAll, &QAction::triggered, this, guarded(this, &TfrmNew::mUnSelectAllClick));
    connect(mEnablePast, &QAction::triggered, this, guarded(this, &TfrmNew::mEnablePastClick));
}

void TfrmNew::disconnectHandlers() {
    // Widgets announce their clearing as they are destroyed, after this class's part is gone.
    for (QObject* sender : std::initializer_list<QObject*>{cbType, dtStart, dtEnd, btnOk, btnCancel,
                                                           clbNevnap, clbUnnep, PopupMenu1,
                                                           mSelectAll, mUnSelectAll, mEnablePast})
        sender->disconnect(this);
}
