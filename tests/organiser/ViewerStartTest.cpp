#include "MainFormFixture.h"

#include "Shell.h"

#include <QListWidget>
#include <QTabWidget>

using RecordBytes::reminder;

namespace {

struct Start {
    QString program;
    QStringList arguments;
    QString folder;
};

class ViewerStartTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        Shell::setStarterForTesting(
            [this](const QString& program, const QStringList& arguments, const QString& folder) {
                starts.append({program, arguments, folder});
                return answer;
            });
        folder.write(QStringLiteral("time.list"),
                     reminder(1765000000, 0, "Els\xF5") + reminder(-42, 0, "Negat\xEDv"));
        folder.write(QStringLiteral("memo.list"), reminder(7, 0, "Jegyzet"));
        create();
    }

    void TearDown() override {
        Shell::setStarterForTesting({});
        MainFormFixture::TearDown();
    }

    void selectOn(int page, QListWidget* list, int line) {
        window->PageControl->setCurrentIndex(page);
        list->clearSelection();
        list->item(line)->setSelected(true);
    }

    QList<Start> starts;
    Shell::StartResult answer = Shell::StartResult::Started;
};

} // namespace

TEST_F(ViewerStartTest, TheViewerGetsTheRelativeContentPathAndTheProgramFolder) {
    selectOn(0, window->clbIdopont, 0);
    window->mEdit_SubMenu1_ViewClick();
    selectOn(0, window->clbIdopont, 1);
    window->mEdit_SubMenu1_ViewClick();
    window->mEdit_SubMenu1_ViewClick();
    selectOn(2, window->clbFeljegyzes, 0);
    window->mEdit_SubMenu1_ViewClick();
    ASSERT_EQ(starts.size(), 4);
    EXPECT_EQ(starts[0].program, folder.file(QStringLiteral("Viewer")));
    EXPECT_EQ(starts[0].arguments, QStringList({"-D", "time/1765000000"}));
    EXPECT_EQ(starts[0].folder, folder.path());
    EXPECT_EQ(starts[1].arguments, QStringList({"-D", "time/-42"}));
    EXPECT_EQ(starts[2].arguments, starts[1].arguments) << "every use starts one more viewer";
    EXPECT_EQ(starts[3].arguments, QStringList({"-D", "memo/7"}));
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ViewerStartTest, NothingStartsWithoutASelectionOnThePage) {
    selectOn(0, window->clbIdopont, 0);
    window->PageControl->setCurrentIndex(1);
    window->mEdit_SubMenu1_ViewClick();
    window->PageControl->setCurrentIndex(3);
    window->mEdit_SubMenu1_ViewClick();
    EXPECT_TRUE(starts.isEmpty());
    EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ViewerStartTest, EachFailureHasItsMessageWithTheFolderInCapitals) {
    selectOn(0, window->clbIdopont, 0);
    const QString shown = folder.path().toUpper() + QStringLiteral("VIEWER");
    const std::pair<Shell::StartResult, QString> cases[] = {
        {Shell::StartResult::OutOfResources,
         QStringLiteral("Nincs elég szabad memória az erőforrások betöltéséhez!")},
        {Shell::StartResult::OutOfMemory,
         QStringLiteral("Nincs elég szabad memória az erőforrások betöltéséhez!")},
        {Shell::StartResult::FileNotFound,
         QStringLiteral("Nem található a(z) ") + shown + QStringLiteral(" program!")},
        {Shell::StartResult::PathNotFound,
         QStringLiteral("Nem található a(z) ") + shown + QStringLiteral(" elérési út!")},
        {Shell::StartResult::AccessDenied,
         QStringLiteral("A(z) ") + shown + QStringLiteral(" fájlhoz a hozzáférés megtagadva!")},
        {Shell::StartResult::BadFormat, QStringLiteral("Hibás a(z) ") + shown + " fájl!"},
    };
    for (const auto& [result, rest] : cases) {
        boxes.clear();
        answer = result;
        window->mEdit_SubMenu1_ViewClick();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].kind, Dialogs::Kind::Error);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Hiba:\n\r") + rest);
    }
}
