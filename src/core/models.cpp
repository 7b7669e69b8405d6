#include "core/models.h"

#include <stdexcept>

#include "core/channel.h"
#include "core/state.h"

namespace lm {

namespace {

constexpr int kUnknownNameIndex = 10;  // "440 - 480MHz"

// Reads a trimmed decimal number with "." as separator; throws std::invalid_argument otherwise.
double ReadMHz(const std::string& text) {
    const std::optional<double> value = ParseMHz(text);
    if (!value) throw std::invalid_argument("bad number in band text: " + text);
    return *value;
}

std::unique_ptr<TMacType> MakeModel(const std::string& title, double minMHz, double maxMHz,
                                    std::vector<std::string> bands, const std::string& defaultBand) {
    auto m = std::make_unique<TMacType>("LM41", title, 16, 3);
    m->ModelMinMHz = minMHz;
    m->ModelMaxMHz = maxMHz;
    m->Bands = std::move(bands);
    m->DefaultBand = defaultBand;
    return m;
}

}  // namespace

TMacType::TMacType(std::string code, std::string title, int channelCount, int keyLayout)
    : ModelCode(std::move(code)),
      ModelTitle(std::move(title)),
      ChannelCount(channelCount),
      KeyLayout(keyLayout) {}

void TMacList::Add(std::unique_ptr<TMacType> model) {
    if (model) models_.push_back(std::move(model));
}

const TMacType* TMacList::Get(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return models_[static_cast<std::size_t>(index)].get();
}

const TMacType* TMacList::FindByTitle(const std::string& title) const {
    for (const auto& m : models_) {
        if (m->ModelTitle == title) return m.get();
    }
    return nullptr;
}

int TMacList::ChannelCountOf(const std::string& code) const {
    for (const auto& m : models_) {
        if (m->ModelCode == code) return m->ChannelCount;
    }
    return 0;
}

const TMacType* TMacList::FindByCodeAndBand(const std::string& code, const std::string& band) const {
    for (const auto& m : models_) {
        if (m->ModelCode != code) continue;
        for (const auto& b : m->Bands) {
            if (b == band) return m.get();
        }
    }
    return nullptr;
}

void TMacList::FillTitles(std::vector<std::string>& list) const {
    list.clear();
    for (const auto& m : models_) list.push_back(m->ModelTitle);
}

void TFrqList::Add(const std::string& band, int code) { rows_.emplace_back(band, code); }

int TFrqList::CodeOf(const std::string& band) const {
    for (const auto& [name, code] : rows_) {
        if (name == band) return code;
    }
    return rows_.empty() ? 0 : rows_.front().second;
}

std::string TFrqList::NameOf(int code) const {
    for (const auto& [name, c] : rows_) {
        if (c == code) return name;
    }
    return Count() > kUnknownNameIndex ? rows_[kUnknownNameIndex].first : std::string();
}

namespace {

Catalogue MakeCatalogue() {
    Catalogue c;
    c.ProductTitle = "LM-418T";
    c.BaudRate = 9600;
    c.FileTag = "LM41";
    const std::pair<const char*, int> bands[] = {
        {" 27 -  72MHz", 253}, {"136 - 150MHz", 241}, {"136 - 174MHz", 242}, {"150 - 174MHz", 240},
        {"216 - 223MHz", 243}, {"350 - 370MHz", 250}, {"350 - 390MHz", 251}, {"370 - 390MHz", 252},
        {"400 - 420MHz", 248}, {"400 - 470MHz", 247}, {"440 - 480MHz", 249}, {"450 - 470MHz", 244},
        {"450 - 490MHz", 245}, {"470 - 650MHz", 246}};
    for (const auto& [name, code] : bands) c.Bands.Add(name, code);
    c.Models.Add(MakeModel(c.ProductTitle + "(UHF)", 300.0, 650.0,
                           {"350 - 370MHz", "350 - 390MHz", "370 - 390MHz", "400 - 420MHz", "400 - 470MHz",
                            "440 - 480MHz", "450 - 470MHz", "450 - 490MHz", "470 - 650MHz"},
                           "450 - 470MHz"));
    c.Models.Add(MakeModel(c.ProductTitle + "(VHF)", 67.0, 300.0,
                           {"136 - 150MHz", "136 - 174MHz", "150 - 174MHz", "216 - 223MHz"}, "150 - 174MHz"));
    return c;
}

}  // namespace

const Catalogue& ProductCatalogue() {
    static const Catalogue catalogue = MakeCatalogue();
    return catalogue;
}

std::pair<double, double> SplitBandText(const std::string& text) {
    const auto dash = text.find('-');
    if (dash == std::string::npos) throw std::invalid_argument("band text without '-': " + text);
    const auto mhz = text.find("MHz", dash + 1);
    const std::string low = text.substr(0, dash);
    const std::string high =
        text.substr(dash + 1, mhz == std::string::npos ? std::string::npos : mhz - dash - 1);
    return {ReadMHz(low), ReadMHz(high)};
}

void SelectModel(TALL& state, const std::string& modelCode, int bandCode, bool bandOverride) {
    const Catalogue& catalogue = ProductCatalogue();
    const std::string band = catalogue.Bands.NameOf(bandCode);
    if (const TMacType* m = catalogue.Models.FindByCodeAndBand(modelCode, band)) {
        state.ModelTitle = m->ModelTitle;
        state.ModelCode = m->ModelCode;
        state.KeyLayout = m->KeyLayout;
        state.ModelMaxMHz = m->ModelMaxMHz;
        state.ModelMinMHz = m->ModelMinMHz;
        state.ChannelCount = m->ChannelCount;
        state.BandName = m->DefaultBand;
        state.AreaCode.clear();
        state.AreaText.clear();
    }
    if (bandOverride) {
        const auto [lo, hi] = SplitBandText(band);
        state.BandName = band;
        state.BandMinMHz = lo;
        state.BandMaxMHz = hi;
    }
}

}  // namespace lm

namespace lm {

void StartSession(TALL& state) {
    state.CurrentChannel = 1;
    if (const TMacType* first = ProductCatalogue().Models.Get(0))
        SelectModel(state, first->ModelCode, 0, false);
    try {
        const auto [lo, hi] = SplitBandText(state.BandName);
        state.BandMinMHz = lo;
        state.BandMaxMHz = hi;
    } catch (const std::invalid_argument&) {
        // A band name without limits keeps the limits it had.
    }
    NewImage(state);
    state.Modified = false;
}

}  // namespace lm
