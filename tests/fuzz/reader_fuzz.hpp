// Seeded random inputs for every reader of the program folder's files: the
// shipped files mutated (and now and then pure random bytes) fed through
// each reader and what the program does next with what it read (filling the
// entry windows, the checks before a chart, list lines, the accept
// question). Shared by the fuzz runner and a short run in the test suite.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/options.hpp"
#include "base/settings.hpp"
#include "base/text_lines.hpp"
#include "people/atlas_exchange.hpp"
#include "people/cities_file.hpp"
#include "people/entry_rules.hpp"
#include "people/names_file.hpp"
#include "people/record_date.hpp"
#include "people/time_zones.hpp"
#include "support/scripted_platform.hpp"
#include "wheel/wheel_data.hpp"

namespace solvaris::fuzz {

enum class Reader {
    Options,
    Orbs,
    Settings,
    Names,
    Cities,
    TimeZones,
    Pcatpath,
    Tsrtemp,
    Hcdata,
    Radius
};
inline constexpr int kReaderCount = 10;
inline constexpr std::array<const char*, kReaderCount> kReaderNames = {
    "OPTIONS.OPT", "NATAL.ORB",    "SOLVARIS.INI", "NAMES.FIL",  "GA_MA.LL",
    "TZ.DAT",      "PCATPATH.TXT", "TSRTEMP.TXT",  "HCDATA.DAT", "RADIUS.DAT"};

// A well-formed example of each file to mutate.
inline std::array<std::string, kReaderCount> SeedInputs(const std::filesystem::path& data) {
    std::array<std::string, kReaderCount> seeds;
    for (int r = 0; r < kReaderCount; ++r) {
        seeds[r] = ReadFileBytes(data / kReaderNames[r]).value_or("");
    }
    seeds[static_cast<int>(Reader::Settings)] = SettingsText(DefaultSettings("/home/user/sv"));
    seeds[static_cast<int>(Reader::Pcatpath)] = "/home/user/atlas/exchange\r\n";
    seeds[static_cast<int>(Reader::Tsrtemp)] =
        "Sydney, NSW\r\n33S52\r\n151E12\r\nAustralia\r\n-10 hours\r\n";
    return seeds;
}

class InputMaker {
public:
    explicit InputMaker(std::uint64_t seed) : rng_(seed) {}

