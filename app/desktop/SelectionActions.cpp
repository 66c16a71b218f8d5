// The catalogue dialogs as reached from the main window: each stops the tracking timer, hands
// the chosen selection to the session and restarts the timer if it was running.
#include "app/desktop/SelectionActions.h"

#include <QFileInfo>
#include <QMouseEvent>

#include "app/desktop/MainWindow.h"
#include "catalogue/Selection.h"
#include "catalogue/ui/GroupChooser.h"
#include "catalogue/ui/SatWahlDialog.h"

namespace orbivox {

SelectionActions::SelectionActions(TAusgabe& window, TrackingSession& session, Notifier& notifier,
                                   FileChooser& files, const ScreenMetrics& screen)
    : QObject(&window),
      window_(window),
      session_(session),
      choice_(session.CatalogueFiles(), session.engine().Orbit().ReadOptions()),
      notifier_(notifier),
      files_(files),
      screen_(screen),
      pick_(notifier, files, QFileInfo(session.sourceFile()).isFile()) {
    window_.installEventFilter(this);
}

void SelectionActions::Take(const SelectionState& state) {
    session_.ApplySelection(state);
    window_.ShowSelection();
}

void SelectionActions::ResumeTracking(bool wasRunning) {
    if (wasRunning) {
        window_.StartTracking();
    }
}

void SelectionActions::ShowSatellites(bool fromMenu, const QString& openedFile) {
    const bool wasRunning = window_.Timer1().isActive();
    window_.Timer1().stop();
    QString opened = openedFile;
    if (fromMenu && opened.isEmpty() && !QFileInfo(session_.sourceFile()).isFile()) {
        // The group's source file has gone since the start: say so and offer another.
        notifier_.Warning(MissingSourceWarning(session_.group()));
        const CatalogueContext files = session_.CatalogueFiles();
        opened = pick_.ReplaceMissing(session_.sourceFile(), files.configFolder, files.sourceMask);
    }
    // The model or the name options may have changed since the last time.
    choice_.SetReadOptions(session_.engine().Orbit().ReadOptions());
    TSatWahl dialog(choice_, notifier_, files_, screen_, &window_);
    dialog.nameOptionsChanged = [this](const NameOptions& options) {
        session_.SetNameOptions(options);
        choice_.SetReadOptions(session_.engine().Orbit().ReadOptions());
    };
    dialog.Prepare(session_.selection(), fromMenu, opened);
    dialog.exec();
    if (choice_.outcome() == ChoiceOutcome::Cancelled) {
        session_.SetGroupIndex(choice_.running().groupIndex);
    } else {
        Take(choice_.result());
    }
    ResumeTracking(wasRunning);
}

void SelectionActions::OpenFile() {
    const CatalogueContext files = session_.CatalogueFiles();
    const QString path =
        pick_.OpenFile(session_.sourceFile(), files.sourceMask, files.openFolderText);
    if (!path.isEmpty()) {
        ShowSatellites(true, path);
    }
}

void SelectionActions::ChooseMissingSource() {
    const CatalogueContext files = session_.CatalogueFiles();
    const QString path =
        pick_.ReplaceMissing(session_.sourceFile(), files.configFolder, files.sourceMask);
    if (!path.isEmpty()) {
        ShowSatellites(false, path);
    }
}

void SelectionActions::ChooseGroup() {
    const bool wasRunning = window_.Timer1().isActive();
    window_.Timer1().stop();
    choice_.SetReadOptions(session_.engine().Orbit().ReadOptions());
    choice_.Open(session_.selection(), false);
    TSatFilesII chooser(choice_, notifier_, files_, &window_);
    chooser.move(window_.pos() + QPoint(20, 150));
    chooser.exec();
    if (chooser.switched()) {
        Take(choice_.result());
    }
    ResumeTracking(wasRunning);
}

bool SelectionActions::eventFilter(QObject* watched, QEvent* event) {
    // A press that no control took reaches the window itself: the background was clicked.
    if (watched != &window_ || event->type() != QEvent::MouseButtonPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* press = static_cast<QMouseEvent*>(event);
    const QPoint at = press->position().toPoint();
    const QWidget* central = window_.centralWidget();
    // A disabled window (the Options dialog is open) opens nothing, and neither does a
    // disabled control whose press Qt hands on to the window (an empty letter slot).
    const QWidget* hit = window_.childAt(at);
    if (press->button() == Qt::LeftButton && window_.isEnabled() && central != nullptr &&
        central->geometry().contains(at) && (hit == nullptr || hit->isEnabled())) {
        ChooseGroup();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orbivox
