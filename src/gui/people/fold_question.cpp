#include "gui/people/fold_question.hpp"

namespace solvaris {

Fold AskFold(Platform& platform, const std::string& zoneName, const EntryFields& clock) {
    const auto question = RepeatedHourQuestion(zoneName, clock);
    if (question &&
        platform.ShowMessage(*question, "Which " + zoneName + " time?", MessageIcon::Question,
                             MessageButtons::YesNo) == MessageAnswer::No) {
        return Fold::Later;
    }
    return Fold::Earlier;
}

}  // namespace solvaris
