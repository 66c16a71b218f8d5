// The Hamlib family: its word, file, command set, line and Radio Setup items. Radio 1 only:
// radio 2 stays with the serial families.
#include "radio/hamlib/HamlibFamily.h"

#include "net/RigctldAnswer.h"
#include "radio/CatLink.h"
#include "radio/hamlib/HamlibCommandSet.h"
#include "radio/hamlib/HamlibFiles.h"
#include "radio/hamlib/HamlibModels.h"
#include "radio/hamlib/RigctldPort.h"
#include "net/DaemonAddress.h"

namespace orbivox {
namespace {

// How long the operator's "Test" waits for the connection and for each answer.
constexpr int kTestWaitMs = 2000;

QStringList Choices(RadioSetupItem item, int) {
    return item == RadioSetupItem::VfoStyle ? QStringList{kHamlibSplitStyle, kHamlibSubStyle}
                                            : QStringList{};
}

QString Chosen(const RadioFiles& files, RadioSetupItem item, int) {
    const HamlibParameters& p = files.Get<HamlibParameters>();
    switch (item) {
        case RadioSetupItem::Host:
            return p.host;
        case RadioSetupItem::NetworkPort:
            return QString::number(p.port);
        case RadioSetupItem::VfoStyle:
            return p.style;
        case RadioSetupItem::RadioName:
            return p.radioName;
        default:
            return RigctldModel().name;
    }
}

void Choose(RadioFiles& files, RadioSetupItem item, int, const QString& choice) {
    if (item == RadioSetupItem::VfoStyle) {
        files.Get<HamlibParameters>().style = choice;
    }
}

bool TakeText(RadioFiles& files, RadioSetupItem item, const QString& text, QString* refusal) {
    HamlibParameters& p = files.Get<HamlibParameters>();
    const QString value = text.trimmed();
    switch (item) {
        case RadioSetupItem::Host:
            return TakeDaemonHost(value, p.host, refusal);
        case RadioSetupItem::NetworkPort:
            return TakeDaemonPort(value, p.port, refusal);
        case RadioSetupItem::RadioName:
            p.radioName = value;
            return true;
        default:
            *refusal = QStringLiteral("This item is chosen from its list");
            return false;
    }
}

QString TestLine(const RadioFiles& files) {
    const HamlibParameters& p = files.Get<HamlibParameters>();
    RigctldPort line(p.host, p.port);
    const QString where = QStringLiteral("rigctld at ") + line.Device();
    QString reason;
    if (!line.ConnectWithin(kTestWaitMs, &reason)) {
        return QStringLiteral("No connection to %1: %2").arg(where, reason);
    }
    CatLink link(&line, 0);
    const auto check = AskRigctld(link, QStringLiteral("+\\chk_vfo"), kTestWaitMs);
    const bool vfoArguments = check && check->Value(QStringLiteral("ChkVFO")) == QStringLiteral("1");
    const auto answer =
        AskRigctld(link, vfoArguments ? QStringLiteral("+f currVFO") : QStringLiteral("+f"), kTestWaitMs);
    const std::optional<qlonglong> hertz =
        answer ? answer->Hertz(QStringLiteral("Frequency")) : std::nullopt;
    if (!hertz) {
        return answer ? QStringLiteral("%1 answered without a frequency (RPRT %2)")
                            .arg(where)
                            .arg(answer->report)
                      : QStringLiteral("No answer from %1").arg(where);
    }
    return QStringLiteral("%1: the radio stands on %2 MHz")
        .arg(where, QString::number(*hertz / 1e6, 'f', 6));
}

std::unique_ptr<CatPort> NetworkLine(const RadioFiles& files) {
    const HamlibParameters& p = files.Get<HamlibParameters>();
    return std::make_unique<RigctldPort>(p.host, p.port);
}

}  // namespace

const RadioFamilyDescriptor& HamlibFamily() {
    using Parameters = HamlibParameters;
    static const RadioFamilyDescriptor family{
        .family = RadioFamily::Hamlib,
        .word = "Hamlib",
        .label = "Hamlib",
        .setupRow = 4,
        .radio1Files = {{16, "HamlibPar.SQF", ReadRecord<Parameters, ReadHamlibParameters>,
                         WriteRecord<Parameters, WriteHamlibParameters>}},
        .radio2Files = {},  // radio 1's only
        .reportsPortErrors = true,
        .bothRadiosMessage = nullptr,
        .makeCommandSet = MakeHamlibCommandSet,
        .models = CommonModelRecords<RadioModel, HamlibModels>,
        .setupItems = {RadioSetupItem::Host, RadioSetupItem::NetworkPort, RadioSetupItem::VfoStyle,
                       RadioSetupItem::RadioName},
        .choices = Choices,
        .chosen = Chosen,
        .choose = Choose,
        .radio1AsRadio2 = nullptr,
        .radio2AsRadio1 = nullptr,
        .makeNetworkLine = NetworkLine,
        .testNetworkLine = TestLine,
        .takeText = TakeText,
    };
    return family;
}

}  // namespace orbivox
