#include "core/uOrders.h"

#include "core/ProgramDir.h"

#include <QFileInfo>
#include <QSqlError>

TdmOrders* dmOrders = nullptr;

namespace {

struct ColumnDef
{
    QString name;
    QString type;
};

QVector<ColumnDef> customerColumns()
{
    QVector<ColumnDef> c{{"CustomerID", "INTEGER PRIMARY KEY AUTOINCREMENT"}};
    for (const char* n : {"FullName",
                          "Salutation",
                          "CompanyName",
                          "EmailAddress",
                          "FirstName",
                          "LastName",
                          "Title",
                          "Address1",
                          "Address2",
                          "Address3",
                          "City",
                          "PostalCode",
                          "Region",
                          "Country",
                          "InvoiceAddress1",
                          "InvoiceAddress2",
                          "InvoiceAddress3",
                          "InvoiceCity",
                          "InvoicePostalCode",
                          "InvoiceRegion",
                          "InvoiceCountry",
                          "MaritalStatus",
                          "SpouseName",
                          "SpousesInterests",
                          "ChildrenNames",
                          "Hometown",
                          "ContactsInterests",
                          "Notes"})
        c.append(ColumnDef{n, "TEXT"});
    c.append(ColumnDef{"CreationDate", "REAL"});
    c.append(ColumnDef{"EditDate", "REAL"});
    c.append(ColumnDef{"WebSite", "TEXT"});
    c.append(ColumnDef{"Valid", "INTEGER"});
    for (const char* n : {"WorkPhone", "WorkExtension", "HomePhone", "MobilePhone", "FaxNumber",
                          "ImportedType", "ImportFile"})
        c.append(ColumnDef{n, "TEXT"});
    return c;
}

QVector<ColumnDef> tableColumns(const QString& table)
{
    if (table == QLatin1String("Customers"))
        return customerColumns();
    if (table == QLatin1String("Brevanta"))
        return {{"OrderID", "INTEGER PRIMARY KEY AUTOINCREMENT"},
                {"CustomerID", "INTEGER"},
                {"OrderCreationDate", "REAL"},
                {"OrderCompletionDate", "REAL"},
                {"CustomerOrderNo", "TEXT"},
                {"InternalOrderNo", "TEXT"},
                {"MasterStatesID", "INTEGER"},
                {"OrderCompleted", "INTEGER"},
                {"OrderDueDate", "REAL"},
                {"OrderAckDate", "REAL"},
                {"OrderAcknowledged", "INTEGER"},
                {"ItemsCount", "INTEGER"},
                {"OrderInvoiced", "INTEGER"},
                {"OrderInvoicedDate", "REAL"},
                {"OrderPaid", "INTEGER"},
                {"OrderPaidDate", "REAL"},
                {"PackingAndCarriage", "REAL"},
                {"DeliveryCourier", "TEXT"},
                {"TrackingNumber", "TEXT"},
                {"OrderNotes", "TEXT"}};
    if (table == QLatin1String("OrderItems"))
        return {{"OrderItemsID", "INTEGER PRIMARY KEY AUTOINCREMENT"},
                {"BrevantaID", "INTEGER"},
                {"ProductID", "INTEGER"},
                {"Quantity", "INTEGER"},
                {"Price", "REAL"},
                {"StatesID", "INTEGER"}};
    if (table == QLatin1String("Products"))
        return {{"ProductID", "INTEGER PRIMARY KEY AUTOINCREMENT"},
                {"ProductCategory", "TEXT"},
                {"ProductModel", "TEXT"},
                {"Price", "REAL"},
                {"DefaultStateID", "INTEGER"}};
    if (table == QLatin1String("States")) {
        QVector<ColumnDef> c{{"StateID", "INTEGER PRIMARY KEY AUTOINCREMENT"}, {"EntryKey", "TEXT"}};
        for (int n = 1; n <= 7; ++n) {
            const QString s = "State" + QString::number(n);
            c.append(ColumnDef{s + "Text", "TEXT"});
            c.append(ColumnDef{s + "Completed", "INTEGER"});
            c.append(ColumnDef{s + "EmailText", "TEXT"});
            c.append(ColumnDef{s + "EmailPrompt", "INTEGER"});
            c.append(ColumnDef{s + "Emailed", "INTEGER"});
            c.append(ColumnDef{s + "EmailedDate", "REAL"});
            c.append(ColumnDef{s + "CompletedDate", "REAL"});
        }
        return c;
    }
    if (table == QLatin1String("Tasks"))
        return {{"TaskID", "INTEGER PRIMARY KEY AUTOINCREMENT"},
                {"OrderID", "INTEGER"},
                {"TaskShort", "TEXT"},
                {"TaskLong", "TEXT"},
                {"Completed", "INTEGER"},
                {"CreatedDate", "REAL"},
                {"CompletedDate", "REAL"}};
    if (table == QLatin1String("EmailStore"))
        return {{"EmailID", "INTEGER PRIMARY KEY AUTOINCREMENT"},
                {"To", "TEXT"},
                {"From", "TEXT"},
                {"CC", "TEXT"},
                {"BCC", "TEXT"},
                {"Title", "TEXT"},
                {"Body", "TEXT"},
                {"HTMLBody", "TEXT"},
                {"DateSent", "REAL"},
                {"OrderID", "INTEGER"},
                {"CustomerID", "INTEGER"},
                {"ProductID", "INTEGER"}};
    return {};
}

QString quoted(const QString& column)
{
    return '[' + column + ']';
}

QVariant bindable(const QVariant& value)
{
    // A null QString would be stored as NULL and then never match "=" in the find statements.
    if (value.typeId() == QMetaType::QString && value.toString().isNull())
        return QVariant(QStringLiteral(""));
    return value;
}

} // namespace

