// The rotor interface list and server paths on scratch files: the comma split and 31-entry
// limit, an index past the list, and relative against absolute paths.
#include "rotator/ServerFiles.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

TEST(RotorInterfaces, PathIsEverythingAfterTheFirstCommaAndTheListStopsAt31) {
    QByteArray content = "None,none\r\nARS,C:\\ARS\\ArsWin32\r\nOdd,a,b\r\n\r\nNoComma\r\n";
    for (int i = 0; i < 40; ++i) {
        content += "R" + QByteArray::number(i) + ",Rotor\\R" + QByteArray::number(i) + "\r\n";
    }
    content += "Long," + QByteArray(400, 'x') + "\r\n";
    QTemporaryDir dir;
    const auto entries = ReadRotorInterfaces(WriteBytes(dir.filePath("AlleServer.SQF"), content));
    ASSERT_EQ(entries.size(), kMaxRotorInterfaces);
    EXPECT_EQ(entries[1], (RotorInterfaceEntry{"ARS", "C:\\ARS\\ArsWin32"}));
    EXPECT_EQ(entries[2], (RotorInterfaceEntry{"Odd", "a,b"}));
    // Empty and comma-less lines stay entries so the indexes keep counting lines.
    EXPECT_EQ(entries[3], (RotorInterfaceEntry{"", ""}));
    EXPECT_EQ(entries[4], (RotorInterfaceEntry{"NoComma", ""}));
    EXPECT_EQ(entries[5].name, "R0");

    const QList<RotorInterfaceEntry> written{{"DDE", "none"}, {"IF-100", "Rotor\\IF100Srv"}};
    WriteRotorInterfaces(dir.filePath("AlleServer.SQF"), written);
    EXPECT_EQ(ReadRotorInterfaces(dir.filePath("AlleServer.SQF")), written);

    const auto longEntries = ReadRotorInterfaces(
        WriteBytes(dir.filePath("AlleServer.SQF"), "Long," + QByteArray(400, 'x') + "\r\n"));
    EXPECT_EQ(longEntries[0].serverPath.size(), kMaxServerPathLength);
}

// An index past the list (a list shortened by hand) selects no interface instead of
// reading past the end.
TEST(RotorInterfaces, AnIndexOutsideTheListSelectsNothing) {
    const QList<RotorInterfaceEntry> entries{{"None", "none"}, {"IF-100", "Rotor\\IF100Srv"}};
    QTemporaryDir dir;
    for (const auto& [text, expected] :
         std::initializer_list<std::pair<QByteArray, const RotorInterfaceEntry*>>{
             {"1\r\n", &entries[1]},
             {"0\r\n", &entries[0]},
             {"2\r\n", nullptr},
             {"-1\r\n", nullptr},
             {"40\r\n", nullptr}}) {
        const int index =
            ReadRotorInterfaceIndex(WriteBytes(dir.filePath("RotorInterface.SQF"), text));
        EXPECT_EQ(RotorInterfaceAt(entries, index), expected) << text.constData();
    }
    try {
        ReadRotorInterfaceIndex(WriteBytes(dir.filePath("RotorInterface.SQF"), "IF-100\r\n"));
        FAIL();
    } catch (const SqfError& error) {
        EXPECT_EQ(error.fileName(), "RotorInterface.SQF");
    }
    WriteRotorInterfaceIndex(dir.filePath("RotorInterface.SQF"), 7);
    EXPECT_EQ(ReadRotorInterfaceIndex(dir.filePath("RotorInterface.SQF")), 7);
}

TEST(RotorServerPath, RelativePathsLieBelowTheProgramFolderAbsoluteOnesStay) {
    EXPECT_EQ(AbsoluteServerPath("Rotor\\IF100Srv", "/opt/orbivox"), "/opt/orbivox/Rotor/IF100Srv");
    EXPECT_EQ(AbsoluteServerPath("Rotor\\IF100Srv", "/opt/orbivox/"),
              "/opt/orbivox/Rotor/IF100Srv");
    EXPECT_EQ(AbsoluteServerPath("/usr/lib/orbivox/ars", "/opt/orbivox"), "/usr/lib/orbivox/ars");
    EXPECT_EQ(AbsoluteServerPath("C:\\ARS\\ArsWin32", "/opt/orbivox"), "C:\\ARS\\ArsWin32");

    QTemporaryDir dir;
    WriteServerPath(dir.filePath("RotorServer.SQF"), "/opt/orbivox/Rotor/IF100Srv");
    EXPECT_EQ(ReadServerPath(dir.filePath("RotorServer.SQF")), "/opt/orbivox/Rotor/IF100Srv");
    EXPECT_TRUE(InterfaceHasNoServer("DDE"));
    EXPECT_TRUE(InterfaceHasNoServer("WinRotorPlus"));
    EXPECT_FALSE(InterfaceHasNoServer("IF-100"));
}

}  // namespace
}  // namespace orbivox
