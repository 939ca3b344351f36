#pragma once

#include <QString>

#include <functional>

class QWidget;

// The one place that shows message boxes. A test installs a responder: every box is then handed
// to it instead of being shown, so no test ever blocks on a modal window.
class Dialogs {
public:
    enum class Kind { Information, Error, Plain };

    // How the user left a box: with its OK button, or with the window's close box (or Escape).
    enum class Answer { Ok, Closed };

    struct Box {
        Kind kind;
        QString caption;
        QString text;
        Answer answer = Answer::Ok; // a test's responder may set it
    };

    using Responder = std::function<void(Box&)>;

    // The caption of the boxes and of the general error box.
    static void setApplicationTitle(const QString& title);
    static QString applicationTitle();

    // A modal information box with the single button OK.
    static void information(const QString& text, QWidget* parent = nullptr);
    // An information box under a caption of its own.
    static void message(const QString& caption, const QString& text, QWidget* parent = nullptr);
    // A box without an icon, under the application title, with the single button OK.
    static void plain(const QString& text, QWidget* parent = nullptr);
    // The same box, telling how it was left.
    static Answer informationAnswered(const QString& text, QWidget* parent = nullptr);

    // A modal error box with the single button OK, telling how it was left.
    static Answer error(const QString& text, QWidget* parent = nullptr);

    // The application's general error box: the text with a full stop added when it lacks one,
    // the application title as caption, an error icon and OK.
    static void generalError(const QString& text);

    static void setResponderForTesting(Responder responder);

    // The display is gone: from now on no box is shown; its text goes to standard error and it
    // counts as answered with OK.
    static void setUnattended();

private:
    static Answer show(Box box, QWidget* parent);
};
