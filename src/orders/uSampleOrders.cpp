#include "orders/uSampleOrders.h"

#include "charts/uStatePresets.h"
#include "core/Settings.h"
#include "core/uOrders.h"
#include "core/uRecords.h"
#include "masters/uCustomerRecords.h"
#include "masters/uProductRecords.h"
#include "orders/uClasses.h"
#include "orders/uOrderLoading.h"

#include <array>
#include <memory>

namespace {

const std::array<TCustomerFields, 3>& sampleCustomers()
{
    static const std::array<TCustomerFields, 3> customers = [] {
        std::array<TCustomerFields, 3> c;
        c[0].FullName = QStringLiteral("Mr. Graham Whitcombe (sample)");
        c[0].Salutation = QStringLiteral("Graham");
        c[0].CompanyName = QStringLiteral("Big Import Co.");
        c[0].EmailAddress = QStringLiteral("graham.whitcombe@bigimport.example.com");
        c[0].Title = QStringLiteral("Mr.");
        c[0].FirstName = QStringLiteral("Graham");
        c[0].LastName = QStringLiteral("Whitcombe");
        c[0].Address1 = QStringLiteral("14 Larkfield Street");
        c[0].City = QStringLiteral("London");
        c[0].PostalCode = QStringLiteral("SE1 7QT");
        c[0].Country = QStringLiteral("United Kingdom");
        c[0].WorkPhone = QStringLiteral("020 7946 0321");
        c[0].HomePhone = QStringLiteral("020 7946 0877");
        c[0].FaxNumber = QStringLiteral("020 7946 0322");
        c[0].WebSite = QStringLiteral("www.bigimport.example.com");
        c[0].Notes =
            QStringLiteral("Finds small print hard to read, but found the setup guides easy to follow.");

        c[1].FullName = QStringLiteral("Mr. Dwayne Holcomb (sample)");
        c[1].Salutation = QStringLiteral("Dwayne");
        c[1].CompanyName = QStringLiteral("MoneyCorp LLC");
        c[1].EmailAddress = QStringLiteral("dwayne.holcomb@moneycorp.example.com");
        c[1].Title = QStringLiteral("Mr.");
        c[1].FirstName = QStringLiteral("Dwayne");
        c[1].LastName = QStringLiteral("Holcomb");
        c[1].Address1 = QStringLiteral("2250 Commerce Plaza, Suite 400");
        c[1].City = QStringLiteral("Dallas");
        c[1].Region = QStringLiteral("Texas");
        c[1].PostalCode = QStringLiteral("75201");
        c[1].Country = QStringLiteral("USA");
        c[1].WorkPhone = QStringLiteral("(214) 555-0147");
        c[1].FaxNumber = QStringLiteral("(214) 555-0148");
        c[1].WebSite = QStringLiteral("www.moneycorp.example.com");
        c[1].Notes = QStringLiteral("Is hardly ever available to contact via phone!");

        c[2].FullName = QStringLiteral("Mrs. Helen Marsden (sample)");
        c[2].Salutation = QStringLiteral("Mrs. Marsden");
        c[2].CompanyName = QStringLiteral("Rexmith Pty Ltd");
        c[2].EmailAddress = QStringLiteral("helen.marsden@rexmith.example.com");
        c[2].Title = QStringLiteral("Mrs.");
        c[2].FirstName = QStringLiteral("Helen");
        c[2].LastName = QStringLiteral("Marsden");
        c[2].Address1 = QStringLiteral("7 Harbour View Road");
        c[2].City = QStringLiteral("Sydney");
        c[2].Region = QStringLiteral("NSW");
        c[2].PostalCode = QStringLiteral("2238");
        c[2].Country = QStringLiteral("Australia");
        c[2].WorkPhone = QStringLiteral("(02) 5550 1234");
        c[2].FaxNumber = QStringLiteral("(02) 5550 1235");
        c[2].WebSite = QStringLiteral("www.rexmith.example.com");
        return c;
    }();
    return customers;
}

constexpr int noChart = -1;

struct SampleProduct
{
    const char* category;
    const char* model;
    double price;
    int chart; // index of the sample chart, or noChart
};

const SampleProduct sampleProducts[8] = {
    {"Television", "Panasonic PKX-400", 399, 0},
    {"Television", "Thomson TTV-400", 369, 0},
    {"DVD Player", "Sony DP-550", 199, 1},
    {"Video Recorder", "Sharp D-VCR-700", 149, 1},
    {"Television Repair", "TV Repair - All models", 99.95, 1},
    {"Carriage", "Carriage (Inland)", 30, noChart},
    {"Carriage", "Carriage (Overseas)", 40, noChart},
    {"Carriage", "Carriage (Express)", 50, noChart},
};

struct SampleOrder
{
    const char* customerOrderNo;
    const char* internalOrderNo;
    int dateKind;
    int customer;
    int chart;
    int setting; // index into DemoOrderID: the second and third are stored the other way round
};

const SampleOrder sampleOrders[3] = {
    {"P-2004-345", "W03544", 0, 0, 0, 0},
    {"110/9476-0738", "W03546", 1, 2, 2, 2},
    {"PO-ELE-041234", "W03545", 1, 1, 1, 1},
};

struct SampleItem
{
    int order;
    int product;
    int quantity;
    double price;
    int chart;
};

const SampleItem sampleItems[8] = {
    {0, 0, 5, 399, 0}, {0, 1, 2, 369, 0},   {2, 1, 1, 369, 1}, {2, 2, 1, 199, 1},
    {2, 3, 1, 100, 1}, {1, 4, 1, 99.95, 2}, {0, 6, 1, 40, 0},  {2, 5, 1, 30, 1},
};

struct SampleTask
{
    int order;
    const char* text;
};

const SampleTask sampleTasks[7] = {
    {0, "New product graphics to be included on this order."},
    {0, "Customer requests order is held until end of financial year, 31 March."},
    {0, "Call Anita Pryce to arrange the customs forms before shipment."},
    {2, "Add this order to the totals for this month's Sales report."},
    {1, "Consider this customer for trial of new product."},
    {1, "Ensure repaired units are clearly marked on outside of package."},
    {1, "Fax customer prior to dispatch."},
};

// The stored keys outlive the database they were made in (a restored or recreated file): a key is
// only acted on while its row still carries the sample's values, so that the user's own records
// that took over those keys are never deleted. A failing check leaves the decision to the delete,
// which reports its own error.
bool rowStillSample(const QString& table, const QString& keyColumn, int key, const TParams& values)
{
    QString sql = "select count(*) from " + table + " where " + keyColumn + " = :p_key";
    TParams params{{"p_key", key}};
    for (const auto& v : values) {
        sql += " and " + v.first + " = :p_" + v.first;
        params.append({"p_" + v.first, v.second});
    }
    try {
        QSqlQuery q = Db::exec(sql, params);
        return q.next() && q.value(0).toInt() > 0;
    } catch (const DbError&) {
        return true;
    }
}

int chartKey(const TSettings& settings, int chart)
{
    return chart == noChart ? 0 : settings.DemoStateID[size_t(chart)];
}

} // namespace

