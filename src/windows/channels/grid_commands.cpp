#include "windows/channels/grid_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <set>

#include "core/channel_batch.h"
#include "widgets/message_box.h"
#include "windows/channels/channel_writer.h"

namespace lm {

GridCommands::GridCommands(TDocument& document, QTableView* grid, QLabel* deleteQuestion)
    : QObject(grid), document_(document), grid_(grid), deleteQuestion_(deleteQuestion) {
    AddAction("nCut", "Cu&t", QKeySequence::Cut, &GridCommands::Cut);
    AddAction("nCopy", "&Copy", QKeySequence::Copy, &GridCommands::Copy);
    AddAction("nPaste", "&Paste", QKeySequence::Paste, &GridCommands::Paste);
    AddAction("nDelete", "&Delete", QKeySequence::Delete, &GridCommands::Delete);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid_->installEventFilter(this);
}

QAction* GridCommands::AddAction(const char* name, const char* caption, const QKeySequence& key,
                                 void (GridCommands::*run)()) {
    auto* action = new QAction(QString::fromLatin1(caption), grid_);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(action->text().remove('&'));
    action->setShortcut(key);  // shown in the menu; the keys themselves reach the grid (eventFilter)
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, run);
    grid_->addAction(action);
    return action;
}

std::vector<int> GridCommands::SelectedChannels(const QTableView* grid) {
    std::set<int> rows;
    for (const QModelIndex& index : grid->selectionModel()->selectedIndexes()) rows.insert(index.row() + 1);
    if (rows.empty() && grid->currentIndex().isValid()) rows.insert(grid->currentIndex().row() + 1);
    return {rows.begin(), rows.end()};
}

void GridCommands::Copy() {
    const std::vector<int> channels = SelectedChannels(grid_);
    if (channels.empty()) return;
    QApplication::clipboard()->setText(
        QString::fromStdString(ChannelsText(document_.State(), channels, false)));
}

void GridCommands::Cut() {
    Copy();
    EraseChannels(document_, SelectedChannels(grid_), "Cut");
}

void GridCommands::Paste() {
    const QModelIndex current = grid_->currentIndex();
    const QString text = QApplication::clipboard()->text();
    if (!current.isValid() || text.isEmpty()) return;
    PasteIntoChannels(document_, current.row() + 1, text.toStdString());
}

void GridCommands::Delete() {
    const std::vector<int> channels = SelectedChannels(grid_);
    if (channels.empty() || !AskYesNo(deleteQuestion_->text().toStdString())) return;
    EraseChannels(document_, channels, "Delete");
}

bool GridCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        void (GridCommands::*run)() = nullptr;
        if (key->matches(QKeySequence::Copy))
            run = &GridCommands::Copy;
        else if (key->matches(QKeySequence::Cut))
            run = &GridCommands::Cut;
        else if (key->matches(QKeySequence::Paste))
            run = &GridCommands::Paste;
        else if (key->matches(QKeySequence::Delete))
            run = &GridCommands::Delete;
        if (run != nullptr) {
            // The grid takes these keys before any shortcut of the main window.
            if (event->type() == QEvent::KeyPress) (this->*run)();
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lm
