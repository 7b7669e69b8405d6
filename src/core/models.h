#pragma once
// The two variants of the radio, the band table and making a variant and band current.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace lm {

struct TALL;

struct TMacType {
    TMacType(std::string code, std::string title, int channelCount, int keyLayout);
    std::string ModelCode;
    std::string ModelTitle;
    int ChannelCount = 0;
    int KeyLayout = 0;
    double ModelMaxMHz = 0;
    double ModelMinMHz = 0;
    std::vector<std::string> Bands;
    std::string DefaultBand;
};

class TMacList {
public:
    void Add(std::unique_ptr<TMacType> model);
    const TMacType* Get(int index) const;  // nullptr past the end
    const TMacType* FindByTitle(const std::string& title) const;
    int ChannelCountOf(const std::string& code) const;  // 0 when unknown
    const TMacType* FindByCodeAndBand(const std::string& code, const std::string& band) const;
    void FillTitles(std::vector<std::string>& list) const;
    int Count() const { return static_cast<int>(models_.size()); }

private:
    std::vector<std::unique_ptr<TMacType>> models_;
};

class TFrqList {
public:
    void Add(const std::string& band, int code);
    int CodeOf(const std::string& band) const;  // entry 0's code (253) when unknown
    std::string NameOf(int code) const;         // entry 10's name when unknown
    int Count() const { return static_cast<int>(rows_.size()); }
    const std::string& NameAt(int index) const { return rows_.at(index).first; }
    int CodeAt(int index) const { return rows_.at(index).second; }

private:
    std::vector<std::pair<std::string, int>> rows_;
};

// The product: its name, its two variants and the 14 bands. Fixed when the program is built; nothing changes
// it after.
struct Catalogue {
    std::string ProductTitle;    // "LM-418T"
    int BaudRate = 0;            // of the cable
    std::string FileTag;         // the first bytes of a data file
    std::string MasterPassword;  // opens every radio; empty: none
    TMacList Models;
    TFrqList Bands;
};
const Catalogue& ProductCatalogue();

// Reads "400 - 470MHz" into {400.0, 470.0}; throws std::invalid_argument on text without "-" or numbers.
std::pair<double, double> SplitBandText(const std::string& text);

// Makes a variant and band current in the state: the variant of modelCode that offers the band of bandCode
// (its default band, the area cleared); with bandOverride, that band and its limits whatever the variant.
void SelectModel(TALL& state, const std::string& modelCode, int bandCode, bool bandOverride);

// Starts a session as the program does at start-up: channel 1, the first variant with its default band and
// the band's limits, a new image, not modified.
void StartSession(TALL& state);

}  // namespace lm
