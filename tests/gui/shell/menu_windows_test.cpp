// The main menu's window items: the keyword windows and the planetary hours
// close and open afresh, the Options editor stays one window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPointer>

#include "gui/shell/main_form.hpp"
#include "gui/support/golden_session.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

std::vector<QWidget*> ShownWindows(const char* name) {
    std::vector<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            shown.push_back(window);
        }
    }
    return shown;
}

TEST(MenuWindows, EachItemLeavesOneWindowOfItsOwn) {
    const struct {
        const char* item;
        const char* window;
        bool afresh;  // a second click shows a new window in place of the first
    } items[] = {
        {"mnuKeywordS", "Keywords", true},
        {"mnuKeywordSystem", "KW_SYSTM", true},
        {"mnuDataPlanetaryHours", "PHOutput", true},
        {"mnuOptions", "Options", false},
    };
    Session session;
    testing::OpenShippedSession(session);
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow dataWindow;
    workstation.SetDataWindowFactory([&]() -> DataWindowView& { return dataWindow; });
    testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
    MainForm form(workstation);
    for (const auto& c : items) {
        SCOPED_TRACE(c.item);
        auto* action = form.findChild<QAction*>(c.item);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        ASSERT_EQ(ShownWindows(c.window).size(), 1u);
        const QPointer<QWidget> first = ShownWindows(c.window)[0];
        action->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(ShownWindows(c.window).size(), 1u);
        EXPECT_EQ(ShownWindows(c.window)[0] != first.data(), c.afresh);
        EXPECT_EQ(first.isNull(), c.afresh);
    }
    EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
