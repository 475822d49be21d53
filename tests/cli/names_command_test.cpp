// `names` and `cities`, and --person: a quote is part of a name, and nothing
// printed to a terminal carries a control character (the escaping itself:
// VisibleText).
#include <gtest/gtest.h>

#include "support/command_outcome.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

TEST(NamesCommands, ListShowAndPersonOfNamesAndCities) {
    testing::TempFolder folder;
    const std::string evil = "Evil\x1b]0;owned\x07\x1b[2J";
    const std::string names =
        folder
            .Write("P.FIL",
                   "Sample Natal,05 Dec 1950,7.45,P,5,074.00,40.43\r\n"
                   "Jack \"Jumbo Smith,05 Dec 1950,7.45,P,5,074.00,40.43\r\n" +
                       evil + ",05 Dec 1950,7.45,P,5,074.00,40.43\r\n" +
                       "Second,21 Jun 1975,10.15,A,-10,-151.12,-33.52\r\n")
            .string();
    const Outcome list = RunArgs({"names", "list", "--names", names});
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Sample Natal\nJack \"Jumbo Smith\nEvil\\x1b]0;owned\\x07\\x1b[2J\nSecond\n");
    EXPECT_EQ(RunArgs({"names", "show", "second", "--names", names}).out,
              "Name =  Second\nDate =  21 Jun 1975\nTime =  10.15 A\nTime zone =  -10\n"
              "Longitude =  -151.12\nLatitude =  -33.52\n");
    const Outcome missing = RunArgs({"names", "show", "No\x1b[2Jbody", "--names", names});
    EXPECT_EQ(missing.status, 1);
    const Outcome report = RunArgs({"report", "natal", "--person", evil, "--names", names});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_NE(report.out.find("  Evil\\x1b]0;owned\\x07\\x1b[2J\n"), std::string::npos);
    for (const Outcome* printed : {&list, &report, &missing}) {
        EXPECT_EQ(printed->out.find('\x1b'), std::string::npos);
        EXPECT_EQ(printed->err.find('\x1b'), std::string::npos);
    }

    // --person gives the same chart as the birth options typed in.
    const Outcome typed =
        RunArgs({"chart", "--name", "Sample Natal", "--date", "1950-12-05", "--time", "7:45pm",
                 "--zone", "5", "--lon", "74W00", "--lat", "40N43", "--diurnal-date", "2000-01-01",
                 "--diurnal-time", "12:00pm"});
    const Outcome picked = RunArgs({"chart", "--person", "Sample Natal", "--names", names,
                                    "--diurnal-date", "2000-01-01", "--diurnal-time", "12:00pm"});
    ASSERT_EQ(picked.status, 0) << picked.err;
    EXPECT_EQ(picked.out, typed.out);
    const Outcome unknown = RunArgs({"chart", "--person", "Nobody", "--names", names});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no person named 'Nobody'"), std::string::npos);
    EXPECT_EQ(RunArgs({"chart", "--person", "Sample Natal", "--second-person", "Second", "--names",
                       names})
                  .status,
              0);

    const std::string cities =
        folder.Write("C.LL", "New York,NY,74W00,40N43,5\r\nSydney,NSW,151E12,33S52,-10\r\n")
            .string();
    EXPECT_EQ(RunArgs({"cities", "list", "--cities", cities}).out, "New York,NY\nSydney,NSW\n");
    EXPECT_EQ(RunArgs({"cities", "show", "sydney,nsw", "--cities", cities}).out,
              "City =  Sydney\nRegion =  NSW\nLongitude =  151E12\nLatitude =  33S52\n"
              "Time zone =  -10\n");
    EXPECT_EQ(RunArgs({"cities", "show", "Nowhere", "--cities", cities}).status, 1);
}

}  // namespace
}  // namespace solvaris
