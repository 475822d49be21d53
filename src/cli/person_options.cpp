#include "cli/person_options.hpp"

#include <algorithm>
#include <cctype>

#include "base/text_lines.hpp"
#include "base/visible_text.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

std::string NamesFileOption(const std::string& typed, const Session& session) {
    return typed.empty() ? session.settings.dataFile : typed;
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

int ApplyPersonOptions(const BirthOptionTexts& texts, std::string_view command,
                       const Session& session, Platform& platform, std::ostream& err,
                       BirthOptions& options) {
    const bool hasPerson = !texts.person.empty();
    const bool hasSecond = !texts.secondPerson.empty();
    if (!hasPerson && !hasSecond) {
        return 0;
    }
    const std::string namesFile = NamesFileOption(texts.names, session);
    const std::vector<NameRecord> records = ReadNamesList(namesFile, platform);
    const auto find = [&](const std::string& name) {
        auto record = FindPerson(records, name);
        if (!record) {
            err << "solvaris " << command << ": no person named '" << VisibleText(name) << "' in "
                << VisibleText(namesFile) << '\n';
        }
        return record;
    };
    const DateOrder order = platform.UserDateOrder();
    if (hasPerson) {
        const auto record = find(texts.person);
        if (!record) {
            return 2;
        }
        if (!FillNatalFromRecord(*record, options.natal, order, platform)) {
            return 1;
        }
    }
    if (hasSecond) {
        const auto record = find(texts.secondPerson);
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
