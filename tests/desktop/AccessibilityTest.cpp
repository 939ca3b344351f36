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

    // "name:states" of the program's objects of the role, once the condition holds for them; the
    // last ones read when it never does.
    QStringList waitFor(qint64 pid, const QString& role,
                        const std::function<bool(const QStringList&)>& done) const {
        QStringList found;
        Polling::waitUntil(
            [&] {
                found.clear();
                for (const AccessibleObject& object : bus.objectsOf(pid)) {
                    if (object.role == role)
                        found << object.name + QLatin1Char(':') + object.states.join(',');
                }
                return done(found);
            },
            Polling::StepTimeout);
        return found;
    }

    AccessibilityBus bus;
};

bool selected(const QString& object) {
    return object.contains(QLatin1String("selected"));
}

TEST_F(AccessibilityTest, AScreenReaderFindsThePageTabsChoosesOneAndReadsTheToolButtons) {
    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();
    const auto tabs = [&](const std::function<bool(const QStringList&)>& done) {
        return waitFor(organiser.pid(), QStringLiteral("page tab"), done);
    };
    const auto fiveTabs = [](const QStringList& found) {
        return found.size() == 5;
    };
    QStringList found = tabs(fiveTabs);
    ASSERT_EQ(found.size(), 5) << found.join(' ').toStdString();
    const char* names[] = {"Időpontok", "Feladatok", "Feljegyzések", "Névnapok", "Ünnepek"};
    for (int tab = 0; tab < 5; ++tab) {
        EXPECT_TRUE(found[tab].startsWith(QString::fromUtf8(names[tab]) + ':')) << names[tab];
        EXPECT_EQ(selected(found[tab]), tab == 0) << found[tab].toStdString();
    }
    const QList<AccessibleObject> objects = bus.objectsOf(organiser.pid());
    const auto strip = std::find_if(objects.begin(), objects.end(), [](const auto& object) {
        return object.role == QLatin1String("page tab list");
    });
    ASSERT_NE(strip, objects.end());
    EXPECT_EQ(std::next(strip)->role, QStringLiteral("page tab")) << "the tabs are its children";
    EXPECT_EQ(std::next(strip)->depth, strip->depth + 1);

    ASSERT_TRUE(bus.act(organiser.pid(), QStringLiteral("page tab"), QStringLiteral("Feladatok"),
                        QStringLiteral("Press")));
    found = tabs([](const QStringList& now) { return now.size() == 5 && selected(now[1]); });
    ASSERT_EQ(found.size(), 5);
    EXPECT_TRUE(selected(found[1]) && !selected(found[0])) << found.join(' ').toStdString();

    const QStringList hints{QStringLiteral("Új Zimpa készítése:"),
                            QStringLiteral("Aktuális Zimpa mentése:"),
                            QStringLiteral("Aktuális Zimpa nyomtatása:")};
    const auto named = [&](const QStringList& buttons) {
        return std::all_of(hints.begin(), hints.end(),
                           [&](const QString& hint) { return buttons.join('\n').contains(hint); });
    };
    EXPECT_TRUE(named(waitFor(organiser.pid(), QStringLiteral("push button"), named)));

    // The page chosen through the bus is the organiser's page: it stores it at its close.
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("PageIndex=1\r\n"));
}

} // namespace