TdmOrders::TdmOrders(QObject* parent) : QObject(parent)
{
    dmOrders = this;
}

TdmOrders::~TdmOrders()
{
    Disconnect();
    if (dmOrders == this)
        dmOrders = nullptr;
}

QString TdmOrders::databaseFile() const
{
    return ProgramDir::file(ProgramFiles::Database);
}

bool TdmOrders::Connect()
{
    Disconnect();
    const bool existed = QFileInfo::exists(databaseFile());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName());
    db.setDatabaseName(databaseFile());
    if (!db.open())
        return false;
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("select count(*) from sqlite_master"))) {
        db.close();
        return false;
    }
    try {
        if (!existed || !db.tables().contains(QStringLiteral("Brevanta")))
            createSchema(db);
        for (const char* stmt : {"create index if not exists ixBrevantaCustomer on Brevanta(CustomerID)",
                                 "create index if not exists ixItemsOrder on OrderItems(BrevantaID)",
                                 "create index if not exists ixItemsProduct on OrderItems(ProductID)",
                                 "create index if not exists ixTasksOrder on Tasks(OrderID)",
                                 "create index if not exists ixCustomersCompany on Customers(CompanyName)",
                                 "create index if not exists ixProductsCategory on Products(ProductCategory)",
                                 "create index if not exists ixStatesEntryKey on States(EntryKey)"}) {
            QSqlQuery q(db);
            if (!q.exec(QString::fromLatin1(stmt)))
                throw DbError(q.lastError().text());
        }
    } catch (const DbError&) {
        db.close();
        return false;
    }
    return true;
}

void TdmOrders::createSchema(QSqlDatabase& db)
{
    for (const QString& table : Schema::tableNames()) {
        QStringList defs;
        for (const ColumnDef& c : tableColumns(table))
            defs << quoted(c.name) + ' ' + c.type;
        QSqlQuery q(db);
        if (!q.exec("create table if not exists " + table + " (" + defs.join(", ") + ")"))
            throw DbError(q.lastError().text());
    }
}

void TdmOrders::Disconnect()
{
    if (!QSqlDatabase::contains(connectionName()))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName(), false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName());
}

bool TdmOrders::Connected() const
{
    return QSqlDatabase::contains(connectionName()) &&
           QSqlDatabase::database(connectionName(), false).isOpen();
}

