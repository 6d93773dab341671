#pragma once
#include "install/selection.h"
#include "platform/platform.h"
#include "removal/move_report.h"
#include "tools/launchers.h"

#include <functional>
#include <memory>
#include <string>

namespace ui {

// The main window: built from the control table, it routes every click to one short handler. The handlers
// keep no state of their own; they work on the application state, the controls and the platform.
class TForm1 {
public:
    using Handler = void (TForm1::*)();

    TForm1(install::AppState& state, platform::Platform& platform);
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // Runs one handler the way every event runs it: an error that stops the handler is shown in the error
    // box, and the program goes on.
    void Dispatch(Handler handler);

    void Show() { window_->Show(); }
    int Run() { return window_->Run(); }

    // The event handlers, named after the control and the event.
    void FormCreate();
    void OSSelectionRadioGroupClick();
    void ConfirmOSChoiceClick();
    void ExcecuteSelectionButtonClick();
    void resetfileClick();
    void Button3Click();
    void Button1Click();
    void HelpClick();
    void ExitButtonClick();
    void yahooClick() {}
    void aimClick() {}
    void msnClick() {}

private:
    void Fill();
    void Say(const std::string& text);
    bool GuardConfirmed();
    removal::MoveReport RunWaiting(const std::function<removal::MoveReport()>& run);
    std::string OSName() const;
    bool Ticked(const std::string& checkBox) const;
    void Open(const tools::Launch& launch);
    void ShowRunOutcome(const char* activity, const std::function<removal::MoveReport()>& run);

    install::AppState& state_;
    platform::Platform& platform_;
    std::unique_ptr<platform::Form> window_;
    platform::Control* OSSelectionRadioGroup = nullptr;
    platform::Control* OSConfirmed = nullptr;
};

} // namespace ui
