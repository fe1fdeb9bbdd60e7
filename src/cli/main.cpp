// korvant-cli: the batch command-line tool.
#include <iostream>

#include "cli/command_line.h"

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return korvant::RunCommandLine(args, std::cin, std::cout, std::cerr);
}
