#include "ViewerCommandLine.h"

#include "AsciiCase.h"
#include "IniFile.h"
#include "RunError.h"

namespace {

std::optional<ViewerCommandLine::Step::Option> optionOf(const QString& argument) {
    using Option = ViewerCommandLine::Step::Option;
    const QString upper = asciiUpper(argument);
    if (upper == QLatin1String("-S"))
        return Option::Scan;
    if (upper == QLatin1String("-D"))
        return Option::Show;
    if (upper == QLatin1String("-X"))
        return Option::Left;
    if (upper == QLatin1String("-Y"))
        return Option::Top;
    if (upper == QLatin1String("-L"))
        return Option::Information;
    return std::nullopt;
}

} // namespace

QList<ViewerCommandLine::Step> ViewerCommandLine::steps(const QStringList& arguments) {
    QList<Step> steps;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const std::optional<Step::Option> option = optionOf(arguments[i]);
        if (!option)
            continue;
        std::optional<QString> value;
        if (i + 1 < arguments.size())
            value = arguments[i + 1];
        steps.append({*option, value});
    }
    return steps;
}

int ViewerCommandLine::position(const std::optional<QString>& value) {
    const QString text = value.value_or(QString());
    const std::optional<qint32> number = IniFile::textToInteger(text);
    if (!number)
        throw RunError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *number;
}
