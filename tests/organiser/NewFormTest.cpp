#include "NewFormFixture.h"

#include "ColourNames.h"
#include "MainSettings.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString NoIdentifier = QStringLiteral("Nem adtad meg az azonosítót!\n\r"
                                            "Új emlékeztető létrehozásához ez nélkülözhetetlen.");
const QString NoMessage =
    QStringLiteral("Egy időponthoz sem adtál meg emlékeztető szöveget.\n\r"
                   "Új emlékeztető létrehozásához legalább egyet meg kell adni.");
const QString SameIdentifier = QStringLiteral("Már tároltál el emlékeztetőt erre az időpontra.");

class NewFormTest : public NewFormFixture {
protected:
    // An appointment or task the dialog accepts: an identifier and one message.
    void fillIn(const QString& title = QStringLiteral("Fogorvos")) {
        dialog->ListIDEdit->setText(title);
        type(1, 1, QStringLiteral("Indulás"));
    }

    QString contentPath(const char* folderName, std::int64_t id) const {
        return folder.path() + QLatin1String(folderName) + QLatin1Char('/') + QString::number(id);
    }
};

} // namespace

TEST_F(NewFormTest, WindowAndControls) {
    start();
    make();
    EXPECT_EQ(dialog->objectName(), QStringLiteral("frmNew"));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Zimpa V2.00 - Új Zimpa"));
    EXPECT_EQ(dialog->size(), QSize(428, 409));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(dialog->parentWidget(), window.get());

    const std::pair<const char*, const char*> captions[] = {{"lbType", "Emlékeztető típusa:"},
                                                            {"lbStartDate", "Kezdődátum:"},
                                                            {"lbEndDate", "Vég dátum:"},
                                                            {"lbId", "Azonosító:"},
                                                            {"lbGrid", "Új emlékeztető tartalma:"}};
    for (const auto& [name, caption] : captions) {
        const auto* label = dialog->findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), QString::fromUtf8(caption));
    }
    QStringList kinds;
    for (int i = 0; i < dialog->cbType->count(); ++i)
        kinds << dialog->cbType->itemText(i);
    EXPECT_EQ(kinds, QStringList({"Időpont", "Feladat", "Feljegyzés", "Névnap", "Ünnep"}));
    EXPECT_FALSE(dialog->cbType->isEditable());
    EXPECT_EQ(dialog->btnOk->text(), QStringLiteral("&Ok"));
    EXPECT_TRUE(dialog->btnOk->isDefault());
    EXPECT_EQ(dialog->btnCancel->text(), QStringLiteral("&Mégse"));
    EXPECT_EQ(dialog->btnOk->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(dialog->btnCancel->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(dialog->cbSaveEmptyLines->text(), QStringLiteral("Üres mezők mentése"));
    EXPECT_EQ(dialog->ListIDEdit->maxLength(), 64);
    EXPECT_TRUE(dialog->dtStart->calendarPopup());
    EXPECT_EQ(dialog->dtStart->displayFormat(), QStringLiteral("yyyy. MM. dd."));
    EXPECT_EQ(dialog->dtEnd->displayFormat(), QStringLiteral("yyyy. MM. dd."));

    QTableWidget* grid = dialog->StringGrid1;
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->columnWidth(0), 70);
    EXPECT_EQ(grid->columnWidth(1), 317);
    EXPECT_EQ(grid->rowHeight(1), 25);
    // The content controls share one rectangle, the three hidden at first.
    const QList<QWidget*> contents = {dialog->reMemo, dialog->clbNevnap, dialog->clbUnnep};
    for (const QWidget* content : contents) {
        EXPECT_EQ(content->geometry(), grid->geometry());
        EXPECT_TRUE(content->isHidden());
    }
    EXPECT_EQ(grid->geometry().size(), QSize(409, 169));

    QStringList popup;
    for (const QAction* item : dialog->PopupMenu1->actions())
        popup << item->objectName() + QLatin1Char('=') + item->text();
    EXPECT_EQ(popup,
              QStringList({"mSelectAll=Mind kijelöl", "mUnSelectAll=Összes kijelölés megszüntetése",
                           "S1=", "mEnablePast=Elmúlt ünnepek és névnapok tiltása"}));
}

