#include "cli/wheel_command.hpp"

#include "app/wheel_command.hpp"
#include "app/wheel_drawing.hpp"
#include "aspects/orb_table.hpp"
#include "base/number_text.hpp"
#include "cli/chart_setup.hpp"
#include "cli/exit_status.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "platform/qt/image_export.hpp"

namespace solvaris {

namespace {

struct WheelRequest {
    std::optional<WheelKind> kind;
    std::filesystem::path out;
    int widthPixels = 1024;
    bool european = false;
    std::string orbs;
};

// Empty when the arguments are sound, else the message.
std::string ReadRequest(const std::vector<std::string>& rest, WheelRequest& request) {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& a = rest[i];
        const bool hasValue = i + 1 < rest.size();
        if (a == "--out" && hasValue) {
            request.out = rest[++i];
        } else if (a == "--size" && hasValue) {
            const auto n = ParseInteger(rest[++i]);
            if (!n || *n < 64 || *n > 8192) {
                return "--size needs a width in pixels from 64 to 8192, not '" + rest[i] + "'";
            }
            request.widthPixels = static_cast<int>(*n);
        } else if (a == "--european") {
            request.european = true;
        } else if (a == "--orbs" && hasValue) {
            request.orbs = rest[++i];
        } else if (!request.kind && a.rfind("--", 0) != 0) {
            request.kind = WheelKindFromName(a);
            if (!request.kind) {
                return "no wheel named '" + a + "' (wheels: " + WheelKindNames() + ")";
            }
        } else {
            return "unknown argument '" + a + "'";
        }
    }
    if (!request.kind) {
        return "which wheel? (wheels: " + WheelKindNames() + ")";
    }
    if (request.out.empty()) {
        return "--out FILE.png|.svg|.pdf is needed";
    }
    if (!ImageFormatOf(request.out)) {
        return "the output must end in .png, .svg or .pdf, not '" + request.out.string() + "'";
    }
    return {};
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

int RunWheelCommandLine(const std::vector<std::string>& args, Session& session,
                        ScriptedPlatform& platform, std::ostream& out, std::ostream& err) {
    std::vector<std::string> rest;
    BirthOptions options;
    if (const int status =
            ReadBirthOptionsWithDefaults(args, "wheel", session, platform, err, rest, options)) {
        return status;
    }
    WheelRequest request;
    if (const std::string problem = ReadRequest(rest, request); !problem.empty()) {
        err << "solvaris wheel: " << problem << '\n';
        return 2;
    }
    RecordingDataWindow window;
    if (const int status = ComputeFromBirthOptions(session, options, platform, window, err)) {
        return status;
    }
    if (!RunWheelCommand(session, *request.kind, options.diurnal, platform)) {
        return 1;
    }
    if (!request.orbs.empty()) {
        // Said at once, whether or not the printed grid comes to read it.
        OrbTable orbs{};
        if (!LoadOrbTable(request.orbs, orbs, platform)) {
            return 1;
        }
        session.currentOrbFile = request.orbs;
    }
    WheelDrawing drawing;
    if (const std::string problem = LoadWheelDrawing(session, request.european, drawing);
        !problem.empty()) {
        err << "solvaris wheel: " << problem << '\n';
        return kExitFileProblem;
    }
    const ImageFormat format = *ImageFormatOf(request.out);
    if (format == ImageFormat::Pdf) {
        drawing.state.printMode = WheelPrintMode::FullPage;
    }
    // The window's proportions: 1024 by 768 on a 1024-pixel screen.
    const int width = request.widthPixels;
    const int height = width * 3 / 4;
    const std::string problem =
        ExportImage({request.out, format, width, height}, [&](Canvas& canvas) {
            PaintSessionWheel(session, drawing, canvas, platform, width, height);
        });
    if (!problem.empty()) {
        err << "solvaris wheel: " << problem << '\n';
        return kExitFileProblem;
    }
    out << request.out.string() << '\n';
    return 0;
}

}  // namespace solvaris
