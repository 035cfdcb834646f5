#pragma once

namespace kalvado {

// In a build with the sanitizers, checks for leaks now, once the threads
// that Qt has told to stop have ended, and turns off the check at exit.
// LeakSanitizer's own check at exit can crash while a thread is still being
// torn down: Qt's threads report themselves finished before their last
// clean-up, and the D-Bus thread is stopped by a static destructor just
// before that check. Elsewhere this does nothing.
void CheckLeaksWhileThreadsAreQuiet();

} // namespace kalvado
