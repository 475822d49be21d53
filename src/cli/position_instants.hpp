// The instants `solvaris positions` takes: Julian days (UT) within the
// years a chart accepts, the span its theories are stated for.
#pragma once

#include <string>

namespace solvaris {

double FirstAcceptedJd();
// The first instant past the span.
double LastAcceptedJd();

// "the years 1 to 3000, JD ... to ...", for the messages.
std::string AcceptedSpanText();

// Empty for an instant typed as a number within the span, else why not
// ("malformed value 'x'", "'x' lies outside the years ...").
std::string JdProblem(const std::string& text);

}  // namespace solvaris
