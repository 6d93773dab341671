#include "platform/sim/sim_dialogs.h"

#include "platform/utf8.h"

#include <stdexcept>

namespace platform::sim {

void SimDialogs::ShowMessage(const std::string& caption, const std::string& text) {
    history_.push_back({ShownDialog::Kind::Message, caption, text});
}

bool SimDialogs::AskErrorOkCancel(const std::string& caption, const std::string& text) {
    history_.push_back({ShownDialog::Kind::ErrorQuestion, caption, text});
    if (answers_.empty()) {
        throw std::logic_error("unexpected question: " + text);
    }
    const bool ok = answers_.front();
    answers_.pop_front();
    return ok;
}

std::string SimDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText, int maxLength) {
    history_.push_back({ShownDialog::Kind::Input, caption, prompt, maxLength, defaultText});
    if (inputs_.empty()) {
        throw std::logic_error("unexpected input box: " + prompt);
    }
    std::optional<std::string> typed = std::move(inputs_.front());
    inputs_.pop_front();
    if (!typed) {
        return defaultText;
    }
    // The edit field takes no more than maxLength characters, whatever is typed.
    std::u32string cps = DecodeUtf8(*typed);
    if (maxLength > 0 && cps.size() > static_cast<std::size_t>(maxLength)) {
        cps.resize(static_cast<std::size_t>(maxLength));
        return EncodeUtf8(cps);
    }
    return *typed;
}

void SimDialogs::ShowErrorBox(const std::string& caption, const std::string& text) {
    history_.push_back({ShownDialog::Kind::ErrorBox, caption, text});
}

std::vector<std::string> SimDialogs::Messages() const {
    std::vector<std::string> texts;
    for (const auto& shown : history_) {
        if (shown.kind == ShownDialog::Kind::Message) {
            texts.push_back(shown.text);
        }
    }
    return texts;
}

} // namespace platform::sim
