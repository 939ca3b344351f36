#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one place that shows message boxes. A test installs a responder: every box is then handed
// to it instead of being shown, so no test ever blocks on a modal window.
class Dialogs {
public:
    enum class Kind { Information, Error };

    struct Box {
        Kind kind;
        QString caption;
        QString text;
    };

    using Responder = std::function<void(const Box&)>;

    // The caption of the boxes and of the general error box.
    static void setApplicationTitle(const QString& title);
    static QString applicationTitle();

    // A modal information box with the single button OK.
    static void information(const QString& text, QWidget* parent = nullptr);

    // The application's general error box: the text with a full stop added when it lacks one,
    // the application title as caption, an error icon and OK.
    static void generalError(const QString& text);

    static void setResponderForTesting(Responder responder);

private:
    static void show(const Box& box, QWidget* parent);
};
