// The Qt platform driven offscreen: message boxes, the locale's date order
// and clock, outside programs, the saving chooser, the busy pointer.
#include "gui/platform/qt_platform.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Clicks `press` on the message box as soon as it is up (or presses Escape
// when `press` is NoButton) and keeps what it showed.
void AnswerNextBox(QMessageBox::StandardButton press, SeenBox& seen) {
    QTimer::singleShot(0, [press, &seen]() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.defaultButton = box->standardButton(box->defaultButton());
        if (press == QMessageBox::NoButton) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            QTest::mouseClick(box->button(press), Qt::LeftButton);
        }
    });
}

TEST(QtPlatform, MessageBoxesShowTheirButtonsAndAnswerTheOneClicked) {
    const QMessageBox::StandardButtons yesNoCancel =
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    struct Case {
        MessageButtons buttons;
        std::optional<MessageAnswer> defaultButton;
        QMessageBox::StandardButton press;  // NoButton: Escape
        QMessageBox::StandardButtons shown;
        QMessageBox::StandardButton shownDefault;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::Ok, std::nullopt, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok,
         MessageAnswer::Ok},
        {MessageButtons::YesNo, MessageAnswer::No, QMessageBox::Yes,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No, MessageAnswer::Yes},
        {MessageButtons::YesNo, std::nullopt, QMessageBox::NoButton,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel, QMessageBox::No, yesNoCancel,
         QMessageBox::Cancel, MessageAnswer::No},
        {MessageButtons::YesNoCancel, std::nullopt, QMessageBox::NoButton, yesNoCancel,
         QMessageBox::Yes, MessageAnswer::Cancel},
        // A default the box does not have leaves the first button the default.
        {MessageButtons::YesNo, MessageAnswer::Cancel, QMessageBox::Yes,
         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, MessageAnswer::Yes},
    };
    QtPlatform platform;
    for (const Case& c : cases) {
        SeenBox seen;
        AnswerNextBox(c.press, seen);
        const MessageAnswer answer = platform.ShowMessage(
            "Click 'YES' for full page chartwheel. Click 'NO' for half page.",
            "Full page or half page chartwheel", MessageIcon::Question, c.buttons, c.defaultButton);
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.buttons, c.shown);
        EXPECT_EQ(seen.defaultButton, c.shownDefault);
        EXPECT_EQ(seen.text, "Click 'YES' for full page chartwheel. Click 'NO' for half page.");
        EXPECT_EQ(seen.title, "Full page or half page chartwheel");
        EXPECT_EQ(seen.icon, QMessageBox::Question);
    }
}

TEST(QtPlatform, LocaleFormatsGiveDateOrderAndClock) {
    const std::tuple<const char*, DateOrder> dates[] = {
        {"M/d/yy", DateOrder::MonthDayYear},
        {"dd.MM.yy", DateOrder::DayMonthYear},
        {"yy/M/d", DateOrder::YearMonthDay},
        {"", DateOrder::MonthDayYear},
    };
    for (const auto& [format, order] : dates) {
        EXPECT_EQ(DateOrderOfFormat(QString::fromLatin1(format)), order) << format;
    }
    // A marker inside quotes is a word of the format, not the clock's.
    const std::tuple<const char*, bool> clocks[] = {
        {"h:mm ap", true}, {"HH:mm", false}, {"HH 'Uhr' mm 'am'", false}, {"'at' h:mm a", true}};
    for (const auto& [format, twelve] : clocks) {
        EXPECT_EQ(TwelveHourClockOfFormat(QString::fromLatin1(format)), twelve) << format;
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QtPlatform platform;
    EXPECT_EQ(platform.UserDateOrder(), DateOrder::DayMonthYear);
    EXPECT_FALSE(platform.TwelveHourClock());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(platform.UserDateOrder(), DateOrder::MonthDayYear);
    EXPECT_TRUE(platform.TwelveHourClock());
    QLocale::setDefault(QLocale::system());
}

// The clock in universal time, outside programs run or not started, the
// busy pointer nesting.
TEST(QtPlatform, NowOutsideProgramsAndTheBusyPointer) {
    QtPlatform platform;
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const LocalDateTime now = platform.Now();
    const QDateTime after = QDateTime::currentDateTimeUtc().addSecs(1);
    const QDateTime read(QDate(now.year, now.month, now.day),
                         QTime(now.hour, now.minute, now.second), Qt::UTC);
    EXPECT_LE(before, read);
    EXPECT_GE(after, read);
    EXPECT_TRUE(platform.StartAndWait("/bin/true"));
    EXPECT_FALSE(platform.StartAndWait("/nonexistent/ATLAS.EXE"));
    {
        BusyPointer outer(platform);
        {
            BusyPointer inner(platform);
            ASSERT_NE(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The saving chooser as a user meets it: the proposed file preselected, a
// new name typed over it and accepted, or the dialog cancelled.
TEST(QtPlatform, SavingChooserPreselectsAndAnswersTheChosenFile) {
    testing::TempFolder folder;
    const std::string other = (folder / "OTHER.FIL").string();
    const std::string report = (folder / "REPORT.FIL").string();
    struct Case {
        const char* what;
        const char* typed;  // nullptr: cancel
        std::string chosen;
    };
    const Case cases[] = {
        {"the proposed file", "", report},
        {"another new name", "OTHER.FIL", other},
        {"cancelled", nullptr, ""},
    };
    for (const Case& c : cases) {
        QtPlatform platform;
        QString shownFile;
        QTimer::singleShot(0, [&c, &shownFile]() {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << c.what;
            const auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name != nullptr) {
                shownFile = name->text();
            }
            if (c.typed == nullptr) {
                dialog->reject();
                return;
            }
            if (*c.typed != '\0') {
                dialog->selectFile(QString::fromLatin1(c.typed));
            }
            QMetaObject::invokeMethod(dialog, "accept");
        });
        EXPECT_EQ(platform.ChooseSaveFile("*.FIL", report), c.chosen) << c.what;
        EXPECT_EQ(shownFile, "REPORT.FIL") << c.what;
    }
}

}  // namespace
}  // namespace solvaris
