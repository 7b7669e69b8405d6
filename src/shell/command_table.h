#pragma once
// The command vocabulary of the main window: every menu item and tool button with its tag, component name,
// caption, hint, shortcut and place.
#include <span>

namespace lm {

// Command tags.
namespace cmd {
constexpr int kNew = 1, kOpen = 2, kSave = 3, kSaveAs = 4, kPrint = 5, kPrintPreview = 6, kExit = 7,
              kChangePassword = 8;
constexpr int kChannelInfo = 10, kChannelEdit = 11, kKeyFunction = 12, kVoxFunction = 13,
              kOptionalFunction = 14, kRadioInfo = 15, kPassWord = 16, kDtmf = 17, kEmbeddedMessage = 18,
              kScanInfo = 19;
constexpr int kRead = 20, kWrite = 21, kTestOnline = 22, kCompareWithRadio = 23, kProduction = 24;
constexpr int kModel = 30, kPort = 31, kLanguage = 32, kShowDtmf = 33;
constexpr int kTreeView = 40, kToolbar = 41, kStatusBar = 42;
constexpr int kCascade = 50, kTileHorizontal = 51, kTileVertical = 52, kArrangeIcons = 53, kCloseAll = 54;
constexpr int kHelp = 60, kAbout = 61, kCableCheck = 62;
constexpr int kUndo = 70, kRedo = 71;
constexpr int kImportChannels = 80, kExportChannels = 81, kCompareWithFile = 82;
}  // namespace cmd

// A top-level menu of the menu bar.
struct MenuDef {
    const char* name;
    const char* caption;
    bool hidden;
};

// One entry of a menu: a command, or a separator (tag 0, name of the separator item).
struct MenuItemDef {
    int menu;  // index into Menus()
    int tag;
    const char* name;
    const char* caption;
    const char* shortcut;  // "" for none
    bool hidden;
    bool checked;  // shows a check mark at start
    bool separator;
};

// One tool button; tag 0 is a divider.
struct ToolButtonDef {
    int tag;
    const char* name;
    const char* hint;
    int image;
};

std::span<const MenuDef> Menus();
std::span<const MenuItemDef> MenuItems();
std::span<const ToolButtonDef> ToolButtons();

}  // namespace lm
