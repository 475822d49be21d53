#include "people/names_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "base/editor_text.hpp"
#include "people/names_save.hpp"
#include "people/record_date.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

constexpr const char* kSample = "Sample Natal,05 Dec 1950,7.45,P,5,074.00,40.43";
const std::string kOther = "Other,02 Feb 1902,2.30,P,-1,-002.20,48.52\r\n";

TEST(RecordDate, Forms) {
    struct Case {
        const char* text;
        DateOrder order;
        int yearMonthDay;  // 0: refused
    };
    constexpr auto kMdy = DateOrder::MonthDayYear, kDmy = DateOrder::DayMonthYear;
    for (const Case& c :
         {Case{"05 Dec 1950", kMdy, 19501205},
          Case{"1950 Dec 05", DateOrder::YearMonthDay, 19501205},
          Case{"05 DECEMBER 1950", kDmy, 19501205}, Case{"Dec 5, 1950", kMdy, 19501205},
          Case{"12/5/1950", kMdy, 19501205}, Case{"5/12/1950", kDmy, 19501205},
          Case{"1950-12-05", kMdy, 19501205}, Case{"29 Feb 2000", kMdy, 20000229},
          Case{"29 Feb 1900", kMdy, 0}, Case{"31 Apr 2000", kMdy, 0}, Case{"5 Dex 1950", kMdy, 0},
          Case{"", kMdy, 0}, Case{"1950", kMdy, 0}, Case{"a b c", kMdy, 0}}) {
        const auto date = ParseRecordDate(c.text, c.order);
        EXPECT_EQ(date ? date->year * 10000 + date->month * 100 + date->day : 0, c.yearMonthDay)
            << c.text;
    }
}

TEST(NamesFile, RecordLineAndFillRoundTrip) {
    NatalEntryWindow w = SampleNatalWindow();
    EXPECT_EQ(*NameRecordLine(w), kSample);
    w.fields = {"12", "5", "1950", "12", "5", false, "-10", "151", "12", true, "33", "52", true};
    const std::string line = *NameRecordLine(w);
    EXPECT_EQ(line, "Sample Natal,05 Dec 1950,12.05,A,-10,-151.12,-33.52");
    ScriptedPlatform platform;
    NatalEntryWindow back;
    ASSERT_TRUE(FillNatalFromRecord(*ParseNameLine(line), back, DateOrder::DayMonthYear, platform));
    EXPECT_EQ(*NameRecordLine(back), line);
    EXPECT_EQ(back.fields.minute + " " + back.fields.longDeg, "05 151");
    EXPECT_TRUE(platform.Messages().empty());
}

TEST(NamesFile, BadRecordsKeepWhatWasFilled) {
    ScriptedPlatform platform;
    NatalEntryWindow w = SampleNatalWindow();
    NameRecord bad = *ParseNameLine("Other,06 Jan 1960,xx,A,5,074.00,40.43");
    EXPECT_FALSE(FillNatalFromRecord(bad, w, DateOrder::MonthDayYear, platform));
    // The name and date were filled before the time failed; the time was not.
    EXPECT_EQ(w.txtName + " " + w.fields.month + " " + w.fields.hour, "Other 1 7");
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].title, "Error!");
    EXPECT_TRUE(platform.Messages()[0].text.starts_with("Format error or typograp"));

    platform.ClearMessages();
    const auto records =
        NamesListFromText("A,05 Dec 1950,7.45,P,5\n074.00,40.43\r\n\nB,1,2", platform);
    ASSERT_EQ(records.size(), 1u);  // the short line borrowed from the next
    EXPECT_EQ(records[0].latitude, "40.43");
    ASSERT_EQ(platform.Messages().size(), 1u);  // B is incomplete
    EXPECT_TRUE(
        platform.Messages()[0].text.starts_with("You have an error in the current names file."));
}

