#include "ClassModule.h"

namespace Nomogram {
namespace {

TPipeSizeArray tableFromRows(std::span<const TLineRow> rows)
{
    TPipeSizeArray table;
    table.reserve(rows.size());
    for (const TLineRow& row : rows)
        table.push_back(TPipeSize{row.Name, row.X1, row.Y1, row.X2, row.Y2});
    return table;
}

} // namespace

TClassData::TClassData(std::span<const TLineRow> pipeRows, std::span<const TLineRow> velocityRows)
    : FPipeSizes(tableFromRows(pipeRows))
    , FVelocityLines(tableFromRows(velocityRows))
    , FTables{FPipeSizes, FVelocityLines}
{
}

} // namespace Nomogram
