// Developer check of one builder table against the expected groups.
// Build: g++ -std=c++20 -I. -DKEY=length tools/builder_check.cpp catalog/builders/length.cpp
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalog/builders/emit.h"

#define STR2(x) #x
#define STR(x) STR2(x)
#define CAT2(a, b) a##b
#define CAT(a, b) CAT2(a, b)

namespace quarnelo::catalog::builders {
extern const BuilderTable CAT(Einheiten_, KEY);
}

struct ExpGroup {
    const char* de;
    const char* en;
    int countDe;
    int countEn;
};
struct ExpCategory {
    const char* key;
    std::vector<ExpGroup> groups;
};
static const ExpCategory kExpected[] = {
#include "tests/catalog/expected_groups.inc"
};

int main() {
    using namespace quarnelo::catalog;
    const BuilderTable& t = builders::CAT(Einheiten_, KEY);
    const ExpCategory* exp = nullptr;
    for (const auto& c : kExpected)
        if (std::strcmp(c.key, STR(KEY)) == 0) exp = &c;
    if (!exp) { std::printf("unknown key\n"); return 1; }
    int errors = 0;
    for (int lang = 0; lang < 2; ++lang) {
        bool de = lang == 0;
        struct U { std::string name, abbr, group, factor; };
        std::vector<U> units;
        EmitRows(t, de, [&](const char* n, const char* a, const char* g, const char* f) {
            units.push_back({n, a, g, f});
        });
        // runs of equal group text
        std::vector<std::pair<std::string, int>> runs;
        for (const auto& u : units) {
            if (runs.empty() || runs.back().first != u.group) runs.push_back({u.group, 0});
            runs.back().second++;
        }
        std::printf("== %s: %zu units, %zu groups\n", de ? "de" : "en", units.size(), runs.size());
        size_t n = std::max(runs.size(), exp->groups.size());
        for (size_t i = 0; i < n; ++i) {
            std::string want = i < exp->groups.size() ? (de ? exp->groups[i].de : exp->groups[i].en) : "-";
            int wantN = i < exp->groups.size() ? (de ? exp->groups[i].countDe : exp->groups[i].countEn) : -1;
            std::string got = i < runs.size() ? runs[i].first : "-";
            int gotN = i < runs.size() ? runs[i].second : -1;
            if (want != got || wantN != gotN) {
                std::printf("  MISMATCH group %zu: want \"%s\" %d, got \"%s\" %d\n", i, want.c_str(), wantN,
                            got.c_str(), gotN);
                ++errors;
            }
        }
        // repeated display texts inside one list
        std::set<std::string> seen;
        for (const auto& u : units) {
            std::string disp = u.name + (u.abbr.empty() ? "" : " (" + u.abbr + ")") + ", " + u.group;
            if (!seen.insert(disp).second) std::printf("  repeated display text: %s\n", disp.c_str());
            if (u.factor.empty()) { std::printf("  empty factor: %s\n", disp.c_str()); ++errors; }
        }
        const int* v = de ? t.vorgabeDe : t.vorgabeEn;
        for (int k = 0; k < 3; ++k) {
            if (v[k] >= 0 && v[k] < (int)units.size())
                std::printf("  default %d -> %d: %s (%s)\n", k + 1, v[k], units[v[k]].name.c_str(),
                            units[v[k]].abbr.c_str());
            else
                std::printf("  default %d -> %d: beyond the list\n", k + 1, v[k]);
        }
    }
    std::printf(errors ? "FAILED: %d mismatches\n" : "OK\n", errors);
    return errors ? 1 : 0;
}
