// vestran-tool shot: trial shots of one stack at another (see cmd_melee.cpp).
#include <string>
#include <vector>

#include "tools/vestran-tool/Command.h"

int runShotTrials(const std::vector<std::string>& args);

namespace {
const ToolCommandRegistrar reg({"shot", "trial shots of one stack at another", runShotTrials});
}
