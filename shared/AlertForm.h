#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;
class TTransparentForm;

// The small always-on-top window in which both programs announce things. Callers add lines and
// then pop it up; it fades in and stays until its button fades it out, empties it and hides it.
// The title bar's close box only hides it and keeps the lines for the next alert.
//
// It is a top-level window of its own, so that a dialog open elsewhere does not block it, and
// closing it never ends the program.
class TfrmAlert : public QWidget {
    Q_OBJECT

public:
    // The window takes the font name, size and colour of the program's main window, once, while
    // it is created. Without a main window it keeps its own font.
    explicit TfrmAlert(const QWidget* mainWindow = nullptr);

    // Appends the text as one new line; nothing is shown.
    void AddLine(const QString& text);
    // Shows the window invisible at first and fades it to opaque; returns when the fade is done.
    void Popup();

    void FormCreate();
    void btnCloseClick();

    QPlainTextEdit* mMemo = nullptr;
    QPushButton* btnClose = nullptr;
    TTransparentForm* TransparentForm = nullptr;

private:
    const QWidget* m_mainWindow;
};
