#include "reports/emphasis_summary.hpp"

#include <array>
#include <cstdlib>
#include <string_view>

#include "engine/chart_point.hpp"

namespace solvaris {

namespace {

constexpr int kBodies = 10;  // Sun to Pluto and the Moon

struct Group {
    std::string_view label;  // as the member lists write it
    std::array<int, 6> members;
};

// Sign groups by sign number; 0 ends a member list.
constexpr std::array<Group, 15> kSignGroups{{
    {"Cardinal     - ", {1, 4, 7, 10}},
    {"Fixed        - ", {2, 5, 8, 11}},
    {"Mutable      - ", {3, 6, 9, 12}},
    {"Fire         - ", {1, 5, 9}},
    {"Earth        - ", {2, 6, 10}},
    {"Air          - ", {3, 7, 11}},
    {"Water        - ", {4, 8, 12}},
    {"Intellectual - ", {1, 2, 3}},
    {"Maternal     - ", {4, 5, 6}},
    {"Reproductive - ", {7, 8, 9}},
    {"Serving      - ", {10, 11, 12}},
    {"Masculine    - ", {1, 3, 5, 7, 9, 11}},
    {"Feminine     - ", {2, 4, 6, 8, 10, 12}},
    {"Commanding   - ", {1, 2, 3, 4, 5, 6}},
    {"Obeying      - ", {7, 8, 9, 10, 11, 12}},
}};

// House groups by house number.
constexpr std::array<Group, 18> kHouseGroups{{
    {"Angular      - ", {1, 4, 7, 10}},
    {"Succedent    - ", {2, 5, 8, 11}},
    {"Cadent       - ", {3, 6, 9, 12}},
    {"Life         - ", {1, 5, 9}},
    {"Possessive   - ", {2, 6, 10}},
    {"Association  - ", {3, 7, 11}},
    {"Psychic      - ", {4, 8, 12}},
    {"Intuition    - ", {1, 2, 3}},
    {"Feeling      - ", {4, 5, 6}},
    {"Relationship - ", {7, 8, 9}},
    {"Thinking     - ", {10, 11, 12}},
    {"Self         - ", {12, 1, 2, 3}},
    {"Companions   - ", {4, 5, 6, 7}},
    {"Public       - ", {8, 9, 10, 11}},
    {"Eastern      - ", {10, 11, 12, 1, 2, 3}},
    {"Western      - ", {4, 5, 6, 7, 8, 9}},
    {"North        - ", {1, 2, 3, 4, 5, 6}},
    {"South        - ", {7, 8, 9, 10, 11, 12}},
}};

enum SignGroup {
    Cardinal,
    Fixed,
    Mutable,
    Fire,
    Earth,
    Air,
    Water,
    Intellectual,
    Maternal,
    Reproductive,
    Serving,
    Masculine,
    Feminine,
    Commanding,
    Obeying
};
enum HouseGroup {
    Angular,
    Succedent,
    Cadent,
    Life,
    Possessive,
    Association,
    Psychic,
    Intuition,
    Feeling,
    Relationship,
    Thinking,
    Self,
    Companions,
    Public,
    Eastern,
    Western,
    North,
    South
};

template <std::size_t N>
struct Tally {
    std::array<int, N> count{};
    std::array<std::string, N> members;

