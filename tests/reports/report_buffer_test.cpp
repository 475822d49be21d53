// The report buffer, the position texts and the reports of positions and
// documents that the golden reports leave out.
#include "reports/report_buffer.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "chart/chart_sets.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/derived_reports.hpp"
#include "reports/position_format.hpp"
#include "reports/text_documents.hpp"
#include "support/sample_people.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

TEST(ReportBuffer, ShowWarnClearMinimisedFullAndTruncated) {
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportBuffer buffer;
    buffer.BeginReport(window);
    buffer.line = "one";
    buffer.AppendLine(platform);
    buffer.line = "two";
    buffer.AppendLine(platform);
    EXPECT_EQ(buffer.line, "two");  // appending does not clear the line
    buffer.ShowReport(window, platform, "T - ");
    EXPECT_EQ(window.text, "one\r\ntwo\r\n\r\n\r\n");
    EXPECT_EQ(window.caption, "T - Data");
    EXPECT_TRUE(platform.Messages().empty());

    buffer.ClearBuffer(platform);
    EXPECT_EQ(buffer.LineCount(), 0);
    EXPECT_EQ(buffer.CurrentCount(), 3);  // the report shown stays
    EXPECT_EQ(platform.Messages().back().text, "All data cleared from buffer.");

    // Minimised: the lines go into the session, nothing is shown.
    window.minimised = true;
    buffer.BeginReport(window);
    buffer.AppendBlankLine(platform);
    buffer.ShowReport(window, platform, "T - ");
    EXPECT_EQ(buffer.LineCount(), 1);
    EXPECT_EQ(window.shows, 1);
    window.minimised = false;

    // 1,000 lines give no warning, 1,001 do.
    for (int lines : {999, 1000}) {
        ReportBuffer big;
        ScriptedPlatform quiet;
        big.BeginReport(window);
        for (int i = 0; i < lines; ++i) {
            big.AppendBlankLine(quiet);
        }
        big.ShowReport(window, quiet, "");  // adds the closing blank line
        EXPECT_EQ(quiet.Messages().size(), lines == 999 ? 0u : 1u) << big.LineCount();
    }

    // Full: no more lines, each refused one said.
    platform.ClearMessages();
    buffer.BeginReport(window);
    while (buffer.LineCount() < kMaxReportLines) {
        buffer.AppendBlankLine(platform);
    }
    EXPECT_TRUE(platform.Messages().empty());
    buffer.line = "dropped";
    buffer.AppendLine(platform);
    buffer.AppendLine(platform);
    EXPECT_EQ(buffer.LineCount(), kMaxReportLines);
    ASSERT_EQ(platform.Messages().size(), 2u);
    EXPECT_EQ(platform.Messages()[0].text.substr(0, 35), "Buffer cannot hold any more data. P");

    ReportBuffer small;
    ScriptedPlatform quiet;
    window.capacity = 12;  // room for "aaaa\r\nbbbb\r\n" only
    small.BeginReport(window);
    for (const char* l : {"aaaa", "bbbb", "cccc"}) {
        small.line = l;
        small.AppendLine(quiet);
    }
    small.ShowReport(window, quiet, "");
    EXPECT_EQ(window.text, "aaaa\r\nbbbb\r\n");
    ASSERT_EQ(quiet.Messages().size(), 1u);
    // "cccc", the closing blank line and the spare slot.
    EXPECT_NE(quiet.Messages()[0].text.find("I have truncated 3 lines of text."),
              std::string::npos);
}

TEST(PositionFormat, SplittingWithoutCarry) {
    using Case = std::tuple<double, const char*, const char*>;  // a longitude, DM, DMS
    for (const auto& [value, dm, dms] :
         {Case{29.9999, "29 ARI 59", "29 ARI 59m 59s"}, Case{0, "00 ARI 00", "00 ARI 00m 00s"},
          Case{359.5, "29 PIS 30", "29 PIS 30m 00s"}, Case{5.3853, "05 ARI 23", "05 ARI 23m 07s"},
          Case{100.5125, "10 CAN 31", "10 CAN 30m 45s"}}) {  // minutes rounded
        EXPECT_EQ(LongitudeDM(value), dm) << value;
        EXPECT_EQ(LongitudeDMS(value), dms) << value;
    }
    EXPECT_EQ(DeclinationDM(-0.5), "00 S 30");
    EXPECT_EQ(DeclinationDM(-9.9999), "09 S 59");
    EXPECT_EQ(DeclinationDM(23.45), "23 N 27");
    EXPECT_EQ(DeclinationDMTruncated(23.4499), "23 N 26");
}