// A names file has no quoting: a `"` is a character of the name wherever
// it stands, and no record swallows the next one; a click finds the first
// record of its name, case and blanks counting.
TEST(NamesFile, QuotesAreCharactersOfTheName) {
    ScriptedPlatform platform;
    const auto records = NamesListFromText(
        "Jack \"Jumbo Smith,05 Dec 1950,7.45,P,5,074.00,40.43\n"
        "\"Quoted\",01 Jan 1901,1.00,A,0,000.00,00.00\nTwin,02 Jan 1902,2.00,A,0,000.00,00.00\n"
        "twin,03 Jan 1903,3.00,A,0,000.00,00.00\nTwin,04 Jan 1904,4.00,A,0,000.00,00.00\n",
        platform);
    EXPECT_TRUE(platform.Messages().empty());
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].latitude, "40.43");
    for (const auto& [name, date] : {std::pair{"Jack \"Jumbo Smith", "05 Dec 1950"},
                                     {"\"Quoted\"", "01 Jan 1901"},
                                     {"Twin", "02 Jan 1902"},
                                     {"twin", "03 Jan 1903"},
                                     {"TWIN", "none"},
                                     {"Twin ", "none"}}) {
        const NameRecord* found = RecordNamed(records, name);
        EXPECT_EQ(found != nullptr ? found->date : "none", date) << name;
    }
    // Eight fields: the comma is no part of a name.
    EXPECT_FALSE(ParseNameLine("Jack \"Jumbo, Smith\",05 Dec 1950,7.45,P,5,074.00,40.43"));

    // What the editor saves must read back: a line of more than seven
    // fields is a name with a comma.
    EXPECT_EQ(NamesTextProblem("A,05 Dec 1950,7.45,P,5\r\n074.00,40.43\r\n"), "");
    EXPECT_EQ(NamesTextProblem("Jack \"Jumbo Smith,05 Dec 1950,7.45,P,5,074.00,40.43\n"), "");
    const std::string comma = NamesTextProblem(
        "Ann,01 Jan 1901,1.00,A,0,000.00,00.00\r\nSmith, Jo,05 Dec 1950,7.45,P,5,074.00,40.43\r\n");
    EXPECT_NE(comma.find("line 2"), std::string::npos) << comma;
    EXPECT_NE(comma.find("comma"), std::string::npos) << comma;
}

TEST(NamesSave, ReplaceQuestionCommaAndBackup) {
    TempFolder folder;
    const std::string old = "SAMPLE NATAL,01 Jan 1901,1.00,A,0,000.00,00.00\r\n" + kOther;
    folder.Write("NAMES.FIL", old);
    NamesWindowState state{(folder / "NAMES.FIL").string()};

    ScriptedPlatform platform;
    NatalEntryWindow comma = SampleNatalWindow();
    comma.txtName = "Natal, Sample";
    EXPECT_FALSE(SaveCurrentPerson(comma, state, platform));
    EXPECT_EQ(platform.Messages()[0].text,
              "You cannot have a comma in the name. Please remove the comma and try again.");
    EXPECT_EQ(folder.Read("NAMES.FIL"), old);

    platform.QueueAnswer(MessageAnswer::No);
    ASSERT_TRUE(SaveCurrentPerson(SampleNatalWindow(), state, platform));
    const ShownMessage& question = platform.Messages().back();
    EXPECT_EQ(question.title, "SAMPLE NATAL already exists");
    EXPECT_NE(question.text.find("Date =  01 Jan 1901\nTime =  1.00 A\nTime zone =  0\n"),
              std::string::npos);
    EXPECT_EQ(folder.Read("NAMES.FIL"), old + kSample + "\r\n");
    EXPECT_EQ(folder.Read("NAMES.OLD"), old);
    EXPECT_EQ(SelectAfterLoad(state, 3).selected, 2);  // the saved person, once
    EXPECT_EQ(SelectAfterLoad(state, 3).selected, -1);

    platform.QueueAnswer(MessageAnswer::Yes);  // the capitals' record goes
    platform.QueueAnswer(MessageAnswer::Yes);  // and the one saved before
    ASSERT_TRUE(SaveCurrentPerson(SampleNatalWindow(), state, platform));
    EXPECT_EQ(folder.Read("NAMES.FIL"), kOther + kSample + "\r\n");
}

// A second workstation saves a person while the first one's "already
// exists" question is open: both persons stay, and the one answered Yes
// for goes. The names editor, which cannot merge, refuses to overwrite.
class OtherWorkstationMeanwhile : public ScriptedPlatform {
public:
    explicit OtherWorkstationMeanwhile(std::filesystem::path file) : file_(std::move(file)) {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons,
                              std::optional<MessageAnswer> defaultButton) override {
        if (buttons == MessageButtons::YesNo) {
            std::ofstream(file_, std::ios::app) << "Newcomer,03 Mar 1903,3.00,A,0,000.00,00.00\r\n";
        }
        return ScriptedPlatform::ShowMessage(text, title, icon, buttons, defaultButton);
    }

private:
    std::filesystem::path file_;
};

