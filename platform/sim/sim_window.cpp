#include "platform/sim/sim_window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace platform::sim {

namespace {

bool ShowsAccelerators(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::CheckBox || kind == ControlKind::GroupBox;
}

// Drops the "&" that marks an accelerator and turns "&&" into one "&".
std::string WithoutAccelerators(const std::string& caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
        }
        shown += caption[i];
    }
    return shown;
}

} // namespace

SimControl::SimControl(ControlDesign design, std::function<void()> onClick)
    : design_(std::move(design)), onClick_(std::move(onClick)), caption_(design_.caption),
      items_(design_.items) {}

std::string SimControl::Caption() const {
    return caption_;
}

void SimControl::SetCaption(const std::string& text) {
    caption_ = text;
}

bool SimControl::Checked() const {
    return design_.kind == ControlKind::CheckBox && checked_;
}

void SimControl::SetChecked(bool checked) {
    if (design_.kind == ControlKind::CheckBox) {
        checked_ = checked;
    }
}

std::vector<std::string> SimControl::Items() const {
    return items_;
}

void SimControl::SetItems(const std::vector<std::string>& items) {
    if (design_.kind == ControlKind::RadioGroup) {
        items_ = items;
        itemIndex_ = -1;
    }
}

int SimControl::ItemIndex() const {
    return itemIndex_;
}

void SimControl::SetItemIndex(int index) {
    const bool inRange = index >= 0 && static_cast<std::size_t>(index) < items_.size();
    itemIndex_ = inRange ? index : -1;
}

std::string SimControl::DisplayedCaption() const {
    return ShowsAccelerators(design_.kind) ? WithoutAccelerators(caption_) : caption_;
}

void SimControl::Click() {
    if (design_.kind == ControlKind::CheckBox) {
        checked_ = !checked_;
    }
    RunHandler();
}

void SimControl::ChooseItem(int index) {
    if (design_.kind != ControlKind::RadioGroup || index < 0 ||
        static_cast<std::size_t>(index) >= items_.size()) {
        throw std::out_of_range("no item " + std::to_string(index) + " in " + design_.name);
    }
    if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    RunHandler();
}

void SimControl::Tick(bool checked) {
    if (design_.kind != ControlKind::CheckBox) {
        throw std::logic_error(design_.name + " is not a check box");
    }
    if (checked != checked_) {
        Click();
    }
}

void SimControl::RunHandler() {
    if (onClick_) {
        onClick_();
    }
}

SimForm::SimForm(FormDesign design, std::weak_ptr<SimForm*> registration)
    : design_(std::move(design)), registration_(std::move(registration)) {}

SimForm::~SimForm() {
    if (auto slot = registration_.lock(); slot && *slot == this) {
        *slot = nullptr;
    }
}

Control& SimForm::AddControl(const ControlDesign& design, std::function<void()> onClick) {
    if (FindControl(design.name) != nullptr) {
        throw std::invalid_argument("a second control named " + design.name);
    }
    if (!design.parent.empty() && FindControl(design.parent) == nullptr) {
        throw std::invalid_argument(design.name +
                                    " names a parent that does not exist yet: " + design.parent);
    }
    controls_.push_back(std::make_unique<SimControl>(design, std::move(onClick)));
    return *controls_.back();
}

Control* SimForm::FindControl(const std::string& name) {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [&](const auto& control) { return control->Design().name == name; });
    return found == controls_.end() ? nullptr : found->get();
}

WindowHandle SimForm::Handle() const {
    return const_cast<SimForm*>(this);
}

void SimForm::Show() {
    shown_ = true;
    const SimControl* first = FirstTabStop("");
    focused_ = first != nullptr ? first->Design().name : std::string();
}

int SimForm::Run() {
    return 0;
}

void SimForm::Close() {
    closed_ = true;
}

SimControl& SimForm::Get(const std::string& name) {
    Control* control = FindControl(name);
    if (control == nullptr) {
        throw std::out_of_range("no control named " + name);
    }
    return static_cast<SimControl&>(*control);
}

std::vector<std::string> SimForm::CreationOrder() const {
    std::vector<std::string> names;
    for (const auto& control : controls_) {
        names.push_back(control->Design().name);
    }
    return names;
}

// Walks the children of `parent` in tab order as Windows does: buttons and check boxes take the focus, a
// radio group only when an item is selected, and a group box or panel hands on to its own children.
const SimControl* SimForm::FirstTabStop(const std::string& parent) const {
    std::vector<const SimControl*> children;
    for (const auto& control : controls_) {
        if (control->Design().parent == parent && control->Design().tabOrder >= 0) {
            children.push_back(control.get());
        }
    }
    std::stable_sort(children.begin(), children.end(), [](const auto* a, const auto* b) {
        return a->Design().tabOrder < b->Design().tabOrder;
    });
    for (const SimControl* child : children) {
        switch (child->Design().kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
            return child;
        case ControlKind::RadioGroup:
            if (child->ItemIndex() >= 0) {
                return child;
            }
            break;
        case ControlKind::GroupBox:
        case ControlKind::Panel:
            if (const SimControl* inner = FirstTabStop(child->Design().name)) {
                return inner;
            }
            break;
        case ControlKind::Label:
            break;
        }
    }
    return nullptr;
}

std::unique_ptr<Form> SimWindowLibrary::CreateForm(const FormDesign& design) {
    auto form = std::make_unique<SimForm>(design, lastForm_);
    *lastForm_ = form.get();
    return form;
}

} // namespace platform::sim
