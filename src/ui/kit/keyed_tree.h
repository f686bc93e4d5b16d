// SPDX-License-Identifier: GPL-3.0-or-later
// The artist tree's widget: nodes numbered from 1 in the order they were added,
// found again by key or by song, and filled in one insertion; a press on no node
// keeps the selected one.
#pragma once

#include "core/catalogue/artist_tree.h"
#include "ui/kit/keeps_selection.h"

#include <QHash>
#include <QTreeWidget>
#include <vector>

namespace Kit {

class KeyedTree : public KeepsSelection<QTreeWidget> {
    Q_OBJECT
public:
    using Node = QTreeWidgetItem;

    explicit KeyedTree(QWidget *parent = nullptr);

    // Replaces every node by `nodes` (the root first, each node after its parent).
    void Fill(const std::vector<Functions::TreeNode> &nodes);
    // Removes every node; numbering starts again at 1.
    void ClearNodes();

    // The root or artist node with this key, or null.
    Node *Find(const QString &key) const { return byKey_.value(key); }
    // The node of song `index`, or null when the tree has none.
    Node *SongNode(int index) const;
    // The song index of a node; -1 for the root, artist nodes and null.
    static int SongIndex(const Node *node);

    int Count() const { return static_cast<int>(byNumber_.size()); }
    // Node number n (1 to Count()), in order of addition.
    Node *NodeAt(int n) const { return byNumber_.at(static_cast<std::size_t>(n - 1)); }

    // The selected (highlighted) node, or null.
    Node *SelectedItem() const;
    void Select(Node *node);
    // Expands the node's ancestors and scrolls it into view.
    void EnsureVisible(Node *node);

private:
    QHash<QString, Node *> byKey_;
    std::vector<Node *> byNumber_;
    std::vector<Node *> bySong_;
};

} // namespace Kit
