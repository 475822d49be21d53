#include "cli/wheel_command.hpp"

#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "aspects/orb_table.hpp"
#include "base/number_text.hpp"
#include "base/options.hpp"
#include "base/program_folder.hpp"
#include "base/text_lines.hpp"
#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "cli/harmonic_option.hpp"
#include "cli/orb_file_status.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "platform/image_file.hpp"

namespace solvaris {

namespace {

struct WheelRequest {
    BirthOptionTexts birth;
    std::string kind;
    std::string out;
    std::string size;
    bool european = false;
    std::string orbs;
    std::string harmonic;
    std::string paper;
};

std::string KindProblem(const std::string& text) {
    return WheelKindFromName(text)
               ? std::string()
               : "no wheel named '" + text + "' (wheels: " + WheelKindNames() + ")";
}

std::string OutProblem(const std::string& text) {
    return ImageFormatOf(text) ? std::string()
                               : "the output must end in .png, .svg or .pdf, not '" + text + "'";
}

std::string PaperProblem(const std::string& text) {
    return text == "letter" || text == "a4" ? std::string()
                                            : "a paper of letter or a4, not '" + text + "'";
}

constexpr long long kLeastWidthPixels = 64;
constexpr long long kMostWidthPixels = 8192;
constexpr int kWindowWidthPixels = 1024;

std::string SizeProblem(const std::string& text) {
    const auto n = ParseInteger(text);
    return n && *n >= kLeastWidthPixels && *n <= kMostWidthPixels
               ? std::string()
               : "a width in pixels from 64 to 8192, not '" + text + "'";
}

// Without options every colour is black and every size 0: the wheel would
// be an all-black picture, so none is drawn.
std::string OptionsProblem(const Session& session) {
    const std::filesystem::path file = FindInFolder(session.folder, kOptionsFileName);
    OptionTable probe;
    const Problem why = LoadOptions(file, probe);
    return why.empty() ? Problem()
                       : file.string() + " cannot be read (" + why +
                             "); a wheel needs its colours and sizes";
}

// An option this wheel or picture does not read, or a relationship wheel
// without the second person: empty when none, else why.
std::string RequestProblem(const WheelRequest& request) {
    if (const WheelKind kind = *WheelKindFromName(request.kind);
        kind == WheelKind::Composite || kind == WheelKind::Davison) {
        if (const std::string problem =
                SecondChartProblem(request.birth, "the " + request.kind + " wheel");
            !problem.empty()) {
            return problem;
        }
    }
    if (!request.harmonic.empty() && *WheelKindFromName(request.kind) != WheelKind::Natal) {
        return "--harmonic is read only by the natal wheel; '" + request.kind +
               "' does not read it";
    }
    if (!request.paper.empty() && *ImageFormatOf(request.out) != ImageFormat::Pdf) {
        return "--paper is read only for a .pdf; '" + request.out + "' is a picture";
    }
    return {};
}

// The orb file of --orbs, read at once, whether or not the printed grid
// comes to read it: kExitDone, or the status of a file that cannot be read.
int TakeOrbFileAsked(const WheelRequest& request, Session& session, Platform& platform,
                     std::ostream& err) {
    if (!request.orbs.empty()) {
        OrbTable orbs{};
        if (!LoadOrbTable(request.orbs, orbs, platform)) {
            return OrbFileStatus(request.orbs, "wheel", err);
        }
        session.currentOrbFile = request.orbs;
    }
    return kExitDone;
}

// The wheel painted into the picture or PDF of --out, whose name is said
// on `out`.
int ExportWheel(const WheelRequest& request, Session& session, Platform& platform,
                WheelDrawing& drawing, std::ostream& out, std::ostream& err) {
    const std::filesystem::path file = request.out;
    const ImageFormat format = *ImageFormatOf(file);
    if (format == ImageFormat::Pdf) {
        drawing.state.printMode = WheelPrintMode::FullPage;
    }
    // The window's proportions: 1024 by 768 on a 1024-pixel screen.
    const int width =
        request.size.empty() ? kWindowWidthPixels : static_cast<int>(*ParseInteger(request.size));
    const int height = width * 3 / 4;
    const PaperSize paper = request.paper == "a4" ? PaperSize::A4 : PaperSize::Letter;
    const std::string problem =
        ExportImage({file, format, width, height, paper}, [&](Canvas& canvas) {
            PaintSessionWheel(session, drawing, canvas, platform, width, height);
        });
    if (!problem.empty()) {
        err << "solvaris wheel: " << problem << '\n';
        return kExitFileProblem;
    }
    out << file.string() << '\n';
    return kExitDone;
}

int RunWheel(const WheelRequest& request, Session& session, HeadlessPlatform& platform,
             std::ostream& out, std::ostream& err) {
    if (const std::string problem = RequestProblem(request); !problem.empty()) {
        err << "solvaris wheel: " << problem << '\n';
        return kExitBadCommandLine;
    }
    BirthOptions options;
    RecordingDataWindow window;
    if (const int status = CastFromBirthOptions(
            request.birth, "wheel", session, platform, window, err, options, [&](BirthOptions&) {
                ApplyHarmonicOption(request.harmonic, session);
                if (const std::string problem = OptionsProblem(session); !problem.empty()) {
                    err << "solvaris wheel: " << problem << '\n';
                    return kExitFileProblem;
                }
                return kExitDone;
            })) {
        return status;
    }
    if (!RunWheelCommand(session, *WheelKindFromName(request.kind), options.diurnal, platform)) {
        return kExitRefusedData;
    }
    if (const int status = TakeOrbFileAsked(request, session, platform, err)) {
        return status;
    }
    WheelDrawing drawing;
    if (const std::string problem = LoadWheelDrawing(session, request.european, drawing);
        !problem.empty()) {
        err << "solvaris wheel: " << problem << '\n';
        return kExitFileProblem;
    }
    return ExportWheel(request, session, platform, drawing, out, err);
}

}  // namespace

std::string WheelKindNames() {
    std::string names;
    for (const WheelKindInfo& info : kWheelKinds) {
        names += names.empty() ? "" : ", ";
        names += info.name;
    }
    return names;
}

CommandRun DeclareWheelCommand(CLI::App& app) {
    auto request = std::make_shared<WheelRequest>();
    AddValue(app, "wheel", request->kind, "KIND", "", KindProblem)->required();
    AddPath(app, "--out", request->out, "FILE.png|.svg|.pdf",
            "the picture's file; the PDF is the full-page print", OutProblem)
        ->required();
    AddValue(app, "--size", request->size, "PIXELS",
             "the picture's width, 64 to 8192 (default 1024)", SizeProblem);
    AddValue(app, "--paper", request->paper, "letter|a4", "the PDF's page (default letter)",
             PaperProblem);
    app.add_flag("--european", request->european, "the European chart style");
    AddPath(app, "--orbs", request->orbs, "FILE", "the orb file of the printed aspect grid");
    DeclareHarmonicOption(app, request->harmonic,
                          "natal: the nth harmonic chart, 1 to 180 (default: option 224)");
    DeclareBirthOptions(app, request->birth);
    return [request](Session& session, HeadlessPlatform& platform, std::ostream& out,
                     std::ostream& err) { return RunWheel(*request, session, platform, out, err); };
}

}  // namespace solvaris
