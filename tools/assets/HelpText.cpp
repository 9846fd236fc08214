#include "tools/assets/HelpText.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/flow/Version.h"

namespace gen {

namespace {

// Replaces every `mark` in `page` by `value`.
void fill(std::string& page, const std::string& mark, const std::string& value) {
    for (size_t at = page.find(mark); at != std::string::npos; at = page.find(mark, at)) {
        page.replace(at, mark.size(), value);
        at += value.size();
    }
}

}  // namespace

std::string helpPageHtml() {
    std::ifstream in(VESTRAN_HELP_TEMPLATE, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read the help page's template " VESTRAN_HELP_TEMPLATE);
    std::ostringstream text;
    text << in.rdbuf();
    std::string page = text.str();
    fill(page, "{VERSION}", kGameVersion);
    return page;
}

}  // namespace gen
