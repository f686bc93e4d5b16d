#include "ui/kit/keyed_tree.h"

#include <QHeaderView>
#include <algorithm>

namespace Kit {

namespace {
constexpr int SongNodeType = QTreeWidgetItem::UserType;

// A song's node keeps its index as a plain member: tens of thousands of stored
// item data values would cost as much again as the nodes themselves.
class SongItem : public QTreeWidgetItem {
public:
    explicit SongItem(int song) : QTreeWidgetItem(SongNodeType), song_(song) {}
    int Song() const { return song_; }

private:
    int song_;
};
} // namespace

KeyedTree::KeyedTree(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
}

void KeyedTree::Fill(const std::vector<Functions::TreeNode> &nodes)
{
    setUpdatesEnabled(false);
    ClearNodes();
    byNumber_.reserve(nodes.size());
    byKey_.reserve(std::count_if(nodes.begin(), nodes.end(), [](const Functions::TreeNode &plan) { return plan.song < 0; }));
    for (const Functions::TreeNode &plan : nodes) {
        Node *node = plan.song >= 0 ? new SongItem(plan.song) : new Node;
        node->setText(0, plan.text);
        if (plan.parent >= 0)
            byNumber_.at(static_cast<std::size_t>(plan.parent))->addChild(node);
        if (plan.song >= 0) {
            if (bySong_.size() <= static_cast<std::size_t>(plan.song))
                bySong_.resize(static_cast<std::size_t>(plan.song) + 1);
            bySong_[static_cast<std::size_t>(plan.song)] = node;
        } else {
            byKey_.insert(plan.key, node);
        }
        byNumber_.push_back(node);
    }
    // The nodes were joined while detached: the view takes them in one insertion.
    if (!byNumber_.empty())
        addTopLevelItem(byNumber_.front());
    setUpdatesEnabled(true);
}

void KeyedTree::ClearNodes()
{
    byKey_.clear();
    byNumber_.clear();
    bySong_.clear();
    clear();
}

KeyedTree::Node *KeyedTree::SongNode(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < bySong_.size() ? bySong_[static_cast<std::size_t>(index)]
                                                                          : nullptr;
}

int KeyedTree::SongIndex(const Node *node)
{
    return node && node->type() == SongNodeType ? static_cast<const SongItem *>(node)->Song() : -1;
}

KeyedTree::Node *KeyedTree::SelectedItem() const
{
    Node *node = currentItem();
    return node && node->isSelected() ? node : nullptr;
}

void KeyedTree::Select(Node *node)
{
    setCurrentItem(node);
    node->setSelected(true);
}

void KeyedTree::EnsureVisible(Node *node)
{
    for (Node *p = node->parent(); p; p = p->parent())
        p->setExpanded(true);
    scrollToItem(node);
}

} // namespace Kit
