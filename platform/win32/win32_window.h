#pragma once
#include "platform/window.h"

#include <memory>

namespace platform::win32 {

struct WindowLibraryShared;

// Forms built of real Win32 controls. Every control is a child window whose window text is its caption
// and whose control ID is its creation index plus kFirstControlId; check boxes are children of their group
// box, and a radio group's buttons children of its frame, numbered from 1000 in item order. Buttons carry
// their hint as a tooltip (TTF_IDISHWND, one tooltip window owned by the form). Layout designed at 96 pixels
// per inch is scaled to the monitor's DPI and follows it when the window moves to another monitor. The
// library must outlive the forms it creates.
class Win32WindowLibrary final : public WindowLibrary {
public:
    static constexpr int kFirstControlId = 100;
    static constexpr const wchar_t* kFormClassName = L"TrimlodeForm";

    // `iconResourceId`: the program icon in the executable's resources, shown on every form; 0 for none.
    explicit Win32WindowLibrary(int iconResourceId = 0);
    ~Win32WindowLibrary() override;
    Win32WindowLibrary(const Win32WindowLibrary&) = delete;
    Win32WindowLibrary& operator=(const Win32WindowLibrary&) = delete;

    std::unique_ptr<Form> CreateForm(const FormDesign& design) override;

private:
    std::unique_ptr<WindowLibraryShared> shared_;
};

} // namespace platform::win32
