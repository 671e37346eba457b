#include "command_line.h"

#include <cstdio>
#include <string_view>

namespace zeltavor::linux_platform {

namespace {

constexpr const char* kHelp =
    "Aufruf: zeltavor [-h | --help | --version]\n"
    "\n"
    "Ein rundes Zeigerinstrument, das im Vordergrund bleibt und zeigt, wie voll der\n"
    "Rechner ist: die Auslastung des Arbeitsspeichers (RAM) oder den belegten Anteil\n"
    "der Systemplatte (HD). Die rechte Maustaste (oder die Menütaste) öffnet die Optionen.\n"
    "\n"
    "Optionen:\n"
    "  -h, --help  diese Hilfe zeigen\n"
    "  --version   Name und Version zeigen\n"
    "\n"
    "Dateien:\n"
    "  $XDG_CONFIG_HOME/MEM.conf (sonst ~/.config/MEM.conf)   Größe, Monitore, Quelle, Position\n"
    "  $XDG_CONFIG_HOME/autostart/Zeltavor.desktop           Start mit der Anmeldung\n";

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    const std::string_view option = argv[1];
    const bool help = option == "--help" || option == "-h", known = help || option == "--version";
    if (argc == 2 && help) return std::fputs(kHelp, stdout), 0;
    if (argc == 2 && known) return std::puts("zeltavor " ZELTAVOR_VERSION), 0;
    // The first word it cannot use is named: an unknown option, or one too many after a known one.
    std::fprintf(stderr, "zeltavor: %s „%s“ – „zeltavor --help“ zeigt, was es gibt.\n",
                 known ? "überzähliges Argument" : "unbekannte Option", argv[known ? 2 : 1]);
    return 2;
}

}  // namespace zeltavor::linux_platform
