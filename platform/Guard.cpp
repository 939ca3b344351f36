#include "Guard.h"

#include "Dialogs.h"
#include "ProgramExit.h"
#include "RunError.h"

#include <QCoreApplication>
#include <QThread>

#include <exception>

bool runGuarded(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const ProgramExit& exit) {
        // Before the event loop runs (a window being created) the entry handles it; inside the
        // loop it must not unwind through Qt, so it asks the loop to end instead.
        if (QThread::currentThread()->loopLevel() == 0)
            throw;
        QCoreApplication::exit(exit.code);
    } catch (const RunError& error) {
        Dialogs::generalError(error.text());
    } catch (const std::exception& error) {
        Dialogs::generalError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        Dialogs::generalError(QStringLiteral("Unknown error"));
    }
    return false;
}
