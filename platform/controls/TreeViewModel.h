#pragma once
// The data behind a TreeView: node records in a tree, the order in which they were added (the
// 1-based Index), and the key lookup. It is the item model the view paints from. Used by
// TreeView, Node and TreeNodes only; callers use those.
#include <QAbstractItemModel>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace controls {

class ImageList;
class TreeView;
class TreeViewModel;

struct TreeNodeRecord : std::enable_shared_from_this<TreeNodeRecord> {
    TreeViewModel* model = nullptr;       // null once the node is removed from its tree
    TreeNodeRecord* parent = nullptr;     // null for a top-level node
    std::vector<TreeNodeRecord*> children;
    QString key;
    QString text;
    QVariant tag;
    QVariant image;
    QVariant selectedImage;
    int index = 0;                        // 1-based position in the order of addition
    int row = 0;                          // position among its siblings
    bool expanded = false;
};

class TreeViewModel : public QAbstractItemModel {
    Q_OBJECT
public:
    TreeViewModel(TreeView* owner, QObject* parent);
    ~TreeViewModel() override;

    TreeView* owner() const { return m_owner; }

    int count() const { return static_cast<int>(m_byIndex.size()); }
    // Adds a node; validates everything first, so a raised error leaves the tree unchanged.
    std::shared_ptr<TreeNodeRecord> add(const QString& relativeKey, int relationship,
                                               const QString& key, const QString& text,
                                               const QVariant& image, const QVariant& selectedImage);
    void clear();
    // Removes the node and everything below it; later nodes move down to close the gap in Index.
    void remove(TreeNodeRecord* record);

    // A handle sharing the ownership of a record of this tree.
    static std::shared_ptr<TreeNodeRecord> handle(TreeNodeRecord* record)
    {
        return record->shared_from_this();
    }
    TreeNodeRecord* recordAt(int index) const;           // 1-based; null outside 1..count
    TreeNodeRecord* recordByKey(const QString& key) const;
    const std::vector<TreeNodeRecord*>& siblingsOf(const TreeNodeRecord* record) const
    {
        return record->parent ? record->parent->children : m_topLevel;
    }

    QModelIndex indexOf(const TreeNodeRecord* record) const;
    static TreeNodeRecord* recordOf(const QModelIndex& index)
    {
        return static_cast<TreeNodeRecord*>(index.internalPointer());
    }

    void setText(TreeNodeRecord* record, const QString& text);
    void setImageList(ImageList* images);
    ImageList* imageList() const;
    // The selected node shows its selected image.
    void setSelectedRecord(TreeNodeRecord* record);
    TreeNodeRecord* selectedRecord() const { return m_selected; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void checkPicture(const QVariant& reference) const;
    void detachAll();
    void repaintRecord(const TreeNodeRecord* record);

    TreeView* m_owner;
    std::vector<std::shared_ptr<TreeNodeRecord>> m_byIndex;   // owns the records
    std::vector<TreeNodeRecord*> m_topLevel;
    QHash<QString, TreeNodeRecord*> m_byKey;
    // The relative key of the last Add: builders add many children under one parent in a row.
    QString m_lastRelativeKey;
    TreeNodeRecord* m_lastRelative = nullptr;
    QPointer<ImageList> m_images;
    TreeNodeRecord* m_selected = nullptr;
};

} // namespace controls
