// LongLat, the cities-file editor: what is typed is what the file holds
// after Save; a save that fails says so, leaves the file whole and keeps
// the typed text in the window.
#include "gui/people/long_lat_form.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <csignal>

#include "gui/people/people_desk.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::EntryDesk;
using testing::TempFolder;

constexpr const char* kOnDisk = "New York,New York,74W00,40N43,5\r\n";

// Appends `keys` at the end of the text as the user types them, "\n"
// being the Enter key.
void TypeAtEnd(QPlainTextEdit& text, const std::string& keys) {
    text.moveCursor(QTextCursor::End);
    std::size_t from = 0;
    for (std::size_t at = keys.find('\n'); at != std::string::npos; at = keys.find('\n', from)) {
        QTest::keyClicks(&text, QString::fromStdString(keys.substr(from, at - from)));
        QTest::keyClick(&text, Qt::Key_Return);
        from = at + 1;
    }
    QTest::keyClicks(&text, QString::fromStdString(keys.substr(from)));
}

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

TEST(LongLatForm, SaveRoundTripAndFailedSave) {
    struct Case {
        const char* typed;  // after the file's own text
        const char* saved;
    };
    EntryDesk desk;
    TempFolder folder;
    const auto file = folder.Write("X.LL", kOnDisk);
    auto editor = OpenCitiesEditor(file, desk.platform);
    ASSERT_TRUE(editor.has_value());
    QPointer<LongLatForm> form = new LongLatForm(desk.workstation, *editor);
    form->show();
    EXPECT_EQ(form->windowTitle().toStdString(), "Edit: " + file.string());
    auto& text = Control<QPlainTextEdit>(*form, "txtContent");
    EXPECT_EQ(text.toPlainText().toStdString(), "New York,New York,74W00,40N43,5\n");
    std::string expected = kOnDisk;
    for (const Case& c : {
             Case{"Oslo,Norway,10E45,59N55,-1", "Oslo,Norway,10E45,59N55,-1\r\n"},
             Case{"\nSydney,Australia,151E12,33S52,-10\n", "Sydney,Australia,151E12,33S52,-10\r\n"},
             Case{"", ""},
         }) {
        TypeAtEnd(text, c.typed);
        Click(*form, "btnSave");
        expected = expected + c.saved;
        EXPECT_EQ(folder.Read("X.LL"), expected) << c.typed;
    }
    EXPECT_TRUE(desk.platform.Messages().empty());

    TypeAtEnd(text, "Quito,Ecuador,78W31,00S13,5\n");
    const QString typed = text.toPlainText();
    {
        FullDisk full;
        Click(*form, "btnSave");
    }
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    const ShownMessage& shown = desk.platform.Messages()[0];
    EXPECT_EQ(shown.title, "Error!");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.text.rfind("The cities file was not saved: ", 0), 0u) << shown.text;
    EXPECT_NE(shown.text.find("X.LL is unchanged."), std::string::npos) << shown.text;
    EXPECT_EQ(folder.Read("X.LL"), expected);
    EXPECT_EQ(text.toPlainText(), typed);
    EXPECT_FALSE(form.isNull());
    // With room again the same text is saved.
    Click(*form, "btnSave");
    EXPECT_EQ(folder.Read("X.LL"), expected + "Quito,Ecuador,78W31,00S13,5\r\n");
    Click(*form, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_TRUE(form.isNull());
}

}  // namespace
}  // namespace solvaris
