// Building the launcher's menus and opening the editor around a stopped tracking timer.
#include "app/desktop/LauncherMenus.h"

#include <QCoreApplication>

namespace orbivox {

LauncherMenus::LauncherMenus(QMenuBar* bar, const LauncherFolders& folders,
                             const QStringList& programs, const QStringList& auxiliaryFiles,
                             bool builtInEditor, Notifier& notifier, QWidget* window, Shell* shell)
    : QObject(window), notifier_(notifier) {
    if (!shell) {
        ownShell_ = std::make_unique<ProcessShell>();
        shell = ownShell_.get();
    }
    launcher_ = std::make_unique<Launcher>(folders, programs, auxiliaryFiles, builtInEditor, *shell,
                                           notifier);
    modAux_ = new TModAux(notifier, window);

    // "&Programs": items hidden until the menu is opened, then captioned from the list.
    QMenu* menProg = bar->addMenu(QStringLiteral("&Programs"));
    menProg->setObjectName(QStringLiteral("menProg"));
    QList<QAction*> programItems;
    for (int k = 0; k < kProgramMenuItems; ++k) {
        QAction* item = menProg->addAction(QStringLiteral("Prog%1").arg(k + 1));
        item->setObjectName(QStringLiteral("menProg%1").arg(k + 1));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, k] { launcher_->StartProgram(k); });
        programItems << item;
    }
    connect(menProg, &QMenu::aboutToShow, this, [this, programItems] {
        // An empty line of Program.SQF keeps its slot, so the entries after it keep theirs,
        // but shows no item.
        const QStringList captions = launcher_->ProgramCaptions();
        for (int k = 0; k < captions.size(); ++k) {
            programItems[k]->setText(captions[k]);
            programItems[k]->setVisible(!captions[k].trimmed().isEmpty());
        }
    });

    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->setObjectName(QStringLiteral("N2"));
    help_ = help;
    auto document = [this](QMenu* menu, const char* caption, const char* name, HelpDocument doc) {
        QAction* item = menu->addAction(QString::fromLatin1(caption));
        item->setObjectName(QString::fromLatin1(name));
        connect(item, &QAction::triggered, this, [this, doc] { launcher_->OpenDocument(doc); });
    };
    document(help, "Readme", "Readme2", HelpDocument::Readme);
    document(help, "Manual", "Manual1", HelpDocument::Manual);
    document(help, "FAQs", "FAQs1", HelpDocument::Faq);
    QMenu* radioHints = help->addMenu(QStringLiteral("Hints [Radio]"));
    document(radioHints, "Yaesu users", "Yaesuusers1", HelpDocument::YaesuHints);
    document(radioHints, "ICOM users", "ICOMusers1", HelpDocument::IcomHints);
    document(radioHints, "Kenwood users", "Kenwoodusers1", HelpDocument::KenwoodHints);
    document(radioHints, "Hamlib users", "Hamlibusers1", HelpDocument::HamlibHints);

    QMenu* auxiliary = help->addMenu(QStringLiteral("Auxiliary Files"));
    auxiliary->setObjectName(QStringLiteral("Auxiliaryfiles1"));
    QList<QAction*> auxItems;
    for (int k = 0; k < kAuxiliaryMenuItems; ++k) {
        QAction* item = auxiliary->addAction(QStringLiteral("Aux%1").arg(k + 1));
        item->setObjectName(QStringLiteral("menAux%1").arg(k + 1));
        item->setVisible(false);
        connect(item, &QAction::triggered, this, [this, k] { OpenAuxiliaryFile(k); });
        auxItems << item;
    }
    connect(auxiliary, &QMenu::aboutToShow, this, [this, auxItems] {
        const QStringList captions = launcher_->AuxiliaryCaptions();
        for (int k = 0; k < captions.size(); ++k) {
            auxItems[k]->setText(captions[k]);
            auxItems[k]->setVisible(true);
        }
    });
    document(help, "What's New", "History1", HelpDocument::WhatsNew);
    QAction* info = help->addAction(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("menInfo"));
    connect(info, &QAction::triggered, this,
            [this] { notifier_.Message(InfoText(QCoreApplication::applicationVersion())); });
}

void LauncherMenus::OpenAuxiliaryFile(int k) {
    const std::optional<AuxiliaryFile> file = launcher_->OpenAuxiliaryFile(k);
    if (!file) {
        return;
    }
    const bool wasRunning = stopTracking ? stopTracking() : false;
    modAux_->Prepare(*file);
    modAux_->exec();
    if (wasRunning && startTracking) {
        startTracking();
    }
}

}  // namespace orbivox
