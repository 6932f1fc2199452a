#include "ClassModule.h"

namespace Nomogram {

void fillTable(TPipeSizeArray& table, std::span<const TLineRow> rows)
{
    table.assign(rows.size(), TPipeSize{});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        table[i].Name = rows[i].Name;
        table[i].X1 = rows[i].X1;
        table[i].Y1 = rows[i].Y1;
        table[i].X2 = rows[i].X2;
        table[i].Y2 = rows[i].Y2;
    }
}

} // namespace Nomogram
