#pragma once

#include "core/uRecords.h"

// Deletes the product unless an ordered item refers to it; its default chart row stays.
TDeleteOutcome DeleteProductNotInUse(int productID);
