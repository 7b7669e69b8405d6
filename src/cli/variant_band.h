#pragma once
// Choosing a variant and a band by the names given on the command line.
#include <string>

#include "core/models.h"

namespace lm::cli {

// "UHF" for the title "LM-418T(UHF)": the text in the title's last parentheses.
std::string VariantName(const TMacType& variant);
// The catalogue entry whose variant name equals name, ignoring case; throws UsageError listing the variants.
const TMacType& ResolveVariant(const std::string& name);
// One of the variant's band names: the exact name, or the one name that equals it when blanks are ignored;
// throws UsageError with the variant's bands otherwise.
std::string ResolveBand(const TMacType& variant, const std::string& name);

}  // namespace lm::cli
