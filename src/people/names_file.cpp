#include "people/names_file.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/format_pattern.hpp"
#include "base/lenient_number.hpp"
#include "base/number_text.hpp"
#include "base/text_lines.hpp"
#include "people/comma_fields.hpp"
#include "people/entry_rules.hpp"
#include "people/place_fields.hpp"
#include "people/record_date.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kRecordFields = 7;

std::size_t CommaCount(std::string_view line) {
    return static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
}

constexpr const char* kListError =
    "You have an error in the current names file. You need to check and see if you have "
    "entered the data correctly and in the proper amount. Please correct the data by "
    "clicking on the Edit this List command button in the Names window and edit the "
    "incorrect data.";
constexpr const char* kRecordError =
    "Format error or typographical error in selected data. Please correct this data entry "
    "by clicking on the Edit this List command button in the Names window and editing the "
    "data associated with your chosen name.";

NameRecord RecordOf(const std::vector<std::string>& f, std::size_t first) {
    return {f[first],     f[first + 1], f[first + 2], f[first + 3],
            f[first + 4], f[first + 5], f[first + 6]};
}

// The whole part and the hundredths of a packed value, the hundredths as
// two digits ("7.45" gives 7 and "45", "-74.3" gives 74 and "30").
struct Packed {
    long long whole;
    std::string hundredths;
    bool negative;
};

std::optional<Packed> ReadPacked(const std::string& text) {
    const auto value = ParseNumber(text);
    if (!value || std::fabs(*value) >= 1e6) {
        return std::nullopt;
    }
    const double magnitude = std::fabs(*value);
    long long whole = static_cast<long long>(magnitude);
    long long minutes = std::llround((magnitude - static_cast<double>(whole)) * 100);
    if (minutes == 100) {
        ++whole;
        minutes = 0;
    }
    char hundredths[8];
    std::snprintf(hundredths, sizeof hundredths, "%02lld", minutes);
    return Packed{whole, hundredths, *value < 0};
}

bool Fill(const NameRecord& r, EntryFields& typed, DateOrder order, Platform& platform) {
    const auto fail = [&platform] {
        platform.ShowMessage(kRecordError, "Error!", MessageIcon::Critical);
        return false;
    };
    const auto date = ParseRecordDate(r.date, order);
    if (!date) {
        return fail();
    }
    typed.month = std::to_string(date->month);
    typed.day = std::to_string(date->day);
    typed.year = std::to_string(date->year);
    const auto time = ReadPacked(r.time);
    if (!time || time->negative) {
        return fail();
    }
    typed.hour = std::to_string(time->whole);
    typed.minute = time->hundredths;
    typed.pm = !(r.meridiem.size() == 1 && (r.meridiem[0] == 'A' || r.meridiem[0] == 'a'));
    const auto zone = ParseNumber(r.zone);
    if (!zone) {
        return fail();
    }
    typed.zone = NumberAsTyped(*zone);
    const auto longitude = ReadPacked(r.longitude);
    if (!longitude) {
        return fail();
    }
    typed.longDeg = std::to_string(longitude->whole);
    typed.longMin = longitude->hundredths;
    SelectHemisphere(typed, longitude->negative);
    const auto latitude = ReadPacked(r.latitude);
    if (!latitude) {
        return fail();
    }
    typed.latDeg = std::to_string(latitude->whole);
    typed.latMin = latitude->hundredths;
    typed.south = latitude->negative;
    return true;
}

}  // namespace

std::vector<NameRecord> ReadNamesList(const std::filesystem::path& file, Platform& platform) {
    const auto text = ReadText(file);
    if (!text) {
        platform.ShowMessage(kListError, "Error!", MessageIcon::Critical);
        return {};
    }
    return NamesListFromText(*text, platform);
}

std::vector<NameRecord> NamesListFromText(std::string_view text, Platform& platform) {
    std::vector<NameRecord> records;
    const bool whole = ForEachStreamRecord(
        text, Quoting::None, kRecordFields,
        [&records](std::vector<std::string>& fields) { records.push_back(RecordOf(fields, 0)); });
    if (!whole) {
        platform.ShowMessage(kListError, "Error!", MessageIcon::Critical);
    }
    return records;
}

const NameRecord* RecordNamed(const std::vector<NameRecord>& records, std::string_view name) {
    const auto it = std::find_if(records.begin(), records.end(),
                                 [name](const NameRecord& r) { return r.name == name; });
    return it == records.end() ? nullptr : &*it;
}

std::optional<NameRecord> ParseNameLine(std::string_view line) {
    if (CommaCount(line) != kRecordFields - 1) {
        return std::nullopt;
    }
    return RecordOf(CommaFields(line, Quoting::None), 0);
}

Problem NamesTextProblem(const std::string& text) {
    std::size_t number = 0;
    std::size_t tooLong = 0;
    ForEachLine(text, [&](std::string_view line) {
        ++number;
        if (tooLong == 0 && CommaCount(line) >= kRecordFields) {
            tooLong = number;
        }
    });
    if (tooLong != 0) {
        return "line " + std::to_string(tooLong) +
               " holds more than seven fields. You cannot have a comma in the name. Please "
               "remove the comma and try again.";
    }
    return {};
}

std::optional<std::string> NameRecordLine(const NatalEntryWindow& w) {
    const auto whole = [](const std::string& text) { return LenientNumber(text); };
    const auto date = ParseRecordDate(w.fields.year + "-" + w.fields.month + "-" + w.fields.day,
                                      DateOrder::YearMonthDay);
    if (!date) {
        return std::nullopt;
    }
    const double time = whole(w.fields.hour) + whole(w.fields.minute) / 100;
    const double longitude =
        (whole(w.fields.longDeg) + whole(w.fields.longMin) / 100) * (w.fields.east ? -1 : 1);
    const double latitude =
        (whole(w.fields.latDeg) + whole(w.fields.latMin) / 100) * (w.fields.south ? -1 : 1);
    std::string line = w.txtName;
    for (const std::string& field :
         {FormatDate(date->year, date->month, date->day), FormatNumber(time, "##.#0"),
          std::string(w.fields.pm ? "P" : "A"), w.fields.zone, FormatNumber(longitude, "#00#.#0"),
          FormatNumber(latitude, "#0#.#0")}) {
        line += ',';
        line += field;
    }
    return line;
}

bool FillNatalFromRecord(const NameRecord& record, NatalEntryWindow& w, DateOrder order,
                         Platform& platform) {
    w.txtName = record.name;
    return Fill(record, w.fields, order, platform);
}

bool FillDiurnalFromRecord(const NameRecord& record, DiurnalEntryWindow& w, DateOrder order,
                           Platform& platform) {
    w.chk2ndPersonCaption = record.name;
    return Fill(record, w.fields, order, platform);
}

bool PickNameRecord(const NameRecord& record, NatalEntryWindow& natal, DiurnalEntryWindow& diurnal,
                    const OptionTable& options, Platform& platform) {
    const DateOrder order = platform.UserDateOrder();
    if (diurnal.chk2ndPerson) {
        // The second person's data stay: no reset of the window they fill.
        return FillDiurnalFromRecord(record, diurnal, order, platform);
    }
    if (!FillNatalFromRecord(record, natal, order, platform)) {
        return false;
    }
    AfterNatalPick(natal, diurnal, options, platform);
    return true;
}

}  // namespace solvaris
