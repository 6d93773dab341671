#pragma once
#include "platform/window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform::sim {

// A control without a window: it keeps what the program sets and what a test does to it.
class SimControl : public Control {
public:
    SimControl(ControlDesign design, std::function<void()> onClick);

    std::string Caption() const override;
    void SetCaption(const std::string& text) override;
    bool Checked() const override;
    void SetChecked(bool checked) override;
    std::vector<std::string> Items() const override;
    void SetItems(const std::vector<std::string>& items) override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;

    const ControlDesign& Design() const { return design_; }
    // The caption as the screen shows it: buttons, check boxes and group boxes drop a single "&" and show
    // "&&" as one "&"; labels show their caption as it is.
    std::string DisplayedCaption() const;
    // What a user's click does: a check box changes its tick first; then the handler runs, if any.
    void Click();
    // A user's choice in a radio group; the handler runs only when the choice differs from the selection.
    void ChooseItem(int index);
    // A user ticking or clearing a check box; the handler runs when the tick changes.
    void Tick(bool checked);

private:
    void RunHandler();

    ControlDesign design_;
    std::function<void()> onClick_;
    std::string caption_;
    bool checked_ = false;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// A form without a window. Run returns at once; a test drives the form through its controls instead.
class SimForm : public Form {
public:
    SimForm(FormDesign design, std::weak_ptr<SimForm*> registration);
    ~SimForm() override;
    SimForm(const SimForm&) = delete;
    SimForm& operator=(const SimForm&) = delete;

    Control& AddControl(const ControlDesign& design, std::function<void()> onClick) override;
    Control* FindControl(const std::string& name) override;
    WindowHandle Handle() const override;
    void Show() override;
    int Run() override;
    void Close() override;
    void ShowWaitCursor(bool waiting) override { waitCursor_ = waiting; }

    const FormDesign& Design() const { return design_; }
    // The control of that name; throws std::out_of_range when there is none, so a mistyped name in a test
    // fails loudly.
    SimControl& Get(const std::string& name);
    const ControlDesign& Design(const std::string& name) { return Get(name).Design(); }
    void Click(const std::string& name) { Get(name).Click(); }
    void ChooseItem(const std::string& name, int index) { Get(name).ChooseItem(index); }
    void Tick(const std::string& name, bool checked) { Get(name).Tick(checked); }

    bool Shown() const { return shown_; }
    bool Closed() const { return closed_; }
    bool WaitCursorShown() const { return waitCursor_; }
    // The control that has the keyboard focus after Show: the first tab stop of the form. Empty before Show.
    std::string FocusedControl() const { return focused_; }
    // Control names in the order they were added.
    std::vector<std::string> CreationOrder() const;

private:
    const SimControl* FirstTabStop(const std::string& parent) const;

    FormDesign design_;
    std::weak_ptr<SimForm*> registration_;
    std::vector<std::unique_ptr<SimControl>> controls_;
    bool shown_ = false;
    bool closed_ = false;
    bool waitCursor_ = false;
    std::string focused_;
};

class SimWindowLibrary : public WindowLibrary {
public:
    std::unique_ptr<Form> CreateForm(const FormDesign& design) override;
    // The form created last while it exists, otherwise null.
    SimForm* LastForm() const { return *lastForm_; }

private:
    std::shared_ptr<SimForm*> lastForm_ = std::make_shared<SimForm*>(nullptr);
};

} // namespace platform::sim
