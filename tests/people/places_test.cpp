#include <gtest/gtest.h>
#include <sys/stat.h>

#include "people/atlas_exchange.hpp"
#include "people/cities_editor.hpp"
#include "people/cities_file.hpp"
#include "people/time_zones.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::TempFolder;

// The place fields as "long deg|min|E or W|lat deg|min|N or S|zone".
std::string PlaceOf(const EntryFields& f) {
    return f.longDeg + "|" + f.longMin + (f.east ? "|E|" : "|W|") + f.latDeg + "|" + f.latMin +
           (f.south ? "|S|" : "|N|") + f.zone;
}

// The place a record gives, and the record behind a list line: of two
// lines alike the first, the case and the state counting.
TEST(CitiesFile, LongitudesLatitudesAndZones) {
    ScriptedPlatform platform;
    const auto cities = CitiesListFromText(
        "San Francisco,CA,122W25,37N47,8\nZurich,Switzerland,08E33,47N22,1\n"
        "Sydney,NSW,151E12,33S52,-10\nKolkata,India,88E22,22N34,-5.5\n"
        "Madrid,Spain,03W41,40N24,-1\nMadrid,Spain,03W42,40N25,-1\n"
        "Madrid,Texas,99W00,30N00,6",
        platform);
    ASSERT_EQ(cities.size(), 7u);
    for (const auto& [line, place] :
         {std::pair{"San Francisco,CA", "122|25|W|37|47|N|8"},
          {"Zurich,Switzerland", "8|33|E|47|22|N|-1"},
          {"Sydney,NSW", "151|12|E|33|52|S|-10"},
          {"Kolkata,India", "88|22|E|22|34|N|-5.5"},
          {"Madrid,Spain", "3|41|W|40|24|N|-1"},  // west of Greenwich, the zone east
          {"Madrid,Texas", "99|0|W|30|0|N|6"},
          {"Madrid", "none"},
          {"madrid,spain", "none"},
          {"", "none"}}) {
        const CityRecord* found = CityOfListText(cities, line);
        NatalEntryWindow natal;
        DiurnalEntryWindow diurnal;
        EXPECT_TRUE(found == nullptr ||
                    PickCityRecord(*found, natal, diurnal, OptionTable{}, platform))
            << line;
        EXPECT_EQ(found != nullptr ? PlaceOf(natal.fields) : "none", place) << line;
    }
    EXPECT_TRUE(platform.Messages().empty());
}

TEST(CitiesFile, ErrorsAndSecondPerson) {
    ScriptedPlatform platform;
    const OptionTable options;
    const auto cities =
        CitiesListFromText("New York,NY,74W00,40N43,5\nBroken,XX,7W3,40N43,5\nHalf,Rec", platform);
    ASSERT_EQ(cities.size(), 2u);
    EXPECT_EQ(CityListText(cities[0]), "New York,NY");
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text.substr(0, 45),
              "You have an error in the current cities file.");

    NatalEntryWindow natal;
    DiurnalEntryWindow diurnal;
    diurnal.chk2ndPerson = true;
    ASSERT_TRUE(PickCityRecord(cities[0], natal, diurnal, options, platform));
    EXPECT_EQ(natal.fields.longDeg + "|" + diurnal.fields.longDeg, "|74");
    platform.ClearMessages();
    EXPECT_FALSE(PickCityRecord(cities[1], natal, diurnal, options, platform));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_NE(platform.Messages()[0].text.find("your chosen city."), std::string::npos);
}

TEST(TimeZones, ListLinesAndPicks) {
    ScriptedPlatform platform;
    const auto zones = TimeZonesFromLines(
        {"Eastern Standard Time,EST,5", "Chatham Standard Time,CHAST,-12.75", ",,", "After,AFT,1"},
        platform);
    ASSERT_EQ(zones.size(), 2u);  // reading stops at the empty name
    EXPECT_EQ(TimeZoneListLine(zones[0]), "Eastern Standard Time            - EST  =   5");
    EXPECT_EQ(TimeZoneListLine(zones[1]), "Chatham Standard Time            - CHAST = -12.75");
    NatalEntryWindow natal;
    ASSERT_TRUE(PickTimeZoneLine(TimeZoneListLine(zones[1]), zones, natal.fields, platform));
    EXPECT_EQ(natal.fields.zone + (natal.fields.east ? " E" : " W"), "-12.75 E");
    EXPECT_EQ(
        TimeZonesFromLines({"Eastern,EST,5", "Broken,BRK,five", "Later,LTR,1"}, platform).size(),
        1u);
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text, "The file TZ.DAT is corrupt.");
}