    std::string Make(const std::string& seed) {
        if (Below(8) == 0 || seed.empty()) {
            return RandomBytes(Below(512));
        }
        // A window of the seed, so that long files stay quick to read.
        const std::size_t start = seed.size() > 2048 ? Below(seed.size() - 2048) : 0;
        std::string text = seed.substr(start, 2048);
        const int mutations = 1 + static_cast<int>(Below(8));
        for (int m = 0; m < mutations; ++m) {
            Mutate(text);
        }
        return text;
    }

private:
    std::size_t Below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    std::string RandomBytes(std::size_t n) {
        std::string bytes(n, '\0');
        for (char& c : bytes) {
            c = static_cast<char>(Below(256));
        }
        return bytes;
    }
    void Mutate(std::string& text) {
        static const std::array<std::string, 14> kPieces = {",",     "\r\n",
                                                            "\n",    "\"",
                                                            "-",     ".",
                                                            "=",     "99999999999999999999",
                                                            "1e308", "-0",
                                                            "nan",   "\xff\xfe",
                                                            "\xc3",  "                    "};
        const std::size_t at = Below(text.size() + 1);
        switch (Below(6)) {
            case 0:
                if (!text.empty()) text[Below(text.size())] = static_cast<char>(Below(256));
                break;
            case 1: text.insert(at, kPieces[Below(kPieces.size())]); break;
            case 2: text.erase(at, Below(64)); break;
            case 3: text.insert(at, text.substr(Below(text.size() + 1), Below(128))); break;
            case 4: text.insert(at, 1, static_cast<char>('0' + Below(10))); break;
            default:
                if (!text.empty()) text[Below(text.size())] = "EWNSAPew,"[Below(9)];
                break;
        }
    }
    std::mt19937_64 rng_;
};

// What the program does with one input read as `reader`'s file. Returns
// false when a property that must always hold was broken.
inline bool FeedOneInput(Reader reader, const std::string& bytes, ScriptedPlatform& platform) {
    platform.ClearMessages();
    const std::vector<std::string> lines = SplitLines(DecodeText(bytes));
    OptionTable options;
    options.Set(212, 1);
    switch (reader) {
        case Reader::Options:
        case Reader::Orbs: {
            const auto values = ValueLines(lines, reader == Reader::Options ? 216 : 17);
            for (std::size_t i = 0; i < values.size(); ++i) {
                options.Set(static_cast<int>(i) + 1, values[i]);
            }
            return values.size() <= 216;
        }
        case Reader::Settings: {
            Settings settings = DefaultSettings("/p");
            ApplySettingsLines(lines, settings);
            // What is written reads back as the same settings.
            const std::string text = SettingsText(settings);
            Settings back = DefaultSettings("/q");
            ApplySettingsLines(SplitLines(text), back);
            return SettingsText(back) == text;
        }
        case Reader::Names: {
            const auto records = NamesListFromLines(lines, platform);
            for (std::size_t i = 0; i < records.size() && i < 4; ++i) {
                NatalEntryWindow natal;
                DiurnalEntryWindow diurnal;
                ParseRecordDate(records[i].date, DateOrder::DayMonthYear);
                if (PickNameRecord(records[i], natal, diurnal, options, platform)) {
                    const auto line = NameRecordLine(natal);
                    if (ValidateEntries(natal, diurnal, false, platform)) {
                        ReadNatalData(natal, DateOrder::MonthDayYear);
                    }
                    if (line && !ParseNameLine(*line) && line->find('"') == std::string::npos) {
                        return false;  // a written record must read back
                    }
                }
            }
            for (const std::string& line : lines) {
                ParseNameLine(line);
            }
            return true;
        }
        case Reader::Cities: {
            const auto cities = CitiesListFromLines(lines, platform);
            for (std::size_t i = 0; i < cities.size() && i < 4; ++i) {
                NatalEntryWindow natal;
                DiurnalEntryWindow diurnal;
                CityListText(cities[i]);
                if (PickCityRecord(cities[i], natal, diurnal, options, platform)) {
                    ValidateEntries(natal, diurnal, true, platform);
                }
            }
            return true;
        }
        case Reader::TimeZones: {
            const auto zones = TimeZonesFromLines(lines, platform);
            NatalEntryWindow natal;
            for (const TimeZoneRecord& zone : zones) {
                PickTimeZoneLine(TimeZoneListLine(zone), zones, natal.fields, platform);
            }
            return true;
        }
        case Reader::Pcatpath: ExchangeFolderOf(lines); return true;
        case Reader::Tsrtemp: {
            NatalEntryWindow natal;
            if (const auto place = AtlasPlaceOf(lines)) {
                AcceptAtlasPlace(*place, natal.fields, platform);
            }
            return true;
        }
        case Reader::Hcdata: {
            std::array<std::int16_t, kCuspAnchorValues> values{};
            ParseWheelValues(bytes, "HCDATA.DAT", values);
            return true;
        }
        case Reader::Radius: {
            std::array<std::int16_t, kRadiusValues> values{};
            ParseWheelValues(bytes, "RADIUS.DAT", values);
            return true;
        }
    }
    return true;
}

struct RunResult {
    long long inputs = 0;
    long long failures = 0;
    double slowestMicroseconds = 0;
    double totalSeconds = 0;
};

inline RunResult RunReader(Reader reader, const std::string& seed, long long inputs,
                           std::uint64_t rngSeed) {
    InputMaker maker(rngSeed);
    ScriptedPlatform platform;
    RunResult result;
    const auto begin = std::chrono::steady_clock::now();
    for (long long n = 0; n < inputs; ++n) {
        const std::string input = maker.Make(seed);
        const auto start = std::chrono::steady_clock::now();
        if (!FeedOneInput(reader, input, platform)) {
            ++result.failures;
        }
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        result.slowestMicroseconds = std::max(result.slowestMicroseconds, took.count());
        ++result.inputs;
    }
    result.totalSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    return result;
}

}  // namespace solvaris::fuzz
