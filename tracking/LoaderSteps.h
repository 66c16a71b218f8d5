#pragma once
// The start-up loader's machinery: numbered steps, each reading one settings file (or a
// few), run in a fixed order. The first failure stops the run and names the step's
// label, which the start-up turns into its closing message.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace orbivox {

struct LoaderStep {
    int number;
    // The label shown in the failure message; a function because step 28's label is the
    // group's file name, known only after step 5 read the group list.
    std::function<QString()> label;
    std::function<void()> run;  // throws SqfError (or std::exception) on failure
};

struct LoaderFailure {
    int step;
    QString label;
    QString reason;
};

// Runs the steps in order; the first that throws stops the run.
std::optional<LoaderFailure> RunLoaderSteps(const std::vector<LoaderStep>& steps);

// "Error while loading file " + label + "!" + "\r" + "The program will be closed!"
QString LoaderFailureMessage(const QString& label);

}  // namespace orbivox
