// Fault injection for every reader of the program folder's files: paths
// that are no data file (folders, endless devices, pipes without a writer,
// huge files, read errors) and first-start copies interrupted at any byte.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <functional>
#include <random>

#include "aspects/orb_table.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "base/settings.hpp"
#include "base/text_lines.hpp"
#include "people/cities_file.hpp"
#include "people/names_file.hpp"
#include "people/time_zones.hpp"
#include "reports/interpretation_file.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"
#include "wheel/wheel_data.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

// True when the reader reported the file as unreadable in its own way and
// took nothing from it.
using Reader = std::function<bool(const std::filesystem::path&, ScriptedPlatform&)>;

struct NamedReader {
    const char* name;
    Reader refuses;
};

// A list reader that refuses with one message and an empty list.
template <typename Record>
Reader ListWithOneMessage(std::vector<Record> (*read)(const std::filesystem::path&, Platform&)) {
    return [read](const std::filesystem::path& p, ScriptedPlatform& platform) {
        return read(p, platform).empty() && platform.Messages().size() == 1;
    };
}

std::vector<NamedReader> Readers() {
    return {
        {"OPTIONS.OPT",
         [](const std::filesystem::path& p, ScriptedPlatform&) {
             OptionTable table;
             return !LoadOptions(p, table).empty() && table(1) == 0.0f;
         }},
        {"NATAL.ORB",
         [](const std::filesystem::path& p, ScriptedPlatform& platform) {
             OrbTable orbs{};
             return !LoadOrbTable(p, orbs, platform) && platform.Messages().size() == 1;
         }},
        {"SOLVARIS.INI",
         [](const std::filesystem::path& p, ScriptedPlatform&) {
             Settings settings = DefaultSettings("/p");
             ReadSettings(p, settings);  // silent by design: the defaults stand
             return SettingsText(settings) == SettingsText(DefaultSettings("/p"));
         }},
        {"NAMES.FIL", ListWithOneMessage(ReadNamesList)},
        {"GA_MA.LL", ListWithOneMessage(ReadCitiesList)},
        {"TZ.DAT", ListWithOneMessage(ReadTimeZones)},
        {"HCDATA.DAT",
         [](const std::filesystem::path& p, ScriptedPlatform&) {
             std::array<std::int16_t, kCuspAnchorValues> values{};
             return ReadWheelValues(p, values).find("cannot be read") != std::string::npos;
         }},
        {"SUN.TXT", [](const std::filesystem::path& p,
                       ScriptedPlatform&) { return !FindInterpretation(p, "SUN"); }},
        {"PCATPATH.TXT",
         [](const std::filesystem::path& p, ScriptedPlatform&) { return !ReadTextLines(p); }},
    };
}

// Every reader goes through ReadFileBytes: a folder, a device, a pipe or a
// huge file is refused with its reason before it is read, so none of them
// aborts, hangs or exhausts the program.
TEST(ReaderFaults, EveryReaderRefusesWhatIsNoDataFile) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "folder");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::filesystem::resize_file(folder.Write("huge", ""), kLargestDataFileBytes + 1);  // sparse
    struct Case {
        std::filesystem::path path;
        const char* problem;  // how ReadFileBytes's reason begins
    };
    const Case cases[] = {
        {folder / "folder", "a folder"},
        {folder / "pipe", "not a plain file"},  // no writer: would block
        {"/dev/zero", "not a plain file"},      // endless
        {"/dev/urandom", "not a plain file"},
        {folder / "huge", "larger than 64 MiB"},
        {"/proc/self/mem", "read error"},  // a plain file whose read fails
        {folder / "missing", "no such file"},
    };
    for (const Case& c : cases) {
        std::string bytes;
        const Problem problem = ReadFileBytes(c.path, bytes);
        EXPECT_EQ(problem.substr(0, std::strlen(c.problem)), c.problem) << c.path;
        EXPECT_EQ(FileReadProblem(c.path), problem) << c.path;
        for (const NamedReader& reader : Readers()) {
            ScriptedPlatform platform;
            bool refused = false;
            EXPECT_NO_THROW(refused = reader.refuses(c.path, platform)) << reader.name << c.path;
            EXPECT_TRUE(refused) << reader.name << " read " << c.path;
        }
    }
    const auto plain = folder.Write("plain.txt", "one\r\n");
    std::string bytes;
    EXPECT_EQ(ReadFileBytes(plain, bytes) + FileReadProblem(plain), "");
    EXPECT_EQ(bytes, "one\r\n");
    if (::geteuid() != 0) {  // the superuser reads anything
        std::filesystem::permissions(plain, std::filesystem::perms::none);
        EXPECT_EQ(FileReadProblem(plain), "no permission to read it");
    }
}

// Each shipped file cut at seeded random points, as a kill or a full disk
// during a plain copy leaves it: a cut inside a line (or an empty data
// file) is restored from the shipped copy on the next start; a cut after a
// whole line may be the user's own shortening and is kept.
TEST(ReaderFaults, InterruptedFirstStartCopiesAreRestored) {
    const std::filesystem::path shipped = SOLVARIS_DATA_DIR;
    std::mt19937_64 random(20261207);
    int restored = 0;
    int kept = 0;
    for (const auto& entry : std::filesystem::directory_iterator(shipped)) {
        const std::string name = entry.path().filename().string();
        const std::string whole = *ReadFileBytes(entry.path());
        if (whole.size() < 16) {
            continue;
        }
        std::vector<std::size_t> inside;
        std::vector<std::size_t> afterLine;
        for (std::size_t p = 1; p < whole.size(); ++p) {
            const bool lineEndNear = whole[p - 1] == '\r' || whole[p - 1] == '\n' ||
                                     whole[p] == '\r' || whole[p] == '\n';
            if (p % kCopyBlockBytes == 0) {
                continue;  // a block boundary is restored either way
            }
            if (!lineEndNear) {
                inside.push_back(p);
            } else if (whole[p - 1] == '\n' && whole[p] != '\r' && whole[p] != '\n') {
                afterLine.push_back(p);
            }
        }
        struct Cut {
            std::size_t bytes;
            bool restore;
        };
        std::vector<Cut> cuts = {{0, !IsListFileName(name)}};
        for (const auto* points : {&inside, &afterLine}) {
            if (!points->empty()) {
                cuts.push_back({(*points)[random() % points->size()], points == &inside});
            }
        }
        TempFolder shippedAlone;  // so that each start copies no other file
        shippedAlone.Write(name, whole);
        for (const Cut& cut : cuts) {
            TempFolder user;
            user.Write(name, whole.substr(0, cut.bytes));
            const FolderReport report = SeedProgramFolder(user.path(), shippedAlone.path());
            EXPECT_EQ(report.failure, "");
            const std::string expected = cut.restore ? whole : whole.substr(0, cut.bytes);
            EXPECT_EQ(user.Read(name), expected) << name << " cut at " << cut.bytes;
            EXPECT_EQ(report.notes.size(), cut.restore ? 1u : 0u) << name << " at " << cut.bytes;
            (cut.restore ? restored : kept) += 1;
        }
    }
    EXPECT_GT(restored, 150);
    EXPECT_GT(kept, 50);
}

}  // namespace
}  // namespace solvaris
