#include "AccessibilityBus.h"
#include "DesktopTest.h"
#include "Polling.h"

namespace {

const QStringList PageNames{QStringLiteral("Időpontok"), QStringLiteral("Feladatok"),
                            QStringLiteral("Feljegyzések"), QStringLiteral("Névnapok"),
                            QStringLiteral("Ünnepek")};

// The organiser as a screen reader meets it, through the accessibility bus.
class AccessibilityTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(bus.isReady()) << bus.error().toStdString();
        const QProcessEnvironment variables = bus.programVariables();
        for (const QString& name : variables.keys())
            setEnvironmentVariable(name, variables.value(name));
    }

    // The program's objects of that role, once the condition holds for them; the last ones read
    // when it never does.
    QList<AccessibleObject>
    waitForRole(qint64 pid, const QString& role,
                const std::function<bool(const QList<AccessibleObject>&)>& done) {
        QList<AccessibleObject> found;
        Polling::waitUntil(
            [&] {
                found.clear();
                for (const AccessibleObject& object : bus.objectsOf(pid)) {
                    if (object.role == role)
                        found.append(object);
                }
                return done(found);
            },
            Polling::StepTimeout);
        return found;
    }

    static QStringList namesOf(const QList<AccessibleObject>& objects) {
        QStringList names;
        for (const AccessibleObject& object : objects)
            names.append(object.name);
        return names;
    }

    // The name of the one selected object, empty when there is none or more than one.
    static QString selectedOf(const QList<AccessibleObject>& objects) {
        QStringList selected;
        for (const AccessibleObject& object : objects) {
            if (object.states.contains(QLatin1String("selected")))
                selected.append(object.name);
        }
        return selected.size() == 1 ? selected.first() : QString();
    }

    AccessibilityBus bus;
};

TEST_F(AccessibilityTest, AScreenReaderFindsThePageTabsChoosesOneAndReadsTheToolButtons) {
    ProgramRun& organiser = startOrganiser();
    const WindowId window = waitForMainWindow(organiser);
    ASSERT_NE(window, 0u) << organiser.describe().toStdString();

    const QList<AccessibleObject> tabs = waitForRole(
        organiser.pid(), QStringLiteral("page tab"),
        [](const QList<AccessibleObject>& found) { return namesOf(found) == PageNames; });
    ASSERT_EQ(namesOf(tabs), PageNames);
    EXPECT_EQ(selectedOf(tabs), QStringLiteral("Időpontok"));
    for (const AccessibleObject& tab : tabs)
        EXPECT_TRUE(tab.actions.contains(QLatin1String("Press"))) << tab.name.toStdString();
    const QList<AccessibleObject> strips =
        waitForRole(organiser.pid(), QStringLiteral("page tab list"),
                    [](const QList<AccessibleObject>& found) { return found.size() == 1; });
    ASSERT_EQ(strips.size(), 1);
    EXPECT_EQ(strips[0].depth + 1, tabs[0].depth) << "the tabs are the list's children";

    ASSERT_TRUE(bus.act(organiser.pid(), QStringLiteral("page tab"), QStringLiteral("Feladatok"),
                        QStringLiteral("Press")));
    EXPECT_EQ(selectedOf(waitForRole(organiser.pid(), QStringLiteral("page tab"),
                                     [](const QList<AccessibleObject>& found) {
                                         return selectedOf(found) == QLatin1String("Feladatok");
                                     })),
              QStringLiteral("Feladatok"));

    const QStringList buttons =
        namesOf(waitForRole(organiser.pid(), QStringLiteral("push button"),
                            [](const QList<AccessibleObject>&) { return true; }));
    for (const char* hint :
         {"Új Zimpa készítése", "Aktuális Zimpa mentése", "Aktuális Zimpa nyomtatása"})
        EXPECT_TRUE(buttons.contains(QString::fromUtf8(hint))) << hint;

    // The page chosen through the bus is the organiser's page: it stores it at its close.
    ASSERT_TRUE(requestClose(window));
    ASSERT_TRUE(organiser.waitForExit(Polling::StepTimeout)) << organiser.describe().toStdString();
    EXPECT_TRUE(folder().read(QStringLiteral("Zimpa.ini")).contains("PageIndex=1\r\n"));
}

} // namespace
