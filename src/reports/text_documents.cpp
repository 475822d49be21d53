#include "reports/text_documents.hpp"

#include <string>

#include "base/program_folder.hpp"
#include "base/text_lines.hpp"

namespace solvaris {

const std::vector<TextDocument>& TextDocuments() {
    using enum DocumentMenu;
    static const std::vector<TextDocument> documents = {
        {Philosophy, "What is &Astrology?", "mnuWhat_Ast", "WHAT_AST.TXT", ""},
        {Philosophy, "Astrological &Symbolism", "mnuAstroSym", "ASTROSYM.TXT", ""},
        {Philosophy, "&Educational Value of Astrology", "mnuEdValAst", "EDVALAST.TXT", ""},
        {Philosophy, "Are You Helping &Your Stars?", "mnuHelpStar", "HELPSTAR.TXT", ""},
        {Philosophy, "The Two &Zodiacs", "mnuZodiacs", "ZODIACS.TXT", ""},
        {Philosophy, "Zo&diacal Signs and Houses", "mnuZod_Hous", "ZOD_HOUS.TXT", ""},
        {Philosophy, "&Orrelind - part 1", "mnuOrrlind1", "ORRLIND1.TXT", ""},
        {Philosophy, "Orrelind - par&t 2", "mnuOrrlind2", "ORRLIND2.TXT", ""},
        {Philosophy, "&Keyword System", "mnuKW_Sys", "KEYWORDS.TXT", ""},
        {Philosophy, "The &Law and Our Needs - part 1", "mnuLaw_Nee1", "LAW_NEE1.TXT", ""},
        {Philosophy, "The Law and Our &Needs - part 2", "mnuLaw_Nee2", "LAW_NEE2.TXT", ""},
        {Philosophy, "&Helping Our Destiny", "mnuHelpDest", "HELPDEST.TXT", ""},
        {Philosophy, "Study With &Us", "mnuHelpStudy", "STUDY.TXT", kUnnamedSeparator},
        {Help, "SOLVARIS Main Menu", "mnuMainMenuHelp", "SOLVARIS.HLP", ""},
        {Help, "Natal &Input Data Window", "mnuHelpInputD", "INPUTD.HLP", "mnuSplit0"},
        {Help, "&Diurnal Input Data Window", "mnuHelpInputD1", "INPUTD1.HLP", ""},
        {Help, "&Names Window", "mnuHelpNames", "NAMES.HLP", ""},
        {Help, "Cities &Window", "mnuHelpCities", "GEOGRAPH.HLP", ""},
        {Help, "&Options Window", "mnuHelpOptions", "OPTIONS.HLP", ""},
        {Help, "Da&ta Window", "mnuHelpOutputD1", "OUTPUTD1.HLP", ""},
        {Help, "Planetary &Hours Window", "mnuHelpPHOutput", "PHOUTPUT.HLP", ""},
        {Help, "&Chartwheels Window", "mnuHelpWheels", "WHEELS.HLP", ""},
        {Help, "&Edit A Name File Window", "mnuHelpNameedit", "NAMEEDIT.HLP", ""},
        {Help, "Edit A Cit&y File Window", "mnuHelpLongLat", "LONGLAT.HLP", ""},
        {Help, "&Select A File Window", "mnuHelpSelect", "SELECT.HLP", ""},
        {Help, "&File To Print  Window", "mnuHelpPrntfile", "PRNTFILE.HLP", ""},
        {Hints, "&How Do I...?", "mnuHintsHow", "HOW_DO_I.HLP", "mnuSplit1"},
        {Hints, "&Reading List", "mnuHintsReadingList", "READING.HLP", ""},
        {Hints, "&Tips", "mnuHintsTips", "TIPS.HLP", ""},
        {Help, "Up&grades", "mnuHelpUpgrades", "UPGRADES.HLP", "mnuSplit2"},
        {Help, "Shortcut &keys", "mnuShortcutKeys", "SHORTCUT.HLP", ""},
        {Help, "&License Agreement", "mnuHelpLicense", "LICENSE.HLP", ""},
        {Help, "Philosophy", "mnuPhilosophyHelp", "PHILO.HLP", "mnuSplit5"},
        {Help, "Inter&pretations", "mnuHelpInterpretations", "TRANSIT.INX", ""},
        {Help, "Re&vision history", "mnuHelpRevisions", "REVISION.HLP", ""},
    };
    return documents;
}

bool ShowTextDocument(ReportContext& context, std::string_view fileName) {
    const auto path = FindInFolder(context.session.folder, fileName);
    const auto lines = ReadTextLines(path);
    if (!lines) {
        context.platform.ShowMessage("The document " + std::string(fileName) +
                                         " cannot be read in the program folder " +
                                         context.session.folder.string() + ".",
                                     "Warning!", MessageIcon::Information);
        return false;
    }
    context.Begin();
    for (const std::string& line : *lines) {
        context.Line(line);
    }
    context.Blank();
    context.Show();
    return true;
}

}  // namespace solvaris
