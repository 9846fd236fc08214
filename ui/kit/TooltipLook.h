// Tooltips in the game's colours: the map panel's dark brown with warm
// lettering, in the panel's bold font.
#pragma once

// Sets the look of every tooltip of the program; call once after the
// application object exists.
void applyTooltipLook();
