// Drawing the prepared wheel of the session on any canvas: the wheel state
// loaded from the last Wheels command, the data files, the aspect layers
// with the orbs in force. The window, the image export and the ASCII chart
// share it.
#pragma once

#include <string>

#include "app/session.hpp"
#include "base/problem.hpp"
#include "platform/canvas.hpp"
#include "platform/platform.hpp"
#include "wheel/wheel_data.hpp"
#include "wheel/wheel_state.hpp"

namespace solvaris {

struct WheelDrawing {
    WheelState state;
    WheelData data;
};

// The session's prepared wheel as a state to paint, with the program
// folder's HCDATA.DAT and RADIUS.DAT. Empty on success, else the message.
Problem LoadWheelDrawing(const Session& session, bool european, WheelDrawing& drawing);

// One paint pass on the canvas, whose area is `width` by `height` (for the
// window; the printed page has its own scale), with the aspect lines and
// the printed aspect grid as the options ask.
void PaintSessionWheel(Session& session, WheelDrawing& drawing, Canvas& canvas, Platform& platform,
                       double width, double height);

}  // namespace solvaris
