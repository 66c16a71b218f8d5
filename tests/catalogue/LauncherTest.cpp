// The launcher: programs started from Program.SQF (a failure said), documents of the "?"
// menu, the editor choice for auxiliary files, auxiliary names that lead out of the data
// folders refused, and the system editor's command line.
#include "catalogue/Launcher.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "catalogue/ProcessShell.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

class RecordingShell : public Shell {
public:
    bool StartProgram(const QString& program, const QString& folder) override {
        calls << "start " + program + " in " + folder;
        return answer;
    }
    bool OpenDocument(const QString& path) override {
        calls << "open " + path;
        return answer;
    }
    bool EditTextFile(const QString& path, const QString& folder) override {
        calls << "edit " + path + " in " + folder;
        return answer;
    }
    QStringList calls;
    bool answer = true;
};

class LauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir root(dir_.path());
        root.mkpath("prog");
        root.mkpath("data/CfgII/Sub");
        folders_ = {dir_.filePath("prog"), dir_.filePath("data"), dir_.filePath("data/CfgII")};
    }
    Launcher Make(QStringList programs, QStringList aux, bool builtIn) {
        return Launcher(folders_, programs, aux, builtIn, shell_, notifier_);
    }
    QTemporaryDir dir_;
    LauncherFolders folders_;
    RecordingShell shell_;
    RecordingNotifier notifier_;
};

TEST_F(LauncherTest, ProgramsStartFromTheProgramFolderAndAFailureIsSaid) {
    Launcher launcher = Make({"/usr/bin/xterm", "", "tools\\Helper"}, {}, true);
    EXPECT_EQ(launcher.ProgramCaptions(), (QStringList{"xterm", "", "Helper"}));
    launcher.StartProgram(0);
    launcher.StartProgram(2);
    launcher.StartProgram(3);  // no such item
    EXPECT_EQ(shell_.calls, (QStringList{"start /usr/bin/xterm in " + folders_.programFolder,
                                         "start " + folders_.programFolder + "/tools/Helper in " +
                                             folders_.programFolder}));
    EXPECT_TRUE(notifier_.boxes.empty());

    shell_.answer = false;
    launcher.StartProgram(1);  // an empty line: no program to start, nothing to say
    EXPECT_EQ(shell_.calls.size(), 2);
    EXPECT_TRUE(notifier_.boxes.empty());
    launcher.StartProgram(0);
    ASSERT_EQ(notifier_.boxes.size(), 1u);
    EXPECT_EQ(notifier_.boxes[0].text,
              "The program /usr/bin/xterm cannot be started!\rCheck its line in Program.SQF.");
}

TEST_F(LauncherTest, RealShellSaysWhatCannotStart) {
    ProcessShell shell;
    EXPECT_FALSE(shell.StartProgram(dir_.filePath("prog/missing"), dir_.path()));
    EXPECT_FALSE(shell.StartProgram(dir_.filePath("prog"), dir_.path()));  // a folder
    EXPECT_FALSE(shell.OpenDocument(dir_.filePath("prog/Readme.txt")));
    EXPECT_TRUE(shell.StartProgram("/bin/true", dir_.path()));
}

TEST_F(LauncherTest, DocumentsUnderTheProgramFolder) {
    Launcher launcher = Make({}, {}, true);
    launcher.OpenDocument(HelpDocument::Manual);  // no Manual.htm: the .doc
    QFile(folders_.programFolder + "/Manual.htm").open(QIODevice::WriteOnly);
    launcher.OpenDocument(HelpDocument::Manual);
    launcher.OpenDocument(HelpDocument::KenwoodHints);
    launcher.OpenDocument(HelpDocument::WhatsNew);
    const QString p = folders_.programFolder;
    EXPECT_EQ(shell_.calls, (QStringList{"open " + p + "/Manual.doc", "open " + p + "/Manual.htm",
                                         "open " + p + "/Kenwood/Readme(Kenw).txt",
                                         "open " + p + "/What's New.txt"}));
    EXPECT_EQ(InfoText("0.1.0").split('\r').first(), "Orbivox32  V.12.8d ");
    EXPECT_EQ(InfoText("0.1.0").split('\r')[1], "Released 6/2019");
    EXPECT_EQ(InfoText("0.1.0").split('\r').last(), "Version 0.1.0");
}

TEST_F(LauncherTest, AuxiliaryFilesTheirFoldersAndRefusals) {
    QFile(folders_.programFolder + "/Outside.txt").open(QIODevice::WriteOnly);
    QFile::link(folders_.programFolder + "/Outside.txt", folders_.configDataFolder + "/Escape.SQF");
    const QString main = folders_.mainDataFolder + "/";
    const QString config = folders_.configDataFolder + "/";
    const struct {
        const char* entry;
        QString path;  // empty: refused
    } cases[] = {
        {"Prior.SQF", config + "Prior.SQF"},
        {"NelvoNames.txt", main + "NelvoNames.txt"},
        {"nelvonames.txt", config + "nelvonames.txt"},
        {"Sub\\Doppler.SQF", config + "Sub/Doppler.SQF"},
        {"..\\Config.SQF", ""},
        {"Sub\\..\\..\\..\\x", ""},
        {"/etc/passwd", ""},
        {"C:\\Windows\\win.ini", ""},
        {"Escape.SQF", ""},  // a link out of the data folders
        {"", ""},
    };
    for (const auto& c : cases) {
        const auto file = ResolveAuxiliaryFile(c.entry, folders_);
        EXPECT_EQ(file ? file->path : QString(), c.path) << c.entry;
    }

    QStringList twelve;
    for (int i = 1; i <= 12; ++i) {
        twelve << QString("F%1.SQF").arg(i);
    }
    EXPECT_EQ(Make({}, twelve, true).AuxiliaryCaptions().size(), 11);

    Launcher builtIn = Make({"x"}, {"NelvoNames.txt", "..\\SatIni.SQF"}, true);
    const auto chosen = builtIn.OpenAuxiliaryFile(0);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->folder, main);
    EXPECT_FALSE(builtIn.OpenAuxiliaryFile(1));
    ASSERT_EQ(notifier_.boxes.size(), 1u);
    EXPECT_EQ(notifier_.boxes[0].text,
              "The file ..\\SatIni.SQF lies outside the data folders and is not opened!");

    Launcher system = Make({}, {"Prior.SQF"}, false);
    EXPECT_FALSE(system.OpenAuxiliaryFile(0));
    EXPECT_EQ(shell_.calls.last(), "edit " + config + "Prior.SQF in " + config);
}

TEST(EditorCommand, VisualThenEditorThenTheDesktop) {
    const struct {
        const char* visual;
        const char* editor;
        QStringList command;
    } cases[] = {
        {"vim", "gedit", {"x-terminal-emulator", "-e", "vim", "/d/F.SQF"}},
        {"", "/usr/bin/nano -w", {"x-terminal-emulator", "-e", "/usr/bin/nano", "-w", "/d/F.SQF"}},
        {"", "gedit --new-window", {"gedit", "--new-window", "/d/F.SQF"}},
        {"", "", {"xdg-open", "/d/F.SQF"}},
    };
    for (const auto& c : cases) {
        QProcessEnvironment env;
        env.insert("VISUAL", c.visual);
        env.insert("EDITOR", c.editor);
        EXPECT_EQ(EditorCommand(env, "/d/F.SQF"), c.command) << c.visual << c.editor;
    }
}

}  // namespace
}  // namespace orbivox