TEST_F(NewFormTest, TabOrderStartsAtOk) {
    start();
    make();
    QStringList order;
    QWidget* widget = dialog->btnOk;
    do {
        // The controls' own parts (a picker's line edit, say) are not the dialog's controls.
        if (widget->parentWidget() == dialog.get() && (widget->focusPolicy() & Qt::TabFocus))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != dialog->btnOk);
    EXPECT_EQ(order,
              QStringList({"btnOk", "btnCancel", "cbType", "dtStart", "dtEnd", "ListIDEdit",
                           "reMemo", "cbSaveEmptyLines", "clbNevnap", "StringGrid1", "clbUnnep"}));
    EXPECT_EQ(dialog->focusWidget(), dialog->btnOk);
}

TEST_F(NewFormTest, OpensWithTodayAnEmptyIdentifierAndTheMainWindowsFont) {
    start();
    window->setFont(QFont(QStringLiteral("Courier"), 13));
    window->setFontColour(ColourNames::clRed);
    open(Kind::Idopont);
    EXPECT_EQ(dialog->dtStart->date(), QDate(2026, 3, 15));
    EXPECT_EQ(dialog->dtEnd->date(), QDate(2026, 3, 15));
    // Setting today is not the user's change: the identifier stays empty.
    EXPECT_TRUE(dialog->ListIDEdit->text().isEmpty());
    EXPECT_EQ(dialog->font().family(), QStringLiteral("Courier"));
    EXPECT_EQ(dialog->font().pointSize(), 13);
    EXPECT_EQ(dialog->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::red));
    EXPECT_FALSE(dialog->cbSaveEmptyLines->isChecked());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(NewFormTest, EachKindShowsItsControls) {
    start();
    open(Kind::Idopont);
    struct Expected {
        Kind kind;
        bool dates;
        bool grid;
        bool memo;
        bool nevnap;
        bool unnep;
    };
    for (const Expected& e : {Expected{Kind::Nevnap, false, false, false, true, false},
                              Expected{Kind::Feladat, true, true, false, false, false},
                              Expected{Kind::Unnep, false, false, false, false, true},
                              Expected{Kind::Feljegyzes, true, false, true, false, false},
                              Expected{Kind::Idopont, true, true, false, false, false}}) {
        SCOPED_TRACE(int(e.kind));
        choose(e.kind);
        EXPECT_EQ(dialog->dtStart->isEnabled(), e.dates);
        EXPECT_EQ(dialog->dtEnd->isEnabled(), e.dates);
        EXPECT_EQ(dialog->ListIDEdit->isEnabled(), e.dates);
        EXPECT_EQ(!dialog->StringGrid1->isHidden(), e.grid);
        EXPECT_EQ(!dialog->cbSaveEmptyLines->isHidden(), e.grid);
        EXPECT_EQ(!dialog->reMemo->isHidden(), e.memo);
        EXPECT_EQ(!dialog->clbNevnap->isHidden(), e.nevnap);
        EXPECT_EQ(!dialog->clbUnnep->isHidden(), e.unnep);
    }
}

TEST_F(NewFormTest, OkChecksInOrderAndRefusesWithTheExactTexts) {
    start();
    open(Kind::Idopont);
    type(1, 0, QStringLiteral("9:00"));
    dialog->btnOkClick();
    EXPECT_EQ(boxTexts(), QStringList{NoIdentifier});
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);

    // A time without a message is not enough, and a message in the header row does not count.
    dialog->ListIDEdit->setText(QStringLiteral("Fogorvos"));
    type(0, 1, QStringLiteral("Üzenet"));
    dialog->btnOkClick();
    EXPECT_EQ(boxTexts(), QStringList({NoIdentifier, NoMessage}));

    // A single blank is a message.
    type(1, 1, QStringLiteral(" "));
    dialog->btnOkClick();
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_TRUE(closed());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(NewFormTest, RefusalsStoreNothing) {
    start();
    open(Kind::Feladat);
    dialog->btnOkClick();
    dialog->ListIDEdit->setText(QStringLiteral("Bevásárlás"));
    // A grid with no row below the header has no message either.
    dialog->StringGrid1->setRowCount(1);
    dialog->btnOkClick();
    choose(Kind::Feljegyzes);
    dialog->reMemo->clear();
    dialog->btnOkClick();
    dialog->cbType->setCurrentIndex(-1);
    dialog->btnOkClick();
    EXPECT_EQ(boxTexts(), QStringList({NoIdentifier, NoMessage, NoMessage,
                                       QStringLiteral("Nincs megadva az emlékeztető típusa!")}));
    EXPECT_FALSE(closed());
    for (const QListWidget* list : {window->clbIdopont, window->clbFeladat, window->clbFeljegyzes})
        EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(QDir(folder.file("task")).entryList(QDir::Files), QStringList{"template"});
    EXPECT_EQ(QDir(folder.file("memo")).entryList(QDir::Files), QStringList());
}

