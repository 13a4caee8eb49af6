#pragma once

#include "core/DateTimeUtils.h"

#include <QIcon>
#include <QImage>

// The order pictures of the orders tree, 28 x 24 each: 0 and 1 open, 2 and 3 completed, 4 and 5 overdue.
QImage OrderImage(int index);
// An order row shows its first and second picture side by side.
QIcon OrderImagePair(int first);
// The first picture of an order's pair: 2 when completed (even if past due), else 4 when now is later
// than the due date, else 0.
int OrderImageIndex(bool completed, TDateTime dueDate, TDateTime now);
