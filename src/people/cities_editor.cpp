#include "people/cities_editor.hpp"

#include "base/editor_text.hpp"

namespace solvaris {

std::optional<CitiesEditor> OpenCitiesEditor(const std::filesystem::path& file,
                                             Platform& platform) {
    auto text = LoadEditorText(file);
    if (!text) {
        platform.ShowMessage("Cannot open the cities file " + file.string() + ".", "Error!",
                             MessageIcon::Critical);
        return std::nullopt;
    }
    return CitiesEditor{file, "Edit: " + file.string(), std::move(*text)};
}

bool SaveCitiesEditor(const CitiesEditor& editor, Platform& platform) {
    const std::string failure = SaveEditorText(editor.file, editor.txtContent);
    if (!failure.empty()) {
        platform.ShowMessage("The cities file was not saved: " + failure + ". " +
                                 editor.file.filename().string() + " is unchanged.",
                             "Error!", MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace solvaris
