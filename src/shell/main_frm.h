#pragma once
// The main window: menus, tool bar, navigation tree, child windows, status bar and the dispatch of every
// command.
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

#include "core/document.h"
#include "core/edit_lock.h"
#include "core/state.h"
#include "settings/language.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace lm {

struct TransferTarget;

// The parts of the program's state the main window works with and hands on to the windows it opens.
struct ProgramParts {
    Preferences& preferences;
    TransferSession& session;
    TLanguage& messages;
    TDocument& document;
};

class TfMainFrm : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kPanelCount = 7;
    // The key of section SysInfo in the settings file that keeps Setup > Show DTMF Function.
    static constexpr const char* kShowDtmfKey = "ShowDtmf";
    static constexpr int kPanelWidths[kPanelCount] = {50, 80, 120, 120, 120, 120, 100};

    // settingsPath: the settings file written when the window closes.
    TfMainFrm(ProgramParts parts, std::string settingsPath, QWidget* parent = nullptr);
    ~TfMainFrm() override;

    // Runs the action of a command tag; unknown tags do nothing.
    void DispatchCommand(int tag);

    void ShowChildWindow(int kind);
    void CloseAllChildren();
    void RebuildTree();
    void UpdateStatusAndCaption();
    // The image was replaced: every child window closes and a fresh channel grid opens.
    void ReopenEditors();
    // Selects the tree node of the current channel.
    void ShowCurrentChannel();

    // The parts of the state, for the windows the commands open.
    Preferences& Prefs() { return parts_.preferences; }
    TransferSession& Session() { return parts_.session; }
    TDocument& Document() { return parts_.document; }
    TALL& Radio() { return parts_.document.State(); }
    // What a read or write works on: the document's radio, the session and the chosen port.
    TransferTarget Transfer();

    // File commands. Each returns false when it stopped before its end (a cancelled dialog, a refused or
    // failed save or load).
    //
    // New; select, when given, chooses the variant and band of the new image once the user has agreed.
    bool FileNew(const std::function<void(TALL&)>& select = {});
    bool FileOpen();
    // Open without the dialog, for a file named on the command line: the same checks and messages, and a
    // message that names the file when the file does not load.
    bool OpenFile(const std::string& path);
    bool FileSave();
    bool FileSaveAs();
    // The question before the image is discarded: true when the command may go on (No, or a completed save).
    bool AskToSave();

    const std::string& CurrentFileName() const { return currentFileName_; }
    // The settings file the windows keep their settings in ("" for none).
    const std::string& SettingsPath() const { return settingsPath_; }
    // lm418t --timing: the windows that run radios show what it cost.
    void SetTiming(bool timing) { timing_ = timing; }
    bool Timing() const { return timing_; }

    // The second half of start-up; runs once, when the window is first shown.
    void Startup();

    // Tree clicks on a node (nullptr: empty space).
    void cxTreeClick(QTreeWidgetItem* node);
    void cxTreeDblClick(QTreeWidgetItem* node);

    QString PanelText(int panel) const;
    QTreeWidget* tree() const { return tree_; }
    QMdiArea* clientArea() const { return mdi_; }
    QWidget* leftPanel() const { return leftPanel_; }
    // The editor window of a kind (the widget inside its child window), or nullptr.
    QWidget* ChildWindow(int kind) const;
    QMdiSubWindow* ChildFrame(int kind) const;
    QAction* MenuAction(int tag) const;
    QMenu* createPopupMenu() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildLeftPanel();
    void BuildStatusBar();
    void ButtonClick();
    void TimerTimer();
    void ToggleTreeView();
    void ToggleToolbar();
    void ToggleStatusBar();
    // Setup > Show DTMF Function: the Edit menu's DTMF item and the tree's DTMF node, kept in the settings
    // file.
    void ShowDtmfFunction(bool shown);
    void RebuildDtmfNode(QTreeWidgetItem* root);
    void FitTreePanel();
    void TileChildren(bool horizontal);
    void ArrangeIcons();
    void CloseAllWindows();
    void LanguageChange();
    void ReadCommand();
    // Undo and redo (main_frm_undo.cpp): the Edit menu follows the document's history.
    void ConnectDocument();
    void UndoCommand();
    void RedoCommand();
    void RefreshUndoActions();
    // Around a translation of the window: the design captions before, the translated verbs kept after.
    void ResetUndoCaptions();
    void KeepUndoCaptions();
    void WriteCommand();
    void PortCommand();
    void ModelCommand();
    void EmbeddedMessageCommand();
    void HelpCommand();
    void AboutCommand();
    bool WriteDataFile(const std::string& path);
    bool LoadFile(const std::string& path, bool nameFile);
    // Saves under a name that is not the current file's; it becomes the current file.
    bool SaveAsNewFile(const std::string& path);
    // No file is current any more (New, a read from the radio, a failed load): its lock is let go.
    void ForgetFile();
    void SettlePort();
    QString MenuHint(int tag) const;
    // The text of one of the window's hidden labels (the file dialogs' titles).
    std::string HiddenText(const char* name) const;

    ProgramParts parts_;
    std::string settingsPath_;
    std::string currentFileName_;
    // The lock on the current file, held from its Open or Save until the next New, Open or the end, so that
    // no other program changes the file while the window shows it (core/edit_lock.h).
    EditLock fileLock_;
    bool started_ = false;
    bool timing_ = false;
    std::map<int, QPointer<QMdiSubWindow>> children_;
    std::map<int, QAction*> menuActions_;
    QString undoVerb_ = "&Undo";
    QString redoVerb_ = "&Redo";
    int documentListener_ = 0;

    QMdiArea* mdi_ = nullptr;
    QWidget* leftPanel_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QLabel* channelLabel_ = nullptr;
    QComboBox* cbCom_ = nullptr;
    QLabel* panels_[kPanelCount] = {};
    QTimer* clock_ = nullptr;
    QAction* toolbarItem_ = nullptr;
    QAction* statusItem_ = nullptr;
    QToolBar* toolBar_ = nullptr;
};

}  // namespace lm
