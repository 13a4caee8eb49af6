#include "orders/uOrdersTree.h"

#include "core/Fonts.h"
#include "core/HtmlItemDelegate.h"
#include "core/ImageView.h"
#include "core/uMain.h"
#include "core/uPellomarShow.h"
#include "orders/uClasses.h"
#include "orders/uOrderImages.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProgressBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const char* const kSortClauses[] = {"order by Brevanta.OrderCreationDate Desc",
                                    "order by Brevanta.OrderDueDate"};

// Keeps a flag set for the lifetime of a scope, whatever way the scope ends.
struct FlagGuard
{
    bool& flag;
    explicit FlagGuard(bool& f) : flag(f) { flag = true; }
    ~FlagGuard() { flag = false; }
};

} // namespace

TOrdersTree::TOrdersTree(TfrmMainPellomarAlpha& main) : QObject(&main), m(main)
{
    QTreeWidget* tree = m.treeBrevanta;
    tree->setColumnCount(3);
    tree->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Order"), QStringLiteral("OrderList")});
    tree->setColumnWidth(0, 200);
    tree->setColumnWidth(1, 80);
    tree->setColumnHidden(2, true);
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    tree->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    tree->setIconSize(QSize(56, 24));
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setUniformRowHeights(true);
    tree->setExpandsOnDoubleClick(false);
    tree->setIndentation(18);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setFont(TahomaFont(8));
    if (auto* delegate = qobject_cast<THtmlItemDelegate*>(tree->itemDelegate()))
        delegate->setRowHeight(30);
    connect(tree, &QTreeWidget::itemSelectionChanged, this, &TOrdersTree::onSelectionChanged);
    connect(tree, &QTreeWidget::itemCollapsed, this, &TOrdersTree::onItemCollapsed);
    connect(tree, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* item = m.treeBrevanta->itemAt(pos))
            m.treeBrevanta->setCurrentItem(item);
        m.popupmenuCustomerTree->popup(m.treeBrevanta->viewport()->mapToGlobal(pos));
    });

    m.btnTreeSortOrder->setMenu(nullptr);
    connect(m.btnTreeSortOrder, &QToolButton::clicked, this, [this] {
        m.popupmenuTreeSort->popup(m.btnTreeSortOrder->mapToGlobal(QPoint(0, m.btnTreeSortOrder->height())));
    });
    connect(m.tbiMostRecentEntryAtTop, &QAction::triggered, this, [this] { ChooseSortOrder(0); });
    connect(m.tbiMostOverdueOrderAtTop, &QAction::triggered, this, [this] { ChooseSortOrder(1); });
}

QString TOrdersTree::OrderCaption(const TOrder* order)
{
    return QStringLiteral("<html>") + order->FullName + QStringLiteral("<br><font color=clGray>") +
           order->CompanyName + QStringLiteral("</font>");
}

QString TOrdersTree::OrderNumberCaption(const TOrder* order)
{
    return QStringLiteral("<html><font color=\"clNavy\">") + order->CustomerOrderNo +
           QStringLiteral("</font>");
}

QString TOrdersTree::SortClause() const
{
    return QString::fromLatin1(kSortClauses[m_sortIndex]);
}

void TOrdersTree::ChooseSortOrder(int index)
{
    m_sortIndex = qBound(0, index, 1);
    m.tbiMostRecentEntryAtTop->setChecked(m_sortIndex == 0);
    m.tbiMostOverdueOrderAtTop->setChecked(m_sortIndex == 1);
    m.ReloadOrders();
}

void TOrdersTree::SetOrderRowImages(QTreeWidgetItem* row, int first)
{
    row->setData(0, ImageRole, first);
    row->setIcon(0, OrderImagePair(first));
}

void TOrdersTree::SetOrderRowImages(QTreeWidgetItem* row, const TOrder* order)
{
    SetOrderRowImages(row, OrderImageIndex(order->OrderCompleted, order->OrderDueDate, Now()));
}

