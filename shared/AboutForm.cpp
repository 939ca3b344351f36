#include "AboutForm.h"

#include "Guard.h"
#include "ProgramInfo.h"
#include "Shell.h"
#include "WindowLook.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The design's own font, kept whatever the main window uses.
QFont designFont(bool bold = false) {
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setBold(bold);
    return font;
}

QLabel* link(const char* name, const QString& address) {
    auto* label = named(new QLabel(address), name);
    label->setTextFormat(Qt::PlainText);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(colours);
    keepOwnLook(label, designFont());
    label->setCursor(Qt::PointingHandCursor);
    label->setMouseTracking(true);
    return label;
}

QPlainTextEdit* readOnlyBox(const char* name, const QString& text) {
    auto* box = named(new QPlainTextEdit(text), name);
    box->setReadOnly(true);
    return box;
}

const QString Acknowledgements =
    QStringLiteral("mindazokat, akik a tesztverziókat napról napra használták,\n"
                   "akik a hibákat türelmesen leírták és újra meg újra kipróbálták,\n"
                   "és akik javaslataikkal jobbá tették a programot.");

const QString Licence = QStringLiteral("Zimpa V2.00 (Előzetes)\n"
                                       "Licencfeltételek\n"
                                       "\n"
                                       "A Zimpa rendszerező és a Megjelenítő közreadási "
                                       "feltételei:\n\n") +
                        ProgramInfo::LicenceTerms +
                        QStringLiteral("\n\n"
                                       "Az adataid a program mappájában, a saját gépeden "
                                       "maradnak: a program semmit nem küld el róluk "
                                       "sehová.\n\n"
                                       "A program használatával ezeket a feltételeket "
                                       "elfogadod.");

} // namespace

TfrmAbout::TfrmAbout(QWidget* mainWindow)
    : QDialog(mainWindow)
    , m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Zimpa V2.00 - Névjegy"));
    // A fixed border with the system menu and the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Modal to its own program's window, so that an alert can still pop up beside it.
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(designFont());
    createControls();
    runGuarded([this] { FormCreate(); });
    // The acknowledgements show four lines of the font they got; the licence scrolls in what
    // room its page has.
    mbBT->setFixedHeight(mbBT->fontMetrics().lineSpacing() * 4 + 2 * mbBT->frameWidth() +
                         2 * int(mbBT->document()->documentMargin()));
    mbLicenc->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    // The designed size, or more where the main window's font needs more room.
    setFixedSize(QSize(473, 320).expandedTo(sizeHint()));
    centreOnDesktop(this);
}

void TfrmAbout::createControls() {
    lbLogo = named(new QLabel(QStringLiteral("Zimpa V2.00 (Előzetes)")), "lbLogo");
    keepOwnLook(lbLogo, designFont(true));
    blLogo = named(new QFrame, "blLogo");
    blLogo->setFrameShape(QFrame::HLine);
    blLogo->setFrameShadow(QFrame::Sunken);

    pcAbout = named(new QTabWidget, "pcAbout");
    tsAbout = named(new QWidget, "tsAbout");
    pcAbout->addTab(tsAbout, QStringLiteral("Névjegy"));
    lbAuthor = named(new QLabel(QStringLiteral("Készítette: Quelbo")), "lbAuthor");
    lbWWW = named(new QLabel(QStringLiteral("Honlap:")), "lbWWW");
    lbMail = named(new QLabel(QStringLiteral("E-mail:")), "lbMail");
    lbWeb_Url = link("lbWeb_Url", ProgramInfo::HomePage);
    lbMail_Url = link("lbMail_Url", ProgramInfo::ContactMail);
    lbBT = named(new QLabel(QStringLiteral("A tesztverziók teszteléséért és a javaslatokért "
                                           "köszönet illeti a következőket: ")),
                 "lbBT");
    mbBT = readOnlyBox("mbBT", Acknowledgements);
    mbBT->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* about = new QGridLayout(tsAbout);
    about->addWidget(lbAuthor, 0, 0, 1, 2);
    about->setRowMinimumHeight(1, 8);
    about->addWidget(lbWWW, 2, 0);
    about->addWidget(lbMail, 2, 1);
    about->addWidget(lbWeb_Url, 3, 0);
    about->addWidget(lbMail_Url, 3, 1);
    about->setRowStretch(4, 1);
    about->addWidget(lbBT, 5, 0, 1, 2);
    about->addWidget(mbBT, 6, 0, 1, 2);
    about->setColumnStretch(1, 1);
    // The link labels stand a little right of their captions.
    lbWeb_Url->setContentsMargins(8, 0, 0, 0);
    lbMail_Url->setContentsMargins(12, 0, 0, 0);

    tsLicence = named(new QWidget, "tsLicence");
    pcAbout->addTab(tsLicence, QStringLiteral("Licenc"));
    mbLicenc = readOnlyBox("mbLicenc", Licence);
    keepOwnLook(mbLicenc, designFont());
    mbLicenc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* licence = new QVBoxLayout(tsLicence);
    licence->setContentsMargins(0, 0, 0, 0);
    licence->addWidget(mbLicenc);

    btnOk = named(new QPushButton(QStringLiteral("&Ok")), "btnOk");
    btnOk->setCursor(Qt::PointingHandCursor);
    connect(btnOk, &QPushButton::clicked, this, [this] { runGuarded([this] { btnOkClick(); }); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 8);
    layout->addWidget(lbLogo);
    layout->addWidget(blLogo);
    layout->addWidget(pcAbout, 1);
    layout->addLayout(buttons);

    for (QWidget* watched : std::initializer_list<QWidget*>{this, tsAbout, lbWeb_Url, lbMail_Url}) {
        watched->setMouseTracking(true);
        watched->installEventFilter(this);
    }
}

void TfrmAbout::FormCreate() {
    takeMainWindowFont(this, m_mainWindow);
}

bool TfrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (watched == lbWeb_Url)
            runGuarded([this] { lbWeb_UrlMouseMove(); });
        else if (watched == lbMail_Url)
            runGuarded([this] { lbMail_UrlMouseMove(); });
        // A move over a control that takes no mouse reaches the surface under it: only the bare
        // surface counts.
        else if (watched == this && !childAt(move->position().toPoint()))
            runGuarded([this] { FormMouseMove(); });
        else if (watched == tsAbout && !tsAbout->childAt(move->position().toPoint()))
            runGuarded([this] { tsAboutMouseMove(); });
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        if (release->button() == Qt::LeftButton && (label == lbWeb_Url || label == lbMail_Url) &&
            label->rect().contains(release->position().toPoint()))
            runGuarded(
                [this, label] { label == lbWeb_Url ? lbWeb_UrlClick() : lbMail_UrlClick(); });
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmAbout::setUnderlined(QLabel* link, bool underlined) {
    QFont font = link->font();
    font.setUnderline(underlined);
    link->setFont(font);
}

void TfrmAbout::lbWeb_UrlMouseMove() {
    setUnderlined(lbWeb_Url, true);
}

void TfrmAbout::lbMail_UrlMouseMove() {
    setUnderlined(lbMail_Url, true);
}

void TfrmAbout::FormMouseMove() {
    setUnderlined(lbWeb_Url, false);
    setUnderlined(lbMail_Url, false);
}

void TfrmAbout::tsAboutMouseMove() {
    FormMouseMove();
}

void TfrmAbout::lbWeb_UrlClick() {
    Shell::open(lbWeb_Url->text());
}

void TfrmAbout::lbMail_UrlClick() {
    Shell::open(lbMail_Url->text());
}

void TfrmAbout::btnOkClick() {
    accept();
}
