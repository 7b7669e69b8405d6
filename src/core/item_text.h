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

}  // namespace lm
