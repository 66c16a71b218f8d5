// The emulators' pseudo-terminal: posix_openpt, grantpt, unlockpt, raw line settings.
#include "emulators/PseudoTerminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orbivox {

PseudoTerminal::~PseudoTerminal() {
    Close();
}

bool PseudoTerminal::Open(QString& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = QStringLiteral("cannot open a pseudo-terminal: ") +
                QString::fromLocal8Bit(std::strerror(errno));
        Close();
        return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
        error = QStringLiteral("cannot name the pseudo-terminal");
        Close();
        return false;
    }
    device_ = QString::fromLocal8Bit(name);
    slaveHeld_ = ::open(name, O_RDWR | O_NOCTTY);
    termios settings{};
    if (slaveHeld_ < 0 || tcgetattr(slaveHeld_, &settings) != 0) {
        error = QStringLiteral("cannot set up ") + device_;
        Close();
        return false;
    }
    // Raw: no echo, no line editing, no character translation; bytes pass as they are.
    cfmakeraw(&settings);
    tcsetattr(slaveHeld_, TCSANOW, &settings);
    const int flags = fcntl(master_, F_GETFL);
    fcntl(master_, F_SETFL, flags | O_NONBLOCK);
    return true;
}

void PseudoTerminal::Close() {
    if (slaveHeld_ >= 0) {
        ::close(slaveHeld_);
        slaveHeld_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

bool PseudoTerminal::Write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(master_, bytes.constData() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR || errno == EAGAIN) {
                continue;
            }
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace orbivox
