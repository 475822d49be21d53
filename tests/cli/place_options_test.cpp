// A birthplace by name from the world atlas: --place, --diurnal-place and
// solvaris places.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/command_outcome.hpp"

namespace solvaris {
namespace {

using testing::Outcome;
using testing::RunArgs;

TEST(PlaceOptions, FillThePlaceOrSayWhichIsMeant) {
    const std::vector<std::string> birth1880 = {"chart", "--date", "1880-06-01", "--time", "12:00"};
    const auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> words = birth1880;
        words.insert(words.end(), more.begin(), more.end());
        return words;
    };
    const struct {
        const char* what;
        std::vector<std::string> words;
        int status;
        std::vector<std::string> out;
        std::vector<std::string> err;
    } cases[] = {
        {"Buffalo's mean time",
         with({"--place", "Buffalo, New York"}),
         0,
         {"\"abbreviation\":\"LMT\"", "\"mean_time_at\":\"78W53\"",
          "\"places\":{\"natal\":\"Buffalo, New York, United States of America\",\"diurnal\":"
          "null}"},
         {}},
        {"the second chart's place",
         with({"--place", "Tulle", "--diurnal-date", "2026-01-01", "--diurnal-time", "12:00",
               "--diurnal-place", "sao paulo, brazil"}),
         0,
         {"\"zone\":\"Europe/Paris\"", "\"zone\":\"America/Sao_Paulo\"",
          "\"diurnal\":\"São Paulo, São Paulo, Brazil\""},
         {}},
        {"several Springfields",
         with({"--place", "Springfield"}),
         2,
         {},
         {"--place 'Springfield': more than one place has that name",
          "  Springfield, Illinois, United States of America  116565  39n48 89w39  "
          "America/Chicago\n"}},
        {"no such place", with({"--place", "Xyzzyq"}), 2, {}, {"no place of the atlas"}},
        {"a place and a longitude",
         with({"--place", "Tulle", "--lon", "1e46"}),
         2,
         {},
         {"excludes"}},
        {"places as text",
         {"places", "buffalo, new york"},
         0,
         {"Buffalo, New York, United States of America  258071  42n53 78w53  America/New_York\n"},
         {}},
        {"places as JSON",
         {"places", "zurich", "--limit", "1", "--format", "json"},
         0,
         {"[{\"name\":\"Zürich\",\"region\":\"Zurich\",\"country\":\"Switzerland\","
          "\"country_code\":\"CH\",\"population\":341730,\"latitude\":47.3667,\"longitude\":"
          "8.5500,\"lat\":\"47n22\",\"lon\":\"8e33\",\"zone\":\"Europe/Zurich\"}]\n"},
         {}},
        {"no place matches", {"places", "xyzzyq"}, 1, {}, {"no place of the atlas matches"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome r = RunArgs(c.words);
        EXPECT_EQ(r.status, c.status) << r.err;
        for (const std::string& part : c.out) {
            EXPECT_NE(r.out.find(part), std::string::npos) << part << "\n" << r.out;
        }
        for (const std::string& part : c.err) {
            EXPECT_NE(r.err.find(part), std::string::npos) << part << "\n" << r.err;
        }
    }
}

}  // namespace
}  // namespace solvaris
