#include "people/cities_editor.hpp"

#include "base/editor_text.hpp"

namespace solvaris {

std::optional<CitiesEditor> OpenCitiesEditor(const std::filesystem::path& file,
                                             Platform& platform) {
    auto loaded = LoadEditorText(file);
    if (!loaded) {
        platform.ShowMessage("Cannot open the cities file " + file.string() + ".", "Error!",
                             MessageIcon::Critical);
        return std::nullopt;
    }
    return CitiesEditor{file, "Edit: " + file.string(), std::move(loaded->text),
                        std::move(loaded->bytesRead)};
}

bool SaveCitiesEditor(CitiesEditor& editor, Platform& platform) {
    const std::string failure = SaveEditorText(editor.file, editor.txtContent, editor.bytesRead);
    if (!failure.empty()) {
        platform.ShowMessage("The cities file was not saved: " + failure + ". " +
                                 editor.file.filename().string() + " is unchanged.",
                             "Error!", MessageIcon::Critical);
        return false;
    }
    return true;
}

}  // namespace solvaris
