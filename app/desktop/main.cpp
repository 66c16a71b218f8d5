// Orbivox32: the desktop satellite tracker.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

#include "tracking/Folders.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbivox32"));
    QApplication::setApplicationVersion(QStringLiteral(ORBIVOX_VERSION));

    const orbivox::Folders folders = orbivox::ResolveFolders(
        orbivox::FolderEnvironment::FromEnvironment(QCoreApplication::applicationDirPath()));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Orbivox32"));
    window.resize(600, 360);
    window.statusBar()->addWidget(
        new QLabel(QStringLiteral(" Confg. ") + QLatin1String(folders.numeral())));
    window.show();
    return QApplication::exec();
}
