#pragma once

#include <QList>
#include <QString>

class TOrder;

// The texts a new customer is added with, named like their columns.
struct TCustomerFields
{
    QString FullName, Salutation, CompanyName, EmailAddress, Title, FirstName, LastName;
    QString Address1, Address2, Address3, City, PostalCode, Region, Country;
    QString WorkPhone, WorkExtension, HomePhone, MobilePhone, FaxNumber, WebSite;
    QString SpouseName, Hometown, Notes;
};

// Each add returns the key of the row it inserted, or 0 after telling the user it failed.
int AddCustomer(const TCustomerFields& customer);
int AddProduct(const QString& productCategory, const QString& productModel, int defaultStateID, double price);
int AddTask(const QString& taskShort, bool completed, int orderID);
// Date kind 0 gives an overdue order, 1 one due in 25 days; any other kind leaves both dates unset.
int AddOrder(const QString& customerOrderNo, const QString& internalOrderNo, int dateKind, int customerID,
             int masterStatesID);
int AddOrderItem(int statesID, int productID, int quantity, double price, int brevantaID);

// Deletes the order's row, its items and the charts of both (its memos stay), then removes the first
// order with the same OrderID from loadedOrders and frees it. That may be `order` itself: the caller
// must not use it afterwards unless it was not in the list. False (message shown) leaves the database
// and the list unchanged.
bool DeleteOrder(TOrder* order, QList<TOrder*>& loadedOrders);
bool DeleteTask(int taskID); // false after telling the user it failed

enum class TDeleteOutcome {
    Deleted,
    InUse,       // nothing deleted, nothing shown
    CheckFailed, // the in-use check failed; message shown, nothing deleted
    DeleteFailed // the delete itself failed; message shown
};

// Deletes a master row unless a row of another table refers to it. The check statement takes the
// key as its only parameter.
TDeleteOutcome DeleteRowNotInUse(const QString& checkSql, const QString& deleteSql, const QString& keyParam,
                                 int key, const QString& checkFailedText, const QString& deleteFailedText);
