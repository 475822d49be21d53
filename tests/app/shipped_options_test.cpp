#include <gtest/gtest.h>

#include <string_view>

#include "base/options.hpp"
#include "base/text_lines.hpp"

namespace solvaris {
namespace {

const std::filesystem::path kData = SOLVARIS_DATA_DIR;

// The shipped options themselves are read by every golden report, the
// start-up test and the window tests; each orb file here, as only a wheel
// of its kind reads it.
TEST(ShippedOptions, EveryOrbFileGivesSeventeenOrbs) {
    for (std::string_view name : {"NATAL.ORB", "PROGRESS.ORB", "SOLARARC.ORB", "TRANSIT.ORB",
                                  "SOLARRTN.ORB", "LUNARRTN.ORB", "NAT2PROG.ORB", "NAT2SA.ORB",
                                  "NAT2TRAN.ORB", "NAT2SR.ORB", "NAT2LR.ORB", "SYNASTRY.ORB"}) {
        const auto lines = ReadTextLines(kData / name);
        ASSERT_TRUE(lines) << name << " is missing";
        ASSERT_EQ(lines->size(), 17u) << name;
        for (std::size_t k = 0; k < lines->size(); ++k) {
            const std::string& line = (*lines)[k];
            ASSERT_GT(line.size(), 8u) << name << " entry " << k + 1 << " has no label";
            const float orb = OptionValue(line);
            EXPECT_GT(orb, 0.0f) << name << " entry " << k + 1;
            EXPECT_LT(orb, 15.0f) << name << " entry " << k + 1;
        }
    }
}

}  // namespace
}  // namespace solvaris
