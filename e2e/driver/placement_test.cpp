// The whole window on the screen it opens on. The end-to-end run repeats this test on a 1366 x 768 screen,
// where the designed position would put the lower right part of the window off screen.
#include "e2e/driver/fixture.h"
#include "ui/control_table.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

bool Fits(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST_F(TrimlodeTest, WholeWindowLiesInTheWorkArea) {
    auto app = Start();
    HWND main = app.MainWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor));
    RECT window{};
    GetWindowRect(main, &window);
    const RECT& work = monitor.rcWork;
    EXPECT_TRUE(Fits(window, work)) << "window " << window.left << "," << window.top << " - " << window.right
                                    << "," << window.bottom << " in work area " << work.right << " x "
                                    << work.bottom;
    // Where the designed place fits, the window keeps it.
    const auto& form = ui::MainFormDesign();
    const RECT designed{form.left, form.top, form.left + (window.right - window.left),
                        form.top + (window.bottom - window.top)};
    if (Fits(designed, work)) {
        EXPECT_EQ(window.left, form.left);
        EXPECT_EQ(window.top, form.top);
    }
}

} // namespace
} // namespace e2e
