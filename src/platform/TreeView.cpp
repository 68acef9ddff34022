#include "platform/TreeView.h"

#include "platform/Twips.h"
#include "platform/Vb.h"
#include "platform/VbInput.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

// ---------------------------------------------------------------- ImageList

int ImageList::Add(const QPixmap &picture, const QString &key)
{
    QPixmap pm = picture;
    if (useMask_ && !pm.isNull())
        pm.setMask(pm.createMaskFromColor(mask_, Qt::MaskInColor));
    pictures_.push_back(pm);
    icons_.emplace_back(pm);
    keys_.append(key);
    return Count();
}

int ImageList::IndexOf(const QString &key) const
{
    if (key.isEmpty())
        return 0;
    return int(keys_.indexOf(key)) + 1;
}

QIcon ImageList::Icon(int index) const
{
    return index >= 1 && index <= Count() ? icons_[size_t(index - 1)] : QIcon();
}

QPixmap ImageList::Picture(int index) const
{
    return index >= 1 && index <= Count() ? pictures_[size_t(index - 1)] : QPixmap();
}

void ImageList::Clear()
{
    icons_.clear();
    pictures_.clear();
    keys_.clear();
}

// ----------------------------------------------------------------- TreeNode

TreeNode::TreeNode(TreeView *tree, QString key, int index, int image)
    : tree_(tree), key_(std::move(key)), index_(index), image_(image)
{
}

void TreeNode::SetImage(int image)
{
    if (image_ == image)
        return;
    image_ = image;
    emitDataChanged();
}

void TreeNode::SetExpandedImage(int image)
{
    if (expandedImage_ == image)
        return;
    expandedImage_ = image;
    if (isExpanded())
        emitDataChanged();
}

void TreeNode::SetSelected(bool on)
{
    if (on)
        tree_->SetSelectedItem(this);
    else
        setSelected(false);
}

TreeNode *TreeNode::Child() const
{
    return childCount() ? static_cast<TreeNode *>(child(0)) : nullptr;
}

TreeNode *TreeNode::Next() const
{
    if (QTreeWidgetItem *p = parent()) {
        const int i = p->indexOfChild(const_cast<TreeNode *>(this));
        return i + 1 < p->childCount() ? static_cast<TreeNode *>(p->child(i + 1)) : nullptr;
    }
    const int i = tree_->indexOfTopLevelItem(const_cast<TreeNode *>(this));
    return i + 1 < tree_->topLevelItemCount() ? static_cast<TreeNode *>(tree_->topLevelItem(i + 1))
                                              : nullptr;
}

// The picture is looked up when drawn, so a node opened or closed by any
// means (mouse, keyboard, code) shows the right one without bookkeeping.
QVariant TreeNode::data(int column, int role) const
{
    if (role == Qt::DecorationRole && column == 0) {
        const int pic = expandedImage_ > 0 && isExpanded() ? expandedImage_ : image_;
        const QIcon icon = tree_->Images().Icon(pic);
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    return QTreeWidgetItem::data(column, role);
}

// ----------------------------------------------------------------- TreeView


TreeView::TreeView(QWidget *parent) : QTreeWidget(parent)
{
    setProperty("vbType", QStringLiteral("TreeView"));
    setColumnCount(1);
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { Q_EMIT NodeClick(static_cast<TreeNode *>(item)); });
    connect(this, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem *item) { Q_EMIT Expand(static_cast<TreeNode *>(item)); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem *item) { Q_EMIT Collapse(static_cast<TreeNode *>(item)); });
    // Also when a caller empties the tree through QTreeWidget::clear().
    connect(model(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        byKey_.clear();
        nodes_.clear();
    });
}

TreeView::~TreeView()
{
    // Empty the tree while the key table and pictures still exist: the
    // model's own clean-up would otherwise reach them after they are gone.
    QTreeWidget::clear();
    disconnect(model(), nullptr, this, nullptr);
}

