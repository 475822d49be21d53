#include "gui/people/atlas_exchange_form.hpp"

#include <QPointer>
#include <QWidget>

#include "gui/common/workstation.hpp"
#include "people/atlas_exchange.hpp"

namespace solvaris {

void RunAtlasFor(Workstation& workstation, EntryFields& place, QWidget& link) {
    // The windows stay live during the wait: the link may be gone after it.
    const QPointer<QWidget> clicked(&link);
    clicked->setEnabled(false);
    // The folder found or typed is kept in the settings, written at exit.
    const bool taken =
        RunAtlasExchange(workstation.session().settings.atlasDir, place, workstation.platform());
    if (clicked) {
        clicked->setEnabled(true);
    }
    if (taken) {
        workstation.AnnounceEntryChanged();
    }
}

}  // namespace solvaris
