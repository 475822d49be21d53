// The exchange's questions and messages hold their table in tests/people/places_test.cpp.
#include "gui/people/atlas_exchange_form.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::EntryOf;
using testing::Showing;

TEST(AtlasExchangeForm, ThePlaceGoesOnYesIntoTheWindowClicked) {
    testing::WindowDesk desk({.entryWindows = true});
    const testing::TempFolder exchange;
    desk.folder.Write("PCATPATH.TXT", exchange.path().string() + "\r\n");
    const auto script = desk.folder.Write(
        "ATLAS.EXE",
        "#!/bin/sh\nprintf 'Sydney, NSW\\r\\n33S52\\r\\n151E12\\r\\nAustralia\\r\\n"
        "-10 hours\\r\\n' > '" +
            (exchange / "TSRTEMP.TXT").string() + "'\n");
    ::chmod(script.c_str(), 0755);
    desk.session.settings.atlasDir = desk.folder.path().string() + "/";
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    const std::string natal = Showing(*desk.natal);
    DiurnalEntryWindow expected = desk.workstation.diurnalEntry;
    expected.fields = {"1",   "1",  "2000", "12", "00", true, "-10",
                       "151", "12", true,   "33", "52", true};
    testing::Click(*desk.diurnal, "Label2");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].title, "Accept or Reject data");
    EXPECT_EQ(Showing(*desk.diurnal), EntryOf(expected));
    EXPECT_EQ(Showing(*desk.natal), natal);
}

}  // namespace
}  // namespace solvaris