TEST(NamesSave, KeepsWhatAnotherWorkstationSavedMeanwhile) {
    const std::string newcomer = "Newcomer,03 Mar 1903,3.00,A,0,000.00,00.00\r\n";
    const std::string sample = std::string(kSample) + "\r\n";
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        TempFolder folder;
        const std::string old = "Sample Natal,01 Jan 1901,1.00,A,0,000.00,00.00\r\n" + kOther;
        folder.Write("NAMES.FIL", old);
        NamesWindowState state{(folder / "NAMES.FIL").string()};
        OtherWorkstationMeanwhile platform(folder / "NAMES.FIL");
        platform.QueueAnswer(answer);
        ASSERT_TRUE(SaveCurrentPerson(SampleNatalWindow(), state, platform));
        EXPECT_EQ(folder.Read("NAMES.FIL"),
                  (answer == MessageAnswer::Yes ? kOther : old) + newcomer + sample);
    }

    TempFolder folder;
    folder.Write("NAMES.FIL", kOther);
    auto loaded = LoadEditorText(folder / "NAMES.FIL");
    ASSERT_TRUE(loaded);
    folder.Write("NAMES.FIL", kOther + newcomer);
    EXPECT_EQ(SaveEditorText(folder / "NAMES.FIL", loaded->text, loaded->bytesRead),
              "NAMES.FIL changed since it was read (another program saved it meanwhile)");
    EXPECT_EQ(folder.Read("NAMES.FIL"), kOther + newcomer);
    // Read again, it saves; and saves again from what it wrote.
    loaded = LoadEditorText(folder / "NAMES.FIL");
    EXPECT_EQ(SaveEditorText(folder / "NAMES.FIL", sample, loaded->bytesRead), "");
    EXPECT_EQ(SaveEditorText(folder / "NAMES.FIL", sample + kOther, loaded->bytesRead), "");
    EXPECT_EQ(folder.Read("NAMES.FIL"), sample + kOther);
}

// In a shared sticky folder another user's link as NAMES.OLD leads nowhere:
// the private file it points at keeps its bytes and its mode.
TEST(NamesSave, BackupNeverWritesThroughAnotherUsersLink) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving a link to another user needs the superuser";
    TempFolder victim;
    const auto secret = victim.Write("secret", "private\n");
    ASSERT_EQ(::chmod(secret.c_str(), 0600), 0);
    TempFolder shared;
    ASSERT_EQ(::chmod(shared.path().c_str(), 01777), 0);
    shared.Write("NAMES.FIL", kOther);
    std::filesystem::create_symlink(secret, shared / "NAMES.OLD");
    ASSERT_EQ(::lchown((shared / "NAMES.OLD").c_str(), 4321, 4321), 0);
    NamesWindowState state{(shared / "NAMES.FIL").string()};
    ScriptedPlatform platform;
    EXPECT_FALSE(SaveCurrentPerson(SampleNatalWindow(), state, platform));
    EXPECT_EQ(victim.Read("secret"), "private\n");
    EXPECT_EQ(std::filesystem::status(secret).permissions(), std::filesystem::perms(0600));
    EXPECT_EQ(shared.Read("NAMES.FIL"), kOther);
    EXPECT_NE(platform.Messages().back().text.find("NAMES.OLD"), std::string::npos);

    // The saver's own backup is replaced, not written into: a second link
    // to the old file.
    std::filesystem::remove(shared / "NAMES.OLD");
    shared.Write("NAMES.OLD", "older\n");
    ASSERT_TRUE(SaveCurrentPerson(SampleNatalWindow(), state, platform));
    EXPECT_EQ(shared.Read("NAMES.OLD"), kOther);
}

// The selection after a lock of the list is the names window's; every
// failing step of the replacement is ReplaceFileContent's, here the first
// and the last.
TEST(NamesSave, ChooserAndFailure) {
    TempFolder folder;
    NamesWindowState state;
    ScriptedPlatform platform;
    EXPECT_FALSE(SaveCurrentPerson(SampleNatalWindow(), state, platform));  // chooser cancelled
    platform.QueueChosenFile((folder / "NEW.FIL").string());
    ASSERT_TRUE(SaveCurrentPerson(SampleNatalWindow(), state, platform));
    const std::string saved = std::string(kSample) + "\r\n";
    EXPECT_EQ(folder.Read("NEW.FIL"), saved);
    NatalEntryWindow other = SampleNatalWindow();
    other.txtName = "Other";
    for (ReplaceStep step : {ReplaceStep::Create, ReplaceStep::Rename}) {
        platform.ClearMessages();
        state.justSaved = false;
        EXPECT_FALSE(SaveCurrentPerson(other, state, platform, {step}));
        EXPECT_EQ(folder.Read("NEW.FIL"), saved);
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_TRUE(platform.Messages()[0].text.starts_with("The person was not saved: "));
        EXPECT_FALSE(state.justSaved);
    }
}

}  // namespace
}  // namespace solvaris
