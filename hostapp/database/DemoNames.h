#pragma once
// The words the demo data is made of: the material catalogue with its specifications,
// regions and cities, company and person names, units, auxiliary properties, currencies,
// and the fixed-seed random source that composes them. Everything is UTF-8.
#include <cstdint>
#include <string>
#include <vector>

namespace hostdb::demo {

// splitmix64: small, fast and the same on every compiler and library, unlike the
// standard distributions.
class Random {
public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < n (n > 0).
    uint32_t below(uint32_t n) { return static_cast<uint32_t>((next() >> 32) * n >> 32); }
    // 0 <= result < 1.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return uniform() < p; }
    double between(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    template <class T> const T& pick(const std::vector<T>& v) { return v[below(static_cast<uint32_t>(v.size()))]; }

private:
    uint64_t m_state;
};

// A word with the initials of its pinyin, from which help codes are built.
struct Word {
    const char* text;
    const char* initials;
};

// ---- materials -------------------------------------------------------------------------

enum AuxType { AuxNone = 0, AuxColour = 1, AuxGrade = 2, AuxPacking = 3 };

// One kind of material (六角螺栓): its unit, decimals, price and quantity ranges and how its
// models are written. A model is `model` with {a} and {b} replaced by one entry of `sizesA`
// and `sizesB` ('|'-separated; an empty list counts as one empty entry). Variants are
// finishes or grades ("镀锌|不锈钢304"), in rising price order.
struct MaterialKind {
    const char* name;
    const char* initials;
    int unitId;
    int qtyDecimals;
    int priceDecimals;
    double priceLow, priceHigh;  // RMB incl. tax, of the smallest and the largest size
    double qtyLow, qtyHigh;      // usual quantity of one invoice line
    int taxRate;                 // percent
    int auxType;                 // AuxType
    const char* model;
    const char* sizesA;
    const char* sizesB;
    const char* variants;
};

struct MaterialSubcategory {
    Word name;
    std::vector<MaterialKind> kinds;
};

struct MaterialCategory {
    Word name;
    // Editions a model also comes in ("DIN|ISO"), used when a kind needs more models than
    // its sizes and variants give.
    const char* editions;
    std::vector<MaterialSubcategory> subcategories;
};

const std::vector<MaterialCategory>& materialCatalog();
// Service and sundry items kept directly under the root of the classification.
const std::vector<MaterialKind>& topLevelMaterials();

// Splits a '|'-separated list; "" gives one empty entry.
std::vector<std::string> splitList(const char* list);

// ---- base tables -----------------------------------------------------------------------

struct UnitDef {
    int id;
    const char* number;
    const char* name;
};
const std::vector<UnitDef>& units();

struct AuxDef {
    int id;
    int type;  // AuxType
    const char* number;
    const char* name;
};
// Auxiliary properties, without the "none" row (id 0).
const std::vector<AuxDef>& auxItems();

struct CurrencyDef {
    int id;
    const char* number;
    const char* name;
    int scale;
    double rate;  // RMB per unit
};
const std::vector<CurrencyDef>& currencies();

// ---- partners --------------------------------------------------------------------------

enum class NameStyle { Domestic, HongKong, Japan, America, Germany, Gulf };

struct Province {
    Word name;
    std::vector<Word> cities;
    NameStyle style;
    int currencyId;
    double customerWeight;
    double supplierWeight;
};

struct Region {
    Word name;
    int salesDepartment;  // index into departments()
    std::vector<Province> provinces;
};
const std::vector<Region>& regions();

struct PartnerName {
    std::string name;
    std::string helpCode;
};
// A company name in the style of its province ("苏州恒通机电设备有限公司",
// "日本昭和精工株式会社").
PartnerName companyName(Random& random, const Province& province, bool supplier);

struct DepartmentDef {
    const char* number;
    Word name;
    int salesmen[2];  // salesmen in the small / large demo; 0 for departments without
    int buyers[2];    // buyers in the small / large demo
};
const std::vector<DepartmentDef>& departments();

// A Chinese person name ("王伟", "陈晓明").
PartnerName personName(Random& random);

} // namespace hostdb::demo
