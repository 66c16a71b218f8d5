// Orbivox32: the desktop satellite tracker.
#include <QProcess>

#include "app/desktop/FileDialogChooser.h"
#include "app/desktop/GuardedApplication.h"
#include "app/desktop/MainWindow.h"
#include "app/desktop/MessageBoxNotifier.h"
#include "app/desktop/SelectionActions.h"
#include "app/desktop/WindowScreen.h"
#include "tracking/StartProgram.h"

int main(int argc, char** argv) {
    orbivox::MessageBoxNotifier notifier;
    orbivox::GuardedApplication app(argc, argv, notifier);
    QApplication::setApplicationName(QStringLiteral("Orbivox32"));
    QApplication::setApplicationVersion(QStringLiteral(ORBIVOX_VERSION));

    orbit::SystemClock clock;
    orbivox::StartResult start = orbivox::StartProgram(
        clock, orbivox::FolderEnvironment::FromEnvironment(QCoreApplication::applicationDirPath()),
        notifier);
    if (!start.session) {
        return start.exitCode;
    }
    orbivox::TrackingSession& session = *start.session;

    orbivox::FileDialogChooser files;
    orbivox::WindowScreen screen;
    orbivox::TAusgabe window(session, notifier, files, screen);
    screen.SetWindow(&window);
    window.onConfigurationChosen = [&](int slot) {
        // Config.SQF first, so the new program finds the new slot; then our lock goes and
        // the new copy starts as the only one.
        orbivox::WriteConfig(session.folders(), slot);
        window.QuitFromMenu();
        start.instance.reset();
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    };
    window.PlaceAtStart(
        orbivox::ReadWindowPosition(session.folders().ConfigFile(QStringLiteral("SatPos.SQF"))));
    window.show();
    if (start.elements == orbivox::ElementPartOutcome::NothingSelected) {
        // Nothing to track: the operator picks satellites first.
        window.selectionActions().ShowSatellites(false);
    } else if (start.elements == orbivox::ElementPartOutcome::NoSourceFile) {
        window.selectionActions().ChooseMissingSource();
    }
    window.StartTracking();
    window.OfferFreshElements();
    return QApplication::exec();
}
