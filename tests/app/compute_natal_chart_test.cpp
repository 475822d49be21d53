// The natal chart alone, as batch work casts it, against the whole chart pass
// (batch's output itself: byte_identity.sh).
#include <gtest/gtest.h>

#include <cstring>

#include "app/compute_charts.hpp"
#include "people/names_file.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

// Numbers, arrays or sets of them, to the bit.
template <class Numbers>
bool SameBits(const Numbers& a, const Numbers& b) {
    return std::memcmp(&a, &b, sizeof(Numbers)) == 0;
}

TEST(ComputeNatalChart, MatchesTheWholeChartPass) {
    const char* lines[] = {
        "Sample Natal,05 Dec 1950,7.45,P,5,074.00,40.43",
        "Sydney,21 Jun 1975,10.15,A,-10,-151.12,-33.52",
        "Midnight,01 Jan 2000,12.00,A,0,000.00,00.00",
        "Far north,15 Mar 1890,3.30,P,-2,-010.45,65.59",
        "Too far north,15 Mar 1890,3.30,P,-2,-010.45,66.30",  // refused but by Meridian/Morinus
        "Pluto outside,01 Jan 1600,6.00,A,0,000.00,51.30",
        "Bad zone,05 Dec 1950,7.45,P,25,074.00,40.43",
    };
    const HouseSystem systems[] = {HouseSystem::Placidus, HouseSystem::Koch, HouseSystem::Meridian,
                                   HouseSystem::Morinus, HouseSystem::EqualAscendant};
    int accepted = 0;
    for (const char* line : lines) {
        const auto record = ParseNameLine(line);
        ASSERT_TRUE(record) << line;
        for (const HouseSystem system : systems) {
            SCOPED_TRACE(std::string(line) + " / system " + std::to_string(int(system)));
            ScriptedPlatform platform;
            NatalEntryWindow natal;
            DiurnalEntryWindow diurnal;
            ASSERT_TRUE(FillNatalFromRecord(*record, natal, platform.UserDateOrder(), platform));
            // As batch work fills them: the diurnal date is the birth date.
            diurnal.fields = natal.fields;

            Session whole;
            platform.ClearMessages();
            const bool wholeAccepted = ComputeChartStore(whole, natal, diurnal, system, platform);
            const auto wholeMessages = platform.Messages();

            // With its motion the natal set is the whole pass's to the bit; without
            // it (batch work) only the retrograde marks, which take the second
            // evaluation, are left empty.
            for (const NatalMotion motion : {NatalMotion::Computed, NatalMotion::Omitted}) {
                SCOPED_TRACE(motion == NatalMotion::Computed ? "with motion" : "no motion");
                Session alone;  // a const session: nothing written into it
                NatalSet set;
                platform.ClearMessages();
                const bool aloneAccepted = ComputeNatalChart(alone, natal, diurnal, system,
                                                             Ephemeris{}, platform, set, motion);
                ASSERT_EQ(aloneAccepted, wholeAccepted);
                ASSERT_EQ(platform.Messages().size(), wholeMessages.size());
                for (std::size_t m = 0; m < wholeMessages.size(); ++m) {
                    EXPECT_EQ(platform.Messages()[m].text, wholeMessages[m].text);
                }
                if (!wholeAccepted) {
                    continue;
                }
                ++accepted;
                const NatalSet& expected = whole.charts.natal;
                EXPECT_TRUE(SameBits(set.points, expected.points));
                EXPECT_TRUE(SameBits(set.cusps, expected.cusps));
                EXPECT_TRUE(SameBits(set.specialPoints, expected.specialPoints));
                EXPECT_TRUE(SameBits(set.trueNodeLongitude, expected.trueNodeLongitude));
                EXPECT_TRUE(SameBits(set.trueNodeDeclination, expected.trueNodeDeclination));
                EXPECT_EQ(set.texts.retrogradeMarks, motion == NatalMotion::Computed
                                                         ? expected.texts.retrogradeMarks
                                                         : std::string());
                EXPECT_EQ(set.texts.housePositionText, expected.texts.housePositionText);
                EXPECT_EQ(set.texts.siderealTimeText, expected.texts.siderealTimeText);
            }
        }
    }
    // Five births under five systems, the polar one under Meridian and Morinus
    // only, each with and without motion.
    EXPECT_EQ(accepted, 2 * (5 * 5 + 2));
}

}  // namespace
}  // namespace solvaris
