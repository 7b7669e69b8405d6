// The main window's navigation tree: the radio, its channels and its function windows, and the node of the
// current channel.
#include <QLabel>
#include <QSplitter>
#include <QTreeWidget>

#include "core/models.h"
#include "settings/ini_file.h"
#include "shell/command_table.h"
#include "shell/main_frm.h"
#include "widgets/artwork.h"

namespace lm {

namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kRootChildTags[] = {cmd::kRadioInfo,   cmd::kChannelInfo,      cmd::kKeyFunction,
                                  cmd::kVoxFunction, cmd::kOptionalFunction, cmd::kScanInfo};

QString Q(const std::string& text) { return QString::fromStdString(text); }

QTreeWidgetItem* Node(const QString& text, int tag) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, kTagRole, tag);
    node->setIcon(0, ImageListIcon(kImageNode, kImageNodeSelected));
    return node;
}

}  // namespace

void TfMainFrm::RebuildTree() {
    QTreeWidgetItem* root = tree_->topLevelItemCount() > 0 ? tree_->topLevelItem(0) : nullptr;
    if (root == nullptr) {
        root = new QTreeWidgetItem;
        root->setIcon(0, ImageListIcon(kImageRoot, kImageRoot));
        root->setData(0, kTagRole, 0);
        tree_->addTopLevelItem(root);
        for (int tag : kRootChildTags) root->addChild(Node(QString(), tag));
    }
    root->setText(0, Q(ProductCatalogue().ProductTitle));
    // Each node is named by its command: the DTMF node may follow the six others.
    for (int i = 0; i < root->childCount(); ++i)
        root->child(i)->setText(0, MenuHint(root->child(i)->data(0, kTagRole).toInt()));
    RebuildDtmfNode(root);
    QTreeWidgetItem* channels = root->child(1);
    qDeleteAll(channels->takeChildren());
    for (int n = 1; n <= Radio().ChannelCount; ++n) {
        channels->addChild(Node(channelLabel_->text() + " " + QString::number(n), cmd::kChannelEdit));
    }
    tree_->expandAll();
    FitTreePanel();
}

// The left panel is at least as wide as the tree's texts need (185 pixels as designed).
void TfMainFrm::FitTreePanel() {
    auto* splitter = qobject_cast<QSplitter*>(leftPanel_->parentWidget());
    if (splitter == nullptr) return;
    const int need = static_cast<const QAbstractItemView*>(tree_)->sizeHintForColumn(0) +
                     2 * tree_->frameWidth() + tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    QList<int> sizes = splitter->sizes();
    if (sizes.size() < 2 || sizes[0] >= need) return;
    sizes[1] = std::max(0, sizes[1] - (need - sizes[0]));
    sizes[0] = need;
    splitter->setSizes(sizes);
}

// The DTMF node follows the root's other children while Setup > Show DTMF Function is checked.
void TfMainFrm::RebuildDtmfNode(QTreeWidgetItem* root) {
    QTreeWidgetItem* node = nullptr;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->data(0, kTagRole).toInt() == cmd::kDtmf) node = root->child(i);
    const bool shown = MenuAction(cmd::kShowDtmf)->isChecked();
    if (shown && node == nullptr) root->addChild(node = Node(QString(), cmd::kDtmf));
    if (!shown) delete node;
    if (shown) node->setText(0, MenuHint(cmd::kDtmf));
}

void TfMainFrm::ShowDtmfFunction(bool shown) {
    MenuAction(cmd::kDtmf)->setVisible(shown);
    if (QTreeWidgetItem* root = tree_->topLevelItem(0)) RebuildDtmfNode(root);
    if (!settingsPath_.empty()) IniWrite(settingsPath_, "SysInfo", kShowDtmfKey, shown ? "1" : "0");
}

void TfMainFrm::cxTreeClick(QTreeWidgetItem* node) {
    if (node == nullptr || node != tree_->currentItem() ||
        node->data(0, kTagRole).toInt() != cmd::kChannelEdit) {
        return;
    }
    Document().SetCurrentChannel(node->parent()->indexOfChild(node) + 1);
}

void TfMainFrm::cxTreeDblClick(QTreeWidgetItem* node) {
    if (node == nullptr || node != tree_->currentItem()) return;
    const int tag = node->data(0, kTagRole).toInt();
    if (tag == cmd::kChannelEdit) {
        Document().SetCurrentChannel(node->parent()->indexOfChild(node) + 1);
    }
    DispatchCommand(tag);
}

void TfMainFrm::ShowCurrentChannel() {
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    if (root != nullptr && root->childCount() > 1) {
        QTreeWidgetItem* channels = root->child(1);
        const int index = Document().CurrentChannel() - 1;
        if (index >= 0 && index < channels->childCount()) tree_->setCurrentItem(channels->child(index));
    }
}

}  // namespace lm