TEST_F(NewFormTest, AppointmentGetsTheMomentAsIdentifierAndTheStoredDates) {
    folder.write(QStringLiteral("time.list"), RecordBytes::reminder(7, 1, "R\xE9gi"));
    start();
    open(Kind::Idopont);
    dialog->dtStart->setDate(QDate(2026, 3, 20));
    dialog->dtEnd->setDate(QDate(2026, 4, 2));
    fillIn(QString(64, QLatin1Char('x')));
    dialog->btnOkClick();

    ASSERT_TRUE(closed());
    EXPECT_TRUE(boxes.isEmpty());
    ASSERT_EQ(window->clbIdopont->count(), 2);
    const QListWidgetItem* line = window->clbIdopont->item(1);
    EXPECT_EQ(line->text(), QString(64, QLatin1Char('x')));
    EXPECT_EQ(line->checkState(), Qt::Unchecked);
    EXPECT_TRUE(line->flags() & Qt::ItemIsUserCheckable);
    // The record is built byte by byte here, as the list file will hold it.
    TReminderRec& record = tables->IdopontList[1];
    EXPECT_EQ(QByteArray(record.data(), TReminderRec::Size),
              RecordBytes::reminder(Moment, 0, QByteArray(64, 'x'), "2026.03.20", "2026.04.02"));
    EXPECT_TRUE(folder.exists(QStringLiteral("time/1773570031")));
    EXPECT_EQ(tables->IdopontList[0].ID(), 7); // the old reminder stays where it was
}

TEST_F(NewFormTest, DatesFillTheIdentifierWithTheWholeShortDates) {
    start();
    open(Kind::Idopont);
    dialog->ListIDEdit->setText(QStringLiteral("typed"));
    dialog->dtStart->setDate(QDate(2026, 3, 20));
    EXPECT_EQ(dialog->dtEnd->date(), QDate(2026, 3, 20));
    EXPECT_EQ(dialog->ListIDEdit->text(), QStringLiteral("2026. 03. 20. - 2026. 03. 20."));
    // An end before the start is accepted.
    dialog->dtEnd->setDate(QDate(2026, 3, 1));
    EXPECT_EQ(dialog->dtStart->date(), QDate(2026, 3, 20));
    EXPECT_EQ(dialog->ListIDEdit->text(), QStringLiteral("2026. 03. 20. - 2026. 03. 01."));
    dialog->btnOkClick();
    EXPECT_EQ(boxTexts(), QStringList{NoMessage});
    type(1, 1, QStringLiteral("Indulás"));
    dialog->btnOkClick();
    ASSERT_TRUE(closed());
    EXPECT_EQ(tables->IdopontList[0].Title(), QStringLiteral("2026. 03. 20. - 2026. 03. 01."));
    EXPECT_EQ(tables->IdopontList[0].StartDate(), QStringLiteral("2026.03.20"));
    EXPECT_EQ(tables->IdopontList[0].EndDate(), QStringLiteral("2026.03.01"));
}

