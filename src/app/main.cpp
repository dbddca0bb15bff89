#include <iostream>
#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "app/terminal_clock.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = horalet::cli::runCommand(args, std::cout, std::cerr)) {
        return *status;
    }
    return horalet::app::runTerminalClock();
}
