// The CAT server's macros as rigctld commands.
#include "servers/CatBridge.h"

#include <QRegularExpression>
#include <cmath>

#include "settings/SqfFile.h"

namespace orbivox::servers {
namespace {

// Above this a macro number is no radio frequency (and would not fit a whole Hz count).
constexpr double kHighestKiloHertz = 1e9;

}  // namespace

CatSettings ReadCatSettings(const QString& path, ServerLog& log) {
    CatSettings settings;
    settings.address = ReadHamlibAddress(path, settings.address, log);
    QString style;
    try {
        style = ReadSqfLines(path).value(2).trimmed().toLower();
    } catch (const SqfError&) {
        return settings;
    }
    if (style == QLatin1String("sub")) {
        settings.style = CatStyle::SubVfo;
    } else if (!style.isEmpty() && style != QLatin1String("split")) {
        log.Line(QStringLiteral("HamlibCat.SQF line 3 is neither split nor sub: ") + style);
    }
    return settings;
}

std::optional<long long> KiloHertzToHertz(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\d+([.,]\\d*)?$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch()) {
        return std::nullopt;
    }
    const double kHz = QString(trimmed).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (kHz > kHighestKiloHertz) {
        return std::nullopt;
    }
    return std::llround(kHz * 1000.0);
}

CatBridge::CatBridge(const CatSettings& settings, ServerLog& log)
    : style_(settings.style), log_(log), link_(QStringLiteral("rigctld"), settings.address, log) {
    log_.Line(style_ == CatStyle::Split ? QStringLiteral("uplink on the split VFO")
                                        : QStringLiteral("uplink on the sub VFO"));
    // A restarted rigctld (or radio) forgot the split and the modes.
    link_.onConnected = [this] {
        if (open_) {
            SendSetup();
        }
    };
}

void CatBridge::Execute(const QString& text) {
    log_.Line(QStringLiteral("macro ") + text);
    if (text == QLatin1String("ClientOn") || text == QLatin1String("RaOpen")) {
        Open();
    } else if (text == QLatin1String("RaClose")) {
        open_ = false;
        Send(style_ == CatStyle::Split ? QStringLiteral("S 0 VFOA")
                                       : QStringLiteral("U SATMODE 0"));
    } else if (text == QLatin1String("Close")) {
        link_.Disconnect();
    } else if (text.startsWith(QLatin1String("SF"))) {
        SetFrequencies(text.mid(2));
    } else if (text.startsWith(QLatin1String("SM"))) {
        SetModes(text.mid(2));
    } else {
        log_.Line(QStringLiteral("unknown macro: ") + text);
    }
}

void CatBridge::Open() {
    const bool wasConnected = link_.IsConnected();
    open_ = true;
    // A new connection is set up by onConnected.
    if (link_.EnsureConnected() && wasConnected) {
        SendSetup();
    }
}

void CatBridge::SetFrequencies(const QString& numbers) {
    const QStringList fields =
        numbers.trimmed().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const auto downlink = KiloHertzToHertz(fields.value(0));
    const auto uplink =
        fields.size() < 2 ? std::optional<long long>(0) : KiloHertzToHertz(fields[1]);
    if (fields.size() > 2 || !downlink || *downlink == 0 || !uplink) {
        log_.Line(QStringLiteral("not a frequency macro: SF") + numbers);
        return;
    }
    Send(QStringLiteral("F %1").arg(*downlink));
    if (*uplink == 0) {  // no uplink
        return;
    }
    if (style_ == CatStyle::Split) {
        Send(QStringLiteral("I %1").arg(*uplink));
    } else {
        SendOnUplinkVfo(QStringLiteral("F %1").arg(*uplink));
    }
}

void CatBridge::SetModes(const QString& words) {
    const QStringList fields = words.split(QLatin1Char(' '));
    auto mode = [this](const QString& word) {
        const QString hamlib = HamlibMode(word);
        if (hamlib.isEmpty() && !word.trimmed().isEmpty()) {
            log_.Line(QStringLiteral("no Hamlib mode for ") + word + "; the radio keeps its mode");
        }
        return hamlib;
    };
    downlinkMode_ = mode(fields.value(0));
    uplinkMode_ = mode(fields.value(1));
    SendModes();
}

void CatBridge::SendModes() {
    if (!downlinkMode_.isEmpty()) {
        Send(QStringLiteral("M %1 0").arg(downlinkMode_));
    }
    if (uplinkMode_.isEmpty()) {
        return;
    }
    if (style_ == CatStyle::Split) {
        Send(QStringLiteral("X %1 0").arg(uplinkMode_));
    } else {
        SendOnUplinkVfo(QStringLiteral("M %1 0").arg(uplinkMode_));
    }
}

void CatBridge::SendSetup() {
    Send(style_ == CatStyle::Split ? QStringLiteral("S 1 VFOB") : QStringLiteral("U SATMODE 1"));
    SendModes();
}

bool CatBridge::Send(const QString& command) {
    log_.Line(QStringLiteral("command ") + command);
    return link_.Send(QLatin1Char('+') + command);
}

void CatBridge::SendOnUplinkVfo(const QString& command) {
    if (Send(QStringLiteral("V Sub"))) {
        Send(command);
        Send(QStringLiteral("V Main"));
    }
}

}  // namespace orbivox::servers
