// Creature pictures by file name, for the battle and for the windows that show them.
#pragma once

#include <QImage>
#include <string>

namespace gen {
QImage creaturePicture(const std::string& picFile);  // "Barbar.pic" ... (80 x 80 sprite)
}
