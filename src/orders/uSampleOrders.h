#pragma once

#include <QList>

struct TSettings;
class TOrder;

// Adds the sample customers, charts, products, orders, items and memos, stores their keys in the
// DemoEntry fields and sets DemoEntryAdded. A failed add is reported, stored as 0 and the rest goes
// on; false when any add failed.
bool AddSampleOrders(TSettings& settings);

// Removes the records whose keys DemoEntry holds and clears DemoEntryAdded. Sample customers and
// products the user has tied to orders of their own stay, as does any record that no longer looks
// like the sample stored under that key. DeleteOrder frees the entries of loadedOrders with a sample
// OrderID. False when a step reported a failure.
bool RemoveSampleOrders(TSettings& settings, QList<TOrder*>& loadedOrders);

// Adds the samples when DemoEntryAdded is false, removes them when it is true.
bool ToggleSampleOrders(TSettings& settings, QList<TOrder*>& loadedOrders);
