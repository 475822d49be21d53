// The wheel tests' name for the shared desk's golden chart and session.
#pragma once

#include "support/window_desk.hpp"
