#include "DesktopIdentity.h"
#include "Dialogs.h"
#include "MainForm.h"
#include "ProgramArguments.h"
#include "ProgramExit.h"
#include "ProgramPath.h"
#include "SessionEnd.h"
#include "SingleInstance.h"
#include "Tables.h"
#include "ToolkitTranslation.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    // Only the program reads its command line: the toolkit's own options are not obeyed.
    ProgramArguments arguments(argc, argv);
    QApplication app(arguments.toolkitArgc(), arguments.toolkitArgv());
    DesktopIdentity::apply();
    ToolkitTranslation::install(app);

    SingleInstance instance(QStringLiteral("Zimpa"));
    if (!instance.acquire()) {
        // Another organiser runs: bring it to the front, from whatever folder it runs, and end.
        instance.notifyRunning(ProgramPath::file());
        return 0;
    }

    Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));
    const auto tables = std::make_unique<Tables>();
    TfrmMain frmMain(*tables);
    // The end of the session closes the window as its close box does; a signal that comes while
    // the window is being made waits until it is.
    SessionEnd sessionEnd;
    try {
        frmMain.FormCreate(ProgramPath::folder(), arguments.all());
    } catch (const ProgramExit& exit) {
        return exit.code;
    }
    frmMain.show();
    sessionEnd.closeOnEnding(&frmMain);
    sessionEnd.setLastWords([&frmMain] {
        if (!frmMain.isVisible())
            return; // its close has run
        bool canClose = true;
        frmMain.FormCloseQuery(canClose);
    });

    QObject::connect(&instance, &SingleInstance::activationRequested, &frmMain,
                     &TfrmMain::comeToFront);
    instance.listen();
    return app.exec();
}