// The folder asked for when the atlas cannot be started, the place asked
// about; a missing exchange file named.
TEST(AtlasExchange, FoundAskedAcceptedOrRejected) {
    TempFolder atlas, exchange;
    ScriptedPlatform platform;
    std::string atlasDir = atlas.path().string() + "/";
    NatalEntryWindow natal;
    EXPECT_FALSE(RunAtlasExchange(atlasDir, natal.fields, platform));  // no answer
    EXPECT_EQ(atlasDir, "");

    // A stand-in atlas: a script writing the exchange file where PCATPATH.TXT says.
    atlas.Write("PCATPATH.TXT", exchange.path().string() + "\r\n");
    const auto script =
        atlas.Write("ATLAS.EXE",
                    "#!/bin/sh\nprintf 'Sydney, NSW\\r\\n33S52\\r\\n151E12\\r\\nAustralia\\r\\n-10 "
                    "hours\\r\\n' > '" +
                        (exchange / "TSRTEMP.TXT").string() + "'\n");
    ::chmod(script.c_str(), 0755);
    platform.QueueInput(atlas.path().string());
    platform.QueueAnswer(MessageAnswer::Yes);
    ASSERT_TRUE(RunAtlasExchange(atlasDir, natal.fields, platform));
    EXPECT_EQ(atlasDir, atlas.path().string() + "/");
    ASSERT_EQ(platform.InputBoxes().size(), 2u);
    EXPECT_EQ(platform.InputBoxes()[1].title, "Where do I find ATLAS.EXE?");
    EXPECT_EQ(platform.Messages().back().title, "Accept or Reject data");
    EXPECT_EQ(platform.Messages().back().text,
              "Accept following data? \nLongitude = 151E12\nLatitude  = 33S52\nTime zone = -10");
    EXPECT_EQ(PlaceOf(natal.fields), "151|12|E|33|52|S|-10");

    NatalEntryWindow untouched;
    platform.QueueAnswer(MessageAnswer::No);
    EXPECT_FALSE(RunAtlasExchange(atlasDir, untouched.fields, platform));
    const std::string elsewhere = (exchange / "elsewhere").string();
    for (const auto& [pcatpath, missing] :
         {std::pair<std::string, std::string>{"", "PCATPATH in the " + atlasDir},
          {elsewhere + "\r\n", "TSRTEMP.TXT in the " + elsewhere}}) {
        std::filesystem::remove(atlas / "PCATPATH.TXT");
        if (!pcatpath.empty()) atlas.Write("PCATPATH.TXT", pcatpath);
        atlasDir = atlas.path().string() + "/";
        EXPECT_FALSE(RunAtlasExchange(atlasDir, untouched.fields, platform));
        EXPECT_EQ(platform.Messages().back().text,
                  "Cannot find the file called " + missing + " directory.");
    }
    EXPECT_EQ(untouched.fields.zone, "");
}

// The editor's file and caption; the text's line ends are EditorText's.
TEST(CitiesEditor, OpenSaveRoundTripsInTheCurrentFile) {
    TempFolder folder;
    folder.Write("ga_ma.ll", "A,B,74W00,40N43,5\n");
    // No file chosen yet: the folder's own, whatever its case.
    EXPECT_EQ(CurrentCitiesFile("", folder.path()), folder / "ga_ma.ll");
    EXPECT_EQ(CurrentCitiesFile("/elsewhere/EUROPE.LL", folder.path()),
              std::filesystem::path("/elsewhere/EUROPE.LL"));
    ScriptedPlatform platform;
    auto editor = OpenCitiesEditor(folder / "ga_ma.ll", platform);
    ASSERT_TRUE(editor.has_value());
    EXPECT_EQ(editor->caption, "Edit: " + (folder / "ga_ma.ll").string());
    EXPECT_EQ(editor->txtContent, "A,B,74W00,40N43,5\r\n");
    editor->txtContent = "A,B,74W00,40N43,5\nC,D,05E30,33S52,-1";  // no final break
    EXPECT_TRUE(SaveCitiesEditor(*editor, platform));
    const std::string saved = "A,B,74W00,40N43,5\r\nC,D,05E30,33S52,-1\r\n";
    EXPECT_EQ(folder.Read("ga_ma.ll"), saved);
    EXPECT_EQ(OpenCitiesEditor(folder / "ga_ma.ll", platform)->txtContent, saved);
    EXPECT_TRUE(platform.Messages().empty());
}

}  // namespace
}  // namespace solvaris
