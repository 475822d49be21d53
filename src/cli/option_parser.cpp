#include "cli/option_parser.hpp"

#include <algorithm>
#include <cctype>

#include "base/visible_text.hpp"
#include "cli/exit_status.hpp"

namespace solvaris {

void PrepareParser(CLI::App& app) {
    // Help is answered before any parser is made.
    app.set_help_flag();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

namespace {

CLI::Option* AddOption(CLI::App& app, const std::string& name, std::string& value,
                       const std::string& typeName, const std::string& help) {
    CLI::Option* option = app.add_option(name, value, help)->type_name(typeName);
    option->check(CLI::Validator(
        [](std::string& text) {
            return text.empty()
                       ? std::string("an empty value (leave the option out for its default)")
                       : std::string();
        },
        ""));
    return option;
}

void AddProblem(CLI::Option& option, ValueProblem problem) {
    if (problem) {
        option.check(CLI::Validator([problem](std::string& text) { return problem(text); }, ""));
    }
}

}  // namespace

CLI::Option* AddPath(CLI::App& app, const std::string& name, std::string& value,
                     const std::string& typeName, const std::string& help, ValueProblem problem) {
    CLI::Option* option = AddOption(app, name, value, typeName, help);
    AddProblem(*option, std::move(problem));
    return option;
}

CLI::Option* AddValue(CLI::App& app, const std::string& name, std::string& value,
                      const std::string& typeName, const std::string& help, ValueProblem problem) {
    CLI::Option* option = AddOption(app, name, value, typeName, help);
    // Checked as UTF-8 once, here: every message, report and file after
    // this sees valid text.
    option->transform([](std::string text) { return ValidUtf8Text(text); }, "", "");
    AddProblem(*option, std::move(problem));
    return option;
}

CLI::Option* AddChoice(CLI::App& app, const std::string& name, std::string& value,
                       const std::vector<std::string>& names, const std::string& what,
                       const std::string& help) {
    std::string list;
    for (const std::string& n : names) {
        list += (list.empty() ? "" : ", ") + n;
    }
    return AddValue(app, name, value, list, help, [names, what, list](const std::string& text) {
        return std::find(names.begin(), names.end(), text) != names.end()
                   ? std::string()
                   : "no " + what + " '" + text + "' (" + what + "s: " + list + ")";
    });
}

namespace {

// The parser's reason as a user reads it: "--names needs a value (FILE)",
// not "--names: 1 required FILE missing".
std::string Reason(const CLI::ParseError& e, const CLI::App& app, std::string_view command) {
    const std::string what = e.what();
    const std::string help = std::string(" (solvaris help ") + std::string(command);
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
        const std::vector<std::string> unknown = app.remaining();
        return "unknown argument '" + (unknown.empty() ? what : unknown.front()) + "'" + help +
               " lists the options)";
    }
    const auto colon = what.find(": 1 required ");
    const auto missing = what.rfind(" missing");
    if (colon != std::string::npos && missing != std::string::npos) {
        const std::size_t type = colon + std::string_view(": 1 required ").size();
        return what.substr(0, colon) + " needs a value (" + what.substr(type, missing - type) + ")";
    }
    std::string why = what.empty() ? std::string("a malformed command line") : what;
    why[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(why[0])));
    if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr) {
        why += help + " tells more)";
    }
    return why;
}

}  // namespace

int ParseArguments(CLI::App& app, const std::vector<std::string>& args, std::string_view command,
                   std::ostream& err) {
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(std::move(reversed));
    } catch (const CLI::ParseError& e) {
        err << "solvaris " << command << ": " << Reason(e, app, command) << '\n';
        return kExitBadCommandLine;
    }
    return kExitDone;
}

void WriteOptionHelp(const CLI::App& app, std::ostream& out) {
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_positional() || option->get_description().empty()) {
            continue;
        }
        std::string head = "  " + option->get_name();
        if (!option->get_type_name().empty()) {
            head += ' ' + option->get_type_name();
        }
        out << head << '\n' << "      " << option->get_description() << '\n';
    }
}

}  // namespace solvaris