bool AddSampleOrders(TSettings& settings)
{
    std::array<int, 3> orderKeys{};
    for (size_t i = 0; i < 3; ++i)
        settings.DemoCustomerID[i] = AddCustomer(sampleCustomers()[i]);
    for (size_t i = 0; i < 3; ++i)
        settings.DemoStateID[i] = AddPresetStatesRow(int(i));
    for (size_t i = 0; i < 8; ++i) {
        const SampleProduct& p = sampleProducts[i];
        settings.DemoProductID[i] = AddProduct(QString::fromUtf8(p.category), QString::fromUtf8(p.model),
                                               chartKey(settings, p.chart), p.price);
    }
    for (size_t i = 0; i < 3; ++i) {
        const SampleOrder& o = sampleOrders[i];
        orderKeys[i] =
            AddOrder(QString::fromUtf8(o.customerOrderNo), QString::fromUtf8(o.internalOrderNo), o.dateKind,
                     settings.DemoCustomerID[size_t(o.customer)], chartKey(settings, o.chart));
        settings.DemoOrderID[size_t(o.setting)] = orderKeys[i];
    }
    for (size_t i = 0; i < 8; ++i) {
        const SampleItem& it = sampleItems[i];
        settings.DemoOrderItemID[i] =
            AddOrderItem(chartKey(settings, it.chart), settings.DemoProductID[size_t(it.product)],
                         it.quantity, it.price, orderKeys[size_t(it.order)]);
    }
    for (size_t i = 0; i < 7; ++i)
        settings.DemoTaskItemID[i] =
            AddTask(QString::fromUtf8(sampleTasks[i].text), false, orderKeys[size_t(sampleTasks[i].order)]);
    settings.DemoEntryAdded = true;

    auto allSet = [](const auto& keys) {
        for (int k : keys)
            if (k == 0)
                return false;
        return true;
    };
    return allSet(settings.DemoCustomerID) && allSet(settings.DemoStateID) &&
           allSet(settings.DemoProductID) && allSet(settings.DemoOrderID) &&
           allSet(settings.DemoOrderItemID) && allSet(settings.DemoTaskItemID);
}

