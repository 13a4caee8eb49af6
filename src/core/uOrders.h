#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <QVector>
#include <stdexcept>
#include <utility>

// A statement failed. Each user action catches it, shows its own sentence and abandons the action.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Named parameters with their values, in the order they are bound.
using TParams = QVector<std::pair<QString, QVariant>>;

// The data module: owns the connection "dbOrders" to the database file of the program directory.
class TdmOrders : public QObject
{
    Q_OBJECT
public:
    explicit TdmOrders(QObject* parent = nullptr);
    ~TdmOrders() override;

    // Opens the database, creating the file with every table when it is missing (the installer's
    // part), and makes sure the look-up indexes exist. False when it cannot be opened.
    bool Connect();
    void Disconnect();
    bool Connected() const;
    QSqlDatabase dbOrders() const;
    QString databaseFile() const;

    static QString connectionName() { return QStringLiteral("dbOrders"); }

private:
    void createSchema(QSqlDatabase& db);
};

// The single data module; set while one exists.
extern TdmOrders* dmOrders;

// A row read by column name; NULL reads as empty text, 0 or false.
class TRow
{
public:
    TRow() = default;
    explicit TRow(const QSqlRecord& record) : m_record(record) {}
    QString text(const QString& column) const;
    int integer(const QString& column) const;
    double number(const QString& column) const;
    bool boolean(const QString& column) const;
    bool has(const QString& column) const { return m_record.indexOf(column) >= 0; }
    const QSqlRecord& record() const { return m_record; }

private:
    QVariant value(const QString& column) const;
    QSqlRecord m_record;
};

namespace Db {
QSqlDatabase database();
// Prepares, binds and runs a statement; throws DbError on failure.
QSqlQuery exec(const QString& sql, const TParams& params = {});
// All rows of a select, read at once.
QVector<TRow> select(const QString& sql, const TParams& params = {});
// Inserts a row and returns the key the database gave it.
int insert(const QString& table, const TParams& values);
// Sets columns of the row with the given key; returns the number of rows changed.
int update(const QString& table, const QString& keyColumn, int key, const TParams& values);
// Cuts a text to the 255 characters a text column holds.
QString cut255(const QString& text);

// All or nothing for a multi-step store: rolls back unless committed.
class Transaction
{
public:
    Transaction();
    ~Transaction();
    void commit();

private:
    bool m_active = false;
};
} // namespace Db

// The statements of the data module, in the database's dialect.
namespace Queries {
QString
qryOrderDetails(const QString& orderLine = QStringLiteral("order by Brevanta.OrderCreationDate Desc"));
QString qryOrderDetailsByOrderID(
    const QString& orderLine = QStringLiteral("order by Brevanta.OrderCreationDate Desc"));
extern const QString qryOrderItems;
extern const QString qryOrderUpdate;
extern const QString qryStateUpdate;
extern const QString qryCompanies;
extern const QString qryFullNames;
extern const QString qryExtraFields;
extern const QString qryProductCategory;
extern const QString qryProductModels;
extern const QString qryProductExtraFields;
extern const QString qryFindExistingCustomer;
extern const QString qryIsCustomerUsed;
extern const QString qryIsProductUsed;
extern const QString qryFindNewCustomer;
extern const QString qryFindNewProduct;
extern const QString qryFindNewState;
extern const QString qryFindNewOrder;
extern const QString qryFindNewOrderItem;
extern const QString qryFindNewTask;
extern const QString qryDeleteCustomerOrder;
extern const QString qryDeleteState;
extern const QString qryDeleteOrderItem;
extern const QString qryDeleteCustomer;
extern const QString qryDeleteProduct;
extern const QString qryDeleteTask;
extern const QString qryCustomerFieldLookup;
extern const QString qryProductFieldLookup;
extern const QString qryArchive;
extern const QString qryArchiveOrderItems;
extern const QString qryArchiveOrderTasks;
extern const QString qryArchiveCustomers;
extern const QString qryArchiveProducts;
} // namespace Queries

// Column lists of the tables, in declaration order (without the key unless named).
namespace Schema {
QStringList tableNames();
QStringList columns(const QString& table); // every column, key first
} // namespace Schema