TreeNode *TreeView::Add(const QString &relativeKey, int relationship, const QString &key,
                        const QString &text, int image)
{
    if (!key.isEmpty() && byKey_.contains(key))
        throw VbError(35602, QStringLiteral("Key is not unique in collection"));
    TreeNode *relative = nullptr;
    if (!relativeKey.isEmpty()) {
        relative = Find(relativeKey);
        if (!relative)
            throw VbError(35601, QStringLiteral("Element not found"));
    }

    auto *node = new TreeNode(this, key, Count() + 1, image);
    node->setText(0, text);
    if (!relative) {
        if (relationship == tvwFirst)
            insertTopLevelItem(0, node);
        else
            addTopLevelItem(node);
    } else if (relationship == tvwChild) {
        relative->addChild(node);
    } else {
        // A sibling of the relative: among its parent's children or the roots.
        QTreeWidgetItem *parent = relative->parent();
        const int at = parent ? parent->indexOfChild(relative) : indexOfTopLevelItem(relative);
        const int count = parent ? parent->childCount() : topLevelItemCount();
        int pos = count;
        switch (relationship) {
        case tvwFirst: pos = 0; break;
        case tvwNext: pos = at + 1; break;
        case tvwPrevious: pos = at; break;
        default: break; // tvwLast
        }
        if (parent)
            parent->insertChild(pos, node);
        else
            insertTopLevelItem(pos, node);
    }
    nodes_.push_back(node);
    if (!key.isEmpty())
        byKey_.insert(key, node);
    return node;
}

void TreeView::Clear()
{
    QTreeWidget::clear();
}

TreeNode *TreeView::Node(int index) const
{
    return index >= 1 && index <= Count() ? nodes_[size_t(index - 1)] : nullptr;
}

TreeNode *TreeView::Find(const QString &key) const
{
    return byKey_.value(key, nullptr);
}

void TreeView::SetImageList(const ImageList &images)
{
    images_ = images;
    viewport()->update();
}

TreeNode *TreeView::SelectedItem() const
{
    const QList<QTreeWidgetItem *> sel = selectedItems();
    return sel.isEmpty() ? nullptr : static_cast<TreeNode *>(sel.first());
}

void TreeView::SetSelectedItem(TreeNode *node)
{
    if (node)
        setCurrentItem(node);
    else
        clearSelection();
}

void TreeView::EnsureVisible(TreeNode *node)
{
    if (!node)
        return;
    QList<TreeNode *> chain;
    for (TreeNode *p = node->Parent(); p; p = p->Parent())
        chain.prepend(p);
    for (TreeNode *p : chain)
        p->setExpanded(true);
    scrollToItem(node);
}

TreeNode *TreeView::HitTest(float x, float y) const
{
    const QPoint widgetPos(Twips::ToPixels(x), Twips::ToPixels(y));
    return static_cast<TreeNode *>(itemAt(viewport()->mapFrom(this, widgetPos)));
}

void TreeView::keyPressEvent(QKeyEvent *event)
{
    Q_EMIT KeyDown(VbInput::KeyCode(event), VbInput::Shift(event->modifiers()));
    // Moving through the tree only selects: a node whose click opens a
    // window or a page would otherwise open on the way past. Enter and
    // Space click the node the keyboard rests on, so the tree works
    // without a mouse. A selection made by the program is neither.
    const QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    auto *after = static_cast<TreeNode *>(currentItem());
    if (!after)
        return;
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        Q_EMIT NodeClick(after);
    else if (after != before)
        Q_EMIT NodeSelect(after);
}

void TreeView::EmitMouse(QMouseEvent *event, bool press)
{
    // Handlers measure from the control's corner, not the scrolled viewport's.
    const QPointF p = viewport()->mapTo(this, event->position().toPoint());
    const float x = float(Twips::FromPixels(p.x()));
    const float y = float(Twips::FromPixels(p.y()));
    const int shift = VbInput::Shift(event->modifiers());
    if (press)
        Q_EMIT MouseDown(VbInput::Buttons(event->button()), shift, x, y);
    else
        Q_EMIT MouseMove(VbInput::Buttons(event->buttons()), shift, x, y);
}

void TreeView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton) {
        EmitMouse(event, true);
        QTreeWidget::mousePressEvent(event);
        return;
    }
    // The right button is about the node under the pointer: it becomes the
    // selected node before the button is reported. The view's own press
    // handling is left out, as it could take the selection away again
    // (Ctrl held) and a right press has nothing else to do in the tree.
    const QPointer<TreeView> self(this);
    if (auto *node = static_cast<TreeNode *>(itemAt(event->position().toPoint()))) {
        setCurrentItem(node);
        Q_EMIT NodeSelect(node);
        if (!self)
            return;
    }
    EmitMouse(event, true);
}

void TreeView::mouseMoveEvent(QMouseEvent *event)
{
    EmitMouse(event, false);
    QTreeWidget::mouseMoveEvent(event);
}
