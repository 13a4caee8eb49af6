#pragma once

#include <QObject>
#include <QString>

class QTreeWidgetItem;
class TfrmMainPellomarAlpha;
class TOrder;

// The orders tree of the main window: rows built from the loaded orders, selection, sort orders and
// the count and total above it.
class TOrdersTree : public QObject
{
    Q_OBJECT
public:
    explicit TOrdersTree(TfrmMainPellomarAlpha& main);

    static constexpr int PositionRole = Qt::UserRole + 1; // the row's position in the tree
    static constexpr int ImageRole = Qt::UserRole + 2;    // first picture of an order row's pair

    void RebuildTree();
    bool OrderSelected();
    void DrawTotals();
    QString SortClause() const;
    void ChooseSortOrder(int index); // 0 most recent at top, 1 most overdue at top
    // Sets the picture pair of an order row from the order's state.
    void SetOrderRowImages(QTreeWidgetItem* row, const TOrder* order);
    void SetOrderRowImages(QTreeWidgetItem* row, int first);
    bool Loading() const { return m_loading; }
    int LastSelectedTreeRow = -1;

    static QString OrderCaption(const TOrder* order);
    static QString OrderNumberCaption(const TOrder* order);

private:
    void onSelectionChanged();
    void onItemCollapsed(QTreeWidgetItem* item);
    void selectRow(QTreeWidgetItem* row);

    TfrmMainPellomarAlpha& m;
    bool m_loading = false;
    bool m_arranging = false; // collapses made by the tree itself are not the user's
    int m_sortIndex = 0;
};
