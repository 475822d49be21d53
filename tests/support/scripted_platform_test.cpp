// The scripted platform answers as a user would who presses Enter when the
// script has run out: the default button, else Yes; OK boxes take no
// answer from the script. The busy pointer nests.
#include "support/scripted_platform.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(ScriptedPlatform, AnswersFromTheScriptElseTheDefaultButton) {
    struct Case {
        MessageButtons buttons;
        std::optional<MessageAnswer> defaultButton;
        std::optional<MessageAnswer> queued;
        MessageAnswer answer;
        std::size_t left;  // answers still queued afterwards
    };
    const Case cases[] = {
        {MessageButtons::Ok, std::nullopt, MessageAnswer::No, MessageAnswer::Ok, 1},
        {MessageButtons::YesNo, std::nullopt, std::nullopt, MessageAnswer::Yes, 0},
        {MessageButtons::YesNo, MessageAnswer::No, std::nullopt, MessageAnswer::No, 0},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel, std::nullopt, MessageAnswer::Cancel,
         0},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel, MessageAnswer::No, MessageAnswer::No,
         0},
    };
    for (const Case& c : cases) {
        ScriptedPlatform scripted;
        Platform& platform = scripted;
        if (c.queued) {
            scripted.QueueAnswer(*c.queued);
        }
        EXPECT_EQ(platform.ShowMessage("Text", "Title", MessageIcon::Question, c.buttons,
                                       c.defaultButton),
                  c.answer);
        ASSERT_EQ(scripted.Messages().size(), 1u);
        EXPECT_EQ(scripted.Messages()[0].defaultButton, c.defaultButton);
        // What is left in the script answers the next question.
        if (c.left > 0) {
            EXPECT_EQ(
                platform.ShowMessage("Next", "Title", MessageIcon::Question, MessageButtons::YesNo),
                *c.queued);
        }
    }
}

TEST(ScriptedPlatform, BusyPointerNests) {
    ScriptedPlatform platform;
    {
        BusyPointer outer(platform);
        { BusyPointer inner(platform); }
        EXPECT_TRUE(platform.Busy());
    }
    EXPECT_FALSE(platform.Busy());
    EXPECT_EQ(platform.BusyRequests(), 2);
    platform.SetBusy(false);  // one restore too many changes nothing
    EXPECT_FALSE(platform.Busy());
}

}  // namespace
}  // namespace solvaris
