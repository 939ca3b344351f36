#include "AlertForm.h"
#include "Dialogs.h"
#include "ProgramExit.h"
#include "ProgramIcon.h"
#include "ProgramPath.h"
#include "ToolkitTranslation.h"
#include "ViewForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Viewer"));
    ToolkitTranslation::install(app);
    QApplication::setWindowIcon(ProgramIcon::icon());
    // The window hides into the notification area and an alert may outlive it for a moment: the
    // program ends when the viewer window closes, and only then.
    QApplication::setQuitOnLastWindowClosed(false);
    Dialogs::setApplicationTitle(QStringLiteral("Zimpa V2.00"));

    TfrmView frmView;
    try {
        frmView.FormCreate(ProgramPath::folder(), QApplication::arguments());
    } catch (const ProgramExit& exit) {
        return exit.code;
    }
    TfrmAlert frmAlert(&frmView);
    frmView.setAlert(&frmAlert);
    QObject::connect(&frmView, &TfrmView::closed, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    frmView.show();
    return app.exec();
}
