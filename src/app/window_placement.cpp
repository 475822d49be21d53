#include "app/window_placement.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace solvaris {

double TwipsPerPixel(double dotsPerInch) {
    return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : kTwipsPerInch / 96.0;
}

PixelRect TwipsToPixels(const TwipsRect& t, double twipsPerPixel) {
    auto pixels = [twipsPerPixel](double twips) {
        return static_cast<int>(std::lround(std::clamp(twips / twipsPerPixel, -1e6, 1e6)));
    };
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

TwipsRect PixelsToTwips(const PixelRect& p, double twipsPerPixel) {
    return {p.left * twipsPerPixel, p.top * twipsPerPixel, p.width * twipsPerPixel,
            p.height * twipsPerPixel};
}

namespace {

bool ShowsGrip(const PixelRect& window, const PixelRect& screen) {
    const int left = std::max(window.left, screen.left);
    const int right = std::min(window.left + window.width, screen.left + screen.width);
    const int top = std::max(window.top, screen.top);
    const int bottom = std::min(window.top + window.height, screen.top + screen.height);
    return right - left >= std::min(kGripPixels, window.width) &&
           bottom - top >= std::min(kGripPixels, window.height);
}

}  // namespace

PixelRect BringOntoScreen(const PixelRect& window, const std::vector<PixelRect>& screens,
                          ComeBack where) {
    if (screens.empty()) {
        return window;
    }
    for (const PixelRect& screen : screens) {
        if (ShowsGrip(window, screen)) {
            return window;
        }
    }
    const PixelRect& screen = screens.front();
    PixelRect placed = window;
    placed.width = std::clamp(window.width, 1, std::max(1, screen.width));
    placed.height = std::clamp(window.height, 1, std::max(1, screen.height));
    if (where == ComeBack::TopLeft) {
        placed.left = screen.left;
        placed.top = screen.top;
        return placed;
    }
    placed.left = std::clamp(window.left, screen.left, screen.left + screen.width - placed.width);
    placed.top = std::clamp(window.top, screen.top, screen.top + screen.height - placed.height);
    return placed;
}

namespace {

TwipsRect KeptTwips(const Settings& s, KeptWindow window) {
    switch (window) {
        case KeptWindow::Main: return {s.mainLeft, s.mainTop, s.mainWidth, s.mainHeight};
        case KeptWindow::Data:
            return {static_cast<double>(s.dataLeft), static_cast<double>(s.dataTop),
                    static_cast<double>(s.dataWidth), static_cast<double>(s.dataHeight)};
        case KeptWindow::Wheel: return {s.wheelLeft, s.wheelTop, s.wheelWidth, s.wheelHeight};
    }
    return {};
}

std::int16_t Twips16(double twips) {
    return static_cast<std::int16_t>(std::clamp<double>(
        twips, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

}  // namespace

PixelRect PlacementFromSettings(const Settings& settings, KeptWindow window, double twipsPerPixel,
                                const std::vector<PixelRect>& screens) {
    PixelRect placed = TwipsToPixels(KeptTwips(settings, window), twipsPerPixel);
    placed.width = std::max(1, placed.width);
    placed.height = std::max(1, placed.height);
    return BringOntoScreen(placed, screens,
                           window == KeptWindow::Data ? ComeBack::TopLeft : ComeBack::Nearest);
}

void StorePlacement(Settings& s, KeptWindow window, const PixelRect& placed, double twipsPerPixel) {
    const TwipsRect t = PixelsToTwips(placed, twipsPerPixel);
    switch (window) {
        case KeptWindow::Main:
            s.mainLeft = static_cast<float>(t.left);
            s.mainTop = static_cast<float>(t.top);
            s.mainWidth = static_cast<float>(t.width);
            s.mainHeight = static_cast<float>(t.height);
            return;
        case KeptWindow::Data:
            s.dataLeft = Twips16(t.left);
            s.dataTop = Twips16(t.top);
            s.dataWidth = Twips16(t.width);
            s.dataHeight = Twips16(t.height);
            return;
        case KeptWindow::Wheel:
            s.wheelLeft = t.left;
            s.wheelTop = t.top;
            s.wheelWidth = t.width;
            s.wheelHeight = t.height;
            return;
    }
}

PixelRect DefaultWheelPlacement(const DisplayProfile& profile, double twipsPerPixel,
                                const std::vector<PixelRect>& screens,
                                std::optional<int> belowTop) {
    PixelRect placed = TwipsToPixels({0, 0, static_cast<double>(profile.wheelWidthTwips),
                                      static_cast<double>(profile.wheelHeightTwips)},
                                     twipsPerPixel);
    if (!screens.empty()) {
        const PixelRect& screen = screens.front();
        placed.left = screen.left + (screen.width - placed.width) / 2;
        placed.top = screen.top;
        if (belowTop) {
            placed.top = std::max(placed.top, *belowTop);
            placed.height = std::min(placed.height, screen.top + screen.height - placed.top);
        }
    }
    placed.width = std::max(1, placed.width);
    placed.height = std::max(1, placed.height);
    return BringOntoScreen(placed, screens);
}

std::vector<PixelRect> RowBelow(const PixelRect& above, std::vector<PixelRect> frames,
                                int gapPixels, const PixelRect& screen) {
    int rowWidth = 0;
    for (const PixelRect& frame : frames) {
        rowWidth += frame.width + (rowWidth > 0 ? gapPixels : 0);
    }
    const int past = above.left + rowWidth - (screen.left + screen.width);
    int left = std::max(above.left - std::max(past, 0), screen.left);
    for (PixelRect& frame : frames) {
        frame.left = left;
        frame.top = above.top + above.height + gapPixels;
        left += frame.width + gapPixels;
        // A row wider than the screen: its last windows overlap, on it.
        frame = KeepWithin(frame, screen);
    }
    return frames;
}

int LastInRowWidth(const std::vector<PixelRect>& frames, int wanted, int gapPixels,
                   const PixelRect& screen) {
    if (frames.empty()) {
        return wanted;
    }
    int others = 0;
    for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
        others += frames[i].width + gapPixels;
    }
    return std::max(std::min(wanted, screen.width - others), frames.back().width);
}

PixelRect InPlaceOf(const PixelRect& replaced, const PixelRect& frame, const PixelRect& screen) {
    PixelRect placed = frame;
    placed.left = replaced.left;
    placed.top = replaced.top;
    const int room = screen.left + screen.width - replaced.left;
    placed.width = std::max(std::min(frame.width, room), replaced.width);
    return KeepWithin(placed, screen);
}

PixelRect KeepWithin(const PixelRect& frame, const PixelRect& area) {
    PixelRect kept = frame;
    kept.left = std::max(area.left, std::min(frame.left, area.left + area.width - frame.width));
    kept.top = std::max(area.top, std::min(frame.top, area.top + area.height - frame.height));
    return kept;
}

PixelRect BesideFrame(const PixelRect& beside, const PixelRect& frame, const PixelRect& screen) {
    const int screenRight = screen.left + screen.width;
    int left = beside.left + beside.width;
    if (left + frame.width > screenRight) {
        left = beside.left - frame.width;
    }
    if (left < screen.left) {
        left = screenRight - frame.width;
    }
    PixelRect placed = frame;
    placed.left = std::max(left, screen.left);
    placed.top = std::clamp(beside.top, screen.top,
                            std::max(screen.top, screen.top + screen.height - frame.height));
    return placed;
}

PixelRect RightHalf(const PixelRect& window, const PixelRect& screen) {
    const int half = screen.width / 2;
    return {screen.left + half, window.top, half, window.height};
}

PixelRect LeftOfWheel(const PixelRect& wheel, const PixelRect& screen, int extraHeightPixels) {
    return {screen.left, wheel.top, wheel.width, wheel.height + extraHeightPixels};
}

}  // namespace solvaris
