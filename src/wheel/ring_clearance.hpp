// How a ring's label keeps clear of the labels and leader lines of the
// rings laid out before it, and of its own ring's other labels.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/printed_box.hpp"
#include "wheel/ring_layout.hpp"
#include "wheel/ring_parameters.hpp"

namespace solvaris {

// One ring laid out: where its points go, and the boxes of each drawn
// point's label there (in the order of layout.placed).
struct PlacedRing {
    RingRole role;
    RingLayout layout;
    std::vector<std::vector<PrintedBox>> labels;
    // The leader lines of labels standing in a borrowed band, which the
    // labels laid out after them keep clear of.
    std::vector<DrawnLine> leaders;
};

bool CrossesLabel(const DrawnLine& line, const std::vector<PrintedBox>& label);
bool CrossesAnyLabel(const DrawnLine& line, const std::vector<PlacedRing>& rings);
// Whether the line runs through a label of the outer rings or another label
// (not `self`) of its own ring.
bool CrossesOtherLabel(const DrawnLine& line, const std::vector<PlacedRing>& outer,
                       const std::vector<std::vector<PrintedBox>>& ringLabels, std::size_t self);

// The tick on a ring's outer circle at a point's true place, and the line
// from its inner end to the point's label.
DrawnLine TickAt(double ringOuter, double trueAngle);
DrawnLine LeaderOf(const DrawnLine& tick, const PrintedBox& end);

// A label is led to by its glyph; one standing in the band above its ring
// by the end of its label nearest its ring.
const PrintedBox& LeaderEnd(const std::vector<PrintedBox>& label, bool aboveItsRing);

// Whether the leader runs through a part of its own label other than the
// one it leads to.
bool CrossesOwnLabel(const DrawnLine& leader, const std::vector<PrintedBox>& label,
                     const PrintedBox& end);

// Whether a leader line of the ring or of an outer ring runs through the
// label.
bool OnAnyLeader(const std::vector<PrintedBox>& label, const std::vector<PlacedRing>& outer,
                 const PlacedRing& ring);

// Whether every box lies within the band, clear of its outer circle where
// the rings turn their labels.
bool InBand(const std::vector<PrintedBox>& boxes, const RingBand& band, bool clearOfOuter);

// Whether the label lies over a label of the outer rings or over another
// label (not `self`) of its own ring.
bool OverAnyLabel(const std::vector<PrintedBox>& label, const std::vector<PlacedRing>& rings,
                  const std::vector<std::vector<PrintedBox>>& ringLabels, std::size_t self);

// The box that a label covers on its way from where it stands to a shift
// of (shiftX, shiftY).
PrintedBox SweptRegion(const std::vector<PrintedBox>& label, double shiftX, double shiftY);

// The boxes of every other label that reach into a region: the only ones a
// label sliding within that region can meet.
std::vector<const PrintedBox*> LabelsNear(const PrintedBox& region,
                                          const std::vector<PlacedRing>& rings,
                                          const std::vector<std::vector<PrintedBox>>& ringLabels,
                                          std::size_t self);
bool OverAnyOf(const std::vector<PrintedBox>& label, const std::vector<const PrintedBox*>& near);

}  // namespace solvaris
