#include "Dialogs.h"
#include "MainForm.h"
#include "ProgramExit.h"
#include "ProgramIcon.h"
#include "ProgramPath.h"
#include "SingleInstance.h"
#include "Tables.h"
#include "ToolkitTranslation.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zimpa"));
    ToolkitTranslation::install(app);
    QApplication::setWindowIcon(ProgramIcon::icon());

    SingleInstance instance(QStringLiteral("Zimpa"));
    if (!instance.acquire()) {
        // Another organiser runs: bring it to the front, if it is this same program, and end.
        instance.notifyRunning(ProgramPath::file());
        return 0;
    }

    Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));
    const auto tables = std::make_unique<Tables>();
    TfrmMain frmMain(*tables);
    try {
        frmMain.FormCreate(ProgramPath::folder(), QApplication::arguments());
    } catch (const ProgramExit& exit) {
        return exit.code;
    }
    frmMain.show();

    QObject::connect(&instance, &SingleInstance::activationRequested, &frmMain,
                     &TfrmMain::comeToFront);
    instance.listen(ProgramPath::file());
    return app.exec();
}
