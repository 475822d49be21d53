// The data window as the report buffer sees it: a text box that shows the
// current report, its More menu, and whether it is minimised. The Qt window
// and the headless recorder implement it.
#pragma once

#include <cstddef>
#include <string>

namespace solvaris {

class DataWindowView {
public:
    virtual ~DataWindowView() = default;
    virtual bool Minimised() const = 0;
    // The longest text the text box can hold, in bytes.
    virtual std::size_t TextCapacity() const = 0;
    virtual void SetText(const std::string& text) = 0;
    // Shows the window (non-modal) with this caption.
    virtual void Show(const std::string& caption) = 0;
    virtual void SetMoreMenuVisible(bool visible) = 0;
    virtual void SetMoreNewDateVisible(bool visible) = 0;
};

}  // namespace solvaris
