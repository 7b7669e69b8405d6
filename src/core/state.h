#pragma once
// Application state and the memory image of the radio.
#include <array>
#include <cstdint>
#include <string>

namespace lm {

// The image holds 1 + 528 bytes: Image[0] is always 0, radio byte at address a is Image[1 + a].
constexpr int kImageBytes = 528;
constexpr int kImageSize = kImageBytes + 1;
constexpr int kBlockBytes = 16;
constexpr int kBlockCount = 33;

using ImageBytes = std::array<std::uint8_t, kImageSize>;

// Regions of the image (Image indexes, not radio addresses).
namespace img {
constexpr int kChannelsFirst = 17;  // channel n occupies Image[16*n + 1 .. 16*n + 16]
constexpr int kChannelsLast = 272;
constexpr int kVolume = 289;
constexpr int kFmVolume = 290;
constexpr int kOptionFlags = 293;  // bit 7 is the VOX switch
constexpr int kSquelch = 294;
constexpr int kTimeOut = 295;
constexpr int kRate = 296;
constexpr int kSosBits = 297;
constexpr int kVoxLevel = 298;
constexpr int kVoxDelay = 299;
constexpr int kScanFirst = 300;     // 300..303
constexpr int kKeyFirst = 305;      // 305..309
constexpr int kFmRangeFirst = 310;  // 310..313: two 16-bit values, low byte first
constexpr int kDtmfFirst = 314;     // 314..323
constexpr int kDtmfFlags = 317;
constexpr int kDtmfBotLength = 319;
constexpr int kDtmfEotLength = 320;
constexpr int kDtmfIdFirst = 324;     // 324..328
constexpr int kDtmfStunLength = 329;  // digits 330..334
constexpr int kAlwaysFfFirst = 335;   // 335..336
constexpr int kDtmfBotDigits = 337;   // 337..344
constexpr int kDtmfEotDigits = 345;   // 345..352
constexpr int kAutodialFirst = 353;   // eight memories of 8 bytes, 353..416
constexpr int kAutodialCount = 8;
constexpr int kAutodialStride = 8;
constexpr int kIdentFirst = 433;  // 433..440
constexpr int kBandCode = 438;
constexpr int kAreaCodeFirst = 441;  // 441..442
constexpr int kPasswordFirst = 443;  // 443..448
constexpr int kPasswordBytes = 6;
constexpr int kWriteStamp = 449;    // 449..464
constexpr int kSerialText = 465;    // 465..480
constexpr int kFactoryStamp = 481;  // 481..496
constexpr int kBlock32First = 513;  // 513..528, only in data files
constexpr int kLast = 528;
}  // namespace img

// The one record of application state.
struct TALL {
    std::string LanguageName;
    int LanguageId = 0;
    int CurrentChannel = 0;
    int BaudRate = 0;
    std::string PortName;
    std::string AppDir;
    std::string ProductTitle;
    int ChannelCount = 0;
    std::string ModelTitle;
    std::string BandName;
    double ModelMaxMHz = 0;
    double ModelMinMHz = 0;
    double BandMaxMHz = 0;
    double BandMinMHz = 0;
    std::string ModelCode;
    std::string FileTag;
    std::string SessionKeyText;
    std::string MasterPassword;
    std::string LastPassword;
    std::string AreaText;
    std::string AreaCode;
    int KeyLayout = 0;
    int PicId = 0;
    bool Modified = false;
    std::string HelpName;
    ImageBytes Image{};
};

// Fills the image for a new, empty radio of the state's current model and band.
void NewImage(TALL& state);
// Like NewImage, with the time stamp text given ("yyyy-MM-dd HH:mm:ss"); NewImage uses local time.
void NewImageAt(TALL& state, const std::string& stampText);
// Writes Image[433..440] from the state's ModelCode and BandName.
void WriteIdent(TALL& state);
// Forces every settings byte of the image into its valid range and writes the band code of the state's band
// into Image[438].
void SanitizeImage(TALL& state);

std::uint8_t RangeOrDefault(std::uint8_t value, std::uint8_t lo, std::uint8_t hi, std::uint8_t fallback);

// Packs "yyyy-MM-dd HH:mm:ss" into 7 bytes at image[destination]; a text not in that form writes nothing.
void PackTimestamp(ImageBytes& image, const std::string& text, int destination);
// Unpacks a 16-byte time stamp block starting at image[first]; "" when all 16 bytes are 0xFF.
std::string UnpackTimestamp(const ImageBytes& image, int first);
std::string UnpackTimestamp(const std::uint8_t* block16);

// Fills the state's SessionKeyText with 15 printable characters chosen once per run; later calls give the
// same text.
void FillSessionKeyText(TALL& state);

// The current local date and time as "yyyy-MM-dd HH:mm:ss".
std::string LocalTimestampText();

long HexToInt(const std::string& text);
std::uint8_t HexByte(const std::string& text);

}  // namespace lm
