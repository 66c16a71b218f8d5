#pragma once
// The start-up loader's machinery: numbered steps, each reading one settings file (or a
// few), run in a fixed order. The first failure stops the run and names the step's
// label, which the start-up turns into its closing message.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "settings/SqfFile.h"

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
    QString reason;  // why the step failed, for the message's last line
};

// Runs the steps in order; the first that throws stops the run.
std::optional<LoaderFailure> RunLoaderSteps(const std::vector<LoaderStep>& steps);

// "Error while loading file " + label + "!" + "\r" + "The program will be closed!", then
// the reason on a line of its own when there is one.
QString LoaderFailureMessage(const QString& label, const QString& reason = {});

// The reason line for a settings file's error: the reason alone when the label is the file's
// own name, else the file's name before it (a step that reads several files).
QString LoaderReason(const QString& label, const SqfError& error);

}  // namespace orbivox
