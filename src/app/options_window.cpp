#include "app/options_window.hpp"

#include "base/editor_text.hpp"
#include "base/file_replace.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

namespace {

std::optional<EditorFile> WindowText(const std::filesystem::path& folder) {
    return LoadEditorText(FindInFolder(folder, kOptionsFileName));
}

}  // namespace

std::optional<OptionsWindow> OpenOptionsWindow(const std::filesystem::path& folder,
                                               Platform& platform) {
    auto loaded = WindowText(folder);
    if (!loaded) {
        platform.ShowMessage("File Not Found", "Warning!", MessageIcon::Information);
        return std::nullopt;
    }
    OptionsWindow window;
    window.txtContent = std::move(loaded->text);
    window.bytesRead = std::move(loaded->bytesRead);
    return window;
}

std::optional<std::string> SaveOptionsWindow(const std::filesystem::path& folder,
                                             OptionsWindow& window, OptionTable& table,
                                             Platform& platform) {
    const std::filesystem::path file = FindInFolder(folder, kOptionsFileName);
    const std::string failure = SaveEditorText(file, window.txtContent, window.bytesRead);
    if (!failure.empty()) {
        platform.ShowMessage(
            "The options could not be saved: " + failure + ". OPTIONS.OPT is unchanged.",
            "Warning!", MessageIcon::Exclamation);
        return std::nullopt;
    }
    LoadOptions(file, table);
    return TitleText(table);
}

void RestoreDefaultOptions(const std::filesystem::path& folder, OptionsWindow& window,
                           Platform& platform) {
    const auto master = ReadFileBytes(FindInFolder(folder, kMasterOptionsFileName));
    if (!master || !ReplaceFileContent(FindInFolder(folder, kOptionsFileName), *master).empty()) {
        platform.ShowMessage("Error in operation. Cannot do what is requested.", "Warning!",
                             MessageIcon::Information);
        return;
    }
    auto loaded = WindowText(folder);
    window.txtContent = loaded ? std::move(loaded->text) : std::string();
    window.bytesRead = loaded ? std::move(loaded->bytesRead) : std::nullopt;
}

}  // namespace solvaris
