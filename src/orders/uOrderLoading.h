#pragma once

#include <QList>
#include <QString>
#include <functional>

class TOrder;
class TRow;

// Refills loadedOrders from the database in the order of orderLine (the tree's "order by" line).
// progress is told (done, total) after each order; the caller lets pending window messages run there.
// Orders whose customer row is missing are not loaded. On an error the orders read so far stay.
void LoadAllOrders(QList<TOrder*>& loadedOrders, const QString& orderLine,
                   const std::function<void(int done, int total)>& progress = {});

// Copies the columns of a row of the orders query into the order and loads its items.
void FillOrderFromRow(TOrder* order, const TRow& row);

// Fills the order from the row with that OrderID; an unknown id leaves it unchanged.
void LoadOrderByID(int orderID, TOrder* order);

// Writes the order's dates and flags back to its row; a row that no longer exists is left alone.
void UpdateOrderInformation(TOrder* order);
