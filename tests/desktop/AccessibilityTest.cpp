#include "AccessibilityBus.h"
#include "DesktopTest.h"
#include "Polling.h"
#include "UserInput.h"

#include <QSet>

namespace {

// The organiser as a screen reader meets it, through the accessibility bus.
class AccessibilityTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        ASSERT_TRUE(bus.error().isEmpty()) << bus.error().toStdString();
        const QProcessEnvironment variables = bus.programVariables();
        for (const QString& name : variables.keys())
            setEnvironmentVariable(name, variables.value(name));
    }

    // The program's objects of the role as "name" or "name*" when selected, and the role of the
    // object before the first of them, once the condition holds; the last ones read when never.
    QStringList waitFor(qint64 pid, const QString& role, QString* before,
                        const std::function<bool(const QStringList&)>& done) const {
        QStringList found;
        Polling::waitUntil(
            [&] {
                found.clear();
                const QList<AccessibleObject> objects = bus.objectsOf(pid);
                for (qsizetype at = 0; at < objects.size(); ++at) {
                    if (objects[at].role != role)
                        continue;
                    if (found.isEmpty() && before && at > 0)
                        *before = objects[at - 1].role;
                    const bool selected = objects[at].states.contains(QLatin1String("selected"));
                    found << objects[at].name + (selected ? QStringLiteral("*") : QString());
                }
                return done(found);
            },
            Polling::StepTimeout);
        return found;
    }

    // The program's page tabs in their order, once there are five and the one at the index is
    // chosen; the last ones read when that never comes.
    QList<AccessibleObject> pageTabsWithChosen(qint64 pid, int chosen) const {
        QList<AccessibleObject> tabs;
        Polling::waitUntil(
            [&] {
                tabs.clear();
                for (const AccessibleObject& object : bus.objectsOf(pid)) {
                    if (object.role == QLatin1String("page tab"))
                        tabs.append(object);
                }
                return tabs.size() == 5 && tabs[chosen].states.contains(QLatin1String("selected"));
            },
            Polling::StepTimeout);
        return tabs;
    }

    AccessibilityBus bus;
};

TEST_F(AccessibilityTest, AScreenReaderFindsThePageTabsChoosesOneAndReadsTheToolButtons) {
    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    const QStringList pages{"Időpontok*", "Feladatok", "Feljegyzések", "Névnapok", "Ünnepek"};
    QString strip;
    EXPECT_EQ(waitFor(organiser.pid(), "page tab", &strip,
                      [&](const QStringList& tabs) { return tabs == pages; }),
              pages);
    EXPECT_EQ(strip, QStringLiteral("page tab list")) << "the tabs are the list's children";

    ASSERT_TRUE(bus.act(organiser.pid(), "page tab", "Feladatok", "Press"));
    const QStringList chosen{"Időpontok", "Feladatok*", "Feljegyzések", "Névnapok", "Ünnepek"};
    EXPECT_EQ(waitFor(organiser.pid(), "page tab", nullptr,
                      [&](const QStringList& tabs) { return tabs == chosen; }),
              chosen);

    const QStringList hints{"Új Zimpa készítése", "Aktuális Zimpa mentése",
                            "Aktuális Zimpa nyomtatása"};
    const auto named = [&](const QStringList& buttons) {
        return std::all_of(hints.begin(), hints.end(),
                           [&](const QString& hint) { return buttons.contains(hint); });
    };
    EXPECT_TRUE(named(waitFor(organiser.pid(), "push button", nullptr, named)));

    // The page chosen through the bus is the organiser's page: it stores it at its close.
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("PageIndex=1\r\n"));
}

// Beside the editor, 150 pixels wide, the five page tabs wrap into three rows, the chosen page's
// row next to the pages. Each tab lies inside the page control where a screen reader says it is,
// and a click there chooses its page; the organiser stores the last one when it closes.
TEST_F(AccessibilityTest, EveryTabOfANarrowPageControlIsInViewAndChoosesItsPage) {
    ASSERT_TRUE(folder().write(QStringLiteral("Zimpa.ini"),
                               "[MainForm]\r\nAlign=1\r\nSplitter=150\r\nPageIndex=0\r\n"));
    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    ASSERT_TRUE(waitUntilActive(window));
    EXPECT_FALSE(saveScreenshot(window, QStringLiteral("page-tabs-narrow")).isEmpty());
    const QRect client = desktop().clientGeometry(window);
    const QRect pageControl(client.topLeft(), QSize(150, client.height()));

    int chosen = 0;
    // Every page once, each a change: the rows move with each choice.
    for (const int page : {2, 3, 0, 4, 1}) {
        SCOPED_TRACE(page);
        const QList<AccessibleObject> tabs = pageTabsWithChosen(organiser.pid(), chosen);
        ASSERT_EQ(tabs.size(), 5);
        QSet<int> rows;
        int lowest = 0;
        for (const AccessibleObject& tab : tabs) {
            EXPECT_TRUE(pageControl.contains(tab.place)) << tab.name.toStdString();
            rows.insert(tab.place.top());
            lowest = std::max(lowest, tab.place.top());
        }
        EXPECT_EQ(rows.size(), 3);
        EXPECT_EQ(tabs[chosen].place.top(), lowest) << "the chosen tab's row is next to the pages";
        ASSERT_TRUE(UserInput(environment()).clickAt(tabs[page].place.center()));
        chosen = page;
    }
    EXPECT_TRUE(pageTabsWithChosen(organiser.pid(), chosen)[chosen].states.contains(
        QLatin1String("selected")));
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("PageIndex=1\r\n"));
}

} // namespace
