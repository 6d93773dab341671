#pragma once
#include "platform/dialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform::sim {

// Dialogs answered from a script that a test queues up; each one shown is recorded. A question or input
// box with no scripted answer throws std::logic_error, so an unexpected dialog fails the test.
class SimDialogs : public Dialogs {
public:
    struct ShownDialog {
        enum class Kind { Message, ErrorQuestion, Input, ErrorBox } kind;
        std::string caption, text;    // for Input, the text is the prompt
        int maxLength = 0;            // Input only
        std::string defaultText = {}; // Input only
    };

    void SetOwner(WindowHandle owner) override { owner_ = owner; }
    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool AskErrorOkCancel(const std::string& caption, const std::string& text) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText, int maxLength) override;
    void ShowErrorBox(const std::string& caption, const std::string& text) override;

    const std::vector<ShownDialog>& History() const { return history_; }
    // The texts of plain messages only, in the order shown.
    std::vector<std::string> Messages() const;
    WindowHandle Owner() const { return owner_; }

    // The next error question is answered OK (true) or Cancel (false).
    void QueueAnswer(bool ok) { answers_.push_back(ok); }
    // The next input box gets `typed` (cut to its maximum length) and OK; nullopt answers Cancel.
    void QueueInput(std::optional<std::string> typed) { inputs_.push_back(std::move(typed)); }

private:
    std::vector<ShownDialog> history_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> inputs_;
    WindowHandle owner_ = nullptr;
};

} // namespace platform::sim
