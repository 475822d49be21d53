// The file side of the Options window: its text loaded from OPTIONS.OPT,
// Save, and Restore default from OPTIONS.MAS. The window only shows the text
// and calls these.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/options.hpp"
#include "platform/platform.hpp"

namespace solvaris {

struct OptionsWindow {
    std::string caption = "Edit: OPTIONS.OPT";
    std::string txtContent;  // every line followed by CR LF
    bool changed = false;
    std::optional<std::string> bytesRead;  // OPTIONS.OPT as last read or saved
};

// Opening the window: its text, or the "File Not Found" box and nothing.
std::optional<OptionsWindow> OpenOptionsWindow(const std::filesystem::path& folder,
                                               Platform& platform);

// Save: the text written back (line ends made CR LF, one line break at the
// end), the options loaded again into the table, and the title text
// recomputed. A failed write is shown and the file and table are left as
// they were. Returns the title text after a save, nothing after a failure.
std::optional<std::string> SaveOptionsWindow(const std::filesystem::path& folder,
                                             OptionsWindow& window, OptionTable& table,
                                             Platform& platform);

// Restore default: OPTIONS.MAS copied over OPTIONS.OPT and the text loaded
// again; the table is not reloaded until the next save.
void RestoreDefaultOptions(const std::filesystem::path& folder, OptionsWindow& window,
                           Platform& platform);

}  // namespace solvaris
