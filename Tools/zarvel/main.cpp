// zarvel: shows what the library decides about a text, the way a user sees it from a shell.
#include "Arguments.h"
#include "Commands.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

using namespace ZarvelTool;

namespace {

void PrintHelp() {
    std::cout << "usage: zarvel [--help] [--version] COMMAND [ARGS]\n\n"
                 "Zarvel cuts mixed right-to-left and left-to-right text into runs, shapes Arabic and\n"
                 "Hebrew and shows its decisions. Every command reads TEXT, or standard input as UTF-8\n"
                 "when TEXT is absent, and takes --help.\n\ncommands:\n";
    for (const TCommand& c : Commands) std::printf("  %-10s %s\n", c.Name, c.Summary);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        PrintHelp();
        return 2;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        PrintHelp();
        return 0;
    }
    if (first == "--version") {
        std::cout << "zarvel " << ZARVEL_VERSION << "\n";
        return 0;
    }
    for (const TCommand& c : Commands) {
        if (first != c.Name) continue;
        try {
            return c.Run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const TUsageError& e) {
            std::cerr << "zarvel " << c.Name << ": " << e.what() << " (see zarvel " << c.Name << " --help)\n";
            return 2;
        } catch (const std::exception& e) {
            std::cerr << "zarvel " << c.Name << ": " << e.what() << "\n";
            return 1;
        }
    }
    std::cerr << "zarvel: unknown command '" << first << "' (see zarvel --help)\n";
    return 2;
}
