#include "AboutForm.h"
#include "AlertForm.h"
#include "DesktopIdentity.h"
#include "Dialogs.h"
#include "Guard.h"
#include "ProgramArguments.h"
#include "ProgramExit.h"
#include "ProgramPath.h"
#include "SessionEnd.h"
#include "ToolkitTranslation.h"
#include "ViewForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Only the program reads its command line: the toolkit's own options are not obeyed.
    ProgramArguments arguments(argc, argv);
    QApplication app(arguments.toolkitArgc(), arguments.toolkitArgv());
    DesktopIdentity::apply();
    ToolkitTranslation::install(app);
    // The window hides into the notification area and an alert may outlive it for a moment: the
    // program ends when the viewer window closes, and only then.
    QApplication::setQuitOnLastWindowClosed(false);
    Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));

    TfrmView frmView;
    // The end of the session closes the window as its close box does; a signal that comes while
    // the window is being made waits until it is.
    SessionEnd sessionEnd;
    try {
        frmView.FormCreate(ProgramPath::folder(), arguments.all());
    } catch (const ProgramExit& exit) {
        return exit.code;
    }
    // A new about window for each opening, gone when it closes.
    frmView.setAboutOpener([&frmView] {
        TfrmAbout frmAbout(&frmView);
        Dialogs::runModal(frmAbout);
    });
    TfrmAlert frmAlert(&frmView);
    frmView.setAlert(&frmAlert);
    QObject::connect(&frmView, &TfrmView::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    frmView.show();
    sessionEnd.closeOnEnding(&frmView);
    sessionEnd.setLastWords([&frmView] {
        bool canClose = true;
        runGuarded([&] { frmView.FormCloseQuery(canClose); });
    });
    QObject::connect(&frmView, &TfrmView::closed, &sessionEnd, &SessionEnd::clearLastWords);
    return app.exec();
}
