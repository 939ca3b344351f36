#include "AccessibilityBus.h"
#include "DesktopTest.h"
#include "Polling.h"

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

} // namespace
