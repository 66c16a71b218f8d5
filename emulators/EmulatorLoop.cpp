// The emulators' read loop: poll the pty and a signal pipe, hand the bytes to the family,
// write its answers (or the fault's), log each command on its own line.
#include "emulators/EmulatorLoop.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ostream>

#include "emulators/PseudoTerminal.h"

namespace orbivox {
namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int number) {
    const char code = static_cast<char>(number);
    const int saved = errno;
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &code, 1);
    errno = saved;
}

void CatchSignals() {
    if (signalPipe[0] < 0 && ::pipe(signalPipe) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGUSR1, &action, nullptr);
    sigaction(SIGUSR2, &action, nullptr);
}

}  // namespace

QByteArray GarbageFor(const QByteArray& answer) {
    // Half the length (at least one byte) of bytes no family uses as a frame start.
    QByteArray junk(std::max<qsizetype>(1, answer.size() / 2), '\xFF');
    if (junk.size() > 1) {
        junk[1] = '?';
    }
    return junk;
}

int RunEmulator(EmulatorFamily& family, const EmulatorOptions& options, std::ostream& out,
                std::ostream& err) {
    PseudoTerminal pty;
    QString error;
    if (!pty.Open(error)) {
        err << "orbivox emulate: " << error.toStdString() << '\n';
        return 1;
    }
    CatchSignals();
    out << pty.DevicePath().toStdString() << std::endl;

    long commands = 0;
    bool microphonePtt = false;
    while (true) {
        pollfd watched[2] = {{pty.MasterDescriptor(), POLLIN, 0}, {signalPipe[0], POLLIN, 0}};
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            err << "orbivox emulate: " << std::strerror(errno) << '\n';
            return 1;
        }
        if (watched[1].revents & POLLIN) {
            char code = 0;
            if (::read(signalPipe[0], &code, 1) == 1) {
                if (code == SIGUSR2) {
                    if (const QString turned = family.TurnDial(options.dialStepHz); !turned.isEmpty()) {
                        out << turned.toStdString() << std::endl;
                    }
                } else if (code == SIGUSR1) {
                    microphonePtt = !microphonePtt;
                    family.SetMicrophonePtt(microphonePtt);
                    out << (microphonePtt ? "microphone PTT pressed" : "microphone PTT released")
                        << std::endl;
                } else {
                    out << "end" << std::endl;
                    return 0;
                }
            }
        }
        if (!(watched[0].revents & (POLLIN | POLLHUP | POLLERR))) {
            continue;
        }
        char buffer[512];
        const ssize_t got = ::read(pty.MasterDescriptor(), buffer, sizeof buffer);
        if (got <= 0) {
            // We hold the slave open, so a hang-up here is not the program closing its port;
            // just wait for more.
            if (got < 0 && errno != EAGAIN && errno != EINTR && errno != EIO) {
                err << "orbivox emulate: " << std::strerror(errno) << '\n';
                return 1;
            }
            ::usleep(10000);
            continue;
        }
        for (const EmulatedCommand& command : family.Feed(QByteArray(buffer, got))) {
            QString line = command.log;
            QByteArray answer = command.answer;
            ++commands;
            if (!answer.isEmpty() &&
                (options.fault == AnswerFault::Silent || commands <= options.silentFor)) {
                answer.clear();
                line += QStringLiteral(" (no answer: silent)");
            } else if (!answer.isEmpty() && options.fault == AnswerFault::Garbage) {
                answer = GarbageFor(answer);
                line += QStringLiteral(" (garbage answer)");
            }
            if (!answer.isEmpty()) {
                pty.Write(answer);
            }
            out << line.toStdString() << std::endl;
            if (options.unplugAfter && commands >= *options.unplugAfter) {
                pty.Close();
                out << "unplugged" << std::endl;
                return 0;
            }
        }
    }
}

}  // namespace orbivox
