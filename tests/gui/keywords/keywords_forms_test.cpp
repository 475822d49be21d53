// KW_SYSTM and the Keywords grid chosen from as a user does. Every entry's
// file and every cell's message are held in tests/keywords/keywords_test.cpp.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QTableWidget>

#include "gui/keywords/keyword_system_form.hpp"
#include "gui/keywords/keywords_form.hpp"
#include "keywords/keyword_texts.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::WindowDesk;

// The lesson as the window shows it: behind two blanks, between empty lines.
std::string Lesson(const WindowDesk& desk, const char* file) {
    const auto lesson = ReadTextLines(desk.folder / file);
    std::vector<std::string> lines{""};
    for (const std::string& line : lesson ? *lesson : std::vector<std::string>{"(missing)"}) {
        lines.push_back("  " + line);
    }
    lines.insert(lines.end(), {"", ""});
    return JoinCrLf(lines);
}

// Then the Keywords grid beside it.
TEST(KeywordSystemForm, ListsAndButtonsOpenTheirLessons) {
    WindowDesk desk;
    KeywordSystemForm form(desk.workstation);
    form.show();
    for (const auto& [control, entry, file] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"Combo3", "Saturn", "SAT.TXT"},
             {"Combo2", "10th", "10th.TXT"},
             {"Combo1", "Aries", "ARI.TXT"},  // the entry shown already
             {"OKIntro2", nullptr, "INTRO2.TXT"},
             {"OKAspects", nullptr, "ASPECTS.TXT"}}) {
        SCOPED_TRACE(file);
        const int shows = desk.dataWindow.shows;
        if (entry != nullptr) {
            // Picked in the open list with the keyboard, as a user picks it.
            auto& combo = testing::Control<QComboBox>(form, control);
            combo.showPopup();
            combo.view()->setCurrentIndex(combo.model()->index(combo.findText(entry), 0));
            QTest::keyClick(combo.view(), Qt::Key_Return);
        } else {
            testing::Click(form, control);
        }
        EXPECT_EQ(desk.dataWindow.shows, shows + 1);
        EXPECT_EQ(desk.dataWindow.text, Lesson(desk, file));
    }
    // A missing lesson names its file; Command1 closes the window.
    const int shows = desk.dataWindow.shows;
    std::filesystem::remove(desk.folder / "ASPECTS.TXT");
    testing::Click(form, "OKAspects");
    EXPECT_EQ(testing::Said(desk.platform),
              "Cannot find the file called " + (desk.folder / "ASPECTS.TXT").string() + ".");
    EXPECT_EQ(desk.dataWindow.shows, shows);
    testing::Click(form, "Command1");
    EXPECT_FALSE(form.isVisible());
    // The Keywords grid: a labelled cell's box carries its label and keywords.
    KeywordsForm keywords(desk.workstation);
    keywords.show();
    auto& grid = testing::Control<QTableWidget>(keywords, "grdOutput");
    for (const auto& [row, column, label] :
         std::initializer_list<std::tuple<int, int, const char*>>{
             {4, 1, "Leo"}, {11, 2, "12th house"}, {8, 3, ""}}) {
        SCOPED_TRACE(label);
        desk.platform.ClearMessages();
        EXPECT_EQ(grid.item(row, column)->text(), label);
        const QRect cell = grid.visualRect(grid.model()->index(row, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        const auto& said = desk.platform.Messages();
        EXPECT_EQ(testing::Said(desk.platform), *label ? KeywordMessage(label) : "0 messages");
        EXPECT_EQ(said.empty() ? std::string() : said[0].title, label);
    }
}

}  // namespace
}  // namespace solvaris
