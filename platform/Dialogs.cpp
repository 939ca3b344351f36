#include "Dialogs.h"

#include "SessionEnd.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <cstdio>

namespace {

QString& title() {
    static QString value;
    return value;
}

Dialogs::Responder& responder() {
    static Dialogs::Responder value;
    return value;
}

// A message box of our own: a stock one cannot tell its only button from its close box.
class MessageBox : public QDialog {
public:
    MessageBox(const Dialogs::Box& box, QWidget* parent)
        : QDialog(parent) {
        setWindowTitle(box.caption);
        auto* icon = new QLabel;
        const auto pixmap = box.kind == Dialogs::Kind::Error ? QStyle::SP_MessageBoxCritical
                                                             : QStyle::SP_MessageBoxInformation;
        icon->setPixmap(style()->standardIcon(pixmap).pixmap(32, 32));
        icon->setVisible(box.kind != Dialogs::Kind::Plain);
        // The system's texts end lines with CR LF, LF CR or a CR alone, which a label would
        // run together: each is one line break here.
        static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n\r|\r"));
        auto* text = new QLabel(QString(box.text).replace(lineEnd, QStringLiteral("\n")));
        text->setTextFormat(Qt::PlainText);
        // A text wider than most of the screen is wrapped to that width, so the box and its
        // button stay on the screen.
        const QRect room = screenOf(parent)->availableGeometry();
        const int widest = room.width() * 2 / 3;
        if (text->sizeHint().width() > widest) {
            text->setText(breakableRuns(text->text(), text->fontMetrics(), widest));
            text->setWordWrap(true);
            text->setFixedWidth(widest);
        }
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
        // The window manager cuts a caption that is wider than its box.
        buttons->setMinimumWidth(captionRoom(box.caption));
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        auto* row = new QHBoxLayout;
        row->addWidget(icon, 0, Qt::AlignTop);
        row->addWidget(text, 1);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(row);
        layout->addWidget(buttons);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        // Over a window on the screen the box is centred on it; before there is one, in the
        // screen's middle rather than wherever the window manager starts new windows.
        if (!parent || !parent->isVisible()) {
            adjustSize();
            move(room.center() - rect().center());
        }
    }

private:
    // A label wraps its lines at blanks only: a run too long for a whole line (a long folder
    // name, a number of many digits) may break between any two of its characters, where a break
    // that shows nothing is put.
    static QString breakableRuns(const QString& text, const QFontMetrics& metrics, int width) {
        static const QRegularExpression run(QStringLiteral("\\S+"));
        QString breakable;
        qsizetype done = 0;
        for (const QRegularExpressionMatch& match : run.globalMatch(text)) {
            breakable += text.mid(done, match.capturedStart() - done);
            QString word = match.captured();
            if (metrics.horizontalAdvance(word) > width) {
                for (qsizetype at = word.size() - 1; at > 0; --at) {
                    if (!word[at].isLowSurrogate())
                        word.insert(at, QChar(0x200B));
                }
            }
            breakable += word;
            done = match.capturedEnd();
        }
        return breakable + text.mid(done);
    }

    // What the title bar needs: the caption in a bold title font, the window's icon and its
    // buttons.
    int captionRoom(const QString& caption) const {
        QFont title = font();
        title.setBold(true);
        const int button = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
        return QFontMetrics(title).horizontalAdvance(caption) + 4 * button;
    }

    static QScreen* screenOf(const QWidget* parent) {
        if (parent && parent->isVisible() && parent->screen())
            return parent->screen();
        return QGuiApplication::primaryScreen();
    }
};

} // namespace

void Dialogs::setApplicationTitle(const QString& text) {
    title() = text;
}

QString Dialogs::applicationTitle() {
    return title();
}

void Dialogs::setResponderForTesting(Responder value) {
    responder() = std::move(value);
}

void Dialogs::information(const QString& text, QWidget* parent) {
    show({Kind::Information, title(), text}, parent);
}

void Dialogs::message(const QString& caption, const QString& text, QWidget* parent) {
    show({Kind::Information, caption, text}, parent);
}

void Dialogs::plain(const QString& text, QWidget* parent) {
    show({Kind::Plain, title(), text}, parent);
}

Dialogs::Answer Dialogs::informationAnswered(const QString& text, QWidget* parent) {
    return show({Kind::Information, title(), text}, parent);
}

Dialogs::Answer Dialogs::error(const QString& text, QWidget* parent) {
    return show({Kind::Error, title(), text}, parent);
}

void Dialogs::generalError(const QString& text) {
    QString shown = text;
    if (!shown.endsWith(QLatin1Char('.')))
        shown += QLatin1Char('.');
    show({Kind::Error, title(), shown}, nullptr);
}

int Dialogs::runModal(QDialog& dialog) {
    if (SessionEnd::hasEnded())
        return QDialog::Rejected;
    return dialog.exec();
}

Dialogs::Answer Dialogs::show(Box box, QWidget* parent) {
    if (SessionEnd::hasEnded()) {
        std::fprintf(stderr, "%s\n", qPrintable(box.text));
        return Answer::Ok;
    }
    if (responder()) {
        responder()(box);
        return box.answer;
    }
    if (!parent)
        parent = QApplication::activeWindow();
    MessageBox message(box, parent);
    return runModal(message) == QDialog::Accepted ? Answer::Ok : Answer::Closed;
}
