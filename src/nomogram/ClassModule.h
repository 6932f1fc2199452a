#pragma once
// What the three class modules share: the raw rows their data is written in, and the
// once-only filling of a class's two tables from those rows.

#include "UGlobalTypes.h"

#include <span>

namespace Nomogram {

struct TLineRow {
    const char* Name;
    double X1;
    double Y1;
    double X2;
    double Y2;
};

// Sets the table to exactly rows.size() entries and writes them in order.
void fillTable(TPipeSizeArray& table, std::span<const TLineRow> rows);

} // namespace Nomogram
