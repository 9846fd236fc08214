#include "core/flow/Autosave.h"

#include <cstdio>

#include "core/data/Session.h"
#include "core/flow/SaveSlots.h"

namespace autosave {
namespace {
bool switchedOn = true;
}  // namespace

bool enabled() {
    return switchedOn;
}

void setEnabled(bool on) {
    switchedOn = on;
}

bool write(const GameState& gs, const Session& session, std::string* error) {
    if (error) error->clear();
    if (!switchedOn || !session.gameInProgress) return false;
    const SaveResult r = saveslots::writeAutosave(gs);
    if (!r.ok) {
        if (error) *error = r.error;
        std::fprintf(stderr, "vestran: autosave failed: %s\n", r.error.c_str());
        std::fflush(stderr);
    }
    return r.ok;
}

}  // namespace autosave
