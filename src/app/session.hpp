// The one owner of the process-wide state; main creates it, tests make their
// own.
#pragma once

#include "app/options.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"

namespace solvaris {

struct Session {
    OptionTable options;
    ChartStore charts;
    BirthData natal;
    BirthData diurnal;
};

}  // namespace solvaris
