// Runs the designs of a study on several threads. Each design reads only the shared, unchanging
// study base and writes only its own result slot, so the results are the same for any number of
// threads; a progress counter and a cancel flag let a window follow and stop a running study.
#pragma once

#include <atomic>
#include <functional>

namespace korvant {

struct StudyProgress
{
    std::atomic<int> done { 0 }; // designs finished so far
    std::atomic<bool> cancelled { false }; // set to stop handing out designs
};

// The number of threads to use for `threads` (0: one for each core) and `count` designs.
int StudyThreads(int threads, int count);

// Calls job(i) once for each i in [0, count) on StudyThreads(threads, count) threads. Returns
// false when `progress` was cancelled before every job ran. An exception that a job throws is
// thrown again here once every thread has stopped.
bool RunParallel(
    int count, int threads, const std::function<void(int)>& job, StudyProgress* progress = nullptr);

} // namespace korvant
