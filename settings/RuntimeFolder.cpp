// Naming the runtime folder from the environment and the user id, and making sure it is the
// user's own before anything is put in it.
#include "settings/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <cerrno>

#include "settings/Folders.h"

namespace orbivox {
namespace {

QString Refusal(const QString& folder, const QString& why) {
    return QStringLiteral("The runtime folder ") + folder + QStringLiteral(" ") + why +
           QStringLiteral(".\rIt must be a folder of your own that no other user can open.");
}

}  // namespace

QString RuntimeFolderFor(const QString& xdgRuntimeDir, unsigned uid) {
    if (!xdgRuntimeDir.isEmpty()) {
        return WithSlash(xdgRuntimeDir) + QStringLiteral("Orbivox32/");
    }
    return QStringLiteral("/tmp/orbivox-%1/").arg(uid);
}

QString UserRuntimeFolder() {
    return RuntimeFolderFor(
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_RUNTIME_DIR")),
        static_cast<unsigned>(::getuid()));
}

std::optional<QString> PrivateFolderProblem(const QString& folder) {
    const QByteArray native = QFile::encodeName(QDir::cleanPath(folder));
    // lstat: a symbolic link planted in its place is refused, not followed.
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        return errno == ENOENT ? std::nullopt
                               : std::optional<QString>(Refusal(folder, QStringLiteral("cannot be read")));
    }
    if (!S_ISDIR(info.st_mode)) {
        return Refusal(folder, QStringLiteral("is not a folder"));
    }
    if (info.st_uid != ::getuid()) {
        return Refusal(folder, QStringLiteral("belongs to another user"));
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        return Refusal(folder, QStringLiteral("is open to other users"));
    }
    return std::nullopt;
}

std::optional<QString> PreparePrivateFolder(const QString& folder) {
    const QString path = QDir::cleanPath(folder);
    const QByteArray native = QFile::encodeName(path);
    const QString closing = QStringLiteral("\rThe program will now be closed.");
    // The parent (the XDG folder) may be missing; the folder itself is made here with 0700
    // from the start, so it is never open to others even for a moment.
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (::mkdir(native.constData(), 0700) == 0) {
        ::chmod(native.constData(), 0700);  // whatever the umask took away
    } else if (errno != EEXIST) {
        return Refusal(folder, QStringLiteral("cannot be created")) + closing;
    }
    struct stat info {};
    if (::lstat(native.constData(), &info) != 0) {
        return Refusal(folder, QStringLiteral("is not a folder")) + closing;
    }
    if (const auto problem = PrivateFolderProblem(folder)) {
        return *problem + closing;
    }
    return std::nullopt;
}

}  // namespace orbivox
