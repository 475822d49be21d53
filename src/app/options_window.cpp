#include "app/options_window.hpp"

#include "base/editor_text.hpp"
#include "base/file_replace.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

std::optional<std::string> WindowText(const std::filesystem::path& folder) {
    return LoadEditorText(FindInFolder(folder, kOptionsFileName));
}

}  // namespace

std::optional<OptionsWindow> OpenOptionsWindow(const std::filesystem::path& folder,
                                               Platform& platform) {
    auto text = WindowText(folder);
    if (!text) {
        platform.ShowMessage("File Not Found", "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    OptionsWindow window;
    window.txtContent = std::move(*text);
    return window;
}

std::optional<std::string> SaveOptionsWindow(const std::filesystem::path& folder,
                                             OptionsWindow& window, OptionTable& table,
                                             Platform& platform) {
    const std::filesystem::path file = FindInFolder(folder, kOptionsFileName);
    const std::string failure = SaveEditorText(file, window.txtContent);
    if (!failure.empty()) {
        platform.ShowMessage(
            "The options could not be saved: " + failure + ". OPTIONS.OPT is unchanged.",
            "Warning!", MessageIcon::Exclamation);
        return std::nullopt;
    }
    LoadOptions(file, table);
    return TitleText();
}

void RestoreDefaultOptions(const std::filesystem::path& folder, OptionsWindow& window,
                           Platform& platform) {
    const auto master = ReadFileBytes(FindInFolder(folder, kMasterOptionsFileName));
    if (!master || !ReplaceFileContent(FindInFolder(folder, kOptionsFileName), *master).empty()) {
        platform.ShowMessage("Error in operation. Cannot do what is requested.", "Warning!",
                             MessageIcon::Information);
        return;
    }
    window.txtContent = WindowText(folder).value_or(std::string());
}

}  // namespace solvaris
