#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The open-file and save-file dialogs. A test installs a responder that is handed what the
// dialog would show and answers in place of the user, so no test ever blocks on it.
class FileDialog {
public:
    enum class Mode { Open, Save };

    struct Request {
        Mode mode = Mode::Open;
        QString title;
        QString filterName;    // the one entry of the file-type list, e.g. "Backup"
        QString filterPattern; // the names it lists, e.g. "*.zbck"
        QString defaultSuffix; // appended to a name typed without one; empty for none
        bool confirmOverwrite = false;
    };

    // The chosen file's path, or nothing for cancel.
    using Responder = std::function<std::optional<QString>(const Request& request)>;

    static std::optional<QString> run(const Request& request, QWidget* parent);

    static void setResponderForTesting(Responder responder);
};