TEST_F(NewFormTest, TheSameSecondTwiceIsRefusedPerKind) {
    start();
    for (const Kind kind : {Kind::Idopont, Kind::Feljegyzes}) {
        SCOPED_TRACE(int(kind));
        for (int attempt = 0; attempt < 2; ++attempt) {
            open(kind);
            dialog->ListIDEdit->setText(QStringLiteral("Első"));
            dialog->reMemo->setPlainText(QStringLiteral("szöveg"));
            type(1, 1, QStringLiteral("üzenet"));
            dialog->btnOkClick();
            EXPECT_EQ(closed(), attempt == 0);
        }
    }
    EXPECT_EQ(boxTexts(), QStringList({SameIdentifier, SameIdentifier}));
    EXPECT_EQ(window->clbIdopont->count(), 1);
    EXPECT_EQ(window->clbFeljegyzes->count(), 1);
    EXPECT_EQ(tables->IdopontList[1].ID(), 0);
    EXPECT_EQ(tables->FeljegyzesList[1].ID(), 0);

    // Another kind may share the identifier, and the next second is free again.
    open(Kind::Feladat);
    fillIn();
    dialog->btnOkClick();
    EXPECT_TRUE(closed());
    EXPECT_EQ(tables->FeladatList[0].ID(), Moment);
    now = now.addSecs(1);
    open(Kind::Idopont);
    fillIn();
    dialog->btnOkClick();
    EXPECT_TRUE(closed());
    EXPECT_EQ(tables->IdopontList[1].ID(), Moment + 1);
    EXPECT_EQ(boxes.size(), 2);
}

TEST_F(NewFormTest, EveryRecordHoldingTheIdentifierIsReported) {
    folder.write(QStringLiteral("task.list"), RecordBytes::reminder(Moment, 0, "a") +
                                                  RecordBytes::reminder(5, 0, "b") +
                                                  RecordBytes::reminder(Moment, 0, "c"));
    start();
    open(Kind::Feladat);
    fillIn();
    dialog->btnOkClick();
    EXPECT_EQ(boxTexts(), QStringList({SameIdentifier, SameIdentifier}));
    EXPECT_FALSE(closed());
    EXPECT_EQ(window->clbFeladat->count(), 3);
}

TEST_F(NewFormTest, ContentFileWithAndWithoutEmptyLines) {
    start();
    std::int64_t id = Moment;
    const auto create = [&](bool everyRow, const QString& headerMessage) {
        open(Kind::Idopont);
        dialog->cbSaveEmptyLines->setChecked(everyRow);
        dialog->StringGrid1->setRowCount(4);
        type(0, 1, headerMessage);
        type(1, 0, QStringLiteral("8:00"));
        type(1, 1, QStringLiteral("Reggeli"));
        type(2, 0, QStringLiteral("9:00"));
        type(3, 1, QStringLiteral("Ebéd | tál"));
        dialog->ListIDEdit->setText(QStringLiteral("Nap"));
        dialog->btnOkClick();
        EXPECT_TRUE(closed());
        const QByteArray bytes = folder.read(QStringLiteral("time/") + QString::number(id));
        // Each reminder takes a second of its own.
        now = now.addSecs(1);
        ++id;
        return bytes;
    };
    // Unticked, a row is written only with its message; the header row too.
    EXPECT_EQ(create(false, {}), QByteArray("8:00|Reggeli\r\n"
                                            "|Eb\xE9"
                                            "d | t\xE1l\r\n"));
    EXPECT_EQ(create(false, QStringLiteral("Üzenet")), QByteArray("Id\xF5|\xDCzenet\r\n"
                                                                  "8:00|Reggeli\r\n"
                                                                  "|Eb\xE9"
                                                                  "d | t\xE1l\r\n"));
    EXPECT_EQ(create(true, {}), QByteArray("Id\xF5|\r\n"
                                           "8:00|Reggeli\r\n"
                                           "9:00|\r\n"
                                           "|Eb\xE9"
                                           "d | t\xE1l\r\n"));
    EXPECT_EQ(window->clbIdopont->count(), 3);
}

TEST_F(NewFormTest, NoteIsWrittenAsPlainTextWithOneLineEnd) {
    start();
    open(Kind::Feljegyzes);
    dialog->ListIDEdit->setText(QStringLiteral("Jegyzet"));
    dialog->reMemo->setPlainText(QStringLiteral("Első sor\nMásodik"));
    dialog->btnOkClick();
    ASSERT_TRUE(closed());
    EXPECT_EQ(folder.read(QStringLiteral("memo/1773570031")),
              QByteArray("Els\xF5 sor\r\nM\xE1sodik\r\n"));
    EXPECT_EQ(lines(window->clbFeljegyzes), QStringList{"Jegyzet"});
    EXPECT_EQ(tables->FeljegyzesList[0].ID(), Moment);
}

