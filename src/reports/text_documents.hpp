// The help and philosophy documents: plain text files of the program folder
// shown as a report in the data window, where they are read, saved and
// printed like any report.
#pragma once

#include <string_view>
#include <vector>

#include "reports/report_context.hpp"

namespace solvaris {

enum class DocumentMenu { Philosophy, Help, Hints };

struct TextDocument {
    DocumentMenu menu;
    std::string_view caption;   // with its access key
    std::string_view menuItem;  // "mnuWhat_Ast", ...
    std::string_view file;      // "WHAT_AST.TXT", in the program folder
    // The separator above the item: its name, kUnnamedSeparator, or empty
    // for none. Above a Hints item it stands above the Hints menu.
    std::string_view separatorBefore;
};

inline constexpr std::string_view kUnnamedSeparator = "-";

// Every document of the main menu, in menu order.
const std::vector<TextDocument>& TextDocuments();

// A new report of every line of the file unchanged and one empty line,
// shown in the data window. A file that cannot be read shows a message
// naming it and leaves the report and the window as they were; false then.
bool ShowTextDocument(ReportContext& context, std::string_view fileName);

}  // namespace solvaris
