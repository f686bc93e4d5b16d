// A tree widget whose nodes are found by a unique key and numbered from 1 in the
// order they were added, as the artist tree needs.
#pragma once

#include <QHash>
#include <QTreeWidget>
#include <vector>

namespace Platform {

class KeyedTree : public QTreeWidget {
    Q_OBJECT
public:
    using Node = QTreeWidgetItem;

    explicit KeyedTree(QWidget *parent = nullptr);

    // Removes every node; numbering starts again at 1.
    void ClearNodes();

    // Appends a node as the last child of the node keyed `relative` (a top-level node
    // when `relative` is empty). Throws Failure when the key is used or the relative
    // names no node. Song nodes are marked so that no artist text is taken for one.
    Node *Add(const QString &relative, const QString &key, const QString &text, bool isSong = false);

    // The node with this key; throws Failure when there is none.
    Node *NodeByKey(const QString &key) const;
    Node *Find(const QString &key) const { return byKey_.value(key); }

    int Count() const { return static_cast<int>(byNumber_.size()); }
    // Node number n, counted from 1 in order of addition.
    Node *NodeAt(int n) const;

    Node *SelectedItem() const { return currentItem() && currentItem()->isSelected() ? currentItem() : nullptr; }
    void Select(Node *node);
    void EnsureVisible(Node *node);

    static QString Key(const Node *node);
    static bool IsSong(const Node *node);

private:
    QHash<QString, Node *> byKey_;
    std::vector<Node *> byNumber_;
};

} // namespace Platform