TEST_F(NewFormTest, SaveEmptyLinesIsCarriedFromOneOpeningToTheNext) {
    start();
    EXPECT_FALSE(open(Kind::Idopont).cbSaveEmptyLines->isChecked());
    dialog->cbSaveEmptyLines->setChecked(true);
    dialog->btnCancelClick();
    EXPECT_TRUE(closed());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(MainSettings.SaveEmptyLines);

    EXPECT_TRUE(open(Kind::Feladat).cbSaveEmptyLines->isChecked());
    // A kind change leaves the box alone.
    choose(Kind::Idopont);
    EXPECT_TRUE(dialog->cbSaveEmptyLines->isChecked());
    dialog->cbSaveEmptyLines->setChecked(false);
    choose(Kind::Nevnap);
    dialog->btnOkClick();
    EXPECT_TRUE(closed());
    EXPECT_FALSE(MainSettings.SaveEmptyLines);
    EXPECT_FALSE(open(Kind::Idopont).cbSaveEmptyLines->isChecked());
}

TEST_F(NewFormTest, TemplatesFillTheGridAndAKindChangeReplacesWhatWasTyped) {
    start();
    open(Kind::Idopont);
    QTableWidget* grid = dialog->StringGrid1;
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Idő"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("Emlékeztető"));
    EXPECT_EQ(cell(1, 0), QStringLiteral("8:00"));
    EXPECT_EQ(cell(1, 1), QString());
    // Row 0 is the fixed header.
    EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);

    type(1, 1, QStringLiteral("elveszik"));
    choose(Kind::Feladat);
    ASSERT_EQ(grid->rowCount(), 3);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Határidő"));
    EXPECT_EQ(cell(1, 1), QString());
    choose(Kind::Idopont);
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(cell(1, 0), QStringLiteral("8:00"));
    EXPECT_EQ(cell(1, 1), QString());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(NewFormTest, TemplateLinesAreSplitAtTheirLastBarAndCutAtTheTableLimit) {
    QByteArray lines = "a|b|c\r\nnincs\r\n";
    for (int i = 0; i < 300; ++i)
        lines += QByteArray::number(i) + "|m\r\n";
    folder.write(QStringLiteral("task/template"), lines);
    start();
    open(Kind::Feladat);
    EXPECT_EQ(dialog->StringGrid1->rowCount(), 256);
    EXPECT_EQ(cell(0, 0), QStringLiteral("a|b"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("c"));
    EXPECT_EQ(cell(1, 0), QString());
    EXPECT_EQ(cell(1, 1), QString());
    EXPECT_EQ(cell(255, 0), QStringLiteral("253"));
    EXPECT_EQ(TfrmNew::SplitField(QStringLiteral("8:00|"), 0), QStringLiteral("8:00"));
    EXPECT_EQ(TfrmNew::SplitField(QStringLiteral("|x"), 1), QStringLiteral("x"));
}

TEST_F(NewFormTest, AnEmptyTemplateLeavesTheRowsAsTheyWere) {
    folder.write(QStringLiteral("task/template"), {});
    start();
    open(Kind::Idopont);
    type(1, 1, QStringLiteral("marad"));
    choose(Kind::Feladat);
    EXPECT_EQ(dialog->StringGrid1->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("Idő"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("marad"));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(NewFormTest, LoadingATemplateIsNoEditOfTheUsers) {
    folder.write(QStringLiteral("memo/template"), "Jegyzet sablon\r\n");
    start();
    make();
    QSignalSpy gridEdits(dialog->StringGrid1, &QTableWidget::itemChanged);
    QSignalSpy memoEdits(dialog->reMemo, &QTextEdit::textChanged);
    QSignalSpy caretMoves(dialog->reMemo, &QTextEdit::cursorPositionChanged);
    dialog->FormActivate();
    choose(Kind::Feladat);
    choose(Kind::Feljegyzes);
    EXPECT_EQ(dialog->reMemo->toPlainText(), QStringLiteral("Jegyzet sablon\n"));
    EXPECT_EQ(cell(0, 0), QStringLiteral("Határidő"));
    EXPECT_EQ(gridEdits.count(), 0);
    EXPECT_EQ(memoEdits.count(), 0);
    EXPECT_EQ(caretMoves.count(), 0);
}

TEST_F(NewFormTest, NoteTemplateFillsTheNoteBoxOnlyWhenItExists) {
    start();
    open(Kind::Feljegyzes);
    EXPECT_TRUE(dialog->reMemo->toPlainText().isEmpty());
    dialog->reMemo->setPlainText(QStringLiteral("saját"));
    choose(Kind::Feljegyzes);
    EXPECT_EQ(dialog->reMemo->toPlainText(), QStringLiteral("saját"));
    EXPECT_TRUE(boxes.isEmpty());

    folder.write(QStringLiteral("memo/template"), "{\\rtf1\\ansi Sablon \\b f\\'e9lk\\b0\\par}");
    choose(Kind::Feljegyzes);
    EXPECT_EQ(dialog->reMemo->toPlainText(), QStringLiteral("Sablon félk"));
}

TEST_F(NewFormTest, UnreadableTemplateClosesTheDialogWhenAnsweredWithOk) {
    start();
    QFile::remove(folder.file(QStringLiteral("time/template")));
    open(Kind::Feladat);
    dialog->cbSaveEmptyLines->setChecked(true);
    choose(Kind::Idopont);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
    EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba: nem olvasható a(z) ") + folder.path() +
                                 QStringLiteral("time/template sablon!"));
    ASSERT_TRUE(closed());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(MainSettings.SaveEmptyLines); // closing ran its steps

    // Left with the close box, the error leaves the dialog open.
    Dialogs::setResponderForTesting([this](Dialogs::Box& box) {
        boxes.append(box);
        box.answer = Dialogs::Answer::Closed;
    });
    open(Kind::Idopont);
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_FALSE(closed());
}

TEST_F(NewFormTest, AFailedContentWriteKeepsTheDialogOpenAndAddsNothing) {
    start();
    for (const Kind kind : {Kind::Feladat, Kind::Feljegyzes}) {
        SCOPED_TRACE(int(kind));
        const char* folderName = kind == Kind::Feladat ? "task" : "memo";
        const QString path = contentPath(folderName, Moment);
        AtomicFile::setFaultForTesting([path](const QString& target) { return target == path; });
        boxes.clear();
        open(kind);
        fillIn();
        dialog->reMemo->setPlainText(QStringLiteral("jegyzet"));
        dialog->btnOkClick();

        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
        EXPECT_EQ(boxes[0].text,
                  QStringLiteral("Hiba: a(z) ") + path + QStringLiteral(" fájlt nem lehet írni."));
        EXPECT_FALSE(closed());
        EXPECT_FALSE(QFile::exists(path));
        ReminderTable& table = tables->reminders(kind);
        EXPECT_EQ(table[0], TReminderRec());
        QListWidget* list = kind == Kind::Feladat ? window->clbFeladat : window->clbFeljegyzes;
        EXPECT_EQ(list->count(), 0);

        // Once the disk takes it, the same OK goes through.
        AtomicFile::setFaultForTesting({});
        dialog->btnOkClick();
        EXPECT_TRUE(closed());
        EXPECT_EQ(list->count(), 1);
        EXPECT_TRUE(QFile::exists(path));
    }
}

TEST_F(NewFormTest, AFullListRefusesANewReminder) {
    start();
    for (int i = 0; i < ReminderTable::Capacity; ++i) {
        tables->IdopontList[i].setID(i + 1);
        window->clbIdopont->addItem(QString::number(i));
    }
    open(Kind::Idopont);
    fillIn();
    dialog->btnOkClick();
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral(
                              "Az emlékeztetők listája megtelt, új emlékeztető nem vehető fel.")});
    EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Information);
    EXPECT_FALSE(closed());
    EXPECT_EQ(window->clbIdopont->count(), ReminderTable::Capacity);
    EXPECT_FALSE(folder.exists(QStringLiteral("time/") + QString::number(Moment)));

    // One line fewer, and the last slot takes it.
    delete window->clbIdopont->takeItem(ReminderTable::Capacity - 1);
    tables->IdopontList[ReminderTable::Capacity - 1].setID(0);
    dialog->btnOkClick();
    EXPECT_TRUE(closed());
    EXPECT_EQ(tables->IdopontList[ReminderTable::Capacity - 1].ID(), Moment);
}
