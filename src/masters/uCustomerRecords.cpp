#include "masters/uCustomerRecords.h"

#include "core/uOrders.h"

TDeleteOutcome DeleteCustomerNotInUse(int customerID)
{
    return DeleteRowNotInUse(
        Queries::qryIsCustomerUsed, Queries::qryDeleteCustomer, QStringLiteral("P_CustomerID"), customerID,
        QStringLiteral("An error occured while attempting to check if the Customer was being used."),
        QStringLiteral("An error occurred while deleting the Customer"));
}
