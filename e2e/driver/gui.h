#pragma once
#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// Looking at and operating the windows of another process, as a person would with mouse and keyboard.
namespace e2e {

// Every wait is bounded, so a program that misbehaves fails its test instead of hanging the run.
constexpr std::chrono::milliseconds kTimeout{10000};

// Calls `probe` until it gives a truthy value or `timeout` has passed; returns the last value.
template <class Probe>
auto Poll(Probe probe, std::chrono::milliseconds timeout = kTimeout) -> decltype(probe()) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        auto value = probe();
        if (value || std::chrono::steady_clock::now() >= deadline)
            return value;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// Like Poll, but a timeout throws std::runtime_error with `what` (the thing waited for).
template <class Probe>
auto WaitFor(const std::string& what, Probe probe, std::chrono::milliseconds timeout = kTimeout)
    -> decltype(probe()) {
    auto value = Poll(probe, timeout);
    if (!value)
        throw std::runtime_error("timed out waiting for " + what);
    return value;
}

std::string WindowText(HWND window);
std::string ClassName(HWND window);
bool IsShown(HWND window); // exists and visible

std::vector<HWND> TopLevelWindows(DWORD processId);
std::vector<HWND> DescendantWindows(HWND parent);
// The first descendant whose text is `text` (and whose class is `className` when given); null if none.
HWND FindDescendant(HWND root, const std::string& text, const std::string& className = {});

// A click as the mouse gives it: the control handles it on its own thread and notifies its parent.
void Click(HWND control);
// The window's rectangle in the client coordinates of `reference`.
RECT RectIn(HWND window, HWND reference);

} // namespace e2e
