#include "hostapp/database/DemoData.h"

#include "hostapp/database/DemoNames.h"
#include "hostapp/database/Schema.h"
#include "platform/com/ComError.h"
#include "platform/com/ErrorCodes.h"
#include "platform/files/FileLock.h"
#include "platform/files/SaveTarget.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QStandardPaths>

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <unistd.h>

namespace hostdb {

using namespace demo;

namespace {

const QString kSource = QStringLiteral("hostdb.DemoData");

[[noreturn]] void fail(int32_t number, const QString& description)
{
    throw com::ComError(number, kSource, description);
}

// ---- sizes -------------------------------------------------------------------------------

struct SizeParams {
    int sizeIndex;  // 0 small, 1 large: index into the per-size staff numbers
    int materials;  // material details, the ones under the root included
    int customers;  // customer details, the ones under the root included
    int suppliers;
    qint64 salesLines;
    qint64 purchaseLines;
};

SizeParams paramsFor(DemoSize size)
{
    if (size == DemoSize::Large)
        return {1, 50000, 5000, 2000, 1000000, 1000000};
    return {0, 400, 42, 26, 3000, 2400};
}

// Partners and service items kept directly under the root of their tree.
struct RootPartner {
    const char* number;
    Word name;
};
const RootPartner kRootCustomers[] = {{"90", {"零售散客", "LSSK"}}, {"91", {"网店客户", "WDKH"}}};
const RootPartner kRootSuppliers[] = {{"90", {"零星采购供应商", "LXCGGYS"}}};

// ---- the plan: every base row, decided before anything is written ---------------------------

struct ItemRow {
    int id = 0;
    int classId = 0;
    std::string number;
    std::string name;
    std::string fullName;
    std::string shortNumber;
    std::string helpCode;
    std::string rights;  // partners: the data-right ids allowed to see them, "21,24"
    int parentId = 0;
    int level = 1;
    bool detail = true;
    bool deleted = false;
};

struct Material {
    int item = 0;  // index into Plan::items
    const MaterialKind* kind = nullptr;
    std::string model;
    double basePrice = 0;  // RMB incl. tax
    double qtyLow = 1;
    double qtyHigh = 1;
    double drift = 0;  // relative price change over the two years
};

struct Partner {
    int item = 0;
    int region = -1;  // -1: kept under the root
    int currencyId = kRmbCurrencyId;
    int departmentId = 0;
    int employeeId = 0;
    double weight = 1;  // share of the bills
    double priceFactor = 1;
    bool discounts = false;
    uint32_t portfolioStart = 0;  // the materials it usually trades: a run in number order
    uint32_t portfolioSpan = 1;
    std::string contact;
};

struct Plan {
    DemoSize size = DemoSize::Small;
    std::vector<ItemRow> items;
    std::vector<Material> materials;   // in number order
    std::vector<uint32_t> popularity;  // material indexes, most traded first
    std::vector<Partner> customers;
    std::vector<Partner> suppliers;
    DemoCounts counts;
    int sampleCustomer = 0;
    int sampleSupplier = 0;
};

std::string segment(int value, int width)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

const double kPow10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

double roundTo(double value, int decimals) { return std::round(value * kPow10[decimals]) / kPow10[decimals]; }

std::string joinIds(const std::set<int>& ids)
{
    std::string text;
    for (int id : ids) {
        if (!text.empty())
            text += ',';
        text += std::to_string(id);
    }
    return text;
}

// Shares `total` out in proportion to `weights`, at least `minimum[i]` each (largest remainder).
std::vector<int> apportion(int total, const std::vector<double>& weights, const std::vector<int>& minimum)
{
    std::vector<int> out(minimum);
    int left = total;
    for (int m : minimum)
        left -= m;
    double sum = 0;
    for (double w : weights)
        sum += w;
    std::vector<std::pair<double, size_t>> remainders;
    int given = 0;
    for (size_t i = 0; i < weights.size(); ++i) {
        const double exact = left * weights[i] / sum;
        const int whole = static_cast<int>(exact);
        out[i] += whole;
        given += whole;
        remainders.push_back({exact - whole, i});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (int i = 0; i < left - given; ++i)
        ++out[remainders[static_cast<size_t>(i) % remainders.size()].second];
    return out;
}

class PlanBuilder {
public:
    explicit PlanBuilder(DemoSize size) : m_params(paramsFor(size)), m_random(0x5A454C44454D4F31ull)
    {
        m_plan.size = size;
    }

    Plan build()
    {
        buildStaff();
        buildMaterials();
        buildPartners(false);
        buildPartners(true);
        countRows();
        return std::move(m_plan);
    }

private:
    int add(int classId, int parent, const std::string& shortNumber, const std::string& name,
            const std::string& helpCode, bool detail)
    {
        ItemRow row;
        row.id = static_cast<int>(m_plan.items.size()) + 1;
        row.classId = classId;
        row.shortNumber = shortNumber;
        row.name = name;
        row.helpCode = helpCode;
        row.detail = detail;
        if (parent < 0) {
            row.number = shortNumber;
            row.fullName = name;
        } else {
            const ItemRow& p = m_plan.items[static_cast<size_t>(parent)];
            row.parentId = p.id;
            row.level = p.level + 1;
            row.number = p.number + "." + shortNumber;
            row.fullName = p.fullName + "_" + name;
        }
        m_plan.items.push_back(std::move(row));
        return static_cast<int>(m_plan.items.size()) - 1;
    }

    int idOf(int index) const { return m_plan.items[static_cast<size_t>(index)].id; }

    PartnerName uniquePerson()
    {
        for (;;) {
            PartnerName person = personName(m_random);
            if (m_personNames.insert(person.name).second)
                return person;
        }
    }

    void buildStaff()
    {
        const auto& depts = departments();
        int employeeNo = 0;
        for (const DepartmentDef& d : depts)
            m_departmentIds.push_back(idOf(add(kClassDepartment, -1, d.number, d.name.text, d.name.initials, true)));
        m_salesmen.resize(depts.size());
        for (size_t d = 0; d < depts.size(); ++d) {
            const int people = depts[d].salesmen[m_params.sizeIndex] + depts[d].buyers[m_params.sizeIndex];
            for (int k = 0; k < people; ++k) {
                const PartnerName person = uniquePerson();
                const int id = idOf(add(kClassEmployee, -1, segment(++employeeNo, 3), person.name, person.helpCode, true));
                if (k < depts[d].salesmen[m_params.sizeIndex])
                    m_salesmen[d].push_back(id);
                else
                    m_buyers.push_back({m_departmentIds[d], id});
            }
        }
    }

    // ---- materials ----

    struct KindPlace {
        const MaterialKind* kind;
        std::vector<std::string> a, b, variants, editions;
        int capacity;  // distinct models without editions
    };

    struct ModelPick {
        int variant, combo, edition;  // edition 0: the plain model
    };

    // n models of a kind, spread evenly over its variants and, within one, over its sizes
    // (one drawn from each of as many equal slices). When a variant needs more models than it has
    // sizes, each size also comes in editions, listed next to each other.
    std::vector<ModelPick> modelPicks(const KindPlace& k, int n)
    {
        std::vector<ModelPick> picks;
        const int v = static_cast<int>(k.variants.size());
        const int sizes = static_cast<int>(k.a.size() * k.b.size());
        for (int variant = 0; variant < v; ++variant) {
            const int m = n / v + (variant < n % v ? 1 : 0);
            const int editions = (m + sizes - 1) / sizes;
            const long long places = static_cast<long long>(sizes) * editions;
            for (int i = 0; i < m; ++i) {
                const long long from = places * i / m;
                const long long to = places * (i + 1) / m;
                const auto place = from + static_cast<long long>(m_random.uniform() * static_cast<double>(to - from));
                picks.push_back({variant, static_cast<int>(place / editions), static_cast<int>(place % editions)});
            }
        }
        return picks;
    }

    static std::string editionTag(const KindPlace& k, int edition)
    {
        if (edition <= static_cast<int>(k.editions.size()))
            return k.editions[static_cast<size_t>(edition - 1)];
        return std::to_string(edition + 1) + "型";
    }

    void addMaterial(int parent, const KindPlace& k, const ModelPick& pick, int width, int& sequence)
    {
        const MaterialKind& kind = *k.kind;
        const size_t ia = static_cast<size_t>(pick.combo) / k.b.size();
        const size_t ib = static_cast<size_t>(pick.combo) % k.b.size();
        std::string model = kind.model;
        auto replace = [&model](const char* key, const std::string& with) {
            const size_t at = model.find(key);
            if (at != std::string::npos)
                model.replace(at, 3, with);
        };
        replace("{a}", k.a[ia]);
        replace("{b}", k.b[ib]);
        const std::string& variant = k.variants[static_cast<size_t>(pick.variant)];
        if (!variant.empty())
            model += (model.empty() ? "" : " ") + variant;
        if (pick.edition > 0)
            model += " " + editionTag(k, pick.edition);

        // Bigger sizes cost more and sell in smaller quantities; dearer variants come later.
        const double posA = (ia + 0.5) / k.a.size();
        const double posB = (ib + 0.5) / k.b.size();
        const double pos = k.b.size() > 1 ? 0.75 * posA + 0.25 * posB : posA;
        double price = kind.priceLow * std::pow(kind.priceHigh / kind.priceLow, pos) *
                       (1 + 0.25 * pick.variant) * (1 + 0.1 * pick.edition) * m_random.between(0.92, 1.08);
        price = std::max(roundTo(price, kind.priceDecimals), 1 / kPow10[kind.priceDecimals]);

        const int index = add(kClassMaterial, parent, segment(++sequence, width), kind.name, kind.initials, true);
        Material m;
        m.item = index;
        m.kind = &kind;
        m.model = model;
        m.basePrice = price;
        m.qtyLow = kind.qtyLow;
        m.qtyHigh = std::max(kind.qtyLow, kind.qtyHigh * (1 - 0.6 * pos));
        m.drift = m_random.between(-0.06, 0.12);
        m_plan.items[static_cast<size_t>(index)].deleted = !m_plan.materials.empty() && m_random.chance(0.005);
        m_plan.materials.push_back(std::move(m));
    }

    void buildMaterials()
    {
        const bool large = m_plan.size == DemoSize::Large;
        std::vector<KindPlace> kinds;
        for (const MaterialCategory& c : materialCatalog())
            for (const MaterialSubcategory& s : c.subcategories)
                for (const MaterialKind& k : s.kinds) {
                    KindPlace place{&k, splitList(k.sizesA), splitList(k.sizesB), splitList(k.variants),
                                    splitList(c.editions), 0};
                    place.capacity = static_cast<int>(place.a.size() * place.b.size() * place.variants.size());
                    kinds.push_back(std::move(place));
                }
        // Kinds with many sizes get more materials, but not in full proportion.
        std::vector<double> weights;
        for (const KindPlace& k : kinds)
            weights.push_back(std::pow(k.capacity, 0.75));
        const int underGroups = m_params.materials - static_cast<int>(topLevelMaterials().size());
        // Large: the first kind (hex bolts, every size and grade a material of its own) is one
        // flat group of several thousand, as real catalogues have; the others share the rest.
        const int flat = large ? kLargeFlatGroupMaterials : 0;
        std::vector<int> perKind = apportion(underGroups - flat, weights, std::vector<int>(kinds.size(), 1));
        perKind.front() += flat;

        size_t kindIndex = 0;
        int categoryNo = 0;
        for (const MaterialCategory& c : materialCatalog()) {
            const int category = add(kClassMaterial, -1, segment(++categoryNo, 2), c.name.text, c.name.initials, false);
            int subNo = 0;
            for (const MaterialSubcategory& s : c.subcategories) {
                const int sub = add(kClassMaterial, category, segment(++subNo, 2), s.name.text, s.name.initials, false);
                int sequence = 0;  // small: materials numbered within the subcategory
                int kindNo = 0;
                for (size_t k = 0; k < s.kinds.size(); ++k, ++kindIndex) {
                    const KindPlace& place = kinds[kindIndex];
                    const std::vector<ModelPick> picks = modelPicks(place, perKind[kindIndex]);
                    if (!large) {
                        for (const ModelPick& pick : picks)
                            addMaterial(sub, place, pick, 3, sequence);
                        continue;
                    }
                    // Large: the kind is a group; with three or more variants each variant is
                    // a group of its own, so the classification is four or five levels deep.
                    const int kindGroup = add(kClassMaterial, sub, segment(++kindNo, 3), place.kind->name,
                                              place.kind->initials, false);
                    int kindSequence = 0;
                    if (place.variants.size() < 3 || kindIndex == 0) {
                        for (const ModelPick& pick : picks)
                            addMaterial(kindGroup, place, pick, 4, kindSequence);
                        continue;
                    }
                    int variantNo = 0;
                    for (size_t v = 0; v < place.variants.size(); ++v) {
                        int variantSequence = 0;
                        int variantGroup = -1;
                        for (const ModelPick& pick : picks) {
                            if (pick.variant != static_cast<int>(v))
                                continue;
                            if (variantGroup < 0)
                                variantGroup = add(kClassMaterial, kindGroup, segment(++variantNo, 2),
                                                   place.variants[v], place.kind->initials, false);
                            addMaterial(variantGroup, place, pick, 4, variantSequence);
                        }
                    }
                }
            }
        }
        // Services and sundries hang directly under the root, after the categories.
        int topNo = 89;
        for (const MaterialKind& k : topLevelMaterials()) {
            const int index = add(kClassMaterial, -1, std::to_string(++topNo), k.name, k.initials, true);
            Material m;
            m.item = index;
            m.kind = &k;
            m.basePrice = roundTo(std::sqrt(k.priceLow * k.priceHigh), k.priceDecimals);
            m.qtyLow = k.qtyLow;
            m.qtyHigh = k.qtyHigh;
            m.drift = m_random.between(0, 0.08);
            m_plan.materials.push_back(std::move(m));
        }

        // The first material is the most traded one, so it always has a long history.
        auto& order = m_plan.popularity;
        order.resize(m_plan.materials.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<uint32_t>(i);
        for (size_t i = order.size() - 1; i > 1; --i)
            std::swap(order[i], order[1 + m_random.below(static_cast<uint32_t>(i))]);
    }

    // ---- customers and suppliers ----

    void buildPartners(bool supplier)
    {
        const int classId = supplier ? kClassSupplier : kClassCustomer;
        const int rightBase = supplier ? kSupplierRightBase : kCustomerRightBase;
        const auto& regionList = regions();
        std::vector<Partner>& partners = supplier ? m_plan.suppliers : m_plan.customers;
        const int rootCount = supplier ? static_cast<int>(std::size(kRootSuppliers))
                                       : static_cast<int>(std::size(kRootCustomers));
        const int regional = (supplier ? m_params.suppliers : m_params.customers) - rootCount;

        // Every foreign country trades at least once, so every currency occurs.
        std::vector<double> weights;
        std::vector<int> minimum;
        for (const Region& r : regionList)
            for (const Province& p : r.provinces) {
                const double w = supplier ? p.supplierWeight : p.customerWeight;
                weights.push_back(w);
                minimum.push_back(p.style != NameStyle::Domestic && w > 0 ? 1 : 0);
            }
        const std::vector<int> perProvince = apportion(regional, weights, minimum);

        const bool byProvince = m_plan.size == DemoSize::Large;
        std::set<std::string> names;
        std::map<int, std::set<int>> rights;  // item index → right ids
        size_t provinceIndex = 0;
        for (size_t r = 0; r < regionList.size(); ++r) {
            const Region& region = regionList[r];
            int regionGroup = -1;
            int sequence = 0;
            for (size_t p = 0; p < region.provinces.size(); ++p, ++provinceIndex) {
                const int count = perProvince[provinceIndex];
                if (count == 0)
                    continue;
                const Province& province = region.provinces[p];
                if (regionGroup < 0)
                    regionGroup = add(classId, -1, segment(static_cast<int>(r) + 1, 2), region.name.text,
                                      region.name.initials, false);
                // The small database groups its few partners by region only.
                const int provinceGroup = !byProvince ? regionGroup
                                                      : add(classId, regionGroup, segment(static_cast<int>(p) + 1, 2),
                                                            province.name.text, province.name.initials, false);
                if (byProvince)
                    sequence = 0;
                for (int i = 0; i < count; ++i) {
                    PartnerName company = companyName(m_random, province, supplier);
                    for (int attempt = 1; !names.insert(company.name).second; ++attempt) {
                        company = companyName(m_random, province, supplier);
                        if (attempt > 50)  // the names of a small country can run out
                            company.name += "（" + std::to_string(attempt) + "）";
                    }
                    const int index = add(classId, provinceGroup, segment(++sequence, 4), company.name, company.helpCode, true);
                    // Most partners belong to their region's team; some are shared with another.
                    std::set<int>& ids = rights[index];
                    ids.insert(rightBase + static_cast<int>(r) + 1);
                    if (m_random.chance(0.1))
                        ids.insert(rightBase + 1 + static_cast<int>(m_random.below(static_cast<uint32_t>(regionList.size()))));
                    for (int up : {provinceGroup, regionGroup})
                        rights[up].insert(ids.begin(), ids.end());  // a group shows when any partner in it does
                    partners.push_back(makePartner(index, static_cast<int>(r), province.currencyId, supplier));
                }
            }
        }
        const auto* roots = supplier ? kRootSuppliers : kRootCustomers;
        for (int i = 0; i < rootCount; ++i) {
            const int index = add(classId, -1, roots[i].number, roots[i].name.text, roots[i].name.initials, true);
            for (size_t r = 0; r < regionList.size(); ++r)
                rights[index].insert(rightBase + static_cast<int>(r) + 1);
            partners.push_back(makePartner(index, -1, kRmbCurrencyId, supplier));
        }
        for (const auto& [index, ids] : rights)
            m_plan.items[static_cast<size_t>(index)].rights = joinIds(ids);

        // A few partners do most of the business.
        std::vector<uint32_t> rank(partners.size());
        for (size_t i = 0; i < rank.size(); ++i)
            rank[i] = static_cast<uint32_t>(i);
        for (size_t i = rank.size() - 1; i > 0; --i)
            std::swap(rank[i], rank[m_random.below(static_cast<uint32_t>(i + 1))]);
        int busiest = 0;
        for (size_t i = 0; i < partners.size(); ++i) {
            partners[i].weight = std::pow(rank[i] + 3.0, -0.85);
            const Partner& best = partners[static_cast<size_t>(busiest)];
            const bool candidate = partners[i].region >= 0 && partners[i].currencyId == kRmbCurrencyId;
            if (candidate && (best.region < 0 || best.currencyId != kRmbCurrencyId || partners[i].weight > best.weight))
                busiest = static_cast<int>(i);
        }
        (supplier ? m_plan.sampleSupplier : m_plan.sampleCustomer) = busiest;
    }

    Partner makePartner(int index, int region, int currencyId, bool supplier)
    {
        Partner p;
        p.item = index;
        p.region = region;
        p.currencyId = currencyId;
        if (supplier) {
            const auto& buyer = m_buyers[m_random.below(static_cast<uint32_t>(m_buyers.size()))];
            p.departmentId = buyer.first;
            p.employeeId = buyer.second;
            p.priceFactor = m_random.between(0.95, 1.05);
            p.discounts = m_random.chance(0.15);
        } else {
            const size_t dept = region < 0 ? 0 : static_cast<size_t>(regions()[static_cast<size_t>(region)].salesDepartment);
            p.departmentId = m_departmentIds[dept];
            p.employeeId = m_salesmen[dept][m_random.below(static_cast<uint32_t>(m_salesmen[dept].size()))];
            p.priceFactor = m_random.between(0.95, 1.06);
            p.discounts = m_random.chance(0.3);
        }
        const uint32_t materials = static_cast<uint32_t>(m_plan.materials.size());
        p.portfolioStart = m_random.below(materials);
        p.portfolioSpan = m_plan.size == DemoSize::Large ? 30 + m_random.below(370) : 15 + m_random.below(45);
        p.contact = personName(m_random).name;
        return p;
    }

    void countRows()
    {
        DemoCounts& c = m_plan.counts;
        for (const ItemRow& row : m_plan.items) {
            switch (row.classId) {
            case kClassMaterial:
                (row.detail ? c.materials : c.materialGroups)++;
                c.materialLevels = std::max(c.materialLevels, row.level);
                break;
            case kClassCustomer: (row.detail ? c.customers : c.customerGroups)++; break;
            case kClassSupplier: (row.detail ? c.suppliers : c.supplierGroups)++; break;
            case kClassDepartment: c.departments++; break;
            case kClassEmployee: c.employees++; break;
            }
        }
        c.users = kUserCount;
        c.salesLines = m_params.salesLines;
        c.purchaseLines = m_params.purchaseLines;
    }

    SizeParams m_params;
    Random m_random;
    Plan m_plan;
    std::set<std::string> m_personNames;
    std::vector<int> m_departmentIds;
    std::vector<std::vector<int>> m_salesmen;     // per department
    std::vector<std::pair<int, int>> m_buyers;    // department id, employee id
};

Plan buildPlan(DemoSize size) { return PlanBuilder(size).build(); }

// ---- writing --------------------------------------------------------------------------------

[[noreturn]] void failSqlite(sqlite3* db, const char* step)
{
    fail(com::ADO_PROVIDER_ERROR, QStringLiteral("生成演示数据库时出错（%1）：%2")
                                      .arg(QString::fromUtf8(step), QString::fromUtf8(sqlite3_errmsg(db))));
}

// One prepared INSERT, bound column by column and run once per row.
class Insert {
public:
    Insert(sqlite3* db, const char* sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            failSqlite(db, sql);
    }
    ~Insert() { sqlite3_finalize(m_stmt); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    template <class... Values> void row(const Values&... values)
    {
        int column = 0;
        (bind(++column, values), ...);
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            failSqlite(m_db, sqlite3_sql(m_stmt));
        sqlite3_reset(m_stmt);
    }

private:
    void bind(int i, int v) { sqlite3_bind_int(m_stmt, i, v); }
    void bind(int i, qint64 v) { sqlite3_bind_int64(m_stmt, i, v); }
    void bind(int i, double v) { sqlite3_bind_double(m_stmt, i, v); }
    void bind(int i, const std::string& v)
    {
        sqlite3_bind_text(m_stmt, i, v.data(), static_cast<int>(v.size()), SQLITE_STATIC);
    }
    void bind(int i, const char* v) { sqlite3_bind_text(m_stmt, i, v, -1, SQLITE_STATIC); }

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

void exec(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        failSqlite(db, sql);
}

void writeBaseData(sqlite3* db, const Plan& plan)
{
    {
        Insert item(db, "INSERT INTO t_Item (FItemID, FItemClassID, FNumber, FName, FFullName, FShortNumber, "
                        "FParentID, FLevel, FDetail, FDeleted, FHelpCode, FRightUserID) "
                        "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const ItemRow& r : plan.items)
            item.row(r.id, r.classId, r.number, r.name, r.fullName, r.shortNumber, r.parentId, r.level,
                     r.detail ? 1 : 0, r.deleted ? 1 : 0, r.helpCode, r.rights);
    }
    {
        Insert material(db, "INSERT INTO t_ICItem (FItemID, FNumber, FName, FFullName, FModel, FHelpCode, "
                            "FParentID, FUnitID, FQtyDecimal, FPriceDecimal, FTaxRate, FSalePrice, FDeleted) "
                            "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const Material& m : plan.materials) {
            const ItemRow& r = plan.items[static_cast<size_t>(m.item)];
            material.row(r.id, r.number, r.name, r.fullName, m.model, r.helpCode, r.parentId, m.kind->unitId,
                         m.kind->qtyDecimals, m.kind->priceDecimals, static_cast<double>(m.kind->taxRate),
                         m.basePrice, r.deleted ? 1 : 0);
        }
    }
    for (bool supplier : {false, true}) {
        Insert partner(db, supplier ? "INSERT INTO t_Supplier (FItemID, FNumber, FName, FFullName, FHelpCode, "
                                      "FParentID, FContact, FCurrencyID, FDeleted) VALUES (?,?,?,?,?,?,?,?,0)"
                                    : "INSERT INTO t_Organization (FItemID, FNumber, FName, FFullName, FHelpCode, "
                                      "FParentID, FContact, FCurrencyID, FDeleted) VALUES (?,?,?,?,?,?,?,?,0)");
        for (const Partner& p : supplier ? plan.suppliers : plan.customers) {
            const ItemRow& r = plan.items[static_cast<size_t>(p.item)];
            partner.row(r.id, r.number, r.name, r.fullName, r.helpCode, r.parentId, p.contact, p.currencyId);
        }
    }
    {
        Insert unit(db, "INSERT INTO t_MeasureUnit (FItemID, FNumber, FName) VALUES (?,?,?)");
        for (const UnitDef& u : units())
            unit.row(u.id, u.number, u.name);
        Insert aux(db, "INSERT INTO t_AuxItem (FItemID, FNumber, FName) VALUES (?,?,?)");
        aux.row(kNoAuxPropId, "", "");
        for (const AuxDef& a : auxItems())
            aux.row(a.id, a.number, a.name);
        Insert currency(db, "INSERT INTO t_Currency (FCurrencyID, FNumber, FName, FScale, FExchangeRate, FDeleted) "
                            "VALUES (?,?,?,?,?,0)");
        for (const CurrencyDef& c : currencies())
            currency.row(c.id, c.number, c.name, c.scale, c.rate);
    }
}

void writeUsersAndOptions(sqlite3* db)
{
    Insert user(db, "INSERT INTO t_User (FUserID, FName, FDescription) VALUES (?,?,?)");
    user.row(kAdminUserId, kAdminUserName, "系统管理员");
    user.row(kClerkUserId, kClerkUserName, "销售采购内勤：可查询销售和采购价格，可修改查询设置");
    user.row(kSalesClerkUserId, kSalesClerkUserName, "销售员：只能查询客户历史销售价格");
    user.row(kNoRightUserId, kNoRightUserName, "仓库管理员：没有价格查询权限");
    user.row(kRestrictedUserId, kRestrictedUserName, "华东区业务员：只能看华东地区的客户和供应商");

    Insert right(db, "INSERT INTO t_UserFuncRight (FUserID, FFuncID, FObjectID, FRights) VALUES (?,?,?,?)");
    for (int id : {kAdminUserId, kClerkUserId})
        for (int object : {kSalesQueryObject, kPurchaseQueryObject})
            right.row(id, kPriceQueryFunction, object, kQueryRight | kSettingsRight);
    right.row(kSalesClerkUserId, kPriceQueryFunction, kSalesQueryObject, kQueryRight);
    for (int object : {kSalesQueryObject, kPurchaseQueryObject})
        right.row(kRestrictedUserId, kPriceQueryFunction, object, kQueryRight);

    Insert dataRight(db, "INSERT INTO t_UserDataRight (FUserID, FKind, FRightID) VALUES (?,?,?)");
    dataRight.row(kRestrictedUserId, kCustomerDataRight, kRestrictedCustomerRightId);
    dataRight.row(kRestrictedUserId, kSupplierDataRight, kRestrictedSupplierRightId);

    Insert option(db, "INSERT INTO t_SystemProfile (FCategory, FKey, FValue) VALUES ('IC',?,?)");
    for (const char* prefix : {"Client", "Provider"}) {
        option.row(std::string(prefix) + "TradeTimes", std::to_string(kTradeTimes));
        option.row(std::string(prefix) + "AllowSelf", std::to_string(kAllowSelf));
    }
    option.row(std::string("PrecisionOfDiscountRate"), std::to_string(kDiscountRatePrecision));

    Insert setting(db, "INSERT INTO t_UserSetting (FUserID, FCategory, FKey, FValue) VALUES (?,'ZEL_APFC','RptFontSize',?)");
    setting.row(kFontSizeUserId, std::to_string(kRptFontSize));
}

// The business days of the two years, with their share of the bills: quiet weekends and
// holidays, busy month ends, and a business that grows a little.
struct Calendar {
    std::vector<std::string> days;  // 'yyyy-MM-dd'
    std::vector<double> cumulative;

    Calendar()
    {
        const QDate first = QDate::fromString(QString::fromLatin1(kFirstBillDate), Qt::ISODate);
        const QDate last = QDate::fromString(QString::fromLatin1(kLastBillDate), Qt::ISODate);
        const qint64 span = first.daysTo(last);
        auto within = [](const QDate& d, int y1, int m1, int d1, int y2, int m2, int d2) {
            return d >= QDate(y1, m1, d1) && d <= QDate(y2, m2, d2);
        };
        double total = 0;
        for (QDate d = first; d <= last; d = d.addDays(1)) {
            double w = d.dayOfWeek() == 6 ? 0.35 : d.dayOfWeek() == 7 ? 0.08 : 1.0;
            if (within(d, 2025, 1, 28, 2025, 2, 4) || within(d, 2026, 2, 15, 2026, 2, 23))
                w *= 0.05;  // Spring Festival
            if (d.month() == 10 && d.day() <= 7)
                w *= 0.1;
            if (d.month() == 5 && d.day() <= 5)
                w *= 0.3;
            if (d.day() > d.daysInMonth() - 3)
                w *= 1.3;
            w *= 0.85 + 0.3 * static_cast<double>(first.daysTo(d)) / static_cast<double>(span);
            total += w;
            days.push_back(d.toString(Qt::ISODate).toStdString());
            cumulative.push_back(total);
        }
    }
    // The day at fraction q (0…1) of all bills.
    size_t dayAt(double q) const
    {
        const auto it = std::lower_bound(cumulative.begin(), cumulative.end(), q * cumulative.back());
        return std::min(static_cast<size_t>(it - cumulative.begin()), days.size() - 1);
    }
};

// Cumulative weights for picking by a uniform number.
class WeightedPick {
public:
    explicit WeightedPick(const std::vector<double>& weights)
    {
        double total = 0;
        for (double w : weights)
            m_cumulative.push_back(total += w);
    }
    size_t operator()(Random& random) const
    {
        const double target = random.uniform() * m_cumulative.back();
        const auto it = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), target);
        return std::min(static_cast<size_t>(it - m_cumulative.begin()), m_cumulative.size() - 1);
    }

private:
    std::vector<double> m_cumulative;
};

struct Flavour {
    bool sales;
    const char* headerSql;
    const char* entrySql;
    const char* billPrefix;
    int vatType;
    int plainType;
    double plainShare;  // domestic bills on a plain invoice; foreign ones always are
    double priceLevel;  // of the list price
    double discountShare;
    std::vector<std::pair<int, double>> billers;
    qint64 lines;
    uint64_t seed;
};

// Quantities as people order them: round hundreds for screws, a few motors, kilos to the gram.
double orderQuantity(Random& random, const Material& m)
{
    const int decimals = m.kind->qtyDecimals;
    double q = m.qtyLow * std::exp(random.uniform() * std::log(m.qtyHigh / m.qtyLow));
    if (decimals > 0)
        return std::max(roundTo(q, decimals), 1 / kPow10[decimals]);
    if (random.chance(0.8)) {
        const double step = q >= 1000 ? 100 : q >= 200 ? 10 : q >= 50 ? 5 : 1;
        q = std::round(q / step) * step;
    }
    return std::max(std::round(q), 1.0);
}

qint64 writeBills(sqlite3* db, const Plan& plan, const Flavour& f, const Calendar& calendar)
{
    Random random(f.seed);
    const std::vector<Partner>& partners = f.sales ? plan.customers : plan.suppliers;
    std::vector<double> weights;
    for (const Partner& p : partners)
        weights.push_back(p.weight);
    const WeightedPick pickPartner(weights);
    const WeightedPick pickLines({30, 20, 13, 10, 7, 5, 4, 3, 2, 1.5, 1, 0.8, 0.7, 0.6, 0.5, 0.4, 0.3, 0.3, 0.2, 0.2});
    std::vector<double> billerWeights;
    for (const auto& b : f.billers)
        billerWeights.push_back(b.second);
    const WeightedPick pickBiller(billerWeights);
    static const double discounts[] = {2, 3, 5, 8, 10, 12.5};
    std::vector<int> auxByType[4];
    for (const AuxDef& a : auxItems())
        auxByType[a.type].push_back(a.id);
    std::vector<const CurrencyDef*> currencyById(currencies().size() + 1, nullptr);
    for (const CurrencyDef& c : currencies())
        currencyById[static_cast<size_t>(c.id)] = &c;
    const uint32_t materialCount = static_cast<uint32_t>(plan.materials.size());
    const double lastDay = static_cast<double>(calendar.days.size() - 1);

    Insert header(db, f.headerSql);
    Insert entry(db, f.entrySql);
    qint64 written = 0;
    int bill = 0;
    char billNo[32];
    uint32_t picked[20];
    while (written < f.lines) {
        const int lines = static_cast<int>(std::min<qint64>(static_cast<qint64>(pickLines(random)) + 1, f.lines - written));
        const size_t day = calendar.dayAt((static_cast<double>(written) + lines / 2.0) / static_cast<double>(f.lines));
        const double t = static_cast<double>(day) / lastDay;
        const Partner& partner = partners[pickPartner(random)];
        const CurrencyDef& currency = *currencyById[static_cast<size_t>(partner.currencyId)];
        const bool foreign = currency.id != kRmbCurrencyId;
        const int tranType = foreign || random.chance(f.plainShare) ? f.plainType : f.vatType;
        const double rate = foreign ? roundTo(currency.rate * (1 + 0.03 * std::sin(static_cast<double>(day) / 45.0 + currency.id) +
                                                               random.between(-0.004, 0.004)),
                                              4)
                                    : 1.0;
        int deptId = partner.departmentId;
        int empId = partner.employeeId;
        const double staff = random.uniform();
        if (staff > 0.95)
            deptId = empId = 0;
        else if (staff > 0.9)
            empId = 0;
        std::snprintf(billNo, sizeof billNo, "%s%06d", f.billPrefix, ++bill);
        header.row(bill, billNo, billNo, calendar.days[day], tranType, plan.items[static_cast<size_t>(partner.item)].id,
                   deptId, empId, currency.id, rate, random.chance(0.02) ? 1 : 0, f.billers[pickBiller(random)].first);

        for (int j = 0; j < lines; ++j) {
            // Mostly what this partner usually trades, else something popular; once per bill.
            uint32_t index = 0;
            for (int attempt = 0; attempt < 4; ++attempt) {
                if (random.chance(0.7)) {
                    index = (partner.portfolioStart + random.below(partner.portfolioSpan)) % materialCount;
                } else {
                    const double u = random.uniform();
                    index = plan.popularity[static_cast<size_t>(u * u * u * materialCount)];
                }
                if (std::find(picked, picked + j, index) == picked + j)
                    break;
            }
            picked[j] = index;
            const Material& m = plan.materials[index];
            const int priceDecimals = m.kind->priceDecimals;
            const int aux = m.kind->auxType != AuxNone && random.chance(0.6) ? random.pick(auxByType[m.kind->auxType]) : kNoAuxPropId;
            const double qty = orderQuantity(random, m);
            const double rmbPrice = m.basePrice * f.priceLevel * partner.priceFactor * (1 + m.drift * t) *
                                    random.between(0.97, 1.03);
            const double price = std::max(roundTo(rmbPrice / rate, priceDecimals), 1 / kPow10[priceDecimals]);
            double discount = 0;
            if ((partner.discounts && random.chance(f.discountShare)) || random.chance(0.02))
                discount = discounts[random.below(6)];
            const double priceDiscount = roundTo(price * (1 - discount / 100), 6);
            const bool vat = tranType == f.vatType;
            const double taxRate = vat ? m.kind->taxRate : 0;
            // Amounts in whole minor units of the bill's currency, so amount + tax = total.
            const double minor = kPow10[currency.scale];
            const double totalMinor = std::round(qty * priceDiscount * minor);
            const double amountMinor = vat ? std::round(totalMinor / (1 + taxRate / 100)) : totalMinor;
            const double auxTaxPrice = price;
            const double auxPrice = vat ? roundTo(price / (1 + taxRate / 100), 6) : price;
            entry.row(bill, j + 1, j + 1, plan.items[static_cast<size_t>(m.item)].id, aux, m.kind->unitId, qty, qty,
                      auxPrice, auxPrice, auxTaxPrice, auxTaxPrice, taxRate, discount, priceDiscount,
                      amountMinor / minor, (totalMinor - amountMinor) / minor, totalMinor / minor);
        }
        written += lines;
    }
    return bill;
}

const char* const kSalesHeaderSql =
    "INSERT INTO ICSale (FInterID, FBillNo, FBillID, FDate, FTranType, FCustID, FDeptID, FEmpID, FCurrencyID, "
    "FExchangeRate, FCancellation, FBillerID) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)";
const char* const kPurchaseHeaderSql =
    "INSERT INTO ICPurchase (FInterID, FBillNo, FBillID, FDate, FTranType, FSupplyID, FDeptID, FEmpID, FCurrencyID, "
    "FExchangeRate, FCancellation, FBillerID) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)";
#define ZEL_ENTRY_COLUMNS                                                                                          \
    " (FInterID, FEntryID, FIndex, FItemID, FAuxPropID, FUnitID, FQty, FAuxQty, FPrice, FAuxPrice, FTaxPrice, "  \
    "FAuxTaxPrice, FTaxRate, FDiscountRate, FPriceDiscount, FAmount, FTaxAmount, FAmtTotalFor) "                  \
    "VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"
const char* const kSalesEntrySql = "INSERT INTO ICSaleEntry" ZEL_ENTRY_COLUMNS;
const char* const kPurchaseEntrySql = "INSERT INTO ICPurchaseEntry" ZEL_ENTRY_COLUMNS;
#undef ZEL_ENTRY_COLUMNS

// Fills an empty database file: tables, rows, then (unless only the rows are wanted) indexes
// and statistics.
void buildDatabase(sqlite3* db, const Plan& plan, DemoReport& report, bool withIndexes)
{
    // Nothing needs to survive a crash of a file that is renamed into place only when done.
    exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE; "
             "PRAGMA cache_size=-262144; PRAGMA temp_store=MEMORY;");
    exec(db, "BEGIN");
    createTables(db);
    writeBaseData(db, plan);
    writeUsersAndOptions(db);
    const Calendar calendar;
    const Flavour sales{true, kSalesHeaderSql, kSalesEntrySql, "XSFP", kSalesVatType, kSalesPlainType, 0.08, 1.0, 0.5,
                        {{kClerkUserId, 0.45}, {kSalesClerkUserId, 0.3}, {kRestrictedUserId, 0.2}, {kAdminUserId, 0.05}},
                        plan.counts.salesLines, 0x53414C4553ull};
    const Flavour purchase{false, kPurchaseHeaderSql, kPurchaseEntrySql, "CGFP", kPurchaseVatType, kPurchasePlainType,
                           0.12, 0.78, 0.4,
                           {{kClerkUserId, 0.6}, {kRestrictedUserId, 0.3}, {kAdminUserId, 0.1}},
                           plan.counts.purchaseLines, 0x505552434841ull};
    report.salesBills = writeBills(db, plan, sales, calendar);
    report.purchaseBills = writeBills(db, plan, purchase, calendar);
    if (withIndexes) {
        createIndexes(db);
        exec(db, "PRAGMA analysis_limit=1000; ANALYZE;");
    }
    exec(db, ("PRAGMA user_version=" + std::to_string(kDataVersion)).c_str());
    exec(db, "COMMIT");
    exec(db, "PRAGMA journal_mode=DELETE");
}

// The journal and write-ahead files of a database being replaced: left behind by a writer that
// was stopped, they would be rolled into the new file at its first open and damage it.
void removeSidecars(const QString& path)
{
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString sidecar = path + QLatin1String(suffix);
        if (QFileInfo::exists(sidecar) && !QFile::remove(sidecar))
            fail(com::E_FAIL_, QStringLiteral("无法删除旧数据库留下的 %1，没有替换数据库。").arg(sidecar));
    }
}

void refuseExisting(const QString& path)
{
    if (QFileInfo::exists(path))
        fail(com::E_FAIL_, QStringLiteral("数据库文件 %1 已存在，没有覆盖它。").arg(path));
}

// Moves the finished file into place; with Refuse a file that appeared meanwhile is kept.
void moveIntoPlace(const QString& from, const QString& to, ExistingFile existing)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (existing == ExistingFile::Refuse) {
        if (::link(source.constData(), target.constData()) == 0) {
            ::unlink(source.constData());
            return;
        }
        if (errno == EEXIST)
            fail(com::E_FAIL_, QStringLiteral("数据库文件 %1 已存在，没有覆盖它。").arg(to));
        refuseExisting(to);  // no hard links on this file system: check, then rename
    }
    if (std::rename(source.constData(), target.constData()) != 0)
        fail(com::E_FAIL_, QStringLiteral("无法把数据库文件保存为 %1：%2").arg(to, QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace

std::optional<DemoSize> parseDemoSize(const QString& text)
{
    if (text.compare(QLatin1String("small"), Qt::CaseInsensitive) == 0)
        return DemoSize::Small;
    if (text.compare(QLatin1String("large"), Qt::CaseInsensitive) == 0)
        return DemoSize::Large;
    return std::nullopt;
}

QString demoSizeName(DemoSize size)
{
    return size == DemoSize::Large ? QStringLiteral("large") : QStringLiteral("small");
}

DemoCounts plannedDemoCounts(DemoSize size) { return buildPlan(size).counts; }

demo::Samples demo::samples(DemoSize size)
{
    const Plan plan = buildPlan(size);
    auto number = [&plan](int item) { return QString::fromStdString(plan.items[static_cast<size_t>(item)].number); };
    return {number(plan.materials[plan.popularity.front()].item),
            number(plan.customers[static_cast<size_t>(plan.sampleCustomer)].item),
            number(plan.suppliers[static_cast<size_t>(plan.sampleSupplier)].item)};
}

namespace {

// generateDemoDatabase once the caller holds the file's lock alone.
DemoReport writeDemoDatabase(const QString& path, DemoSize size, ExistingFile existing, bool withIndexes = true)
{
    QElapsedTimer timer;
    timer.start();
    const QFileInfo target(path);
    if (target.isDir())
        fail(com::E_FAIL_, QStringLiteral("%1 是一个文件夹，不能作为数据库文件。").arg(path));
    if (existing == ExistingFile::Refuse)
        refuseExisting(path);
    const QFileInfo folder(target.absolutePath());

    // The database is built under a name of its own beside the target, so no file of anyone
    // else's is touched (a fixed "FILE.tmp" could be somebody's file).
    QString temporary;
    {
        QTemporaryFile reserved(target.absoluteFilePath() + QStringLiteral(".XXXXXX.tmp"));
        reserved.setAutoRemove(false);
        if (!reserved.open())
            fail(com::E_FAIL_, QStringLiteral("无法在 %1 创建临时文件：%2").arg(folder.filePath(), reserved.errorString()));
        temporary = reserved.fileName();
    }

    DemoReport report;
    report.path = path;
    report.size = size;
    const Plan plan = buildPlan(size);
    report.counts = plan.counts;

    sqlite3* db = nullptr;
    try {
        const int rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        if (rc != SQLITE_OK)
            fail(com::E_FAIL_, QStringLiteral("无法在 %1 创建数据库文件：%2")
                                   .arg(folder.filePath(), QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc))));
        buildDatabase(db, plan, report, withIndexes);
        if (sqlite3_close(db) != SQLITE_OK)
            failSqlite(db, "close");
        db = nullptr;
        if (existing == ExistingFile::Replace)
            removeSidecars(path);
        moveIntoPlace(temporary, path, existing);
    } catch (...) {
        if (db)
            sqlite3_close_v2(db);
        QFile::remove(temporary);
        throw;
    }
    report.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return report;
}

} // namespace

DemoReport generateDemoDatabase(const QString& path, DemoSize size, ExistingFile existing)
{
    if (path.trimmed().isEmpty())
        fail(com::E_FAIL_, QStringLiteral("没有给出数据库文件名。"));
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        fail(com::E_FAIL_, QStringLiteral("文件夹 %1 不存在，无法创建数据库文件。").arg(folder.filePath()));
    if (existing == ExistingFile::Refuse) {
        refuseExisting(path);  // before waiting: this process may have that database open
        // Waits for a process making the same file, then finds it there.
        const files::FileLock lock = files::FileLock::acquire(path, files::FileLock::Mode::Exclusive);
        return writeDemoDatabase(path, size, existing);
    }
    // A link is followed; a device, pipe or socket under the name is never replaced.
    QString target;
    try {
        target = files::saveTarget(path);
    } catch (const com::ComError& e) {
        fail(com::E_FAIL_, QStringLiteral("不能替换 %1：%2。").arg(path, e.description()));
    }
    const auto lock = files::FileLock::tryAcquire(target, files::FileLock::Mode::Exclusive);
    if (!lock)
        fail(com::E_SHARING_VIOLATION_,
             QStringLiteral("数据库文件 %1 正被其他程序使用，没有替换它。请先关闭使用它的程序。").arg(path));
    DemoReport report = writeDemoDatabase(target, size, existing);
    report.path = path;
    return report;
}

DemoReport generateDemoRows(const QString& path, DemoSize size)
{
    return writeDemoDatabase(path, size, ExistingFile::Refuse, false);
}

QString demoDatabasePath()
{
    const QString fromEnvironment = qEnvironmentVariable("ZEL_DEMO_DB");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/zelhost/demo.db");
}

QString ensureDemoDatabase()
{
    const QString path = demoDatabasePath();
    if (QFileInfo::exists(path))
        return path;
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        fail(com::E_FAIL_, QStringLiteral("无法创建文件夹 %1。").arg(folder));
    // One process generates it; the others wait here and then find it made.
    const files::FileLock lock = files::FileLock::acquire(path, files::FileLock::Mode::Exclusive);
    if (!QFileInfo::exists(path))
        writeDemoDatabase(path, DemoSize::Small, ExistingFile::Refuse);
    return path;
}

} // namespace hostdb
