// The Keywords grid clicked cell by cell: the box shows the cell's message
// under the cell's label; the empty cells show nothing.
#include "gui/keywords/keywords_form.hpp"

#include <gtest/gtest.h>

#include <QTableWidget>
#include <QTest>

#include "gui/shell/workstation.hpp"
#include "gui/support/golden_session.hpp"
#include "keywords/keyword_texts.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

TEST(KeywordsForm, ACellsBoxCarriesItsLabelAndKeywords) {
    Session session;
    testing::OpenShippedSession(session);
    ScriptedPlatform platform;
    Workstation workstation(session, platform);
    KeywordsForm form(workstation);
    EXPECT_EQ(form.objectName(), "Keywords");
    auto* grid = form.findChild<QTableWidget*>("grdOutput");
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), 12);
    ASSERT_EQ(grid->columnCount(), 4);
    form.show();

    const struct {
        int row;
        int column;
        const char* label;        // "" for an empty cell
        const char* messageHead;  // how the box text begins
    } cells[] = {
        {4, 1, "Leo", "In the house where Leo rules the cusp is where:\n\n"},
        {0, 0, "Sun", ""},
        {10, 0, "Aspects", ""},
        {11, 2, "12th house", ""},
        {9, 3, "General 1", ""},
        {4, 3, "", nullptr},
        {8, 3, "", nullptr},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.label);
        platform.ClearMessages();
        EXPECT_EQ(grid->item(c.row, c.column)->text(), c.label);
        const QRect cell = grid->visualRect(grid->model()->index(c.row, c.column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        if (c.messageHead == nullptr) {
            EXPECT_TRUE(platform.Messages().empty());
            continue;
        }
        ASSERT_EQ(platform.Messages().size(), 1u);
        const ShownMessage& box = platform.Messages()[0];
        EXPECT_EQ(box.title, c.label);
        EXPECT_EQ(box.icon, MessageIcon::Information);
        EXPECT_TRUE(box.text.starts_with(c.messageHead)) << box.text;
        EXPECT_EQ(box.text, KeywordMessage(c.label));
    }
}

}  // namespace
}  // namespace solvaris
