// The slot list of the save and the load windows: one line per slot, its text
// the slot's line (which the windows read back as the save name and quote in
// their questions) and, in a column of its own at the right, when its file was
// written.
#pragma once

class QListWidget;

namespace slotlist {

// Gives the list its look: black, white text, the time column.
void setUp(QListWidget* list);
// Slots 1..15 and, for the load window, the autosave after them when there is
// one. The list's own signals are blocked meanwhile.
void fill(QListWidget* list, bool withAutosave);
// The slot of a row (0-based): 1..15, or saveslots::kAutoSlot for the row after
// slot 15.
int slotOfRow(int row);

}  // namespace slotlist
