#include "people/comma_fields.hpp"

namespace solvaris {

namespace {

std::string UnquotedField(std::string_view raw, Quoting quoting) {
    std::string field = Trimmed(raw);
    if (quoting == Quoting::QuotedFields && field.size() >= 2 && field.front() == '"' &&
        field.back() == '"') {
        return field.substr(1, field.size() - 2);
    }
    return field;
}

}  // namespace

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> CommaFields(std::string_view line, Quoting quoting) {
    std::vector<std::string> fields;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || (line[i] == ',' && !quoted)) {
            fields.push_back(UnquotedField(line.substr(start, i - start), quoting));
            start = i + 1;
        } else if (line[i] == '"' && quoting == Quoting::QuotedFields) {
            quoted = !quoted;
        }
    }
    return fields;
}

std::vector<std::string> FieldStream(const std::vector<std::string>& lines, Quoting quoting) {
    std::vector<std::string> fields;
    for (const std::string& line : lines) {
        if (Trimmed(line).empty()) {
            continue;
        }
        for (std::string& field : CommaFields(line, quoting)) {
            fields.push_back(std::move(field));
        }
    }
    return fields;
}

}  // namespace solvaris
