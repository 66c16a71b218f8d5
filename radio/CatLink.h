#pragma once
// One radio's command line as the families use it: write a command, wait the CAT delay
// (or half of it), clear input, and await a reply of more than a given number of bytes.
// In KCT mode there is no port: the macros go to the KCT tuner server instead.
//
// The waits block: nothing else of the program runs during them (the next tick, a timer or
// a click is taken afterwards), which keeps the order of bytes and delays the radio expects.
#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "radio/CatPort.h"

namespace orbivox {

// A reply is awaited at least this long, whatever the CAT delay: with a delay of 0 the
// radio would otherwise never be read back, and so never tuned.
inline constexpr int kShortestReplyWaitMs = 50;

class CatLink {
public:
    // port may be null (no port for this radio).
    CatLink(CatPort* port, int catDelayMs) : port_(port), catDelayMs_(catDelayMs) {}

    bool HasPort() const { return port_ != nullptr && port_->IsOpen(); }
    CatPort* Port() const { return port_; }
    void SetPort(CatPort* port) { port_ = port; }
    int CatDelayMs() const { return catDelayMs_; }

    void Send(const QByteArray& bytes);
    // Each command followed by a CAT delay.
    void SendEach(const QList<QByteArray>& commands);
    void Delay(int times = 1) const;
    void HalfDelay() const;
    void ClearInput();
    // Waits until more than `moreThan` bytes are pending or twice the CAT delay (at least
    // kShortestReplyWaitMs) has passed, then reads everything pending.
    QByteArray AwaitReply(int moreThan);
    // Waits until what arrived is `complete` or the reply wait has passed (at least
    // `leastWaitMs`: a network daemon answers later than a radio), then gives everything
    // pending.
    QByteArray AwaitAnswer(const std::function<bool(const QByteArray&)>& complete,
                           int leastWaitMs);
    // A read failed: the radio is switched off or disconnected.
    bool ReadFailed() const { return port_ != nullptr && port_->ReadFailed(); }

    // Every write, in order (for the benchmark's and a debugging reader's sake); off unless set.
    std::function<void(const QByteArray&)> onSend;

    // A write without a port is dropped and reported to `report` instead (radio 2's missing
    // port). The report belongs to `owner`: a later owner replaces it, and an owner's
    // `nullptr` clears only its own.
    void ReportWritesWithoutPort(const void* owner, std::function<void()> report);

    // KCT mode: the tuner server's macro sink; when set, no port is used.
    std::function<void(const QString& macro)> kctMacroSink;
    bool KctMode() const { return static_cast<bool>(kctMacroSink); }

private:
    CatPort* port_ = nullptr;
    const void* unsentWriteOwner_ = nullptr;
    std::function<void()> unsentWriteReport_;
    int catDelayMs_ = 0;
};

}  // namespace orbivox
