// Text from a user's file made safe to print: a terminal takes control
// characters as commands (an escape sequence in a name could rewrite the
// screen), so they are shown as visible escapes instead. The files
// themselves keep their bytes.
#pragma once

#include <string>
#include <string_view>

namespace solvaris {

// C0 controls, DEL and the C1 controls (U+0080 to U+009F) as "\xHH" (C1 as
// "\u0080" to "\u009F"); a backslash stays a backslash, so a name is read
// as it was typed wherever it holds no control character.
std::string VisibleText(std::string_view text);

// UTF-8 text as it stands; a byte that starts no valid UTF-8 character is
// shown as "\xHH", so that the result is valid UTF-8 whatever was typed.
std::string ValidUtf8Text(std::string_view bytes);

}  // namespace solvaris
