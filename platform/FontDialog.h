#pragma once

#include <QFont>
#include <QtGlobal>

#include <functional>
#include <optional>

class QWidget;

// The font dialog: a font together with its colour, the colour being a stored colour value
// (see ColourNames). A test installs a responder that answers in place of the user, so no test
// ever blocks on the modal dialog.
class FontDialog {
public:
    struct Choice {
        QFont font;
        quint32 colour = 0;
    };

    // Given the initial choice, the user's choice, or nothing for cancel.
    using Responder = std::function<std::optional<Choice>(const Choice& initial)>;

    // Nothing when the user cancels.
    static std::optional<Choice> choose(const Choice& initial, QWidget* parent);

    static void setResponderForTesting(Responder responder);
};
