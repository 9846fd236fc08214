// ReadMe.htm: the player's help page, in Russian.
#include <string>

#include "platform/AssetNames.h"
#include "tools/assets/Gen.h"
#include "tools/assets/HelpText.h"

namespace gen {

void genHelpPage(Sink& s) {
    s.bytes(assets::kReadMe, helpPageHtml());
}

}  // namespace gen
