#include "platform/keyed_tree.h"

#include "platform/failure.h"

#include <QHeaderView>

namespace Platform {

namespace {
constexpr int KeyRole = Qt::UserRole + 1;
constexpr int SongRole = Qt::UserRole + 2;
const QString Source = QStringLiteral("KeyedTree");
} // namespace

KeyedTree::KeyedTree(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(false);
}

void KeyedTree::ClearNodes()
{
    byKey_.clear();
    byNumber_.clear();
    clear();
}

KeyedTree::Node *KeyedTree::Add(const QString &relative, const QString &key, const QString &text, bool isSong)
{
    if (byKey_.contains(key))
        throw Failure(35602, QStringLiteral("Key is not unique in collection"), Source);
    Node *parentNode = nullptr;
    if (!relative.isEmpty()) {
        parentNode = byKey_.value(relative);
        if (!parentNode)
            throw Failure(35601, QStringLiteral("Element not found"), Source);
    }
    auto *node = new Node(QStringList{text});
    node->setData(0, KeyRole, key);
    if (isSong)
        node->setData(0, SongRole, true);
    if (parentNode)
        parentNode->addChild(node);
    else
        addTopLevelItem(node);
    byKey_.insert(key, node);
    byNumber_.push_back(node);
    return node;
}

KeyedTree::Node *KeyedTree::NodeByKey(const QString &key) const
{
    Node *node = byKey_.value(key);
    if (!node)
        throw Failure(35601, QStringLiteral("Element not found"), Source);
    return node;
}

KeyedTree::Node *KeyedTree::NodeAt(int n) const
{
    if (n < 1 || n > Count())
        throw Failure(35600, QStringLiteral("Index out of bounds"), Source);
    return byNumber_[static_cast<std::size_t>(n - 1)];
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

QString KeyedTree::Key(const Node *node) { return node->data(0, KeyRole).toString(); }

bool KeyedTree::IsSong(const Node *node) { return node->data(0, SongRole).toBool(); }

} // namespace Platform
