#include "variant_band.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "command.h"

namespace lm::cli {
namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string WithoutBlanks(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != ' ' && c != '\t') out += c;
    return out;
}

std::string Quoted(const std::vector<std::string>& names) {
    std::string list;
    for (const std::string& name : names) list += (list.empty() ? "\"" : ", \"") + name + "\"";
    return list;
}

}  // namespace

std::string VariantName(const TMacType& variant) {
    const std::string& title = variant.ModelTitle;
    const std::size_t open = title.rfind('(');
    const std::size_t close = title.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return title;
    return title.substr(open + 1, close - open - 1);
}

const TMacType& ResolveVariant(const std::string& name) {
    std::vector<std::string> names;
    for (int i = 0; const TMacType* variant = ProductCatalogue().Models.Get(i); ++i) {
        if (Upper(VariantName(*variant)) == Upper(name)) return *variant;
        names.push_back(VariantName(*variant));
    }
    throw UsageError("unknown variant \"" + name + "\"; the variants are " + Quoted(names));
}

std::string ResolveBand(const TMacType& variant, const std::string& name) {
    const std::vector<std::string>& bands = variant.Bands;
    if (std::find(bands.begin(), bands.end(), name) != bands.end()) return name;
    std::vector<std::string> loose;
    for (const std::string& band : bands)
        if (WithoutBlanks(band) == WithoutBlanks(name)) loose.push_back(band);
    if (loose.size() == 1) return loose[0];

    std::string message = "the " + VariantName(variant) + " variant has no band \"" + name + "\"";
    if (loose.size() > 1) message = "the band \"" + name + "\" may be any of " + Quoted(loose);
    message += "; its bands are " + Quoted(bands);
    for (int i = 0; const TMacType* other = ProductCatalogue().Models.Get(i); ++i) {
        if (other == &variant) continue;
        for (const std::string& band : other->Bands)
            if (band == name || WithoutBlanks(band) == WithoutBlanks(name))
                message += " (\"" + band + "\" is a band of the " + VariantName(*other) +
                           " variant: use --variant " + VariantName(*other) + ")";
    }
    throw UsageError(message);
}

}  // namespace lm::cli
