// LongLat, the cities-file editor: a full disk loses neither the file nor the typed text.
#include "gui/people/long_lat_form.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QPointer>
#include <csignal>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;

// While it lives, no file of this process may grow beyond a few bytes: a
// full disk, as the file system reports it.
class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = 8;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

TEST(LongLatForm, TypedTextIsSavedAndAFullDiskLosesNothing) {
    testing::WindowDesk desk;
    const std::string onDisk = "New York,New York,74W00,40N43,5\r\n";
    const auto file = desk.folder.Write("X.LL", onDisk);
    auto editor = OpenCitiesEditor(file, desk.platform);
    ASSERT_TRUE(editor.has_value());
    QPointer<LongLatForm> form = new LongLatForm(desk.workstation, *editor);
    form->show();
    auto& text = testing::Control<QPlainTextEdit>(*form, "txtContent");
    EXPECT_EQ(testing::Shown(*form, "txtContent"), onDisk);
    // Typed at the end as a user types, Enter between the lines.
    text.moveCursor(QTextCursor::End);
    QTest::keyClicks(&text, "Oslo,Norway,10E45,59N55,-1");
    QTest::keyClick(&text, Qt::Key_Return);
    QTest::keyClicks(&text, "Quito,Ecuador,78W31,00S13,5");
    const std::string typed = onDisk + "Oslo,Norway,10E45,59N55,-1\r\nQuito,Ecuador,78W31,00S13,5";
    {
        FullDisk full;
        Click(*form, "btnSave");
    }
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    const ShownMessage& shown = desk.platform.Messages()[0];
    EXPECT_EQ(shown.title, "Error!");
    EXPECT_EQ(shown.text.rfind("The cities file was not saved: ", 0), 0u) << shown.text;
    EXPECT_NE(shown.text.find("X.LL is unchanged."), std::string::npos) << shown.text;
    EXPECT_EQ(desk.folder.Read("X.LL"), onDisk);
    EXPECT_EQ(testing::Shown(*form, "txtContent"), typed);
    // With room again the same text is saved, its last line ended.
    Click(*form, "btnSave");
    EXPECT_EQ(desk.folder.Read("X.LL"), typed + "\r\n");
    Click(*form, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_TRUE(form.isNull());
}

}  // namespace
}  // namespace solvaris
