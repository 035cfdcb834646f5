#pragma once

#include <QString>

#include "Outcome.h"

namespace kalvado {

// The sentence assistive technology hears after an action, in the player's
// language: "You played E3 and turned 1. Computer played D3 and turned 1.
// You 3, computer 3." and then the status line's text, when the action set
// one. Empty when there is nothing to say.
QString Summary(const Outcome& outcome);

} // namespace kalvado
