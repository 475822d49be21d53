// The present moment: the Input command writes 14:05 as "14" and P.M. (the
// hour field then shows 2: MainForm.InputAndTheCaptionTakeThePresentOfTheHomeClock);
// the main window's caption shows it.
#include "app/input_command.hpp"

#include <gtest/gtest.h>

#include "app/caption_clock.hpp"
#include "base/option_numbers.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

TEST(InputCommand, PresentMomentIntoANowEntry) {
    struct Case {
        LocalDateTime present;
        const char* shown;  // after the hour field's rule
        bool pm;
    };
    const Case cases[] = {{{2026, 12, 5, 12, 0, 0}, "12", true},
                          {{2026, 12, 5, 11, 59, 0}, "11", false},
                          {{2026, 12, 5, 0, 7, 0}, "12", false},
                          {{2026, 12, 5, 23, 59, 0}, "11", true}};
    for (const Case& c : cases) {
        Session session;
        ScriptedPlatform platform;
        NatalEntryWindow natal;
        natal.txtName = kPresentMomentName;
        RunInputCommand(session, natal, DiurnalEntryWindow{}, c.present, platform);
        const EntryFields& f = natal.fields;
        EXPECT_EQ(f.month + "/" + f.day + "/" + f.year + " " + f.hour + "." + f.minute,
                  "12/5/2026 " + std::string(c.shown) + "." + std::to_string(c.present.minute))
            << c.present.hour;
        EXPECT_EQ(f.pm, c.pm) << c.present.hour;
        EXPECT_TRUE(platform.Messages().empty());
    }
}

TEST(InputCommand, KeepsAPersonAndResetsTheSession) {
    for (const bool secondPersonBox : {false, true}) {  // the flag follows the box
        Session session;
        ScriptedPlatform platform;
        session.reports.line = "a line";
        session.reports.AppendLine(platform);
        session.secondPerson = true;
        session.secondPersonName = "Second";
        NatalEntryWindow natal;
        natal.txtName = "Ada";
        natal.fields.hour = "7";
        DiurnalEntryWindow diurnal;
        diurnal.chk2ndPerson = secondPersonBox;
        RunInputCommand(session, natal, diurnal, {2026, 12, 5, 14, 5, 0}, platform);
        EXPECT_EQ(natal.fields.hour, "7");
        EXPECT_EQ(session.reports.LineCount(), 0);
        EXPECT_EQ(session.reports.CurrentCount(), 1);  // the shown report stays
        EXPECT_TRUE(session.secondPersonName.empty());
        EXPECT_EQ(session.secondPerson, secondPersonBox);
    }
}

TEST(CaptionClock, TitleDateFiveBlanksAndTheTime) {
    struct Case {
        LocalDateTime present;
        bool twelveHour;
        const char* dateAndTime;
    };
    const Case cases[] = {
        {{2026, 12, 5, 12, 3, 15}, true, "05 Dec 2026     12:03:15 PM"},
        {{2026, 12, 5, 14, 3, 5}, true, "05 Dec 2026     2:03:05 PM"},
        {{2027, 1, 31, 0, 0, 0}, true, "31 Jan 2027     12:00:00 AM"},
        {{2027, 1, 31, 0, 0, 0}, false, "31 Jan 2027     00:00:00"},
        {{1999, 7, 9, 23, 59, 59}, false, "09 Jul 1999     23:59:59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainWindowCaption(c.present, c.twelveHour, OptionTable{}),
                  std::string("SOLVARIS (Tropical zodiac) - ") + c.dateAndTime);
    }
    OptionTable sidereal;
    sidereal.Set(opt::Zodiac, 1);
    EXPECT_EQ(MainWindowCaption(cases[0].present, cases[0].twelveHour, sidereal),
              std::string("SOLVARIS (Sidereal zodiac) - ") + cases[0].dateAndTime);
}

}  // namespace
}  // namespace solvaris
