#include "cli/person_options.hpp"

#include <algorithm>
#include <cctype>

#include "base/text_lines.hpp"
#include "base/visible_text.hpp"
#include "cli/exit_status.hpp"
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
        return kExitDone;
    }
    const std::string namesFile = NamesFileOption(texts.names, session);
    const std::vector<NameRecord> records = ReadNamesList(namesFile, platform);
    // A file that cannot be read is no list without the person.
    if (const std::string problem = FileReadProblem(namesFile); !problem.empty()) {
        err << "solvaris " << command << ": " << VisibleText(namesFile) << " cannot be read ("
            << problem << ")\n";
        return kExitFileProblem;
    }
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
            return kExitBadCommandLine;
        }
        if (!FillNatalFromRecord(*record, options.natal, order, platform)) {
            return kExitRefusedData;
        }
    }
    if (hasSecond) {
        const auto record = find(texts.secondPerson);
        if (!record) {
            return kExitBadCommandLine;
        }
        options.diurnal.chk2ndPerson = true;
        if (!FillDiurnalFromRecord(*record, options.diurnal, order, platform)) {
            return kExitRefusedData;
        }
    }
    return kExitDone;
}

}  // namespace solvaris
