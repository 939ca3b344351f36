#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The about window of both programs: name and version, author, the home page and the mail
// address as links, the acknowledgements and, on a second page, the licence. Each opening makes
// a new window, shown modally and gone when it closes; nothing is kept.
class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    // The window takes the font name, size and colour of the program's main window, which it is
    // modal to; it stands in the middle of the desktop.
    explicit TfrmAbout(QWidget* mainWindow);

    void FormCreate();
    // A link is underlined from the moment the mouse is over it until the mouse reaches the
    // window's or the first page's free surface; other controls leave it as it is.
    void lbWeb_UrlMouseMove();
    void lbMail_UrlMouseMove();
    void FormMouseMove();
    void tsAboutMouseMove();
    // A link hands what it shows to the desktop's opener; what the opener makes of it is its own
    // business.
    void lbWeb_UrlClick();
    void lbMail_UrlClick();
    void btnOkClick();

    QLabel* lbLogo = nullptr;
    QFrame* blLogo = nullptr;
    QTabWidget* pcAbout = nullptr;
    QWidget* tsAbout = nullptr;
    QLabel* lbAuthor = nullptr;
    QLabel* lbWWW = nullptr;
    QLabel* lbMail = nullptr;
    QLabel* lbWeb_Url = nullptr;
    QLabel* lbMail_Url = nullptr;
    QLabel* lbBT = nullptr;
    QPlainTextEdit* mbBT = nullptr;
    QWidget* tsLicence = nullptr;
    QPlainTextEdit* mbLicenc = nullptr;
    QPushButton* btnOk = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setUnderlined(QLabel* link, bool underlined);

    QWidget* m_mainWindow;
};
