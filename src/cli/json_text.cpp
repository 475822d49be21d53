#include "cli/json_text.hpp"

#include <cstdio>

namespace solvaris {

std::string Quoted(const std::string& text) {
    std::string q(1, '"');
    for (char c : text) {
        if (c == '"' || c == '\\') {
            q += '\\';
            q += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            q += escaped;
        } else {
            q += c;
        }
    }
    q += '"';
    return q;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string q(1, '"');
    for (char c : text) {
        if (c == '"') {
            q += '"';
        }
        q += c;
    }
    q += '"';
    return q;
}

}  // namespace solvaris
