#pragma once
// Base of everything a chart owns or shows (pens, fonts, axes, tools, walls,
// titles, series). A property setter stores the new value and, only when it
// differs from the old one, tells the owner through onChange, which in the end
// marks the chart for one full redraw.

#include <functional>
#include <stdexcept>
#include <string>

namespace morvane {

// Raised by a chart setter that refuses a value.
class ChartException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ChartObject {
public:
    ChartObject() = default;
    ChartObject(const ChartObject&) = delete;
    ChartObject& operator=(const ChartObject&) = delete;
    virtual ~ChartObject() = default;

    // Set by the owner; called after every effective change.
    std::function<void()> onChange;

protected:
    void changed() const
    {
        if (onChange)
            onChange();
    }

    template <class T>
    void assign(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        changed();
    }
};

}  // namespace morvane
