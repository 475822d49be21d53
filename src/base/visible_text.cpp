#include "base/visible_text.hpp"

#include "base/text_lines.hpp"

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

std::string ValidUtf8Text(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            AppendHex(out, "\\x", static_cast<unsigned char>(bytes[i]), 2);
            ++i;
        } else {
            out.append(bytes, i, length);
            i += length;
        }
    }
    return out;
}

}  // namespace solvaris
