#include "app/wheel_window.hpp"

#include "app/wheel_command.hpp"

namespace solvaris {

WheelMenus WheelMenusOnLoad(const WheelState& state, bool secondPersonChecked) {
    WheelMenus menus;
    const int kind = state.returnKind;
    // Kinds 7 and 8 stand for the return search modes, which count as
    // returns too.
    menus.returns = kind == 4 || kind == 5 || kind == 7 || kind == 8;
    menus.switchItem =
        state.family == WheelFamily::Dual && secondPersonChecked && !IsNinetyDegreeWheel(state);
    menus.asciiChart = state.family == WheelFamily::Single;
    menus.chartType = state.family == WheelFamily::Single;
    menus.european = state.chartType == 1 && !IsNinetyDegreeWheel(state);
    return menus;
}

bool StepReturnWheel(Session& session, ReturnStep step, const DiurnalEntryWindow& diurnalWindow,
                     Platform& platform) {
    const ReturnSearch before = session.returnSearch;
    WheelKind kind;
    if (session.wheel.kind == ChartKind::SolarReturn) {
        StepSolarReturn(session.returnSearch, step);
        kind = WheelKind::SolarReturn;
    } else if (session.wheel.kind == ChartKind::LunarReturn) {
        StepLunarReturn(session.returnSearch, step);
        kind = WheelKind::LunarReturn;
    } else {
        return false;
    }
    if (!RunWheelCommand(session, kind, diurnalWindow, platform)) {
        session.returnSearch = before;
        return false;
    }
    return true;
}

bool SwitchWheel(Session& session, WheelKind shown, const DiurnalEntryWindow& diurnalWindow) {
    if (shown != WheelKind::DualTransits) {
        return false;
    }
    const WheelInputs in{session.charts, session.natal, session.diurnal, diurnalWindow.chk2ndPerson,
                         diurnalWindow.chk2ndPersonCaption};
    WheelSetup setup = session.wheel;
    SwitchDualTransits(setup, in);
    PutWheelInPlace(session, std::move(setup));
    return true;
}

}  // namespace solvaris
