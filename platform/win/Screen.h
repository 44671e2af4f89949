#pragma once
// The application-wide mouse pointer, set by long operations (11, the hourglass) and reset to
// the default (0) when they end.

namespace win {

constexpr int vbDefault = 0;
constexpr int vbArrow = 1;
constexpr int vbIbeam = 3;
constexpr int vbHourglass = 11;
constexpr int vbArrowHourglass = 13;

class Screen {
public:
    // The value last set; 0 at start.
    static int MousePointer();

    // 1..15 show the pointer of that number over every window of the application; setting it
    // again only changes the shape. 0 takes away what this layer put up, however often it was
    // set, and leaves pointers set by other code in place. Other numbers raise ComError 380.
    static void setMousePointer(int pointer);
};

} // namespace win