bool RemoveSampleOrders(TSettings& settings, QList<TOrder*>& loadedOrders)
{
    bool ok = true;
    std::array<std::unique_ptr<TOrder>, 3> orders;
    for (size_t i = 0; i < 3; ++i) {
        orders[i] = std::make_unique<TOrder>();
        LoadOrderByID(settings.DemoOrderID[i], orders[i].get());
    }
    for (const SampleOrder& o : sampleOrders) {
        TOrder* order = orders[size_t(o.setting)].get();
        const bool isSample = order->OrderID > 0 &&
                              order->OrderID == settings.DemoOrderID[size_t(o.setting)] &&
                              order->CustomerOrderNo == QString::fromUtf8(o.customerOrderNo) &&
                              order->MasterStatesID == chartKey(settings, o.chart);
        if (isSample && !DeleteOrder(order, loadedOrders))
            ok = false;
    }
    for (size_t i = 0; i < 3; ++i) {
        const TCustomerFields& c = sampleCustomers()[i];
        if (!rowStillSample(QStringLiteral("Customers"), QStringLiteral("CustomerID"),
                            settings.DemoCustomerID[i],
                            {{"FullName", c.FullName}, {"CompanyName", c.CompanyName}}))
            continue;
        const TDeleteOutcome outcome = DeleteCustomerNotInUse(settings.DemoCustomerID[i]);
        if (outcome == TDeleteOutcome::CheckFailed || outcome == TDeleteOutcome::DeleteFailed)
            ok = false;
    }
    for (size_t i = 0; i < 8; ++i) {
        const SampleProduct& p = sampleProducts[i];
        if (!rowStillSample(QStringLiteral("Products"), QStringLiteral("ProductID"),
                            settings.DemoProductID[i],
                            {{"ProductCategory", QString::fromUtf8(p.category)},
                             {"ProductModel", QString::fromUtf8(p.model)}}))
            continue;
        const TDeleteOutcome outcome = DeleteProductNotInUse(settings.DemoProductID[i]);
        if (outcome == TDeleteOutcome::CheckFailed || outcome == TDeleteOutcome::DeleteFailed)
            ok = false;
    }
    for (size_t i = 0; i < 7; ++i) {
        if (!rowStillSample(QStringLiteral("Tasks"), QStringLiteral("TaskID"), settings.DemoTaskItemID[i],
                            {{"TaskShort", QString::fromUtf8(sampleTasks[i].text)}}))
            continue;
        if (!DeleteTask(settings.DemoTaskItemID[i]))
            ok = false;
    }
    settings.DemoEntryAdded = false;
    return ok;
}

bool ToggleSampleOrders(TSettings& settings, QList<TOrder*>& loadedOrders)
{
    return settings.DemoEntryAdded ? RemoveSampleOrders(settings, loadedOrders) : AddSampleOrders(settings);
}
