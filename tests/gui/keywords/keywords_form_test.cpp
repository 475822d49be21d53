// The Keywords grid clicked as a user does: a labelled cell's box shows the
// cell's message under its label, an empty cell shows nothing. Every cell's
// message is held in tests/keywords/keywords_test.cpp.
#include "gui/keywords/keywords_form.hpp"

#include <gtest/gtest.h>

#include <QTableWidget>

#include "keywords/keyword_texts.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

TEST(KeywordsForm, ACellsBoxCarriesItsLabelAndKeywords) {
    testing::WindowDesk desk;
    KeywordsForm form(desk.workstation);
    form.show();
    auto& grid = testing::Control<QTableWidget>(form, "grdOutput");
    for (const auto& [row, column, label] :
         std::initializer_list<std::tuple<int, int, const char*>>{
             {4, 1, "Leo"}, {11, 2, "12th house"}, {8, 3, ""}}) {
        SCOPED_TRACE(label);
        desk.platform.ClearMessages();
        EXPECT_EQ(grid.item(row, column)->text(), label);
        const QRect cell = grid.visualRect(grid.model()->index(row, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_EQ(desk.platform.Messages().size(), *label ? 1u : 0u);
        if (*label) {
            EXPECT_EQ(desk.platform.Messages()[0].title, label);
            EXPECT_EQ(desk.platform.Messages()[0].text, KeywordMessage(label));
        }
    }
}

}  // namespace
}  // namespace solvaris
