#include "ui/Unit1.h"

#include "install/catalogue.h"
#include "install/paths.h"
#include "install/program_files.h"
#include "removal/runs.h"
#include "ui/control_table.h"
#include "ui/texts.h"

#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>

namespace ui {

namespace {

struct Wiring {
    const char* control;
    TForm1::Handler handler;
};

// Which handler each control's click runs; controls not listed have none.
const Wiring kWiring[] = {
    {"OSSelectionRadioGroup", &TForm1::OSSelectionRadioGroupClick},
    {"ConfirmOSChoice", &TForm1::ConfirmOSChoiceClick},
    {"ExcecuteSelectionButton", &TForm1::ExcecuteSelectionButtonClick},
    {"resetfile", &TForm1::resetfileClick},
    {"Button1", &TForm1::Button1Click},
    {"Button3", &TForm1::Button3Click},
    {"Help", &TForm1::HelpClick},
    {"ExitButton", &TForm1::ExitButtonClick},
    {"yahoo", &TForm1::yahooClick},
    {"aim", &TForm1::aimClick},
    {"msn", &TForm1::msnClick},
};

platform::Control& Required(platform::Form& window, const std::string& name) {
    platform::Control* control = window.FindControl(name);
    if (control == nullptr) {
        throw std::logic_error("the main window has no control named " + name);
    }
    return *control;
}

// Shows the wait cursor for as long as it lives.
class WaitCursor {
public:
    explicit WaitCursor(platform::Form& form) : form_(form) { form_.ShowWaitCursor(true); }
    ~WaitCursor() { form_.ShowWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    platform::Form& form_;
};

} // namespace

TForm1::TForm1(install::AppState& state, platform::Platform& platform)
    : state_(state), platform_(platform), window_(platform.windows.CreateForm(MainFormDesign())) {
    for (const platform::ControlDesign& design : MainControls()) {
        std::function<void()> onClick;
        for (const Wiring& wiring : kWiring) {
            if (design.name == wiring.control) {
                onClick = [this, handler = wiring.handler] { Dispatch(handler); };
            }
        }
        window_->AddControl(design, std::move(onClick));
    }
    OSSelectionRadioGroup = &Required(*window_, "OSSelectionRadioGroup");
    OSConfirmed = &Required(*window_, "OSConfirmed");
    platform_.dialogs.SetOwner(window_->Handle());
}

void TForm1::Dispatch(Handler handler) {
    try {
        (this->*handler)();
    } catch (const install::ProgramFilesDirError& error) {
        platform_.dialogs.ShowErrorBox(texts::kProgramName, texts::ProgramFilesDirMessage(error));
    } catch (const platform::HandlerError& error) {
        platform_.dialogs.ShowErrorBox(texts::kProgramName, error.what());
    }
}

// Finds the maker's folders, then lists the installed operating systems. A registry error stops it before
// the list is touched, so the placeholders stay and RimCommonPath stays empty.
void TForm1::FormCreate() {
    state_.RimCommonPath = install::LocateRimCommonPath(platform_.registry, platform_.files);
    Fill();
}

void TForm1::Fill() {
    platform::Status cutShort;
    const auto names = install::ListOperatingSystems(platform_.files, state_.RimCommonPath, cutShort);
    OSSelectionRadioGroup->SetItems(names ? *names : std::vector<std::string>());
    if (!names) {
        Say(texts::kNoOperatingSystems);
    }
    if (!cutShort.ok()) {
        Say(texts::ListCutShort(install::LoaderFilesDir(state_.RimCommonPath), cutShort.message));
    }
}

// Runs only when a different item is chosen, so a confirmed choice survives a click on itself.
void TForm1::OSSelectionRadioGroupClick() {
    state_.OSChoiceConfirmed = false;
    OSConfirmed->SetCaption("");
}

void TForm1::ConfirmOSChoiceClick() {
    const auto chosen =
        install::ChosenOperatingSystem(OSSelectionRadioGroup->Items(), OSSelectionRadioGroup->ItemIndex());
    if (!chosen) {
        Say(texts::kSelectFirst);
        return;
    }
    OSConfirmed->SetCaption(*chosen);
    state_.OSChoiceConfirmed = true;
}

void TForm1::ExcecuteSelectionButtonClick() {
    if (!GuardConfirmed()) {
        return;
    }
    ShowRunOutcome(texts::kRemovalActivity, [this] {
        return removal::RunRemoval(platform_.files, state_.RimCommonPath, OSName(),
                                   [this](const std::string& checkBox) { return Ticked(checkBox); });
    });
}

void TForm1::resetfileClick() {
    if (!GuardConfirmed()) {
        return;
    }
    ShowRunOutcome(texts::kRestoreActivity,
                   [this] { return removal::RunRestore(platform_.files, state_.RimCommonPath, OSName()); });
}

// A run that an unexpected error stops (out of memory, say) leaves every module in one place or the other;
// the user hears what stopped and how to finish, instead of a bare error text.
void TForm1::ShowRunOutcome(const char* activity, const std::function<removal::MoveReport()>& run) {
    removal::MoveReport report;
    try {
        report = RunWaiting(run);
    } catch (const std::exception& error) {
        platform_.dialogs.ShowErrorBox(texts::kProgramName, texts::RunStopped(activity, error.what()));
        return;
    }
    Say(texts::CompletionMessage(report));
}

void TForm1::Button3Click() {
    const std::string typed =
        platform_.dialogs.InputBox(texts::kWipeCaption, texts::kWipePrompt, "", texts::kWipeMaxLength);
    if (!tools::IsWipeConfirmed(typed)) {
        Say(texts::kActionCanceled);
        return;
    }
    Open(tools::WipeLoaderLaunch(state_.RimCommonPath));
}

void TForm1::Button1Click() {
    if (!platform_.dialogs.AskErrorOkCancel(texts::kDesktopManagerCaption, texts::kDesktopManagerQuestion)) {
        return;
    }
    Open(tools::DesktopManagerLaunch(platform_.registry));
}

void TForm1::HelpClick() {
    Open(tools::HelpLaunch(platform_.shell.ExecutableFolder()));
}

// Leaves every file as it is: no question, no putting back.
void TForm1::ExitButtonClick() {
    window_->Close();
}

// A run over a large folder keeps the window from answering for a second or two: the wait cursor says
// it is working. The cursor is back to normal before the outcome is shown.
removal::MoveReport TForm1::RunWaiting(const std::function<removal::MoveReport()>& run) {
    const WaitCursor waiting(*window_);
    return run();
}

// A plain message under the program's name.
void TForm1::Say(const std::string& text) {
    platform_.dialogs.ShowMessage(texts::kProgramName, text);
}

// The removal and restore runs act only on a confirmed choice.
bool TForm1::GuardConfirmed() {
    if (!state_.OSChoiceConfirmed) {
        Say(texts::kConfirmFirst);
    }
    return state_.OSChoiceConfirmed;
}

// The confirmed name is the label's caption, read afresh for every run.
std::string TForm1::OSName() const {
    return OSConfirmed->Caption();
}

bool TForm1::Ticked(const std::string& checkBox) const {
    const platform::Control* box = window_->FindControl(checkBox);
    return box != nullptr && box->Checked();
}

// A program that does not start is reported, so the user is not left waiting for it. A path that is not a
// full path (ProgramFilesDir empty, the program's own folder unknown) would resolve against the current drive
// or folder, where anybody may have planted a program of that name: it is refused, and said so.
void TForm1::Open(const tools::Launch& launch) {
    if (!tools::IsFullPath(launch.file)) {
        Say(texts::CouldNotStart(launch.file, texts::kFolderNotKnown));
        return;
    }
    const platform::Status status = platform_.shell.Open(launch.file, launch.parameters, window_->Handle());
    if (!status.ok()) {
        Say(texts::CouldNotStart(launch.file, status.message));
    }
}

} // namespace ui
