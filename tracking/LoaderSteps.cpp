// Running loader steps in order until one throws, and the message that closes the program.
#include "tracking/LoaderSteps.h"

#include <exception>

namespace orbivox {

std::optional<LoaderFailure> RunLoaderSteps(const std::vector<LoaderStep>& steps) {
    for (const LoaderStep& step : steps) {
        try {
            step.run();
        } catch (const SqfError& error) {
            const QString label = step.label();
            return LoaderFailure{step.number, label, LoaderReason(label, error)};
        } catch (const std::exception& error) {
            return LoaderFailure{step.number, step.label(), QString::fromUtf8(error.what())};
        }
    }
    return std::nullopt;
}

QString LoaderFailureMessage(const QString& label, const QString& reason) {
    QString message = QStringLiteral("Error while loading file ") + label + QStringLiteral("!") +
                      QStringLiteral("\r") + QStringLiteral("The program will be closed!");
    if (!reason.isEmpty()) {
        message += QStringLiteral("\r") + reason;
    }
    return message;
}

QString LoaderReason(const QString& label, const SqfError& error) {
    if (error.fileName() == label) {
        return error.reason();
    }
    return error.fileName() + QStringLiteral(": ") + error.reason();
}

}  // namespace orbivox
