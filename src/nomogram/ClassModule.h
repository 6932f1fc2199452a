#pragma once
// What the three class modules share: the raw rows their data is written in, and a class's
// two tables made from those rows.

#include "NomogramLookup.h"
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

// One roughness class's pipe and velocity tables, written from its rows in order when the
// object is made and read-only from then on. A class module keeps one as a function-local
// static, so that it is made exactly once, on first use, also from another static initialiser.
class TClassData {
public:
    TClassData(std::span<const TLineRow> pipeRows, std::span<const TLineRow> velocityRows);
    TClassData(const TClassData&) = delete;
    TClassData& operator=(const TClassData&) = delete;

    [[nodiscard]] const TPipeSizeArray& pipeSizes() const { return FPipeSizes; }
    [[nodiscard]] const TPipeSizeArray& velocityLines() const { return FVelocityLines; }
    [[nodiscard]] const TClassTables& tables() const { return FTables; }

private:
    TPipeSizeArray FPipeSizes;
    TPipeSizeArray FVelocityLines;
    TClassTables FTables;
};

} // namespace Nomogram
