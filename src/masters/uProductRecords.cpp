#include "masters/uProductRecords.h"

#include "core/uOrders.h"

TDeleteOutcome DeleteProductNotInUse(int productID)
{
    return DeleteRowNotInUse(
        Queries::qryIsProductUsed, Queries::qryDeleteProduct, QStringLiteral("P_ProductID"), productID,
        QStringLiteral("An error occured while attempting to check if the Product was in use."),
        QStringLiteral("An error occurred while deleting the Product"));
}
