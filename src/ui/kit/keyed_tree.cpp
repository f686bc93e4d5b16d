// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/keyed_tree.h"

#include <QHeaderView>
#include <algorithm>

namespace Kit {

namespace {
constexpr int KeyedNodeType = QTreeWidgetItem::UserType;

// A node keeps its text and song index as plain members: stored as item data, with
// the allocations that come with it, they would cost as much again to fill and to
// clear a tree of tens of thousands of nodes.
class KeyedNode : public QTreeWidgetItem {
public:
    KeyedNode(const QString &text, int song) : QTreeWidgetItem(KeyedNodeType), text_(text), song_(song) {}
    int Song() const { return song_; }
    QVariant data(int column, int role) const override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            return text_;
        return QTreeWidgetItem::data(column, role);
    }

private:
    QString text_;
    int song_;
};
} // namespace

KeyedTree::KeyedTree(QWidget *parent) : KeepsSelection(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
}

void KeyedTree::Fill(const std::vector<Functions::TreeNode> &nodes)
{
    ClearNodes();
    byNumber_.reserve(nodes.size());
    byKey_.reserve(std::count_if(nodes.begin(), nodes.end(), [](const Functions::TreeNode &plan) { return plan.song < 0; }));
    for (const Functions::TreeNode &plan : nodes) {
        Node *node = new KeyedNode(plan.text, plan.song);
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
    return node && node->type() == KeyedNodeType ? static_cast<const KeyedNode *>(node)->Song() : -1;
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
