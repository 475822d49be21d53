#include "cli/person_options.hpp"

#include <algorithm>
#include <cctype>

#include "base/text_lines.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

// The value after option `name`, both taken out of `args`; "" when absent,
// nothing when the value is missing.
std::optional<std::string> TakeValue(std::vector<std::string>& args, const std::string& name,
                                     bool& present) {
    present = false;
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end()) {
        return std::string();
    }
    present = true;
    if (it + 1 == args.end()) {
        return std::nullopt;
    }
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

}  // namespace

std::string NamesFileOption(std::vector<std::string>& args, const Session& session) {
    bool present = false;
    const auto file = TakeValue(args, "--names", present);
    return present && file && !file->empty() ? *file : session.settings.dataFile;
}

std::optional<NameRecord> FindPerson(const std::vector<NameRecord>& records,
                                     const std::string& name) {
    for (const NameRecord& r : records) {
        if (r.name == name) {
            return r;
        }
    }
    for (const NameRecord& r : records) {
        if (EqualIgnoringCase(r.name, name)) {
            return r;
        }
    }
    return std::nullopt;
}

int ApplyPersonOptions(std::vector<std::string>& args, std::string_view command,
                       const Session& session, Platform& platform, std::ostream& err,
                       BirthOptions& options) {
    const auto now = std::find(args.begin(), args.end(), "--now");
    if (now != args.end()) {
        args.erase(now);  // the windows start at the present moment already
    }
    const std::string namesFile = NamesFileOption(args, session);
    bool hasPerson = false, hasSecond = false;
    const auto person = TakeValue(args, "--person", hasPerson);
    const auto second = TakeValue(args, "--second-person", hasSecond);
    if (!person || !second) {
        err << "solvaris " << command << ": " << (person ? "--second-person" : "--person")
            << " needs a name\n";
        return 2;
    }
    if (!hasPerson && !hasSecond) {
        return 0;
    }
    const std::vector<NameRecord> records = ReadNamesList(namesFile, platform);
    const auto find = [&](const std::string& name) {
        auto record = FindPerson(records, name);
        if (!record) {
            err << "solvaris " << command << ": no person named '" << name << "' in " << namesFile
                << '\n';
        }
        return record;
    };
    const DateOrder order = platform.UserDateOrder();
    if (hasPerson) {
        const auto record = find(*person);
        if (!record) {
            return 2;
        }
        if (!FillNatalFromRecord(*record, options.natal, order, platform)) {
            return 1;
        }
    }
    if (hasSecond) {
        const auto record = find(*second);
        if (!record) {
            return 2;
        }
        options.diurnal.chk2ndPerson = true;
        if (!FillDiurnalFromRecord(*record, options.diurnal, order, platform)) {
            return 1;
        }
    }
    return 0;
}

}  // namespace solvaris