QSqlDatabase TdmOrders::dbOrders() const
{
    return QSqlDatabase::database(connectionName(), false);
}

QVariant TRow::value(const QString& column) const
{
    const int index = m_record.indexOf(column);
    return index < 0 ? QVariant() : m_record.value(index);
}

QString TRow::text(const QString& column) const
{
    const QVariant v = value(column);
    return v.isNull() ? QString("") : v.toString();
}

int TRow::integer(const QString& column) const
{
    const QVariant v = value(column);
    return v.isNull() ? 0 : int(v.toLongLong());
}

double TRow::number(const QString& column) const
{
    const QVariant v = value(column);
    return v.isNull() ? 0.0 : v.toDouble();
}

bool TRow::boolean(const QString& column) const
{
    const QVariant v = value(column);
    return !v.isNull() && v.toLongLong() != 0;
}

namespace Db {

QSqlDatabase database()
{
    if (!QSqlDatabase::contains(TdmOrders::connectionName()))
        throw DbError(QStringLiteral("The database is not connected."));
    QSqlDatabase db = QSqlDatabase::database(TdmOrders::connectionName(), false);
    if (!db.isOpen())
        throw DbError(QStringLiteral("The database is not connected."));
    return db;
}

QSqlQuery exec(const QString& sql, const TParams& params)
{
    QSqlQuery q(database());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw DbError(q.lastError().text() + QStringLiteral(" in: ") + sql);
    for (const auto& p : params)
        q.bindValue(':' + p.first, bindable(p.second));
    if (!q.exec())
        throw DbError(q.lastError().text() + QStringLiteral(" in: ") + sql);
    return q;
}

QVector<TRow> select(const QString& sql, const TParams& params)
{
    QSqlQuery q = exec(sql, params);
    QVector<TRow> rows;
    while (q.next())
        rows.append(TRow(q.record()));
    if (q.lastError().isValid())
        throw DbError(q.lastError().text());
    return rows;
}

int insert(const QString& table, const TParams& values)
{
    QStringList columns, holders;
    TParams params;
    for (const auto& v : values) {
        columns << quoted(v.first);
        holders << ":p_" + v.first;
        params.append({"p_" + v.first, v.second});
    }
    const QString sql =
        "insert into " + table + " (" + columns.join(", ") + ") values (" + holders.join(", ") + ")";
    QSqlQuery q = exec(sql, params);
    const QVariant id = q.lastInsertId();
    if (!id.isValid())
        throw DbError(QStringLiteral("The new row of ") + table + QStringLiteral(" has no key."));
    return int(id.toLongLong());
}

int update(const QString& table, const QString& keyColumn, int key, const TParams& values)
{
    QStringList sets;
    TParams params;
    for (const auto& v : values) {
        sets << quoted(v.first) + " = :p_" + v.first;
        params.append({"p_" + v.first, v.second});
    }
    params.append({QStringLiteral("p_key"), key});
    QSqlQuery q = exec(
        "update " + table + " set " + sets.join(", ") + " where " + quoted(keyColumn) + " = :p_key", params);
    return q.numRowsAffected();
}

QString cut255(const QString& text)
{
    return text.left(255);
}

Transaction::Transaction()
{
    m_active = database().transaction();
    if (!m_active)
        throw DbError(QStringLiteral("A transaction could not be started."));
}

Transaction::~Transaction()
{
    if (m_active)
        QSqlDatabase::database(TdmOrders::connectionName(), false).rollback();
}

void Transaction::commit()
{
    if (m_active && !database().commit())
        throw DbError(database().lastError().text());
    m_active = false;
}

} // namespace Db

namespace Schema {
QStringList tableNames()
{
    return {"Customers", "Brevanta", "OrderItems", "Products", "States", "Tasks", "EmailStore"};
}
QStringList columns(const QString& table)
{
    QStringList names;
    for (const ColumnDef& c : tableColumns(table))
        names << c.name;
    return names;
}
} // namespace Schema

