#include "shell/command_table.h"

#include <array>

namespace lm {

namespace {

enum MenuIndex { kFile, kEdit, kProgram, kSetup, kView, kWindow, kHelpMenu };

constexpr std::array<MenuDef, 7> kMenus{{
    {"nFile", "&File", false},
    {"nEdit", "&Edit", false},
    {"nProgram", "&Program", false},
    {"nSetup", "&Setup", false},
    {"nView", "&View", false},
    {"nWindow", "&Window", false},
    {"nHelp", "&Help", false},
}};

constexpr MenuItemDef Item(int menu, int tag, const char* name, const char* caption,
                           const char* shortcut = "", bool hidden = false, bool checked = false) {
    return {menu, tag, name, caption, shortcut, hidden, checked, false};
}

constexpr MenuItemDef Separator(int menu, const char* name, bool hidden = false) {
    return {menu, 0, name, "-", "", hidden, false, true};
}

constexpr std::array<MenuItemDef, 55> kItems{{
    Item(kFile, cmd::kNew, "N1", "&New", "Ctrl+N"),
    Item(kFile, cmd::kOpen, "O1", "&Open", "Ctrl+O"),
    Item(kFile, cmd::kSave, "S2", "&Save", "Ctrl+S"),
    Item(kFile, cmd::kSaveAs, "A1", "Save &As", "Ctrl+Shift+S"),
    Separator(kFile, "N2", true),
    Item(kFile, cmd::kChangePassword, "nUpdPwd", "&Change Password", "", true),
    Separator(kFile, "N3"),
    Item(kFile, cmd::kImportChannels, "nImport", "&Import Channels..."),
    Item(kFile, cmd::kExportChannels, "nExport", "&Export Channels..."),
    Item(kFile, cmd::kCompareWithFile, "nCompareFile", "Co&mpare With File..."),
    Separator(kFile, "N14"),
    Item(kFile, cmd::kPrint, "P2", "&Print", "Ctrl+P"),
    Item(kFile, cmd::kPrintPreview, "V2", "Print Pre&view", "Ctrl+Shift+P"),
    Separator(kFile, "N5"),
    Item(kFile, cmd::kExit, "nExit", "&Exit", "Ctrl+Q"),

    Item(kEdit, cmd::kUndo, "nUndo", "&Undo", "Ctrl+Z"),
    Item(kEdit, cmd::kRedo, "nRedo", "&Redo", "Ctrl+Y"),
    Separator(kEdit, "N13"),
    Item(kEdit, cmd::kChannelInfo, "nChInfo", "C&hannel Information"),
    Item(kEdit, cmd::kChannelEdit, "nChEdit", "&Channel Edit"),
    Separator(kEdit, "N6"),
    Item(kEdit, cmd::kKeyFunction, "nKey", "&Key Function"),
    Item(kEdit, cmd::kVoxFunction, "nVox", "&Vox Function"),
    Item(kEdit, cmd::kOptionalFunction, "nOpt", "&Optional Function"),
    Item(kEdit, cmd::kScanInfo, "nScan", "&Scan Information"),
    Item(kEdit, cmd::kDtmf, "nDtmf", "&DTMF", "", true),
    Item(kEdit, cmd::kRadioInfo, "nInfo", "Radio &Information"),
    Separator(kEdit, "N7", true),
    Item(kEdit, cmd::kPassWord, "P0", "&Pass Word", "", true),
    Item(kEdit, cmd::kEmbeddedMessage, "E11", "Embedded &Message", "", true),

    Item(kProgram, cmd::kRead, "R1", "&Read From Radio", "Ctrl+R"),
    Item(kProgram, cmd::kWrite, "W2", "&Write To Radio", "Ctrl+W"),
    Item(kProgram, cmd::kCompareWithRadio, "nCompareRadio", "&Compare With Radio"),
    Item(kProgram, cmd::kProduction, "nProduction", "&Production..."),
    Separator(kProgram, "N8"),
    Item(kProgram, cmd::kTestOnline, "T1", "&Test Online", "", true),

    Item(kSetup, cmd::kModel, "N4", "&Model Information"),
    Separator(kSetup, "N9"),
    Item(kSetup, cmd::kPort, "C2", "&Communication Port"),
    Item(kSetup, cmd::kLanguage, "nLanguage", "Language File Setup"),
    Item(kSetup, cmd::kShowDtmf, "nShowDtmf", "Show &DTMF Function"),

    Item(kView, cmd::kTreeView, "T4", "Tree &View"),
    Separator(kView, "N10"),
    Item(kView, cmd::kToolbar, "nCool", "&Toolbar", "", false, true),
    Item(kView, cmd::kStatusBar, "nBar", "&Status bar", "", false, true),

    Item(kWindow, cmd::kCascade, "nC", "&Cascade"),
    Item(kWindow, cmd::kTileHorizontal, "nH", "Tile Windows &Horizontally"),
    Item(kWindow, cmd::kTileVertical, "nV", "Tile Windows &Vertically"),
    Item(kWindow, cmd::kArrangeIcons, "npl", "&Arrange Icons"),
    Separator(kWindow, "N11"),
    Item(kWindow, cmd::kCloseAll, "nCloseAll", "Close All &Windows"),

    Item(kHelpMenu, cmd::kHelp, "nHelpTopics", "&Help Topics"),
    Item(kHelpMenu, cmd::kCableCheck, "nCableCheck", "Cable &Check..."),
    Separator(kHelpMenu, "N12"),
    Item(kHelpMenu, cmd::kAbout, "nAbout", "About..."),
}};

constexpr std::array<ToolButtonDef, 17> kTools{{
    {cmd::kNew, "tbNew", "New", 0},
    {cmd::kOpen, "tbOpen", "Open", 1},
    {cmd::kSave, "tbSave", "Save", 3},
    {0, "ToolButton1", "", 0},
    {cmd::kChannelEdit, "ToolButton3", "Channel Edit", 8},
    {0, "ToolButton2", "", 0},
    {cmd::kPrint, "tbPrint", "Print", 2},
    {0, "ToolButton4", "", 0},
    {cmd::kPort, "tbCom", "COM", 15},
    {0, "ToolButton5", "", 0},
    {cmd::kRead, "tbRead", "Read", 7},
    {0, "ToolButton6", "", 0},
    {cmd::kWrite, "tbWrite", "Write", 5},
    {0, "ToolButton8", "", 0},
    {cmd::kProduction, "tbProduction", "Production", 12},
    {0, "ToolButton7", "", 0},
    {cmd::kHelp, "tbHelp", "Help", 6},
}};

}  // namespace

std::span<const MenuDef> Menus() { return kMenus; }
std::span<const MenuItemDef> MenuItems() { return kItems; }
std::span<const ToolButtonDef> ToolButtons() { return kTools; }

}  // namespace lm
