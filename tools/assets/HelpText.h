// The text of the help page, kept apart from the code that writes it.
#pragma once

#include <string>

namespace gen {
std::string helpPageHtml();
}
