// KW_SYSTM chosen from as a user does: each list and button opens its
// lesson in the data window indented by two blanks; a missing lesson says
// which file it could not find.
#include "gui/keywords/keyword_system_form.hpp"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "base/text_lines.hpp"
#include "gui/shell/workstation.hpp"
#include "gui/support/golden_session.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

struct LessonDesk {
    LessonDesk() {
        testing::OpenShippedSession(session);
        workstation.SetDataWindowFactory([this]() -> DataWindowView& { return dataWindow; });
        form.show();
    }
    // The report a lesson file should give: an empty line, its lines
    // behind two blanks, the closing empty line and the window's spare one.
    std::string Expected(const std::string& file) const {
        std::vector<std::string> lines{""};
        const auto lesson = ReadTextLines(folder / file);
        for (const std::string& line : lesson.value()) {
            lines.push_back("  " + line);
        }
        lines.insert(lines.end(), {"", ""});
        return JoinCrLf(lines);
    }
    // The entry picked in the open list with the keyboard, as a user
    // picks it, even when it is the entry shown already.
    void Choose(const char* list, const char* entry) {
        auto* combo = form.findChild<QComboBox*>(list);
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        view->setCurrentIndex(combo->model()->index(combo->findText(entry), 0));
        QTest::keyClick(view, Qt::Key_Return);
    }

    std::filesystem::path folder = SOLVARIS_DATA_DIR;
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow dataWindow;
    KeywordSystemForm form{workstation};
};

TEST(KeywordSystemForm, ListsAndButtonsOpenTheirLessons) {
    const struct {
        const char* control;
        const char* entry;  // nullptr for a button
        const char* file;
    } choices[] = {
        {"Combo3", "Sun", "SUN_SUN.TXT"},        {"Combo3", "Saturn", "SAT.TXT"},
        {"Combo2", "10th", "10th.TXT"},          {"Combo1", "Capricorn", "CAP.TXT"},
        {"Combo1", "Aries", "ARI.TXT"},          {"OKIntro1", nullptr, "INTRO1.TXT"},
        {"OKIntro2", nullptr, "INTRO2.TXT"},     {"OKKey1", nullptr, "KEY.TXT"},
        {"OKGeneral1", nullptr, "GENERAL.TXT"},  {"OKExample1", nullptr, "EXAMPLE1.TXT"},
        {"OKExample2", nullptr, "EXAMPLE2.TXT"}, {"OKAspects", nullptr, "ASPECTS.TXT"},
    };
    LessonDesk desk;
    EXPECT_EQ(desk.form.windowTitle(), "Keyword System of Analysis");
    EXPECT_EQ(desk.form.findChild<QComboBox*>("Combo1")->currentText(), "Aries");
    for (const auto& c : choices) {
        SCOPED_TRACE(c.file);
        const int shows = desk.dataWindow.shows;
        if (c.entry != nullptr) {
            desk.Choose(c.control, c.entry);
        } else {
            QTest::mouseClick(desk.form.findChild<QPushButton*>(c.control), Qt::LeftButton);
        }
        EXPECT_EQ(desk.dataWindow.shows, shows + 1);
        EXPECT_EQ(desk.dataWindow.text, desk.Expected(c.file));
    }
    EXPECT_TRUE(desk.platform.Messages().empty());
}

TEST(KeywordSystemForm, AMissingLessonNamesItsFile) {
    testing::TempFolder folder;
    LessonDesk desk;
    desk.session.folder = folder.path();
    QTest::mouseClick(desk.form.findChild<QPushButton*>("OKAspects"), Qt::LeftButton);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    const ShownMessage& box = desk.platform.Messages()[0];
    EXPECT_EQ(box.text, "Cannot find the file called " + (folder / "ASPECTS.TXT").string() + ".");
    EXPECT_EQ(box.title, "Warning!");
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_EQ(desk.dataWindow.shows, 0);
    QTest::mouseClick(desk.form.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_FALSE(desk.form.isVisible());
}

}  // namespace
}  // namespace solvaris
