#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QPrinter;
class QWidget;

// The desktop's printers and the print dialog. A test names the printers the desktop has and
// answers the dialog in place of the user (choosing, say, a PDF file as the printer), so no test
// ever depends on the machine's print queues or blocks on the modal dialog.
class PrintDialog {
public:
    // The installed printers, one name a line; empty when none is installed.
    static QString printerList();

    // Lets the user choose the printer and its settings; false when the user cancels.
    static bool run(QPrinter& printer, QWidget* parent);

    using Responder = std::function<bool(QPrinter& printer)>;
    static void setResponderForTesting(Responder responder);
    // The printers the desktop seems to have; nothing goes back to the system's print queues.
    static void setPrintersForTesting(std::optional<QStringList> printers);
};
