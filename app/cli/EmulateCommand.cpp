// orbivox emulate: a radio on a pseudo-terminal, to try CAT settings without a radio and to
// drive the real serial path in tests. The log format is in docs/radio.md.
#include <iostream>

#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "emulators/EmulatorFamily.h"
#include "emulators/EmulatorLoop.h"

namespace orbivox::cli {

const char* const kEmulateUsage =
    "usage: orbivox emulate FAMILY [--model M] [--silent | --garbage] [--unplug-after N]\n"
    "                       [--silent-for N] [--round-to HZ] [--dial-step HZ]\n"
    "                       [--address HEX[,HEX]] [--no-echo] [--collide]\n"
    "       FAMILY: yaesu, yaesu2, kenwood, icom (radios), gs232 (a rotor controller)\n"
    "       --model: a model of the family (a name it does not have lists its models)\n"
    "       --address, --no-echo, --collide: the icom family's CI-V bus\n"
    "       the first line of output is the device to put into ComPorts.SQF\n";

const char* const kEmulateHelp =
    "A radio or a rotor controller on a pseudo-terminal, to try settings without the device.\n"
    "  --model M             a model of the family; a name it lacks lists its models\n"
    "  --silent              never answer\n"
    "  --garbage             answer with short junk instead\n"
    "  --silent-for N        no answer to the first N commands, then answer\n"
    "  --unplug-after N      close the pseudo-terminal after N commands, as a pulled cable\n"
    "  --round-to HZ         store set frequencies rounded to HZ, as a radio with that step\n"
    "  --dial-step HZ        what SIGUSR2 turns the dial by (default 1000)\n"
    "  --address HEX[,HEX]   icom: the CI-V addresses of one or two radios (default 60)\n"
    "  --no-echo             icom: no echo of the frames sent, as a radio on USB\n"
    "  --collide             icom: a jammed frame and another station's before every second\n"
    "                        answer\n"
    "SIGTERM or Ctrl-C ends it; SIGUSR1 presses or releases PTT; SIGUSR2 tunes up (1 kHz).\n";

int RunEmulate(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kEmulateUsage;
        return 2;
    }
    const auto& families = EmulatorFamilies();
    const auto found = families.find(QString::fromStdString(args[0]));
    if (found == families.end()) {
        err << "orbivox emulate: unknown family \"" << args[0] << "\"\n" << kEmulateUsage;
        return 2;
    }
    FamilyOptions familyOptions;
    EmulatorOptions options;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--model" && i + 1 < args.size()) {
            familyOptions.model = QString::fromStdString(args[++i]);
        } else if (args[i] == "--address" && i + 1 < args.size()) {
            for (const QString& text : QString::fromStdString(args[++i]).split(',')) {
                bool ok = false;
                const int address = text.toInt(&ok, 16);
                if (!ok || address < 1 || address > 0xDF) {
                    err << "orbivox emulate: --address takes one or two CI-V addresses in "
                           "hexadecimal (01 to DF), as 60,62\n";
                    return 2;
                }
                familyOptions.addresses.append(address);
            }
        } else if (args[i] == "--no-echo") {
            familyOptions.echo = false;
        } else if (args[i] == "--collide") {
            familyOptions.collide = true;
        } else if (args[i] == "--silent") {
            options.fault = AnswerFault::Silent;
        } else if (args[i] == "--garbage") {
            options.fault = AnswerFault::Garbage;
        } else if ((args[i] == "--round-to" || args[i] == "--dial-step") && i + 1 < args.size()) {
            const std::string& name = args[i];
            const std::optional<long> hertz = ParseWholeNumber(args[++i], 1, 1000000);
            if (!hertz) {
                err << "orbivox emulate: " << name << " needs a whole number of Hz (1 to 1000000)\n";
                return 2;
            }
            (name == "--round-to" ? familyOptions.roundToHz : options.dialStepHz) =
                static_cast<int>(*hertz);
        } else if (args[i] == "--silent-for" && i + 1 < args.size()) {
            const std::optional<long> count = ParseWholeNumber(args[++i], 1, 1000000000);
            if (!count) {
                err << "orbivox emulate: --silent-for needs a positive whole number\n";
                return 2;
            }
            options.silentFor = *count;
        } else if (args[i] == "--unplug-after" && i + 1 < args.size()) {
            options.unplugAfter = ParseWholeNumber(args[++i], 1, 1000000000);
            if (!options.unplugAfter) {
                err << "orbivox emulate: --unplug-after needs a positive whole number\n";
                return 2;
            }
        } else {
            err << kEmulateUsage;
            return 2;
        }
    }
    QString error;
    const std::unique_ptr<EmulatorFamily> family = found->second(familyOptions, error);
    if (!family) {
        err << "orbivox emulate: " << error.toStdString() << '\n';
        return 2;
    }
    return RunEmulator(*family, options, out, err);
}

}  // namespace orbivox::cli
