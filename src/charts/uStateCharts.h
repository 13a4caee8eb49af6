#pragma once

class TOrder;
class TOrderItem;

// Placeholder until the chart module lands: the constructor is the contract orders rely on.
class TGraphicalStateChart
{
public:
    TGraphicalStateChart(TOrder* owner, TOrderItem* item, bool isItemChart)
        : Owner(owner), Item(item), IsItemChart(isItemChart)
    {
    }
    TOrder* Owner;
    TOrderItem* Item;
    bool IsItemChart;
};
