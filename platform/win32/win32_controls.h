#pragma once
// The controls of the Win32 window library; only win32_window.cpp builds them.
#include "platform/win32/placement.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"
#include "platform/window.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::win32 {

// What a control needs from the form that holds it.
class FormContext {
public:
    virtual HINSTANCE Instance() const = 0;
    virtual HWND FormWindow() const = 0;
    virtual const SystemApi& System() const = 0;
    // A length designed at 96 pixels per inch, at the form's current DPI.
    virtual int Scale(int designed) const = 0;
    virtual HFONT FontFor(const ControlDesign& design) = 0;
    virtual COLORREF TextColourFor(const ControlDesign& design) const = 0;
    virtual HBRUSH BackgroundBrush() const = 0;
    // Runs a click handler; an exception it raises ends the event loop and is raised again by Form::Run,
    // so it never passes through Windows' own code.
    virtual void RunHandler(const std::function<void()>& handler) = 0;

protected:
    ~FormContext() = default;
};

// One control: a child window whose text is the caption, laid out from its design at the form's DPI.
class Win32Control : public Control {
public:
    Win32Control(FormContext& form, ControlDesign design, std::function<void()> onClick, int id);
    ~Win32Control() override = default;
    Win32Control(const Win32Control&) = delete;
    Win32Control& operator=(const Win32Control&) = delete;

    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Checked() const override;
    void SetChecked(bool checked) override;
    std::vector<std::string> Items() const override { return {}; }
    void SetItems(const std::vector<std::string>&) override {}
    int ItemIndex() const override { return -1; }
    void SetItemIndex(int) override {}

    // Creates the window inside `parent`, in its place, whose designed client height is
    // `parentDesignHeight` (the distance a bottom-anchored control keeps is measured from it).
    virtual void Create(HWND parent, int parentDesignHeight);
    // Called once before the form first shows: creates what waited to see whether it would be needed.
    virtual void BeforeFirstShow() {}
    // Places and sizes the window from the design at the current DPI, relative to the parent's client area.
    virtual void Layout();
    virtual void ApplyFont();
    // Forgets the windows once Windows has destroyed them with the form.
    virtual void Detach() { window_ = nullptr; }
    // Whether the window, or one of its parts, is this control.
    virtual bool Owns(HWND window) const { return window != nullptr && window == window_; }
    virtual void OnCommand(HWND child, UINT code);
    void Draw(const DRAWITEMSTRUCT& item) const;

    HWND Window() const { return window_; }
    const ControlDesign& Design() const { return design_; }
    int Id() const { return id_; }
    bool IsContainer() const;

protected:
    FormContext& form_;
    ControlDesign design_;
    std::function<void()> onClick_;
    HWND window_ = nullptr;

private:
    static LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT ContainerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void FillInside(HDC dc) const;
    bool ClipsInsideFrame(HDC dc) const;
    RECT Placement(HWND parent) const;
    SIZE MeasureCaption() const;
    int CaptionWidth() const;

    int id_;
    int parentDesignHeight_ = 0;
    std::string caption_;
    WNDPROC containerBaseProc_ = nullptr;
};

// A radio group without scrolling: a frame holding one column of radio buttons spread over its height.
class RadioGroupControl final : public Win32Control {
public:
    using Win32Control::Win32Control;

    std::vector<std::string> Items() const override { return items_; }
    void SetItems(const std::vector<std::string>& items) override;
    int ItemIndex() const override { return index_; }
    void SetItemIndex(int index) override;

    void BeforeFirstShow() override;
    void Layout() override;
    void ApplyFont() override;
    void Detach() override;
    bool Owns(HWND window) const override;
    void OnCommand(HWND child, UINT code) override;

private:
    void DestroyButtons();
    void CreateButtons();
    std::vector<Rect> ButtonRows() const;
    void LayoutButtons();
    void ShowSelection();

    std::vector<std::string> items_ = design_.items;
    std::vector<HWND> buttons_;
    int index_ = -1;
    // The designed items stay without buttons until the form shows: the program replaces them first.
    bool buttonsPending_ = true;
};

std::unique_ptr<Win32Control> MakeControl(FormContext& form, const ControlDesign& design,
                                          std::function<void()> onClick, int id);

} // namespace platform::win32
