// vestran-tool: the command-line companion of the game for players, modders and tests.
#include <string>
#include <vector>

#include "tools/vestran-tool/Command.h"

int main(int argc, char** argv) {
    return runTool(std::vector<std::string>(argv + 1, argv + argc));
}
