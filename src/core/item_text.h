#pragma once
// Matching typed text against the items of a drop-down list.
#include <string>
#include <string_view>
#include <vector>

namespace lm {

// Whether a and b hold the same letters without regard to case.
bool SameLetters(std::string_view a, std::string_view b);
// The index of text in items without regard to case; -1 when it is none of them.
int FindItem(const std::vector<std::string>& items, std::string_view text);
// Choosing an item of a list-only box by typing: key is added to what was typed so far, and the first item
// that begins with all of it, without regard to case, is chosen. When no item begins so, typing starts again
// with key alone. typed becomes what now counts as typed (empty when nothing matches); the result is the
// index of the chosen item, -1 for none.
int ChooseByTyping(const std::vector<std::string>& items, std::string& typed, std::string_view key);

}  // namespace lm
