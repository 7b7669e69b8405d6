#include "widgets/window_language.h"

namespace lm {

namespace {

struct Source {
    const Preferences* preferences = nullptr;
    const TLanguage* messages = nullptr;
};

Source& Current() {
    static Source source;
    return source;
}

}  // namespace

void UseWindowLanguage(const Preferences& preferences, const TLanguage& messages) {
    Current() = {&preferences, &messages};
}

const Preferences& WindowPreferences() {
    static const Preferences builtIn;
    return Current().preferences != nullptr ? *Current().preferences : builtIn;
}

const TLanguage& WindowMessages() {
    static const TLanguage builtIn;
    return Current().messages != nullptr ? *Current().messages : builtIn;
}

std::string WindowMessageText(std::string_view key, std::string_view fallback) {
    return MessageText(WindowMessages(), key, fallback);
}

}  // namespace lm
