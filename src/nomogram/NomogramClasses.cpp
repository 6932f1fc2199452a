#include "NomogramLookup.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

namespace Nomogram {

const TClassTables* tablesForClass(int classNumber)
{
    switch (classNumber) {
    case 1: return &Unit2::detail::classData().tables();
    case 2: return &Unit3::detail::classData().tables();
    case 3: return &Unit4::detail::classData().tables();
    default: return nullptr;
    }
}

} // namespace Nomogram
