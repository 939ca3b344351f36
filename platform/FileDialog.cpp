#include "FileDialog.h"

#include "Dialogs.h"

#include <QFileDialog>

namespace {

FileDialog::Responder& responder() {
    static FileDialog::Responder value;
    return value;
}

} // namespace

void FileDialog::setResponderForTesting(Responder value) {
    responder() = std::move(value);
}

std::optional<QString> FileDialog::run(const Request& request, QWidget* parent) {
    if (responder())
        return responder()(request);
    // No starting folder and no file name: the dialog opens where the program runs.
    QFileDialog dialog(parent, request.title);
    // Modal to the window only: an alert window may still pop up meanwhile.
    if (parent)
        dialog.setWindowModality(Qt::WindowModal);
    // The list of file types shows the entry's name; the pattern stays behind it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(request.filterName + QStringLiteral(" (") + request.filterPattern +
                         QLatin1Char(')'));
    if (request.mode == Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setSizeGripEnabled(true);
    if (Dialogs::runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}
