// The help page: its text is the template tools/assets/help.html.in, which the
// generator reads when it runs (at build time) and fills ({VERSION}).
#pragma once

#include <string>

namespace gen {
// The page, filled; throws when the template cannot be read.
std::string helpPageHtml();
}  // namespace gen