void TOrdersTree::RebuildTree()
{
    QTreeWidget* tree = m.treeBrevanta;
    {
        FlagGuard loading(m_loading);
        tree->hide();
        tree->clear();
        m.lblOrderLoadingStatus->setText(QStringLiteral("Processing your Orders..."));
        m.prgOrderLoadingStatus->setRange(0, qMax(0, int(m.LoadedOrders.size()) - 1));
        m.prgOrderLoadingStatus->setValue(0);
        m.panDatabaseLoading->show();
        m.panDatabaseLoading->raise();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        int position = 0;
        try {
            for (int i = 0; i < m.LoadedOrders.size(); ++i) {
                m.prgOrderLoadingStatus->setValue(i);
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                const TOrder* order = m.LoadedOrders[i];
                auto* row = new QTreeWidgetItem(tree);
                row->setText(0, OrderCaption(order));
                row->setText(1, OrderNumberCaption(order));
                row->setText(2, QString::number(i));
                row->setData(0, PositionRole, position++);
                SetOrderRowImages(row, order);
                for (int j = 0; j < order->Items.size(); ++j) {
                    const TOrderItem* item = order->Items[j];
                    auto* child = new QTreeWidgetItem(row);
                    child->setText(0, QStringLiteral("<html><font color=\"clGray\">") +
                                          QString::number(item->Quantity) + QStringLiteral(" x ") +
                                          item->ProductModel + QStringLiteral("</font>"));
                    child->setText(2, QString::number(j));
                    child->setData(0, PositionRole, position++);
                }
                tree->header()->setFixedHeight(0);
            }
        } catch (...) {
            // The tree is shown again with the rows built so far.
        }
        m.panDatabaseLoading->hide();
        tree->show();
    }
    LastSelectedTreeRow = -1;
    DrawTotals();
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    if (selected.isEmpty()) {
        // The rows were rebuilt without a selection: the right half shows none either.
        m.ClearCurrentOrder();
        return;
    }
    selectRow(selected.first());
}

void TOrdersTree::selectRow(QTreeWidgetItem* row)
{
    row->setSelected(true);
    onSelectionChanged();
}

void TOrdersTree::onSelectionChanged()
{
    if (m_loading)
        return;
    const QList<QTreeWidgetItem*> selected = m.treeBrevanta->selectedItems();
    if (selected.isEmpty()) {
        m.ClearCurrentOrder();
        return;
    }
    QTreeWidgetItem* row = selected.first();
    try {
        const int position = row->data(0, PositionRole).toInt();
        QTreeWidgetItem* parent = row->parent();
        if (m.CurrentOrder && m.CurrentOrder->ChartLoaded) {
            if (position == LastSelectedTreeRow)
                return;
            if (parent && parent->data(0, PositionRole).toInt() == LastSelectedTreeRow)
                return;
        }
        QTreeWidgetItem* orderRow = parent ? parent : row;
        const int index = orderRow->text(2).toInt();
        if (index < 0 || index >= m.LoadedOrders.size())
            return;
        TOrder* order = m.LoadedOrders[index];
        m.CurrentOrder = order;
        order->TreeRow = position;
        {
            // Only the selected order shows its items.
            FlagGuard arranging(m_arranging);
            for (int i = 0; i < m.treeBrevanta->topLevelItemCount(); ++i) {
                QTreeWidgetItem* top = m.treeBrevanta->topLevelItem(i);
                if (top != orderRow && top->isExpanded())
                    top->setExpanded(false);
            }
            orderRow->setExpanded(true);
        }
        m.ShowOrderChart(order);
        m.RefreshDetails();
        m.LoadMemos(order->OrderID);
        LastSelectedTreeRow = position;
    } catch (...) {
        // The right half keeps what it showed.
    }
}

void TOrdersTree::onItemCollapsed(QTreeWidgetItem* item)
{
    if (m_arranging || m_loading)
        return;
    if (!OrderSelected())
        return;
    if (item->parent())
        return;
    FlagGuard arranging(m_arranging);
    try {
        m.treeBrevanta->setCurrentItem(item);
        item->setSelected(true);
    } catch (...) {
    }
}

bool TOrdersTree::OrderSelected()
{
    if (m.CurrentOrder && !m.treeBrevanta->selectedItems().isEmpty())
        return true;
    ShowPlainMessage(QStringLiteral("Please select an Order first."));
    return false;
}

void TOrdersTree::DrawTotals()
{
    const QFont font = TahomaFont(12, true);
    const QRgb colour = 0xFFB9B9AF;
    QImage& total = m.imgOrderCostTotal->Bitmap();
    total.fill(Qt::white);
    double sum = 0;
    for (const TOrder* order : m.LoadedOrders)
        sum += order->OrderValue;
    const QString text = FormatMoney(sum, m.Settings.CurrencySymbol);
    const QFontMetrics metrics(font, &total);
    const int width = metrics.horizontalAdvance(text);
    if (width <= total.width()) {
        QPainter p(&total);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(font);
        p.setPen(QColor::fromRgba(colour));
        p.drawText(total.width() - 3 - width, metrics.ascent(), text);
    } else {
        DrawFittedText(total, font, 5, 0, 0, 0, text, 4, colour);
    }
    m.imgOrderCostTotal->update();

    QImage& title = m.imgBrevantaTitle->Bitmap();
    title.fill(Qt::white);
    DrawFittedText(title, font, 0, 0, 0, 0,
                   QStringLiteral("Customer Orders (") + QString::number(m.LoadedOrders.size()) + ')', 4,
                   colour);
    m.imgBrevantaTitle->update();
}
