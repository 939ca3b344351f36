#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The viewer's command line as the steps it asks for, in the order of the arguments. An option
// is a whole argument, compared in capitals (a to z only); its value is the argument after it,
// which is compared in its own turn as well, so a value that spells an option acts as one too.
class ViewerCommandLine {
public:
    struct Step {
        enum class Option { Scan, Show, Left, Top, Information };
        Option option;
        // The argument after the option; none when the option is the last argument.
        std::optional<QString> value;

        bool operator==(const Step&) const = default;
    };

    // arguments holds the program's own path first, as QCoreApplication::arguments() gives it.
    static QList<Step> steps(const QStringList& arguments);

    // Whether anything follows the program's path.
    static bool hasArguments(const QStringList& arguments) { return arguments.size() > 1; }

    // A position value as a decimal integer (or "$" hexadecimal); a missing or unreadable value
    // raises RunError "'<value>' is not a valid integer value".
    static int position(const std::optional<QString>& value);
};
