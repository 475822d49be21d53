#include "people/comma_fields.hpp"

#include "base/text_lines.hpp"

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

void ForEachCommaField(std::string_view line, Quoting quoting,
                       const std::function<void(std::string&&)>& field) {
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i == line.size() || (line[i] == ',' && !quoted)) {
            field(UnquotedField(line.substr(start, i - start), quoting));
            start = i + 1;
        } else if (line[i] == '"' && quoting == Quoting::QuotedFields) {
            quoted = !quoted;
        }
    }
}

std::vector<std::string> CommaFields(std::string_view line, Quoting quoting) {
    std::vector<std::string> fields;
    ForEachCommaField(line, quoting,
                      [&fields](std::string&& field) { fields.push_back(std::move(field)); });
    return fields;
}

void ForEachStreamField(std::string_view text, Quoting quoting,
                        const std::function<void(std::string&&)>& field) {
    ForEachLine(text, [&](std::string_view line) {
        if (line.find_first_not_of(" \t") != std::string_view::npos) {
            ForEachCommaField(line, quoting, field);
        }
    });
}

bool ForEachStreamRecord(std::string_view text, Quoting quoting, std::size_t fieldCount,
                         const std::function<void(std::vector<std::string>&)>& record) {
    std::vector<std::string> fields;
    bool blank = true;
    ForEachStreamField(text, quoting, [&](std::string&& field) {
        blank = blank && field.empty();
        fields.push_back(std::move(field));
        if (fields.size() == fieldCount) {
            if (!blank) {
                record(fields);
            }
            fields.clear();
            blank = true;
        }
    });
    return fields.empty();
}

}  // namespace solvaris
