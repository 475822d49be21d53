// The data window for tests and the command line: it keeps what it was
// given to show.
#pragma once

#include <limits>

#include "platform/data_window.hpp"

namespace solvaris {

class RecordingDataWindow : public DataWindowView {
public:
    bool Minimised() const override { return minimised; }
    std::size_t TextCapacity() const override { return capacity; }
    void SetText(const std::string& shown) override { text = shown; }
    void Show(const std::string& shownCaption) override {
        caption = shownCaption;
        ++shows;
    }
    void SetMoreMenuVisible(bool visible) override { moreMenuVisible = visible; }
    void SetMoreNewDateVisible(bool visible) override { moreNewDateVisible = visible; }

    bool minimised = false;
    std::size_t capacity = std::numeric_limits<std::size_t>::max();
    std::string text;
    std::string caption;
    int shows = 0;
    bool moreMenuVisible = false;
    bool moreNewDateVisible = false;
};

}  // namespace solvaris