namespace Queries {

QString qryOrderDetails(const QString& orderLine)
{
    return "select Brevanta.*, Customers.* from Brevanta,Customers\n"
           "where Brevanta.CustomerID = Customers.CustomerID\n" +
           orderLine;
}

QString qryOrderDetailsByOrderID(const QString& orderLine)
{
    return "select Brevanta.*, Customers.* from Brevanta,Customers\n"
           "where Brevanta.CustomerID = Customers.CustomerID\n"
           "and OrderID=:P_OrderID\n" +
           orderLine;
}

const QString qryOrderItems = "select OrderItems.*, Products.* from OrderItems,Products\n"
                              "where OrderItems.BrevantaID=:P_BrevantaID\n"
                              "and OrderItems.ProductID = Products.ProductID";
const QString qryOrderUpdate = "select * from Brevanta \nwhere OrderID=:P_OrderID";
const QString qryStateUpdate = "select * from States\nwhere StateID = :P_StateID";
const QString qryCompanies = "select distinct CompanyName \nfrom Customers \nwhere CompanyName like :p_name\n"
                             "order by CompanyName";
const QString qryFullNames =
    "select FullName from Customers \nwhere CompanyName = :P_companyname\norder by FullName";
const QString qryExtraFields =
    "select Salutation,EMailAddress,Title, FirstName, LastName, \n"
    "Address1, Address2, Address3, Country, City, Region, PostalCode, \n"
    "WorkPhone, WorkExtension, HomePhone, MobilePhone, \n"
    "FaxNumber, WebSite, Notes, InvoiceAddress1, InvoiceAddress2, \n"
    "InvoiceAddress3, InvoiceCity, InvoiceRegion, InvoiceCountry, InvoicePostalCode \n"
    "from Customers \nwhere FullName = :P_fullname \nand CompanyName = :P_companyname \norder by Salutation";
const QString qryProductCategory = "select distinct ProductCategory \nfrom Products \n"
                                   "where ProductCategory like :p_name\norder by ProductCategory ";
const QString qryProductModels = "select distinct ProductModel, ProductCategory from Products \n"
                                 "where ProductCategory = :P_companyname\norder by ProductModel";
const QString qryProductExtraFields = "select Price\nfrom Products \nwhere ProductModel= :P_ProductModel \n"
                                      "and ProductCategory = :P_ProductName";
const QString qryFindExistingCustomer = "select * from Customers\nwhere FullName=:P_FullName\n"
                                        "and CompanyName=:P_CompanyName\nand EmailAddress=:P_EmailAddress";
const QString qryIsCustomerUsed = "SELECT OrderID from Brevanta\nwhere CustomerID=:P_CustomerID";
const QString qryIsProductUsed = "SELECT OrderItemsID from OrderItems\nwhere ProductID=:P_ProductID";
const QString qryFindNewCustomer = "select * from Customers\nwhere FullName=:P_FullName \n"
                                   "and Salutation=:P_Salutation\nand CompanyName=:P_CompanyName\n"
                                   "and EmailAddress=:P_EmailAddress\norder by CustomerID";
const QString qryFindNewProduct = "select * from Products\nwhere ProductModel=:P_ProductModel\n"
                                  "and ProductCategory=:P_ProductName\nand Price=:P_Price\n"
                                  "and DefaultStateID=:P_DefaultStateID\norder by ProductID";
const QString qryFindNewState = "select * from States order by StateID";
const QString qryFindNewOrder = "select * from Brevanta order by OrderID";
const QString qryFindNewOrderItem = "select * from OrderItems order by OrderItemsID";
const QString qryFindNewTask = "select * from Tasks\nwhere OrderID=:P_OrderID\nand TaskShort=:P_TaskShort\n"
                               "and TaskLong=:P_TaskLong\nand Completed=:P_Completed\n"
                               "and CreatedDate=:P_CreatedDate\norder by TaskID";
const QString qryDeleteCustomerOrder = "delete from Brevanta\nwhere OrderID=:P_OrderID";
const QString qryDeleteState = "delete from States\nwhere StateID=:P_StateID";
const QString qryDeleteOrderItem = "delete from OrderItems\nwhere OrderItemsID=:P_OrderItemID";
const QString qryDeleteCustomer = "delete from Customers where CustomerID=:P_CustomerID";
const QString qryDeleteProduct = "delete from Products where ProductID=:P_ProductID";
const QString qryDeleteTask = "delete from Tasks where TaskID=:P_TaskID";
const QString qryCustomerFieldLookup =
    "SELECT [FullName], [Salutation], [CompanyName], [EmailAddress], [FirstName], [LastName], [Address1], "
    "[Address2], [Address3], [City], [PostalCode], [Region], [Country], [InvoiceAddress1], "
    "[InvoiceAddress2], "
    "[InvoiceAddress3], [InvoiceCity], [InvoicePostalCode], [InvoiceRegion], [InvoiceCountry], [Title], "
    "[MaritalStatus], [SpouseName], [SpousesInterests], [ChildrenNames], [Hometown], [ContactsInterests], "
    "[Notes], [CreationDate], [EditDate], [WebSite], [Valid], [WorkPhone], [WorkExtension], [HomePhone], "
    "[MobilePhone], [FaxNumber]\nFROM Customers;";
const QString qryProductFieldLookup = "SELECT ProductCategory, ProductModel, Price\nFROM Products;";
const QString qryArchive =
    "select Brevanta.OrderID, Brevanta.OrderCreationDate, Brevanta.OrderCompletionDate, "
    "Brevanta.CustomerOrderNo, "
    "Brevanta.InternalOrderNo, Brevanta.OrderCompleted, Brevanta.OrderDueDate, Brevanta.OrderAckDate, "
    "Brevanta.OrderAcknowledged, Brevanta.OrderInvoiced, Brevanta.OrderInvoicedDate, Brevanta.OrderPaid, "
    "Brevanta.OrderPaidDate, Customers.FullName, Customers.Salutation, Customers.CompanyName, "
    "Customers.EmailAddress\nfrom Brevanta inner join Customers on Brevanta.CustomerID = "
    "Customers.CustomerID\n"
    "order by Brevanta.InternalOrderNo Desc";
const QString qryArchiveOrderItems =
    "select Products.ProductCategory, Products.ProductModel, OrderItems.Price, OrderItems.Quantity\n"
    "from OrderItems inner join Products on OrderItems.ProductID = Products.ProductID\n"
    "where OrderItems.BrevantaID=:P_BrevantaID";
const QString qryArchiveOrderTasks =
    "select \nTaskShort,TaskLong,CreatedDate,Completed,CompletedDate\nfrom Tasks\n"
    "where OrderID=:P_OrderID";
const QString qryArchiveCustomers =
    "SELECT Customers.FullName, Customers.Salutation, Customers.CompanyName, Customers.EmailAddress, "
    "Customers.FirstName, Customers.LastName, Customers.Address1, Customers.Address2, Customers.Address3, "
    "Customers.City, Customers.PostalCode, Customers.Region, Customers.Country, Customers.InvoiceAddress1, "
    "Customers.InvoiceAddress2, Customers.InvoiceAddress3, Customers.InvoiceCity, "
    "Customers.InvoicePostalCode, "
    "Customers.InvoiceRegion, Customers.InvoiceCountry, Customers.Title, Customers.MaritalStatus, "
    "Customers.SpouseName, Customers.SpousesInterests, Customers.ChildrenNames, Customers.Hometown, "
    "Customers.ContactsInterests, Customers.Notes, Customers.CreationDate, Customers.EditDate, "
    "Customers.WebSite, Customers.Valid, Customers.WorkPhone, Customers.WorkExtension, Customers.HomePhone, "
    "Customers.MobilePhone, Customers.FaxNumber, Customers.ImportedType, Customers.ImportFile\n"
    "FROM Customers\nORDER BY Customers.CompanyName";
const QString qryArchiveProducts =
    "SELECT Products.ProductCategory, Products.ProductModel, Products.Price\nFROM Products\n"
    "ORDER BY Products.ProductCategory";

} // namespace Queries
