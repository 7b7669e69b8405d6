#pragma once
// The channel information window (fChInfo): every channel of the image as a row of a grid, edited in place.
// Frequencies are typed into their cells, every other field is chosen from an option box over its cell; each
// edit goes through the engine's channel rules into the program's document, one undo step per action. The
// window follows the document (undo, redo, edits made elsewhere) and tells the main window which channel is
// current and when a channel changed.
#include <QSize>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "core/document.h"
#include "widgets/editor_hooks.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace lm {

class ChannelGrid;
class ChannelTableModel;
class GridCommands;

class TfChInfo : public QWidget, public EditorHooks {
    Q_OBJECT

public:
    // The size the columns ask for, so that the frame in the main window takes it too.
    QSize sizeHint() const override { return designSize_; }
    explicit TfChInfo(TDocument& document, QWidget* parent = nullptr);
    ~TfChInfo() override;

    // Translates the window (when a language is chosen), builds the grid and fills every row; the current
    // cell is the receive frequency of channel 1.
    void FormShow();
    // Decodes every row again.
    void RefreshAll();
    void LeaveEditing() override;

    ChannelGrid* Grid() const { return gvData; }
    GridCommands* Commands() const { return commands_; }

private:
    QSize designSize_{50, 520};
    QComboBox* AddBox(const char* name, const std::vector<std::string>& items, int tag);
    void BuildGrid();
    QStringList BoxItems(const std::string& box) const;
    std::vector<int> EditTargets(int n) const;
    void CurrentCellChanged(const QModelIndex& current);
    // Opens the tone picker over a tone cell and stores the tone picked.
    void PickTone(int row, int column);

    TDocument& document_;
    ChannelGrid* gvData = nullptr;
    ChannelTableModel* model_ = nullptr;
    GridCommands* commands_ = nullptr;
    QListWidget* BColText = nullptr;
    QLabel* lNone = nullptr;
    QLabel* lDelete = nullptr;
    std::map<std::string, QComboBox*> boxes_;
    int listener_ = 0;
};

// A new channel information window, shown and filled, for the main window's client area (it deletes itself
// when closed). Its frame stands at (20, 20) when first shown.
QWidget* CreateChannelInfoWindow(TDocument& document);

}  // namespace lm
