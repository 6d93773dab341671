#include "platform/win32/placement.h"

#include <gtest/gtest.h>

#include <ostream>

namespace platform::win32 {

void PrintTo(const Rect& r, std::ostream* out) {
    *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

} // namespace platform::win32

namespace {

using platform::win32::FitToWorkArea;
using platform::win32::RadioItemRects;
using platform::win32::Rect;

Rect At(int left, int top, int width, int height) {
    return Rect{left, top, left + width, top + height};
}

struct FitCase {
    const char* what;
    Rect window;
    Rect workArea;
    Rect expected;
};

TEST(WindowPlacement, KeepsTheDesignedPlaceWhenItFitsAndMovesJustEnoughOtherwise) {
    const Rect fullHd = At(0, 0, 1920, 1040);
    const FitCase cases[] = {
        {"fits: designed place kept", At(679, 483, 782, 426), fullHd, At(679, 483, 782, 426)},
        {"touching every edge still fits", At(0, 0, 1920, 1040), fullHd, At(0, 0, 1920, 1040)},
        {"1366 x 768 laptop, taskbar below", At(679, 483, 782, 426), At(0, 0, 1366, 728),
         At(584, 302, 782, 426)},
        {"1024 x 600 netbook", At(679, 483, 782, 426), At(0, 0, 1024, 570), At(242, 144, 782, 426)},
        {"only the bottom sticks out", At(100, 483, 782, 426), At(0, 0, 1366, 728), At(100, 302, 782, 426)},
        {"125 % on full HD", At(679, 483, 978, 533), fullHd, At(679, 483, 978, 533)},
        {"taskbar on the left", At(10, 10, 782, 426), At(60, 0, 1366, 768), At(60, 10, 782, 426)},
        {"above and left of the area", At(-300, -50, 782, 426), fullHd, At(0, 0, 782, 426)},
        {"monitor left of the primary", At(-500, 483, 782, 426), At(-1280, 0, 1280, 1024),
         At(-782, 483, 782, 426)},
        {"larger than the area: title bar stays reachable", At(679, 483, 782, 426), At(0, 0, 640, 400),
         At(0, 0, 782, 426)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitToWorkArea(c.window, c.workArea), c.expected) << c.what;
    }
}

TEST(WindowPlacement, RadioItemsShareTheHeightEvenlyBelowTheCaptionLine) {
    const int width = 281, height = 185, lineHeight = 13;
    for (int count : {1, 2, 3, 9, 14}) {
        const auto rows = RadioItemRects(width, height, count, lineHeight);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(count));
        const int rowHeight = rows[0].Height();
        EXPECT_EQ(rowHeight, (height - lineHeight - 5) / count) << count;
        EXPECT_GT(rows.front().top, lineHeight) << "below the frame's caption line, " << count;
        EXPECT_LE(rows.back().bottom, height - 2) << "inside the frame, " << count;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].Height(), rowHeight) << count << " row " << i;
            EXPECT_EQ(rows[i].left, rows[0].left);
            EXPECT_EQ(rows[i].right, rows[0].right);
            if (i > 0) {
                EXPECT_EQ(rows[i].top, rows[i - 1].bottom) << "no gaps, " << count << " row " << i;
            }
        }
        const int above = rows.front().top - (lineHeight + 1);
        const int below = (height - 4) - rows.back().bottom;
        EXPECT_LE(above - below, 1) << "leftover pixels split above and below, " << count;
        EXPECT_LE(below - above, 1) << count;
    }
    EXPECT_EQ(RadioItemRects(width, height, 9, lineHeight)[0], (Rect{8, 16, 273, 34}));
}

TEST(WindowPlacement, RadioItemsWithoutRoomNeverGetNegativeSizes) {
    EXPECT_TRUE(RadioItemRects(281, 185, 0, 13).empty());
    for (const auto& row : RadioItemRects(10, 12, 3, 13)) {
        EXPECT_GE(row.Width(), 0);
        EXPECT_EQ(row.Height(), 0);
    }
    for (const auto& row : RadioItemRects(281, 185, 400, 13)) {
        EXPECT_EQ(row.Height(), 0) << "more items than pixels: squeezed, never scrolled or overlapping";
    }
}

} // namespace
