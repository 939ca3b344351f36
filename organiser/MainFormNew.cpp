// Opening the new-reminder dialog.
#include "MainForm.h"

#include "NewForm.h"

#include <QComboBox>

#include <exception>
#include <memory>

void TfrmMain::mFile_NewClick() {
    std::exception_ptr failure;
    try {
        const auto frmNew = std::make_unique<TfrmNew>(*this);
        // From code, so no change of kind: the dialog applies the kind when it first shows.
        frmNew->cbType->setCurrentIndex(PageControl->currentIndex());
        // Modal to this window only, so that an alert can still pop up beside it.
        frmNew->setWindowModality(Qt::WindowModal);
        TfrmNew::runModal(*frmNew);
    } catch (...) {
        failure = std::current_exception();
    }
    // The day lists follow what the dialog stored, however it ended.
    RefreshNevnapUnnepLists();
    if (failure)
        std::rethrow_exception(failure);
}
