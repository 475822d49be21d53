#include "wheel/text_overlaps.hpp"

#include <algorithm>
#include <cmath>
#include <set>

#include "base/horary_glyphs.hpp"

namespace solvaris {

namespace {

constexpr int kFirstPointCode = PointGlyphCode(1);
constexpr int kLastPointCode = PointGlyphCode(kGlyphPointCount);

bool IsPointGlyph(const PrintedBox& box) {
    if (!box.glyphFont || box.text.size() != 1) {
        return false;
    }
    const int code = static_cast<unsigned char>(box.text[0]);
    return code >= kFirstPointCode && code <= kLastPointCode;
}

// The length two spans share; negative for the gap between them.
double Shared(double low1, double high1, double low2, double high2) {
    return std::min(high1, high2) - std::max(low1, low2);
}

double SharedWidth(const PrintedBox& a, const PrintedBox& b) {
    return Shared(a.left, a.right, b.left, b.right);
}

double SharedHeight(const PrintedBox& a, const PrintedBox& b) {
    return Shared(a.bottom, a.top, b.bottom, b.top);
}

bool Meets(const PrintedBox& a, const PrintedBox& b, double gap) {
    return SharedWidth(a, b) >= -gap && SharedHeight(a, b) >= -gap;
}

bool Overlap(const PrintedBox& a, const PrintedBox& b, double epsilon) {
    return SharedWidth(a, b) > epsilon && SharedHeight(a, b) > epsilon;
}

// The same text drawn again in the same place (an aspect line is drawn
// once from each of its ends) is one text.
bool SameDrawing(const PrintedBox& a, const PrintedBox& b) {
    constexpr double kSamePlaceUnits = 1e-6;
    return a.text == b.text && a.glyphFont == b.glyphFont &&
           std::fabs(a.left - b.left) < kSamePlaceUnits &&
           std::fabs(a.top - b.top) < kSamePlaceUnits &&
           std::fabs(a.right - b.right) < kSamePlaceUnits &&
           std::fabs(a.bottom - b.bottom) < kSamePlaceUnits;
}

}  // namespace

// Liang-Barsky clipping of the segment to the shrunk box.
bool LineRunsThroughBox(const DrawnLine& line, const PrintedBox& box, double epsilon) {
    const double left = box.left + epsilon;
    const double right = box.right - epsilon;
    const double bottom = box.bottom + epsilon;
    const double top = box.top - epsilon;
    if (left >= right || bottom >= top) {
        return false;
    }
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    double enter = 0;
    double leave = 1;
    const auto clip = [&](double towards, double room) {
        if (towards == 0) {
            return room >= 0;
        }
        const double t = room / towards;
        if (towards < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        return enter <= leave;
    };
    return clip(-dx, line.x1 - left) && clip(dx, right - line.x1) && clip(-dy, line.y1 - bottom) &&
           clip(dy, top - line.y1);
}

std::vector<int> TextOfEachBox(const std::vector<PrintedBox>& boxes, const OverlapRule& rule) {
    std::vector<int> textOf(boxes.size());
    int text = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const PrintedBox& box = boxes[i];
        const auto earlier = std::find_if(boxes.begin(), boxes.begin() + static_cast<long>(i),
                                          [&](const PrintedBox& b) { return SameDrawing(b, box); });
        if (earlier != boxes.begin() + static_cast<long>(i)) {
            textOf[i] = textOf[static_cast<std::size_t>(earlier - boxes.begin())];
            continue;
        }
        const bool continues = i > 0 && box.followsPrevious && box.glyphFont &&
                               boxes[i - 1].glyphFont && !IsPointGlyph(box) &&
                               Meets(boxes[i - 1], box, rule.joinGapUnits);
        if (!continues) {
            ++text;
        }
        textOf[i] = text;
    }
    return textOf;
}

std::vector<std::pair<int, int>> OverlappingTextPairs(const std::vector<PrintedBox>& boxes,
                                                      const OverlapRule& rule) {
    const std::vector<int> textOf = TextOfEachBox(boxes, rule);
    std::set<std::pair<int, int>> pairs;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            if (textOf[i] != textOf[j] && Overlap(boxes[i], boxes[j], rule.epsilonUnits)) {
                pairs.insert(std::minmax(textOf[i], textOf[j]));
            }
        }
    }
    return {pairs.begin(), pairs.end()};
}

std::vector<std::pair<int, int>> CrowdedLabelParts(const std::vector<PrintedBox>& boxes,
                                                   const OverlapRule& rule) {
    const std::vector<int> textOf = TextOfEachBox(boxes, rule);
    std::vector<std::pair<int, int>> pairs;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (std::size_t j = i + 1; j < boxes.size() && textOf[j] == textOf[i]; ++j) {
            const PrintedBox& a = boxes[i];
            const PrintedBox& b = boxes[j];
            const double lowerHeight = std::min(a.top - a.bottom, b.top - b.bottom);
            if (!SameDrawing(a, b) && std::fabs(a.top - b.top) < lowerHeight / 2 &&
                SharedWidth(a, b) > rule.epsilonUnits) {
                pairs.emplace_back(static_cast<int>(i), static_cast<int>(j));
            }
        }
    }
    return pairs;
}

std::vector<int> TextsCrossedByLines(const std::vector<PrintedBox>& boxes,
                                     const std::vector<DrawnLine>& lines, const OverlapRule& rule) {
    const std::vector<int> textOf = TextOfEachBox(boxes, rule);
    std::set<int> crossed;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        for (const DrawnLine& line : lines) {
            if (LineRunsThroughBox(line, boxes[i], rule.epsilonUnits)) {
                crossed.insert(textOf[i]);
                break;
            }
        }
    }
    return {crossed.begin(), crossed.end()};
}

}  // namespace solvaris
