// The pipe materials sized by Darcy-Weisbach: each one's series of sizes as its standard or its
// makers' catalogues give them, outside diameter and wall in mm. A maker's own table is one more
// entry in the list of tables below.
#include "Hydraulics.h"

#include <span>

namespace Hydraulics {
namespace {

struct TSizeRow {
    const char* name; // as the trade writes it, outside diameter × wall
    double outsideMm;
    double wallMm;
};

struct TMaterialTable {
    const char* id;
    const char* name;
    double roughnessMm;
    std::span<const TSizeRow> sizes;
};

// Drawn plastic bores are hydraulically smooth; this is the roughness the plastics makers' and
// the European design guides give for PP-R, PE and the multilayer pipes alike.
constexpr double kPlasticRoughnessMm = 0.007;

// PP-R, DIN 8077 / ISO 15874: PN20 is series SDR 6.
constexpr TSizeRow kPprPn20[] = {
    {"20×3.4", 20.0, 3.4},   {"25×4.2", 25.0, 4.2},   {"32×5.4", 32.0, 5.4},
    {"40×6.7", 40.0, 6.7},   {"50×8.3", 50.0, 8.3},   {"63×10.5", 63.0, 10.5},
    {"75×12.5", 75.0, 12.5}, {"90×15.0", 90.0, 15.0}, {"110×18.3", 110.0, 18.3},
};

// PP-R, DIN 8077 / ISO 15874: PN16 is series SDR 7.4.
constexpr TSizeRow kPprPn16[] = {
    {"20×2.8", 20.0, 2.8},   {"25×3.5", 25.0, 3.5},   {"32×4.4", 32.0, 4.4},
    {"40×5.5", 40.0, 5.5},   {"50×6.9", 50.0, 6.9},   {"63×8.6", 63.0, 8.6},
    {"75×10.3", 75.0, 10.3}, {"90×12.3", 90.0, 12.3}, {"110×15.1", 110.0, 15.1},
};

// PEX-AL-PEX: the common multilayer series; no one standard fixes the walls, and makers differ.
constexpr TSizeRow kPexAlPex[] = {
    {"16×2.0", 16.0, 2.0}, {"20×2.0", 20.0, 2.0}, {"26×3.0", 26.0, 3.0}, {"32×3.0", 32.0, 3.0},
    {"40×3.5", 40.0, 3.5}, {"50×4.0", 50.0, 4.0}, {"63×4.5", 63.0, 4.5},
};

// PE100, ISO 4427 and EN 12201: PN16 is series SDR 11.
constexpr TSizeRow kPe100Pn16[] = {
    {"20×2.0", 20.0, 2.0}, {"25×2.3", 25.0, 2.3}, {"32×3.0", 32.0, 3.0},
    {"40×3.7", 40.0, 3.7}, {"50×4.6", 50.0, 4.6}, {"63×5.8", 63.0, 5.8},
    {"75×6.8", 75.0, 6.8}, {"90×8.2", 90.0, 8.2}, {"110×10.0", 110.0, 10.0},
};

// The names are the trade's own, which Persian text writes in Latin letters too.
constexpr TMaterialTable kBuiltInTables[] = {
    {"ppr-pn20", "PP-R PN20 (SDR 6)", kPlasticRoughnessMm, kPprPn20},
    {"ppr-pn16", "PP-R PN16 (SDR 7.4)", kPlasticRoughnessMm, kPprPn16},
    {"pex-al-pex", "PEX-AL-PEX", kPlasticRoughnessMm, kPexAlPex},
    {"pe100-pn16", "PE100 PN16 (SDR 11)", kPlasticRoughnessMm, kPe100Pn16},
};

TMaterial materialFrom(const TMaterialTable& table)
{
    TMaterial material;
    material.id = table.id;
    material.name = table.name;
    material.roughnessMm = table.roughnessMm;
    material.sizes.reserve(table.sizes.size());
    for (const TSizeRow& row : table.sizes)
        material.sizes.push_back({row.name, row.outsideMm, row.wallMm});
    return material;
}

std::vector<TMaterial> builtInMaterials()
{
    std::vector<TMaterial> list;
    for (const TMaterialTable& table : kBuiltInTables)
        list.push_back(materialFrom(table));
    return list;
}

} // namespace

const std::vector<TMaterial>& materials()
{
    static const std::vector<TMaterial> list = builtInMaterials();
    return list;
}

const TMaterial* findMaterial(std::string_view id)
{
    for (const TMaterial& material : materials())
        if (material.id == id)
            return &material;
    return nullptr;
}

} // namespace Hydraulics
