#include "PrintDialog.h"

#include "Dialogs.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

PrintDialog::Responder& responder() {
    static PrintDialog::Responder value;
    return value;
}

std::optional<QStringList>& printers() {
    static std::optional<QStringList> value;
    return value;
}

} // namespace

void PrintDialog::setResponderForTesting(Responder value) {
    responder() = std::move(value);
}

void PrintDialog::setPrintersForTesting(std::optional<QStringList> value) {
    printers() = std::move(value);
}

QString PrintDialog::printerList() {
    // The print queues, as the desktop's print system (CUPS) lists them.
    const QStringList names = printers() ? *printers() : QPrinterInfo::availablePrinterNames();
    return names.join(QLatin1Char('\n'));
}

bool PrintDialog::run(QPrinter& printer, QWidget* parent) {
    if (responder())
        return responder()(printer);
    QPrintDialog dialog(&printer, parent);
    // Modal to the window only: an alert window may still pop up meanwhile.
    if (parent)
        dialog.setWindowModality(Qt::WindowModal);
    return Dialogs::runModal(dialog) == QDialog::Accepted;
}
