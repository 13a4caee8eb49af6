#pragma once

#include "core/DateTimeUtils.h"

#include <QList>
#include <QString>
#include <memory>

class TGraphicalStateChart;
class TOrder;

// One ordered item joined with its product, with its own process chart.
class TOrderItem
{
public:
    explicit TOrderItem(TOrder* order);
    ~TOrderItem();
    TOrderItem(const TOrderItem&) = delete;
    TOrderItem& operator=(const TOrderItem&) = delete;

    int OrderItemsID = -1; // 0 for an item added in the wizard and not stored yet
    int ProductID = 0;
    int Quantity = 0;
    int StatesID = 0;
    double Price = 0;
    double LineValue = 0;
    QString ProductCategory;
    QString ProductModel;
    TGraphicalStateChart* Chart() const { return m_chart.get(); }
    bool ChartLoaded = false;
    TOrder* Order() const { return m_order; }

private:
    TOrder* m_order;
    std::unique_ptr<TGraphicalStateChart> m_chart;
};

// One order joined with its customer, its items and its process chart.
class TOrder
{
public:
    TOrder();
    ~TOrder();
    TOrder(const TOrder&) = delete;
    TOrder& operator=(const TOrder&) = delete;

    int TreeRow = -1;
    int OrderID = -1;
    int CustomerID = 0;
    QString InternalOrderNo, CustomerOrderNo;
    QString Salutation, FullName, CompanyName, EmailAddress;
    QString FaxNumber, MobilePhone, HomePhone, WorkExtension, WorkPhone;
    QString Country, Region, PostalCode, City, Address1, Address2, Address3;
    QString InvoiceCountry, InvoiceRegion, InvoicePostalCode, InvoiceCity, InvoiceAddress1, InvoiceAddress2,
        InvoiceAddress3;
    QString LastName, FirstName, Title;
    QString OrderNotes;
    int Valid = 0;
    QString Notes;
    TDateTime CreationDate = 0, EditDate = 0;
    QString WebSite;
    bool OrderCompleted = false;
    TDateTime OrderCreationDate = 0, OrderCompletionDate = 0;
    bool OrderInvoiced = false, OrderPaid = false;
    TDateTime OrderInvoicedDate = 0, OrderPaidDate = 0, OrderDueDate = 0;
    float PackingAndCarriage = 0;
    double OrderValue = 0;
    QString DeliveryCourier, TrackingNumber;
    int MasterStatesID = 0;
    bool ChartLoaded = false;
    QList<TOrderItem*> Items; // owned

    TGraphicalStateChart* Chart() const { return m_chart.get(); }
    TOrderItem* AddItem(); // appends a new item owned by the order
    void FreeItems();

private:
    std::unique_ptr<TGraphicalStateChart> m_chart;
};

// The order wizard's holder: one new, empty order.
class TAddOrder
{
public:
    TAddOrder();
    ~TAddOrder();
    QList<TOrder*> Orders; // owned; exactly one at creation
    TOrder* Order() const { return Orders.value(0); }
};

// Frees every object of the list, then empties it.
void FreeAllItems(QList<TOrder*>& list);
