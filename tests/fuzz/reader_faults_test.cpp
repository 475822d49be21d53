// Fault injection for every reader of the program folder's files: paths
// that are no data file (folders, endless devices, pipes without a writer,
// huge files, read errors), first-start copies interrupted at any byte, and
// a short run of the seeded fuzzing (reader_fuzz.hpp includes the readers).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <functional>
#include <random>

#include "aspects/orb_table.hpp"
#include "base/program_folder.hpp"
#include "fuzz/reader_fuzz.hpp"
#include "reports/interpretation_file.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;
using Path = std::filesystem::path;

// True when the reader reported the file as unreadable in its own way and
// took nothing from it.
using Reader = std::function<bool(const Path&, ScriptedPlatform&)>;

// A list reader that refuses with one message and an empty list.
template <typename Record>
Reader ListWithOneMessage(std::vector<Record> (*read)(const Path&, Platform&)) {
    return [read](const Path& p, ScriptedPlatform& platform) {
        return read(p, platform).empty() && platform.Messages().size() == 1;
    };
}

std::vector<std::pair<const char*, Reader>> Readers() {
    return {
        {"OPTIONS.OPT",
         [](const Path& p, ScriptedPlatform&) {
             OptionTable table;
             return !LoadOptions(p, table).empty() && table(1) == 0.0f;
         }},
        {"NATAL.ORB",
         [](const Path& p, ScriptedPlatform& platform) {
             OrbTable orbs{};
             return !LoadOrbTable(p, orbs, platform) && platform.Messages().size() == 1;
         }},
        {"SOLVARIS.INI",
         [](const Path& p, ScriptedPlatform&) {
             Settings settings = DefaultSettings("/p");
             ReadSettings(p, settings);  // silent by design: the defaults stand
             return SettingsText(settings) == SettingsText(DefaultSettings("/p"));
         }},
        {"NAMES.FIL", ListWithOneMessage(ReadNamesList)},
        {"GA_MA.LL", ListWithOneMessage(ReadCitiesList)},
        {"TZ.DAT", ListWithOneMessage(ReadTimeZones)},
        {"HCDATA.DAT",
         [](const Path& p, ScriptedPlatform&) {
             std::array<std::int16_t, kCuspAnchorValues> values{};
             return ReadWheelValues(p, values).find("cannot be read") != std::string::npos;
         }},
        {"SUN.TXT", [](const Path& p, ScriptedPlatform&) { return !FindInterpretation(p, "SUN"); }},
        {"PCATPATH.TXT", [](const Path& p, ScriptedPlatform&) { return !ReadTextLines(p); }},
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
        {folder / "huge", "larger than 64 MiB"},
        {"/proc/self/mem", "read error"},  // a plain file whose read fails
        {folder / "missing", "no such file"},
    };
    for (const Case& c : cases) {
        std::string bytes;
        const Problem problem = ReadFileBytes(c.path, bytes);
        EXPECT_EQ(problem.substr(0, std::strlen(c.problem)), c.problem) << c.path;
        EXPECT_EQ(FileReadProblem(c.path), problem) << c.path;
        for (const auto& [name, refuses] : Readers()) {
            ScriptedPlatform platform;
            bool refused = false;
            EXPECT_NO_THROW(refused = refuses(c.path, platform)) << name << c.path;
            EXPECT_TRUE(refused) << name << " read " << c.path;
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
        if (whole.size() < 16) continue;
        std::vector<std::size_t> inside;
        std::vector<std::size_t> afterLine;
        for (std::size_t p = 1; p < whole.size(); ++p) {
            const bool lineEndNear = whole[p - 1] == '\r' || whole[p - 1] == '\n' ||
                                     whole[p] == '\r' || whole[p] == '\n';
            if (p % kCopyBlockBytes == 0) continue;  // a block boundary is restored either way
            if (!lineEndNear) {
                inside.push_back(p);
            } else if (whole[p - 1] == '\n' && whole[p] != '\r' && whole[p] != '\n') {
                afterLine.push_back(p);
            }
        }
        // Each cut: the bytes left, and whether they are restored.
        std::vector<std::pair<std::size_t, bool>> cuts = {{0, !IsListFileName(name)}};
        for (const auto* points : {&inside, &afterLine}) {
            if (!points->empty()) {
                cuts.emplace_back((*points)[random() % points->size()], points == &inside);
            }
        }
        TempFolder shippedAlone;  // so that each start copies no other file
        shippedAlone.Write(name, whole);
        for (const auto& [bytes, restore] : cuts) {
            TempFolder user;
            user.Write(name, whole.substr(0, bytes));
            const FolderReport report = SeedProgramFolder(user.path(), shippedAlone.path());
            EXPECT_EQ(report.failure, "");
            EXPECT_EQ(user.Read(name), restore ? whole : whole.substr(0, bytes)) << name << bytes;
            EXPECT_EQ(report.notes.size(), restore ? 1u : 0u) << name << " at " << bytes;
            (restore ? restored : kept) += 1;
        }
    }
    EXPECT_GT(restored, 150);
    EXPECT_GT(kept, 50);
}

// In every test run (the sanitizer build included); solvaris_fuzz runs the long one.
TEST(ReaderFuzz, EveryReaderSurvivesMutatedFiles) {
    const auto seeds = fuzz::SeedInputs(SOLVARIS_DATA_DIR);
    for (int r = 0; r < fuzz::kReaderCount; ++r) {
        EXPECT_FALSE(seeds[r].empty()) << fuzz::kReaderNames[r];
        const auto result =
            fuzz::RunReader(static_cast<fuzz::Reader>(r), seeds[r], 3000, 20261206 + r);
        EXPECT_EQ(result.failures, 0) << fuzz::kReaderNames[r];
    }
}

}  // namespace
}  // namespace solvaris