// The layouts are the golden reports'; here the travel across 0 Aries and
// the equal houses of the progressed chart.
TEST(PositionReports, ProgressedTravelAndEqualCusps) {
    ReportSession session;
    ScriptedPlatform platform;
    RecordingDataWindow window;
    ReportContext ctx{session, platform, window};
    session.natal = Person(5, 12, 1950, 7.45f, "P.M.");
    session.diurnal = Person(1, 1, 2000, 12.00f, "P.M.");
    session.options.Set(212, 1);
    const auto line = [&](const std::string& start) {
        ctx.Begin();
        ProgressedPositions(ctx);
        const auto& lines = session.reports.Current();
        const auto it = std::find_if(lines.begin(), lines.end(),
                                     [&](const std::string& l) { return l.starts_with(start); });
        return it == lines.end() ? std::string() : *it;
    };
    for (const HouseSystem system : {HouseSystem::Placidus, HouseSystem::EqualAscendant}) {
        ASSERT_TRUE(ComputeChartSets(
            {session.natal, session.diurnal, AgeYears(session.natal, session.diurnal), system,
             session.options, Ephemeris{}},
            session.charts));
    }
    const double asc = session.charts.progressed.points.longitude[Ascendant];
    EXPECT_EQ(line("  10TH house = ").substr(15, 9), LongitudeDM(std::fmod(asc + 270, 360)));

    session.charts.natal.points.longitude[Midheaven] = 350;
    session.charts.progressed.points.longitude[Midheaven] = 10;
    EXPECT_EQ(line("  Progressed  MC"), "  Progressed  MC has traveled 20.00 degrees.");
}

// A document shown unchanged plus one empty line as a new report; a missing
// one named in a message, the shown report left alone (every document
// shipped: ShippedTexts).
TEST(TextDocuments, LinesUnchangedAndOneEmptyLineInANewReport) {
    // A file written as ..., asked for as ZODIACS.TXT, its bytes, and the current
    // report, empty when refused.
    using Case = std::tuple<const char*, std::string, std::vector<std::string>>;
    const Case cases[] = {
        {"ZODIACS.TXT", "  Indented\r\n\r\nLast  \r\n", {"  Indented", "", "Last  ", "", ""}},
        {"ZODIACS.TXT", "A\nB", {"A", "B", "", ""}},      // LF ends
        {"ZODIACS.TXT", "", {"", ""}},                    // an empty file
        {"zodiacs.txt", "Lower\r\n", {"Lower", "", ""}},  // any case on disk
        {"STUDY.TXT", "", {}},                            // missing
    };
    for (const auto& [file, bytes, lines] : cases) {
        SCOPED_TRACE(file + (": " + bytes));
        testing::TempFolder folder;
        folder.Write(file, bytes);
        ReportSession session;
        session.folder = folder.path();
        ScriptedPlatform platform;
        RecordingDataWindow window;
        window.text = "the report on show";
        session.reports.line = "an earlier report";
        session.reports.AppendLine(platform);
        ReportContext context{session, platform, window};
        const bool shown = !lines.empty();
        ASSERT_EQ(ShowTextDocument(context, "ZODIACS.TXT"), shown);
        EXPECT_EQ(platform.Messages().size(), shown ? 0u : 1u);
        EXPECT_EQ(window.shows, shown ? 1 : 0);
        // The session keeps the earlier line before the document's.
        EXPECT_EQ(session.reports.LineCount(), static_cast<int>(lines.size()) + 1);
        if (shown) {
            EXPECT_EQ(session.reports.Current(), lines);
            EXPECT_EQ(window.caption, TitleText(OptionTable{}) + "Data");
        } else {
            EXPECT_EQ(platform.Messages()[0].title, "Warning!");
            EXPECT_EQ(platform.Messages()[0].text,
                      "The document ZODIACS.TXT cannot be read in the program folder " +
                          folder.path().string() + ".");
            EXPECT_EQ(window.text, "the report on show");
            EXPECT_EQ(session.reports.Current(), std::vector<std::string>{"an earlier report"});
        }
    }
}

}  // namespace
}  // namespace solvaris
