#pragma once
// The navigation tree: nodes found by a unique key, added relative to another
// node's key, each showing one picture of an image list (1-based picture
// numbers, 0 = none) and optionally another one while it is open. Mouse
// positions reach handlers in twips, buttons and shift state as bit masks
// (1 = left/Shift, 2 = right/Ctrl, 4 = middle/Alt).
#include <QHash>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <vector>

// Pictures a tree draws its nodes with, numbered from 1 in the order added.
class ImageList {
public:
    // Pixels of this colour are drawn transparent (light grey by default).
    void SetMaskColor(const QColor &color) { mask_ = color; }
    void SetUseMaskColor(bool on) { useMask_ = on; }

    // Adds a picture; returns its number.
    int Add(const QPixmap &picture, const QString &key = QString());
    int Count() const { return int(icons_.size()); }
    // Number of the picture with this key (case-sensitive), 0 if none.
    int IndexOf(const QString &key) const;
    // Null icon / pixmap for a number outside 1..Count.
    QIcon Icon(int index) const;
    QPixmap Picture(int index) const;
    void Clear();

private:
    QColor mask_{192, 192, 192};
    bool useMask_ = true;
    std::vector<QIcon> icons_;
    std::vector<QPixmap> pictures_;
    QStringList keys_;
};

class TreeView;

class TreeNode : public QTreeWidgetItem {
public:
    const QString &Key() const { return key_; }
    QString Text() const { return text(0); }
    void SetText(const QString &text) { setText(0, text); }
    int Image() const { return image_; }
    void SetImage(int image);
    // Picture shown while the node is open; 0 keeps Image.
    int ExpandedImage() const { return expandedImage_; }
    void SetExpandedImage(int image);
    bool Expanded() const { return isExpanded(); }
    void SetExpanded(bool on) { setExpanded(on); }
    bool Selected() const { return isSelected(); }
    void SetSelected(bool on);
    // Position in the tree's node collection, 1-based, in the order added.
    int Index() const { return index_; }
    TreeNode *Parent() const { return static_cast<TreeNode *>(parent()); }
    int Children() const { return childCount(); }
    TreeNode *Child() const; // first child or nullptr
    TreeNode *Next() const;  // next sibling or nullptr

    QVariant data(int column, int role) const override;

private:
    friend class TreeView;
    TreeNode(TreeView *tree, QString key, int index, int image);
    TreeView *tree_;
    QString key_;
    int index_;
    int image_;
    int expandedImage_ = 0;
};

class TreeView : public QTreeWidget {
    Q_OBJECT
public:
    enum Relationship : int { tvwFirst = 0, tvwLast = 1, tvwNext = 2, tvwPrevious = 3, tvwChild = 4 };

    explicit TreeView(QWidget *parent = nullptr);
    ~TreeView() override;

    // Adds a node placed by relationship to the node keyed relativeKey; an
    // empty relativeKey places it among the roots (first for tvwFirst, else
    // last). Throws VbError 35602 for a key already in the tree and 35601
    // for a relative key that is not.
    TreeNode *Add(const QString &relativeKey, int relationship, const QString &key,
                  const QString &text, int image = 0);
    // Removes every node.
    void Clear();
    int Count() const { return int(nodes_.size()); }
    // 1-based, in the order added; nullptr outside 1..Count.
    TreeNode *Node(int index) const;
    // nullptr for an unknown key.
    TreeNode *Find(const QString &key) const;

    // The copy is taken; later changes to the caller's list are not seen.
    void SetImageList(const ImageList &images);
    const ImageList &Images() const { return images_; }

    TreeNode *SelectedItem() const;
    void SetSelectedItem(TreeNode *node);
    // Opens the node's ancestors and scrolls it into view.
    void EnsureVisible(TreeNode *node);
    // Node under a point given in twips of the control, or nullptr.
    TreeNode *HitTest(float x, float y) const;

    // One tip for the whole control (nodes have none), over any node.
    QString ToolTipText() const { return toolTip(); }
    void SetToolTipText(const QString &text) { setToolTip(text); }

Q_SIGNALS:
    // A click on a node, or Enter or Space on the node the keyboard rests on.
    void NodeClick(TreeNode *node);
    // The user moved the selection onto a node without asking to open it:
    // by a key that moves it, or by a right click on the node (said before
    // that click's MouseDown, so a menu opened there is about the node).
    void NodeSelect(TreeNode *node);
    void Expand(TreeNode *node);
    void Collapse(TreeNode *node);
    void KeyDown(int keyCode, int shift);
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void EmitMouse(QMouseEvent *event, bool press);

    std::vector<TreeNode *> nodes_;
    QHash<QString, TreeNode *> byKey_;
    ImageList images_;
};
