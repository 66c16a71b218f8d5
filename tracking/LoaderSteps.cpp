// Running loader steps in order until one throws, and the message that closes the program.
#include "tracking/LoaderSteps.h"

#include <exception>

namespace orbivox {

std::optional<LoaderFailure> RunLoaderSteps(const std::vector<LoaderStep>& steps) {
    for (const LoaderStep& step : steps) {
        try {
            step.run();
        } catch (const std::exception& error) {
            return LoaderFailure{step.number, step.label(), QString::fromUtf8(error.what())};
        }
    }
    return std::nullopt;
}

QString LoaderFailureMessage(const QString& label) {
    return QStringLiteral("Error while loading file ") + label + QStringLiteral("!") +
           QStringLiteral("\r") + QStringLiteral("The program will be closed!");
}

}  // namespace orbivox
