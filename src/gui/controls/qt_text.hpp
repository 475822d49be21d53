// The program's UTF-8 texts as Qt's strings.
#pragma once

#include <QString>
#include <string_view>

namespace solvaris {

inline QString QtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace solvaris
