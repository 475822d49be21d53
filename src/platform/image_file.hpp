// A picture written to a PNG, SVG or PDF file: what the command line asks
// for, without the toolkit that draws it.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "base/file_replace.hpp"
#include "base/problem.hpp"
#include "platform/canvas.hpp"

namespace solvaris {

enum class ImageFormat { Png, Svg, Pdf };

// The page a PDF is printed on.
enum class PaperSize { Letter, A4 };

// By the file's extension, in any case; nothing for other extensions.
std::optional<ImageFormat> ImageFormatOf(const std::filesystem::path& file);

struct ImageRequest {
    std::filesystem::path file;
    ImageFormat format = ImageFormat::Png;
    int widthPixels = 1024;  // PNG and SVG; a PDF is one page of `paper`
    int heightPixels = 768;
    PaperSize paper = PaperSize::Letter;
};

// `paint` draws on the canvas of the whole image or page; the file is
// written through the crash-safe replacement. Empty on success, else what
// went wrong (an earlier file of that name is then left as it was).
// `fault` makes a step of the write fail, for tests.
Problem ExportImage(const ImageRequest& request, const std::function<void(Canvas&)>& paint,
                    const ReplaceFault& fault = {});

}  // namespace solvaris
