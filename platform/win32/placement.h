#pragma once
// Placement arithmetic of the Win32 window library. It needs no Windows header, so it is tested natively.
#include <vector>

namespace platform::win32 {

// A rectangle in pixels; right and bottom lie just outside it, as in a Win32 RECT.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

namespace placement_detail {

// How far a span [low, high) must move to lie inside [areaLow, areaHigh): not at all when it fits; when it
// is longer than the area, its start is aligned with the area's start so the title bar stays reachable.
inline int ShiftInto(int low, int high, int areaLow, int areaHigh) {
    int shift = 0;
    if (high > areaHigh) {
        shift = areaHigh - high;
    }
    if (low + shift < areaLow) {
        shift = areaLow - low;
    }
    return shift;
}

} // namespace placement_detail

// The window keeps its designed place when it lies fully inside the work area; otherwise it moves just
// enough to do so. Its size never changes.
inline Rect FitToWorkArea(const Rect& window, const Rect& workArea) {
    const int dx = placement_detail::ShiftInto(window.left, window.right, workArea.left, workArea.right);
    const int dy = placement_detail::ShiftInto(window.top, window.bottom, workArea.top, workArea.bottom);
    return Rect{window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

// The rows of a one-column radio group of the given size, relative to the group: below the frame's caption
// line, `count` rows of equal height share the rest of the height with no scrolling, and the pixels left
// over are split above and below them. `lineHeight` is the height of one line of the group's font.
inline std::vector<Rect> RadioItemRects(int width, int height, int count, int lineHeight) {
    std::vector<Rect> rows;
    if (count <= 0) {
        return rows;
    }
    constexpr int kSideMargin = 8;
    const int available = height > lineHeight + 5 ? height - lineHeight - 5 : 0;
    const int rowHeight = available / count;
    const int top = lineHeight + 1 + (available % count) / 2;
    const int right = width > 2 * kSideMargin ? width - kSideMargin : kSideMargin;
    for (int i = 0; i < count; ++i) {
        rows.push_back(Rect{kSideMargin, top + i * rowHeight, right, top + (i + 1) * rowHeight});
    }
    return rows;
}

} // namespace platform::win32
