#include <gtest/gtest.h>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

const std::vector<std::string> kPlace{"--zone",        "5",     "--lon",          "74W00",
                                      "--lat",         "40N43", "--diurnal-zone", "5",
                                      "--diurnal-lon", "74W00", "--diurnal-lat",  "40N43"};

std::vector<std::string> With(std::vector<std::string> head) {
    head.insert(head.end(), kPlace.begin(), kPlace.end());
    head.insert(head.end(), {"--date", "1960-06-15", "--time", "7:30am", "--diurnal-date",
                             "2026-12-06", "--diurnal-time", "1:00pm"});
    return head;
}

TEST(ReturnCommand, SolarReturnsStepByYears) {
    const Outcome first = RunArgs(With({"return", "solar"}));
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.rfind("SOLAR RETURN  06/15/2026", 0), 0u) << first.out;
    const Outcome next = RunArgs(With({"return", "solar", "--next", "2", "--format", "json"}));
    ASSERT_EQ(next.status, 0) << next.err;
    // After the 2028 leap day the return falls late on 14 June, Greenwich time.
    EXPECT_NE(next.out.find("\"date\":\"06/14/2028\""), std::string::npos) << next.out;
    EXPECT_NE(next.out.find("\"moment\":\"2028-06-14T"), std::string::npos) << next.out;
    const Outcome back = RunArgs(With({"return", "solar", "--previous", "1"}));
    EXPECT_EQ(back.out.rfind("SOLAR RETURN  06/15/2025", 0), 0u) << back.out;
}

}  // namespace
}  // namespace solvaris
