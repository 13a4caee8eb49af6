#include "orders/uClasses.h"

#include "charts/uStateCharts.h"
#include "core/uPellomarShow.h"

TOrderItem::TOrderItem(TOrder* order)
    : m_order(order), m_chart(std::make_unique<TGraphicalStateChart>(order, this, true))
{}

TOrderItem::~TOrderItem() = default;

TOrder::TOrder() : m_chart(std::make_unique<TGraphicalStateChart>(this, nullptr, false)) {}

TOrder::~TOrder()
{
    FreeItems();
}

TOrderItem* TOrder::AddItem()
{
    auto* item = new TOrderItem(this);
    Items.append(item);
    return item;
}

void TOrder::FreeItems()
{
    qDeleteAll(Items);
    Items.clear();
}

TAddOrder::TAddOrder()
{
    Orders.append(new TOrder());
}

TAddOrder::~TAddOrder()
{
    FreeAllItems(Orders);
}

void FreeAllItems(QList<TOrder*>& list)
{
    for (int i = 0; i < list.size(); ++i) {
        if (!list[i]) {
            ShowPlainMessage(QStringLiteral("Nil Pointer Error"));
            continue;
        }
        try {
            delete list[i];
        } catch (...) {
            ShowPlainMessage(QStringLiteral("Error at count ") + QString::number(i + 1));
        }
        list[i] = nullptr;
    }
    list.clear();
}
