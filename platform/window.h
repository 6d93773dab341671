#pragma once
#include "platform/shell.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// A colour is either fixed or one of the system's colours, looked up when the control is drawn.
struct Colour {
    enum class Role { Fixed, WindowText };
    Role role = Role::WindowText;
    Rgb rgb;
};

struct FontStyle {
    std::string face;
    int points = 8;
    bool bold = false;
    Colour colour;
};

enum class ControlKind { Label, Button, RadioGroup, GroupBox, CheckBox, Panel };

// One control of a form, laid out at 96 pixels per inch, relative to its parent's client area.
struct ControlDesign {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string parent; // empty: the form itself
    int left = 0, top = 0, width = 0, height = 0;
    int maxWidth = 0; // how wide the control may grow to the right so its caption shows whole; 0: no growth
    std::string caption; // "&" marks an accelerator, "&&" shows one "&" (buttons, check boxes, group boxes)
    bool useFormFont = true;
    FontStyle font;                 // when not useFormFont
    int tabOrder = -1;              // -1: not a tab stop; otherwise the order within the parent
    std::string hint;               // tooltip; buttons only
    bool anchorBottom = false;      // keeps its distance from the parent's bottom edge
    bool autoSize = false;          // labels: resize to one line of the caption, keeping the top-left corner
    bool alignRight = false;        // labels
    std::vector<std::string> items; // radio groups: the items present before the program fills the list
};

struct FormDesign {
    std::string name;
    std::string caption;
    int left = 0, top = 0;               // designed screen position
    int outerWidth = 0, outerHeight = 0; // frame included
    int clientWidth = 0, clientHeight = 0;
    Rgb background;
    FontStyle font;
};

// What the program reads and writes of a control. Operations that do not apply to a kind are ignored
// (setters) or give neutral values (getters).
class Control {
public:
    virtual ~Control() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
    virtual std::vector<std::string> Items() const = 0;
    // Replaces the items, none selected; each is shown as it is, never as an accelerator.
    virtual void SetItems(const std::vector<std::string>& items) = 0;
    virtual int ItemIndex() const = 0;        // -1: none selected
    virtual void SetItemIndex(int index) = 0; // raises no click
};

// The main form. Clicks reach the handler given with each control; a radio group's handler runs when the
// user chooses a different item.
class Form {
public:
    virtual ~Form() = default;
    virtual Control& AddControl(const ControlDesign& design, std::function<void()> onClick) = 0;
    virtual Control* FindControl(const std::string& name) = 0;
    virtual WindowHandle Handle() const = 0;
    virtual void Show() = 0;  // shows the form with the focus on tab order 0
    virtual int Run() = 0;    // runs the event loop until the form is closed
    virtual void Close() = 0; // ends the event loop
    // The wait cursor over the form while the program works without answering the user.
    virtual void ShowWaitCursor(bool waiting) = 0;
};

class WindowLibrary {
public:
    virtual ~WindowLibrary() = default;
    virtual std::unique_ptr<Form> CreateForm(const FormDesign& design) = 0;
};

} // namespace platform
