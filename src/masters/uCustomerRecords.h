#pragma once

#include "core/uRecords.h"

// Deletes the customer unless an order refers to it.
TDeleteOutcome DeleteCustomerNotInUse(int customerID);
