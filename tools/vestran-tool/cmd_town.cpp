// vestran-tool town: what the town window and the vault window would show for
// one town of a saved game, without changing the file.
#include <cstdio>
#include <string>
#include <vector>

#include "core/data/Session.h"
#include "core/towns/TownRules.h"
#include "tools/vestran-tool/Command.h"
#include "tools/vestran-tool/Options.h"

namespace {

const char* kHelp =
    "Usage: vestran-tool town FILE N\n"
    "Shows town N (1..30) of the saved game FILE as the town window would if the hero\n"
    "entered it now: its race and relation, the recruit kind, how many may be hired and\n"
    "into which slot, whether a ship, the temple and the vault are open to him, and\n"
    "the vault window's list of guards and relation changes. The town must stand on\n"
    "the hero's continent for the ship place to be found. FILE is not changed.\n";

std::string crlfToLf(std::string s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r') continue;
        out += s[i];
    }
    return out;
}

const char* yesNo(bool b) {
    return b ? "да" : "нет";
}

int run(const std::vector<std::string>& args) {
    std::vector<std::string> plain;
    CommandArgs cli("town", kHelp);
    cli.words(plain);
    if (auto end = cli.parse(args)) return *end;
    if (plain.size() != 2) return cli.error("FILE and N are needed (see --help)");
    const auto n = parseNumber(plain[1], kTowns);
    if (!n || *n < 1) return cli.error("N must be a town number 1..30");
    const int t = static_cast<int>(*n);
    auto gs = loadSaveForTool(plain[0], SaveUse::Play);
    if (!gs) return 1;

    // The town's own cell, if it stands on the hero's continent.
    Session s;
    s.enteredTown.code = static_cast<uint16_t>(700 + t);
    const int c = (t - 1) / 10 + 1;
    if (gs->continent == c)
        for (int x = 1; x <= kMapW; ++x)
            for (int y = 1; y <= kMapH; ++y)
                if (gs->cell(c, x, y) == 700 + t) {
                    s.enteredTown.x = static_cast<uint16_t>(x);
                    s.enteredTown.y = static_cast<uint16_t>(y);
                }
    const TownScreen v = showTown(*gs, s);
    const TownRecord& town = gs->town(t);

    std::printf("%s\n%s\n", v.caption.c_str(), v.relationLine.c_str());
    std::printf("%s\n", crlfToLf(v.recruitText).c_str());
    std::printf("%s\n", v.status.c_str());
    std::printf("%s\n", v.hireText.c_str());
    std::printf("Найм: %s (%s), слот %d\n", v.hireCaption.c_str(), yesNo(v.hireEnabled),
                v.hire.slot);
    if (town.shipX != 0)
        std::printf("%s: %s, место X=%u Y=%u\n", v.shipCaption.c_str(), yesNo(v.shipEnabled),
                    town.shipX, town.shipY);
    else
        std::printf("%s: %s\n", v.shipCaption.c_str(), yesNo(v.shipEnabled));
    std::printf("%s: %s\n", v.templeCaption.c_str(), yesNo(v.templeEnabled));
    std::printf("Хранилище: %s\n", v.vaultEnabled ? "можно штурмовать" : "уже взято");
    std::printf("%s", crlfToLf(vaultText(*gs, town)).c_str());
    return 0;
}

ToolCommandRegistrar reg({"town", "what a town's window and vault show (read-only)", run});

}  // namespace
