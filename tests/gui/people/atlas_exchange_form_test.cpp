// "ACS Atlas" of either entry window with a stand-in atlas program: a
// script that writes TSRTEMP.TXT into the folder PCATPATH.TXT names. The
// place is taken on Yes and only into the window clicked; every message.
#include "gui/people/atlas_exchange_form.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "gui/people/people_desk.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::PeopleDesk;
using testing::TempFolder;

enum class Atlas { Installed, NoPathFile, WritesNothing };

void InstallAtlas(const TempFolder& atlas, const TempFolder& exchange, Atlas kind) {
    if (kind != Atlas::NoPathFile) {
        atlas.Write("PCATPATH.TXT", exchange.path().string() + "\r\n");
    }
    const std::string writes =
        kind == Atlas::WritesNothing
            ? std::string("true\n")
            : "printf 'Sydney, NSW\\r\\n33S52\\r\\n151E12\\r\\nAustralia\\r\\n-10 hours\\r\\n' > "
              "'" +
                  (exchange / "TSRTEMP.TXT").string() + "'\n";
    const auto script = atlas.Write("ATLAS.EXE", "#!/bin/sh\n" + writes);
    ::chmod(script.c_str(), 0755);
}

TEST(AtlasExchangeForm, AcceptedRefusedFoundAndEveryMessage) {
    struct Case {
        const char* name;
        const char* caller;  // whose "ACS Atlas" is clicked
        Atlas atlas;
        bool folderKnown;         // AtlasDir in the settings
        const char* folderTyped;  // the input box's answer: "" cancels, "atlas" the folder
        MessageAnswer answer;     // to the accept question
        bool taken;
        const char* message;  // the last message box's title, nullptr: none
    };
    const std::string sydney = "-10|151|12|E|33|52|S";
    for (const Case& c : {
             Case{"accepted", "InputD", Atlas::Installed, true, nullptr, MessageAnswer::Yes, true,
                  "Accept or Reject data"},
             Case{"refused", "InputD", Atlas::Installed, true, nullptr, MessageAnswer::No, false,
                  "Accept or Reject data"},
             Case{"second window", "InputD1", Atlas::Installed, true, nullptr, MessageAnswer::Yes,
                  true, "Accept or Reject data"},
             Case{"asked for", "InputD", Atlas::Installed, false, "atlas", MessageAnswer::Yes, true,
                  "Accept or Reject data"},
             Case{"not given", "InputD1", Atlas::Installed, false, "", MessageAnswer::Yes, false,
                  nullptr},
             Case{"no PCATPATH", "InputD", Atlas::NoPathFile, true, nullptr, MessageAnswer::Yes,
                  false, "Warning!"},
             Case{"no TSRTEMP", "InputD", Atlas::WritesNothing, true, nullptr, MessageAnswer::Yes,
                  false, "Warning!"},
         }) {
        PeopleDesk desk;
        TempFolder atlas, exchange;
        InstallAtlas(atlas, exchange, c.atlas);
        const std::string atlasDir = atlas.path().string() + "/";
        desk.session.settings.atlasDir = c.folderKnown ? atlasDir : "";
        if (c.folderTyped != nullptr) {
            desk.platform.QueueInput(*c.folderTyped ? atlas.path().string() : "");
        }
        desk.platform.QueueAnswer(c.answer);
        testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
        desk.workstation.AnnounceEntryChanged();
        const std::string natalBefore = testing::NatalPlaceShown(desk.natal);
        const std::string diurnalBefore = testing::DiurnalPlaceShown(desk.diurnal);

        const bool natal = std::string(c.caller) == "InputD";
        Click(natal ? static_cast<QWidget&>(desk.natal) : desk.diurnal, "Label2");
        EXPECT_EQ(testing::NatalPlaceShown(desk.natal), c.taken && natal ? sydney : natalBefore)
            << c.name;
        EXPECT_EQ(testing::DiurnalPlaceShown(desk.diurnal),
                  c.taken && !natal ? sydney : diurnalBefore)
            << c.name;
        EXPECT_TRUE(
            Control<QLabel>(natal ? static_cast<QWidget&>(desk.natal) : desk.diurnal, "Label2")
                .isEnabled())
            << c.name;

        const auto& boxes = desk.platform.InputBoxes();
        ASSERT_EQ(boxes.size(), c.folderTyped ? 1u : 0u) << c.name;
        if (c.folderTyped != nullptr) {
            EXPECT_EQ(boxes[0].title, "Where do I find ATLAS.EXE?");
            EXPECT_EQ(boxes[0].text,
                      "Enter the complete path for where ATLAS.EXE resides: \n\n(Example: "
                      "c:\\atlas OR c:\\charts\\atlas OR d:\\windows\\atlas\\)");
        }
        EXPECT_EQ(desk.session.settings.atlasDir, c.folderKnown || *c.folderTyped ? atlasDir : "")
            << c.name;

        const auto& shown = desk.platform.Messages();
        ASSERT_EQ(shown.size(), c.message ? 1u : 0u) << c.name;
        if (c.message == nullptr) {
            continue;
        }
        EXPECT_EQ(shown[0].title, c.message) << c.name;
        if (c.atlas == Atlas::Installed) {
            EXPECT_EQ(shown[0].text,
                      "Accept following data? \nLongitude = 151E12\nLatitude  = 33S52\nTime zone "
                      "= -10");
            EXPECT_EQ(shown[0].buttons, MessageButtons::YesNo);
            EXPECT_EQ(shown[0].icon, MessageIcon::Question);
        } else {
            EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
            EXPECT_EQ(shown[0].text, c.atlas == Atlas::NoPathFile
                                         ? "Cannot find the file called PCATPATH in the " +
                                               atlasDir + " directory."
                                         : "Cannot find the file called TSRTEMP.TXT in the " +
                                               exchange.path().string() + " directory.")
                << c.name;
        }
    }
}

}  // namespace
}  // namespace solvaris
