#include "core/item_text.h"

#include <cctype>

namespace lm {

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

int FindItem(const std::vector<std::string>& items, std::string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (SameLetters(items[i], text)) return static_cast<int>(i);
    return -1;
}

namespace {

int FirstBeginningWith(const std::vector<std::string>& items, std::string_view start) {
    if (start.empty()) return -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].size() >= start.size() &&
            SameLetters(std::string_view(items[i]).substr(0, start.size()), start))
            return static_cast<int>(i);
    return -1;
}

}  // namespace

int ChooseByTyping(const std::vector<std::string>& items, std::string& typed, std::string_view key) {
    typed += key;
    int index = FirstBeginningWith(items, typed);
    if (index < 0) {
        typed = key;
        index = FirstBeginningWith(items, typed);
    }
    if (index < 0) typed.clear();
    return index;
}

}  // namespace lm
