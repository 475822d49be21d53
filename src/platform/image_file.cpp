#include "platform/image_file.hpp"

#include "base/text_lines.hpp"

namespace solvaris {

std::optional<ImageFormat> ImageFormatOf(const std::filesystem::path& file) {
    const std::string ext = file.extension().string();
    if (EqualIgnoringCase(ext, ".png")) {
        return ImageFormat::Png;
    }
    if (EqualIgnoringCase(ext, ".svg")) {
        return ImageFormat::Svg;
    }
    if (EqualIgnoringCase(ext, ".pdf")) {
        return ImageFormat::Pdf;
    }
    return std::nullopt;
}

}  // namespace solvaris
