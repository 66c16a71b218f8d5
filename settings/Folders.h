#pragma once
// Where the program finds its own files and the user's data.
//
//   program folder            the bundled data/ folder, map images, server programs;
//                             the executable's folder, or ../share/Orbivox32 when installed
//   data root                 the roaming folder (XDG config home) when it holds Orbivox32/,
//                             else the local folder (XDG data home)
//   main data folder          data root + Orbivox32/: Config.SQF, source lists, downloads
//   configuration data folder data root + the slot's folder text from Config.SQF
//
// Folder texts keep the backslash form of the settings files ("\Orbivox32\CfgII\");
// they are mapped to paths only here.
#include <QString>
#include <array>

namespace orbivox {

struct ConfigurationSlot {
    const char* caption;     // "Config. 1"
    const char* folderText;  // "\Orbivox32\"
    const char* numeral;     // "I "
};

inline constexpr std::array<ConfigurationSlot, 4> kConfigurationSlots = {{
    {"Config. 1", "\\Orbivox32\\", "I "},
    {"Config. 2", "\\Orbivox32\\CfgII\\", "II "},
    {"Config. 3", "\\Orbivox32\\CfgIII\\", "III "},
    {"Config. 4", "\\Orbivox32\\CfgIV\\", "IV "},
}};

// What the folders are resolved from; FromEnvironment() reads the real process.
struct FolderEnvironment {
    QString executableFolder;
    QString configHome;  // XDG config home (roaming)
    QString dataHome;    // XDG data home (local)

    static FolderEnvironment FromEnvironment(const QString& executableFolder);
};

struct Folders {
    QString programFolder;
    QString dataRoot;
    QString mainDataFolder;
    QString configDataFolder;
    int slot = 0;  // 0..3, an index into kConfigurationSlots

    const char* folderText() const { return kConfigurationSlots[slot].folderText; }
    const char* numeral() const { return kConfigurationSlots[slot].numeral; }
    // A file in the configuration data folder.
    QString ConfigFile(const QString& name) const;
    QString MainFile(const QString& name) const;
};

// A folder path that ends in '/', as every folder here is kept and joined.
QString WithSlash(const QString& folder);

// The bundled default data folder of a program folder.
QString BundledDataFolder(const QString& programFolder);

// A backslash folder text relative to the data root as a path ("\Orbivox32\CfgII\" gives
// dataRoot/Orbivox32/CfgII/).
QString FolderTextToPath(const QString& dataRoot, const QString& folderText);

// Resolves all folders, reading Config.SQF. On first start the main data folder is made
// from the bundled data folder, and a slot's folder that does not exist yet from the same
// defaults (without Config.SQF); each is filled beside its place and renamed into it, so it
// is there complete or not at all. A file that cannot be copied throws SqfError naming it. A missing or unreadable Config.SQF, or one naming
// anything but the four slots, means slot 1.
Folders ResolveFolders(const FolderEnvironment& environment);

// Writes Config.SQF for a slot (folder text, slot number).
void WriteConfig(const Folders& folders, int slot);

// The slot Config.SQF in the main data folder names (0 to 3); 0 when the file is missing or
// names no slot of the table.
int ReadConfigurationSlot(const QString& mainDataFolder);

}  // namespace orbivox
