// Starting a run on a thread of its own from the window: running out of memory, or finding no
// thread to start, is reported under the command's name and gives no run, so that the window
// goes on as before.
#pragma once

#include <memory>
#include <new>
#include <string>
#include <system_error>

#include "basics/program_info.h"
#include "design/prompter.h"
#include "design/window_texts.h"

namespace korvant::ui {

// `start()` returns the run (a std::unique_ptr) or none.
template <typename Start>
auto StartRun(Prompter& prompter, const std::string& command, Start start) -> decltype(start())
{
    try {
        return start();
    } catch (const std::bad_alloc&) {
        prompter.ask(OutOfMemoryMessage(command));
    } catch (const std::system_error& error) {
        // No thread could be started for the run.
        prompter.ask({ command + ": " + error.what(), kProgramName, Buttons::Ok, Icon::Critical });
    }
    return nullptr;
}

} // namespace korvant::ui
