// Printing what the active page shows: the loaded reminder's rows or note, or the followed name
// days or holidays, each under a title line, as plain lines on a printer of the desktop.
#include "MainForm.h"

#include "Dialogs.h"
#include "NoteLoader.h"
#include "PrintDialog.h"
#include "PrinterText.h"
#include "ReminderGrid.h"

#include <QListWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QTextEdit>

#include <exception>

namespace {

QListWidget* pageList(const TfrmMain& window, int page) {
    switch (Kind(page)) {
    case Kind::Idopont:
        return window.clbIdopont;
    case Kind::Feladat:
        return window.clbFeladat;
    case Kind::Feljegyzes:
        return window.clbFeljegyzes;
    case Kind::Nevnap:
        return window.lbNevnap;
    case Kind::Unnep:
        return window.lbUnnep;
    }
    return nullptr;
}

// A grid is printable by its messages; times without a message are not enough.
bool hasSomethingToPrint(const TfrmMain& window, int page) {
    if (page == int(Kind::Idopont) || page == int(Kind::Feladat)) {
        for (int row = 1; row < window.tZimpa->rowCount(); ++row) {
            if (!window.tZimpa->cell(row, 1).isEmpty())
                return true;
        }
        return false;
    }
    if (page == int(Kind::Feljegyzes))
        return !window.mZimpa->toPlainText().isEmpty();
    if (page == int(Kind::Nevnap) || page == int(Kind::Unnep))
        return pageList(window, page)->count() > 0;
    return false;
}

// The print may start with nothing selected in the active page's list (a selection in another
// reminder list enables it): the title then names no reminder and the rows print all the same.
QString titleLine(const TfrmMain& window, int page) {
    switch (Kind(page)) {
    case Kind::Nevnap:
        return QStringLiteral("Zimpa - Névnapok listája");
    case Kind::Unnep:
        return QStringLiteral("Zimpa - Ünnepek listája");
    default:
        break;
    }
    static const QString opening[] = {QStringLiteral("Zimpa - (Időpont: "),
                                      QStringLiteral("Zimpa - (Feladat: "),
                                      QStringLiteral("Zimpa - (Feljegyzés: ")};
    const QListWidget* list = pageList(window, page);
    const int selected = TfrmMain::GetSelected(list);
    const QString caption = selected >= 0 ? list->item(selected)->text() : QString();
    return opening[page] + caption + QLatin1Char(')');
}

// Each entry is one write followed by a line end; a note is one write with its own line breaks.
QStringList body(const TfrmMain& window, int page) {
    QStringList writes;
    if (page == int(Kind::Feljegyzes)) {
        writes.append(window.mZimpa->toPlainText());
    } else if (page == int(Kind::Idopont) || page == int(Kind::Feladat)) {
        for (const TableRow& row : window.tZimpa->rows())
            writes.append(row.time + QStringLiteral(" - ") + row.message);
    } else {
        const QListWidget* list = pageList(window, page);
        for (int i = 0; i < list->count(); ++i)
            writes.append(list->item(i)->text());
    }
    return writes;
}

} // namespace

void TfrmMain::mFile_PrintClick() {
    if (PrintDialog::printerList().isEmpty()) {
        Dialogs::information(QStringLiteral("Hiba:\n\rNincs használható nyomtató!"), this);
        return;
    }
    // What is being typed into a cell belongs to the rows printed, and a note prints whole.
    tZimpa->commitEdit();
    m_noteLoader->finish();
    const int page = PageControl->currentIndex();
    if (!hasSomethingToPrint(*this, page)) {
        Dialogs::information(QStringLiteral("Hiba:\n\rNincs kinyomtatható bejegyzés!"), this);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!PrintDialog::run(printer, this))
        return;

    // Once the document has begun it is closed and announced whatever fails; the first failure
    // is reported after the announcement.
    std::exception_ptr failure;
    PrinterText text(printer, QStringLiteral("Zimpa"));
    try {
        text.setFont(font().family(), font().pointSize());
        text.write(titleLine(*this, page));
        text.endLine();
        text.endLine();
        for (const QString& line : body(*this, page)) {
            text.write(line);
            text.endLine();
        }
    } catch (...) {
        failure = std::current_exception();
    }
    try {
        text.close();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    Dialogs::information(QStringLiteral("Az adatok ki lettek küldve a nyomtatóra, a nyomtatásnak "
                                        "hamarosan el kell kezdődnie."),
                         this);
    if (failure)
        std::rethrow_exception(failure);
}
