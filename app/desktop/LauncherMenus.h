#pragma once
// The "&Programs" menu and the items of the "&?" menu that open documents, the auxiliary
// files and the "Info" box, wired to the launcher (catalogue/Launcher.h) and the Auxiliary
// Files Editor. The editor stops the tracking timer while it is open.
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <functional>
#include <memory>

#include "catalogue/Launcher.h"
#include "catalogue/LauncherLists.h"
#include "catalogue/ProcessShell.h"
#include "catalogue/ui/AuxFilesDialog.h"

namespace orbivox {

class LauncherMenus : public QObject {
public:
    // `shell` may be given by a test; the real one is used otherwise.
    LauncherMenus(QMenuBar* bar, const LauncherFolders& folders, const QStringList& programs,
                  const QStringList& auxiliaryFiles, bool builtInEditor, Notifier& notifier,
                  QWidget* window, Shell* shell = nullptr);

    // Stops the tracking timer and says whether it ran; starts it again.
    std::function<bool()> stopTracking;
    std::function<void()> startTracking;

    Launcher& launcher() { return *launcher_; }
    // "&?", the last menu of the bar.
    QMenu* helpMenu() const { return help_; }
    TModAux& editor() { return *modAux_; }
    // Opens item k of "Auxiliary Files" as the menu does.
    void OpenAuxiliaryFile(int k);

private:
    Notifier& notifier_;
    std::unique_ptr<ProcessShell> ownShell_;
    std::unique_ptr<Launcher> launcher_;
    TModAux* modAux_;
    QMenu* help_;
};

}  // namespace orbivox
