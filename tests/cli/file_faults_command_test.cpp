// Unreadable, endless and empty files seen from the command
// line: each is named in a message, none aborts the program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/command_line.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

// A copy of the shipped program folder.
void CopyShipped(const TempFolder& home) {
    std::filesystem::copy(SOLVARIS_DATA_DIR, home.path(),
                          std::filesystem::copy_options::overwrite_existing);
}

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

struct Outcome {
    bool signalled = false;  // killed, e.g. aborted by an uncaught exception
    int status = -1;
    std::string err;
};

std::string ReadShipped(const std::string& name) {
    std::ifstream in(std::filesystem::path(SOLVARIS_DATA_DIR) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The program itself, as a user starts it.
Outcome RunProgram(const std::vector<std::string>& args, const TempFolder& scratch) {
    std::string command = "QT_QPA_PLATFORM=offscreen " + Quoted(SOLVARIS_BINARY);
    for (const std::string& a : args) {
        command += " " + Quoted(a);
    }
    command += " >/dev/null 2>" + Quoted((scratch / "stderr").string());
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.signalled = WIFSIGNALED(raw) || (WIFEXITED(raw) && WEXITSTATUS(raw) >= 128);
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.err = scratch.Read("stderr");
    return outcome;
}

TEST(FileFaultsProgram, AFolderWhereAFileBelongsIsReportedNotFatal) {
    struct Case {
        const char* what;
        const char* folderNamed;  // a folder put in the program folder under this name
        std::vector<std::string> args;
        const char* message;  // in stderr; empty: any message
        bool silent = false;  // a file its readers pass over without a word
    };
    const std::string tmp = std::filesystem::temp_directory_path().string();
    const std::vector<Case> cases = {
        {"--names folder",
         nullptr,
         {"names", "list", "--names", tmp},
         "error in the current names"},
        {"--cities folder", nullptr, {"cities", "list", "--cities", tmp}, "(a folder)"},
        {"batch --names folder", nullptr, {"batch", "--names", tmp}, "(a folder)"},
        {"--orbs folder", nullptr, {"report", "aspect-grid", "--orbs", tmp}, ""},
        {"OPTIONS.OPT", "OPTIONS.OPT", {"names", "list"}, "OPTIONS.OPT cannot be read"},
        {"SOLVARIS.INI", "SOLVARIS.INI", {"names", "list"}, "", true},
        {"NAMES.FIL", "NAMES.FIL", {"names", "list"}, "error in the current names"},
        {"GA_MA.LL", "GA_MA.LL", {"cities", "list"}, "error in the current cities"},
        {"HCDATA.DAT", "HCDATA.DAT", {"wheel", "natal"}, "HCDATA.DAT cannot be read (a folder)"},
        {"RADIUS.DAT", "RADIUS.DAT", {"wheel", "natal"}, "RADIUS.DAT cannot be read (a folder)"},
        {"NATAL.ORB", "NATAL.ORB", {"report", "aspect-grid"}, "NATAL.ORB"},
        {"DataFile=/tmp", nullptr, {"names", "list"}, "error in the current names"},
    };
    for (const Case& c : cases) {
        TempFolder home;
        CopyShipped(home);
        if (c.folderNamed != nullptr) {
            std::filesystem::remove(home / c.folderNamed);
            std::filesystem::create_directory(home / c.folderNamed);
        }
        if (std::string(c.what) == "DataFile=/tmp") {
            home.Write("SOLVARIS.INI", "[SOLVARIS]\r\nDataFile=" + tmp + "\r\n");
        }
        std::vector<std::string> args = c.args;
        if (args[0] == "wheel") {
            args.insert(args.end(), {"--out", (home / "wheel.png").string()});
        }
        args.insert(args.end(), {"--home", home.path().string()});
        const Outcome outcome = RunProgram(args, home);
        EXPECT_FALSE(outcome.signalled) << c.what << ": status " << outcome.status;
        if (c.silent) {  // a missing or unreadable settings file is not reported
            EXPECT_EQ(outcome.status, 0) << c.what << ": " << outcome.err;
        } else {
            EXPECT_FALSE(outcome.err.empty()) << c.what;
            EXPECT_NE(outcome.err.find(c.message), std::string::npos)
                << c.what << ": " << outcome.err;
        }
    }
}

TEST(FileFaultsCommand, EndlessAndEmptyFiles) {
    TempFolder home;
    CopyShipped(home);
    ASSERT_EQ(::mkfifo((home / "pipe.fil").c_str(), 0600), 0);
    const std::string homeDir = home.path().string();
    struct Case {
        const char* what;
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"endless names file",
         {"names", "list", "--names", "/dev/zero"},
         3,
         "/dev/zero cannot be read (not a plain file)"},
        {"pipe without a writer",
         {"cities", "list", "--cities", (home / "pipe.fil").string()},
         3,
         "(not a plain file)"},
        {"endless batch", {"batch", "--names", "/dev/zero"}, 3, "(not a plain file)"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--home", homeDir});
        std::ostringstream out, err;
        EXPECT_EQ(RunCommandLine(args, out, err), c.status) << c.what << ": " << err.str();
        EXPECT_NE(err.str().find(c.message), std::string::npos) << c.what << ": " << err.str();
    }

    // Files with no value say so as a missing one would, instead of an
    // all-black wheel or every glyph at the centre.
    home.Write("RADIUS.DAT", "\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(
        RunCommandLine({"wheel", "natal", "--out", (home / "w.png").string(), "--home", homeDir},
                       out, err),
        3);
    EXPECT_NE(err.str().find("RADIUS.DAT cannot be read (empty)"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(home / "w.png"));
    home.Write("RADIUS.DAT", ReadShipped("RADIUS.DAT"));
    // Options of line ends only: said for every command, and no all-black wheel.
    home.Write("OPTIONS.OPT", "\r\n\r\n\r\n");
    std::ostringstream out2, err2;
    RunCommandLine({"names", "list", "--home", homeDir}, out2, err2);
    EXPECT_NE(err2.str().find("OPTIONS.OPT cannot be read in " + homeDir + " (empty)"),
              std::string::npos)
        << err2.str();
    std::ostringstream out3, err3;
    EXPECT_EQ(
        RunCommandLine({"wheel", "natal", "--out", (home / "w.png").string(), "--home", homeDir},
                       out3, err3),
        3);
    EXPECT_NE(err3.str().find("OPTIONS.OPT cannot be read (empty)"), std::string::npos)
        << err3.str();
    EXPECT_FALSE(std::filesystem::exists(home / "w.png"));
}

}  // namespace
}  // namespace solvaris
