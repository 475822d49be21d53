// Seeded random inputs for every reader of the program folder's files: the
// shipped files mutated (now and then pure random bytes) fed through each
// reader and what the program does next with what it read. Shared by the
// fuzz runner and a short run in the test suite.
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

// Named after the files they read, in the order of kReaderNames.
enum class Reader { Options, Orbs, Ini, Names, Cities, Zones, Pcatpath, Tsrtemp, Hcdata, Radius };
inline constexpr int kReaderCount = 10;
inline constexpr std::array<const char*, kReaderCount> kReaderNames = {
    "OPTIONS.OPT", "NATAL.ORB",    "SOLVARIS.INI", "NAMES.FIL",  "GA_MA.LL",
    "TZ.DAT",      "PCATPATH.TXT", "TSRTEMP.TXT",  "HCDATA.DAT", "RADIUS.DAT"};

// A well-formed example of each file to mutate.
inline std::array<std::string, kReaderCount> SeedInputs(const std::filesystem::path& data) {
    std::array<std::string, kReaderCount> seeds;
    for (int r = 0; r < kReaderCount; ++r)
        seeds[r] = ReadFileBytes(data / kReaderNames[r]).value_or("");
    seeds[static_cast<int>(Reader::Ini)] = SettingsText(DefaultSettings("/home/user/sv"));
    seeds[static_cast<int>(Reader::Pcatpath)] = "/home/user/atlas/exchange\r\n";
    seeds[static_cast<int>(Reader::Tsrtemp)] =
        "Sydney, NSW\r\n33S52\r\n151E12\r\nAustralia\r\n-10 hours\r\n";
    return seeds;
}

class InputMaker {
public:
    explicit InputMaker(std::uint64_t seed) : rng_(seed) {}

    std::string Make(const std::string& seed) {
        if (Below(8) == 0 || seed.empty()) return RandomBytes(Below(512));
        // A window of the seed, so that long files stay quick to read.
        const std::size_t start = seed.size() > 2048 ? Below(seed.size() - 2048) : 0;
        std::string text = seed.substr(start, 2048);
        for (std::size_t mutations = 1 + Below(8); mutations > 0; --mutations) Mutate(text);
        return text;
    }

private:
    std::size_t Below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }
    std::string RandomBytes(std::size_t n) {
        std::string bytes(n, '\0');
        for (char& c : bytes) c = static_cast<char>(Below(256));
        return bytes;
    }
    void Mutate(std::string& text) {
        static const std::string kPieces[] = {",",     "\r\n",
                                              "\n",    "\"",
                                              "-",     ".",
                                              "=",     std::string(20, '9'),
                                              "1e308", "-0",
                                              "nan",   "\xff\xfe",
                                              "\xc3",  std::string(20, ' ')};
        const std::size_t at = Below(text.size() + 1);
        switch (Below(6)) {
            case 0:
                if (!text.empty()) text[Below(text.size())] = static_cast<char>(Below(256));
                break;
            case 1: text.insert(at, kPieces[Below(std::size(kPieces))]); break;
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
    const std::string text = DecodeText(bytes);
    const std::vector<std::string> lines = SplitLines(text);
    OptionTable options;
    options.Set(212, 1);
    switch (reader) {
        case Reader::Options:
        case Reader::Orbs: {
            const auto values = ValueLines(lines, reader == Reader::Options ? 216 : 17);
            for (std::size_t i = 0; i < values.size(); ++i) options.Set(int(i) + 1, values[i]);
            return values.size() <= 216;
        }
        case Reader::Ini: {
            Settings settings = DefaultSettings("/p");
            ApplySettingsLines(lines, settings);
            // What is written reads back as the same settings.
            const std::string text = SettingsText(settings);
            Settings back = DefaultSettings("/q");
            ApplySettingsLines(SplitLines(text), back);
            return SettingsText(back) == text;
        }
        case Reader::Names: {
            const auto records = NamesListFromText(text, platform);
            for (std::size_t i = 0; i < records.size() && i < 4; ++i) {
                NatalEntryWindow natal;
                DiurnalEntryWindow diurnal;
                ParseRecordDate(records[i].date, DateOrder::DayMonthYear);
                if (PickNameRecord(records[i], natal, diurnal, options, platform)) {
                    const auto line = NameRecordLine(natal);
                    if (ValidateEntries(natal, diurnal, HouseSystem::Placidus, platform)) {
                        ReadNatalData(natal, DateOrder::MonthDayYear);
                    }
                    // A written record must read back.
                    if (line && !ParseNameLine(*line) && line->find('"') == std::string::npos) {
                        return false;
                    }
                }
            }
            for (const std::string& line : lines) ParseNameLine(line);
            return true;
        }
        case Reader::Cities: {
            const auto cities = CitiesListFromText(text, platform);
            for (std::size_t i = 0; i < cities.size() && i < 4; ++i) {
                NatalEntryWindow natal;
                DiurnalEntryWindow diurnal;
                CityListText(cities[i]);
                if (PickCityRecord(cities[i], natal, diurnal, options, platform)) {
                    ValidateEntries(natal, diurnal, HouseSystem::Meridian, platform);
                }
            }
            return true;
        }
        case Reader::Zones: {
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
        case Reader::Hcdata:
        case Reader::Radius: {
            std::vector<std::int16_t> values(reader == Reader::Hcdata ? kCuspAnchorValues
                                                                      : kRadiusValues);
            ParseWheelValues(bytes, kReaderNames[static_cast<int>(reader)], values);
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
    using Clock = std::chrono::steady_clock;
    InputMaker maker(rngSeed);
    ScriptedPlatform platform;
    RunResult result{inputs};
    const auto begin = Clock::now();
    for (long long n = 0; n < inputs; ++n) {
        const std::string input = maker.Make(seed);
        const auto start = Clock::now();
        result.failures += !FeedOneInput(reader, input, platform);
        const std::chrono::duration<double, std::micro> took = Clock::now() - start;
        result.slowestMicroseconds = std::max(result.slowestMicroseconds, took.count());
    }
    result.totalSeconds = std::chrono::duration<double>(Clock::now() - begin).count();
    return result;
}

}  // namespace solvaris::fuzz
