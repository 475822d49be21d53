#include "base/visible_text.hpp"

namespace solvaris {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendHex(std::string& out, std::string_view prefix, unsigned value, int digits) {
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += kHexDigits[(value >> shift) & 0xFu];
    }
}

}  // namespace

std::string VisibleText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7f) {
            AppendHex(out, "\\x", byte, 2);
        } else if (byte == 0xc2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9f) {
            // UTF-8 of a C1 control: CSI (U+009B) starts an escape sequence too.
            AppendHex(out, "\\u", static_cast<unsigned char>(text[++i]), 4);
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace solvaris
