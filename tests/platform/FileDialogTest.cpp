#include "FileDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The file-type list shows the entry's name, as the backup's dialogs name it, and the dialog
// still lists the files of its pattern only.
TEST(FileDialogTest, TheFileTypeListShowsTheEntrysNameAlone) {
    FileDialog::Request request;
    request.mode = FileDialog::Mode::Save;
    request.title = QStringLiteral("Zimpa V2.00 - Exportálás");
    request.filterName = QStringLiteral("Zimpa V2.00 biztonsági mentés");
    request.filterPattern = QStringLiteral("*.zbck");
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->count(), 1);
        EXPECT_EQ(types->currentText().toStdString(), request.filterName.toStdString());
        EXPECT_EQ(dialog->nameFilters(), QStringList{request.filterName + " (*.zbck)"});
        looked = true;
        dialog->reject();
    });
    EXPECT_EQ(FileDialog::run(request, nullptr), std::nullopt);
    EXPECT_TRUE(looked);
}

} // namespace
