// korvant-cli: the batch command-line tool. main owns the standard streams: they are written
// with every error kept, flushed and closed at the end with their errors caught, so that output
// that could not be written ends in exit status 3 with a message, never in a silent success.
// Standard input is read by --inp - only.
#include <csignal>
#include <cstring>
#include <iostream>
#include <new>
#include <ostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/command_line.h"
#include "cli/descriptor_stream.h"
#include "cli/exit_status.h"

int main(int argc, char** argv)
{
    // A file-size limit then fails a write with its message instead of ending the program;
    // SIGPIPE keeps its default, so that "| head" ends the program quietly.
    std::signal(SIGXFSZ, SIG_IGN);
    korvant::DescriptorBuffer outBuffer(STDOUT_FILENO);
    korvant::DescriptorBuffer errBuffer(STDERR_FILENO);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    err << std::unitbuf; // each message at once, as an unbuffered standard error shows it

    int status = korvant::kExitStopped;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        status = korvant::RunCommandLine(args, std::cin, out, err);
    } catch (const std::bad_alloc&) {
        err << "korvant-cli: out of memory\n";
        status = korvant::kExitStopped;
    }
    if (const int error = outBuffer.close()) {
        err << "korvant-cli: cannot write the output: " << std::strerror(error) << '\n';
        status = korvant::kExitStopped;
    }
    if (errBuffer.close() != 0)
        status = korvant::kExitStopped;
    return status;
}
