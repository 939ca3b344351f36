#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

// The one place that shows message boxes and modal dialogs. A test installs a responder: every box
// is then handed to it instead of being shown, so no test ever blocks on a modal window.
//
// Once the desktop session has ended (see SessionEnd) nobody is left to answer: no box or dialog
// opens any more. A box's text goes to standard error and the box counts as answered with OK; a
// dialog counts as cancelled.
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

    // Shows the dialog modally and returns how it ended (QDialog::Accepted or Rejected).
    static int runModal(QDialog& dialog);

    static void setResponderForTesting(Responder responder);

private:
    static Answer show(Box box, QWidget* parent);
};
