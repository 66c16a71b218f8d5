// The kill test's child: stores one version through every settings writer, over and over,
// until the test kills it. Usage: settings_store_child FOLDER VERSION.
#include <QString>
#include <cstdio>
#include <exception>

#include "tests/reliability/SettingsStores.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER VERSION\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int version = QString::fromLatin1(argv[2]).toInt();
    try {
        for (;;) {
            orbivox::StoreSettingsRound(folder, version);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
