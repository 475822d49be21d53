// How legible a painted wheel is: the boxes of the texts a paint pass
// printed, gathered into texts, and the pairs of texts that lie over one
// another.
#pragma once

#include <utility>
#include <vector>

#include "platform/printed_box.hpp"

namespace solvaris {

struct OverlapRule {
    // Boxes overlap when they share more than this in width and in height:
    // texts that merely touch, or meet in a sliver thinner than a pixel,
    // do not count.
    double epsilonUnits = 0.5;
    // The parts of one label (a point's glyph, degrees, sign, minutes and
    // retrograde mark; a cusp's five parts) are stepped so that each meets
    // the one before, the spacing options leaving at most this gap.
    double joinGapUnits = 2.0;
};

// The text each box belongs to, numbered from 0 in order. A box with the
// text and the place of an earlier one is that earlier text drawn again. A
// box continues the text of the box before it when it follows that box
// directly, both are in the glyph font, it is not a point's glyph (a
// point's glyph always begins its label) and it meets that box within the
// join gap. Every text of a text face (a heading line) is a text of its
// own.
std::vector<int> TextOfEachBox(const std::vector<PrintedBox>& boxes, const OverlapRule& rule);

// The pairs of texts (by their numbers from TextOfEachBox, smaller first)
// in which some box of one overlaps some box of the other, each pair once.
std::vector<std::pair<int, int>> OverlappingTextPairs(const std::vector<PrintedBox>& boxes,
                                                      const OverlapRule& rule = {});

// The pairs of boxes (by index, smaller first) of one text that stand on
// the same line (their tops less than half the shorter box's height apart)
// and share more than epsilon of their width: a label's parts stepped too
// short, such as a wide glyph over its own degrees. Parts of a label that
// step down or up toward the centre sit on different lines and are meant
// to meet corner to corner.
std::vector<std::pair<int, int>> CrowdedLabelParts(const std::vector<PrintedBox>& boxes,
                                                   const OverlapRule& rule = {});

// Whether the segment runs through the box shrunk by epsilon on every side.
bool LineRunsThroughBox(const DrawnLine& line, const PrintedBox& box, double epsilon);

// The texts (by their numbers from TextOfEachBox, in order, each once)
// through some box of which a line runs more than epsilon inside it: a
// label struck through by a house or aspect line.
std::vector<int> TextsCrossedByLines(const std::vector<PrintedBox>& boxes,
                                     const std::vector<DrawnLine>& lines,
                                     const OverlapRule& rule = {});

}  // namespace solvaris
