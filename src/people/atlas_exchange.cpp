#include "people/atlas_exchange.hpp"

#include <cctype>
#include <optional>

#include "base/lenient_number.hpp"
#include "base/number_text.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "people/comma_fields.hpp"

namespace solvaris {

namespace {

constexpr std::size_t kExchangeLines = 5;

// Starts the atlas, asking for its folder until it starts or the user
// gives no answer.
bool StartAtlas(std::string& atlasDir, Platform& platform) {
    while (true) {
        if (!atlasDir.empty() && platform.StartAndWait(FindInFolder(atlasDir, "ATLAS.EXE"))) {
            return true;
        }
        atlasDir.clear();
        std::string answer = platform.InputBox(
            "Enter the complete path for where ATLAS.EXE resides: \n\n(Example: c:\\atlas OR "
            "c:\\charts\\atlas OR d:\\windows\\atlas\\)",
            "Where do I find ATLAS.EXE?", "");
        if (answer.empty()) {
            return false;
        }
        if (answer.back() != '/' && answer.back() != '\\') {
            answer += '/';
        }
        atlasDir = answer;
    }
}

std::optional<AtlasPlace> ReadAtlasFiles(const std::string& atlasDir, Platform& platform) {
    const auto pathLines = ReadTextLines(FindInFolder(atlasDir, "PCATPATH.TXT"));
    const auto exchangeFolder = pathLines ? ExchangeFolderOf(*pathLines) : std::nullopt;
    if (!exchangeFolder) {
        platform.ShowMessage(
            "Cannot find the file called PCATPATH in the " + atlasDir + " directory.", "Warning!",
            MessageIcon::Critical);
        return std::nullopt;
    }
    const auto lines = ReadTextLines(FindInFolder(*exchangeFolder, "TSRTEMP.TXT"));
    const auto place = lines ? AtlasPlaceOf(*lines) : std::nullopt;
    if (!place) {
        platform.ShowMessage(
            "Cannot find the file called TSRTEMP.TXT in the " + *exchangeFolder + " directory.",
            "Warning!", MessageIcon::Critical);
    }
    return place;
}

struct DegreesMinutes {
    std::string degrees;
    std::string minutes;
    char letter;
};

// "74W00" as 74, 0 and 'W': the numbers before and after the first of the
// two letters.
std::optional<DegreesMinutes> SplitAt(const std::string& text, const char* letters) {
    const auto at = text.find_first_of(letters);
    if (at == std::string::npos) {
        return std::nullopt;
    }
    const auto number = [](const std::string& part) { return NumberAsTyped(LenientNumber(part)); };
    return DegreesMinutes{number(text.substr(0, at)), number(text.substr(at + 1)),
                          static_cast<char>(std::toupper(static_cast<unsigned char>(text[at])))};
}

}  // namespace

bool RunAtlasExchange(std::string& atlasDir, EntryFields& place, Platform& platform) {
    if (!StartAtlas(atlasDir, platform)) {
        return false;
    }
    const auto found = ReadAtlasFiles(atlasDir, platform);
    if (!found) {
        return false;
    }
    return AcceptAtlasPlace(*found, place, platform);
}

std::optional<std::string> ExchangeFolderOf(const std::vector<std::string>& pcatpath) {
    if (pcatpath.empty() || Trimmed(pcatpath.front()).empty()) {
        return std::nullopt;
    }
    return Trimmed(pcatpath.front());
}

std::optional<AtlasPlace> AtlasPlaceOf(const std::vector<std::string>& tsrtemp) {
    if (tsrtemp.size() < kExchangeLines) {
        return std::nullopt;
    }
    return AtlasPlace{Trimmed(tsrtemp[2]), Trimmed(tsrtemp[1]),
                      NumberAsTyped(LenientNumber(tsrtemp[4]))};
}

bool AcceptAtlasPlace(const AtlasPlace& found, EntryFields& place, Platform& platform) {
    const std::string question = "Accept following data? \nLongitude = " + found.longitude +
                                 "\nLatitude  = " + found.latitude + "\nTime zone = " + found.zone;
    if (platform.ShowMessage(question, "Accept or Reject data", MessageIcon::Question,
                             MessageButtons::YesNo) != MessageAnswer::Yes) {
        return false;
    }
    const auto longitude = SplitAt(found.longitude, "EeWw");
    const auto latitude = SplitAt(found.latitude, "NnSs");
    if (!longitude || !latitude) {
        platform.ShowMessage(
            "The atlas gave a longitude or latitude without its E, W, N or S "
            "letter; the place was not taken.",
            "Warning!", MessageIcon::Exclamation);
        return false;
    }
    place.zone = found.zone;
    place.longDeg = longitude->degrees;
    place.longMin = longitude->minutes;
    place.east = longitude->letter == 'E';
    place.latDeg = latitude->degrees;
    place.latMin = latitude->minutes;
    place.south = latitude->letter == 'S';
    return true;
}

}  // namespace solvaris