    void Add(const std::array<Group, N>& groups, int number, int body) {
        for (std::size_t g = 0; g < N; ++g) {
            for (int m : groups[g].members) {
                if (m == number) {
                    ++count[g];
                    members[g] += ReportName(body);
                    members[g] += ' ';
                }
            }
        }
    }
};

// The house number at the start of a 10-character house field ("10TH HOUSE",
// " 1ST HOUSE").
int HouseNumber(const std::string& text, int body) {
    const std::size_t at = 10 * static_cast<std::size_t>(body - 1);
    return at < text.size() ? std::atoi(text.substr(at, 2).c_str()) : 0;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

// A run of count items: blanks, label, count.
struct Item {
    int blanks;
    std::string_view label;
    int count;
};

std::string Items(std::initializer_list<Item> items) {
    std::string line;
    for (const Item& item : items) {
        line += Blanks(item.blanks);
        line += item.label;
        line += std::to_string(item.count);
    }
    return line;
}

// Member lines in blocks; `breaks` are the groups that start a new block.
template <std::size_t N>
void MemberLines(ReportContext& ctx, const std::array<Group, N>& groups, const Tally<N>& tally,
                 std::initializer_list<std::size_t> breaks) {
    for (std::size_t g = 0; g < N; ++g) {
        for (std::size_t b : breaks) {
            if (b == g) {
                ctx.Blank();
            }
        }
        std::string line = "  ";
        line += groups[g].label;
        line += tally.members[g];
        ctx.Line(line);
    }
}

}  // namespace

void EmphasisSummary(ReportContext& ctx) {
    const WorkingSet& w = ctx.session.charts.working;
    Tally<15> signs;
    Tally<18> houses;
    for (int body = 1; body <= kBodies; ++body) {
        signs.Add(kSignGroups, SignNumber(w.points.longitude[body]), body);
        houses.Add(kHouseGroups, HouseNumber(w.texts.housePositionText, body), body);
    }
    const auto& s = signs.count;
    const auto& h = houses.count;
    ctx.Blank();
    ctx.Line("  SIGNS");
    ctx.Line(Items({{2, "Cardinal - ", s[Cardinal]},
                    {3, "Fire  - ", s[Fire]},
                    {3, "Intellectual - ", s[Intellectual]},
                    {4, "Masculine - ", s[Masculine]},
                    {3, "Commanding - ", s[Commanding]}}));
    ctx.Line(Items({{2, "Fixed    - ", s[Fixed]},
                    {3, "Earth - ", s[Earth]},
                    {3, "Maternal     - ", s[Maternal]},
                    {4, "Feminine  - ", s[Feminine]},
                    {3, "Obeying    - ", s[Obeying]}}));
    ctx.Line(Items({{2, "Mutable  - ", s[Mutable]},
                    {3, "Air   - ", s[Air]},
                    {3, "Reproductive - ", s[Reproductive]}}));
    ctx.Line(Items({{17, "Water - ", s[Water]}, {3, "Serving      - ", s[Serving]}}));
    ctx.Blank();
    ctx.Line("  HOUSES");
    ctx.Line(Items({{2, "Angular   - ", h[Angular]},
                    {2, "Life        - ", h[Life]},
                    {2, "Intuition    - ", h[Intuition]},
                    {2, "Self       - ", h[Self]},
                    {2, "Eastern - ", h[Eastern]}}));
    ctx.Line(Items({{2, "Succedent - ", h[Succedent]},
                    {2, "Possessive  - ", h[Possessive]},
                    {2, "Feeling      - ", h[Feeling]},
                    {2, "Companions - ", h[Companions]},
                    {2, "Western - ", h[Western]}}));
    ctx.Line(Items({{2, "Cadent    - ", h[Cadent]},
                    {2, "Association - ", h[Association]},
                    {2, "Relationship - ", h[Relationship]},
                    {2, "Public     - ", h[Public]},
                    {2, "North   - ", h[North]}}));
    ctx.Line(Items({{17, "Psychic     - ", h[Psychic]},
                    {2, "Thinking     - ", h[Thinking]},
                    {18, "South   - ", h[South]}}));
    ctx.Blank();
    ctx.Line("  SIGNS:");
    MemberLines(ctx, kSignGroups, signs, {3, 7, 11, 13});
    ctx.Blank();
    ctx.Line("  HOUSES:");
    MemberLines(ctx, kHouseGroups, houses, {3, 7, 11, 14});
    ctx.Blank();
}

}  // namespace solvaris
