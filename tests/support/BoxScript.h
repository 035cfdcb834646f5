#pragma once

#include <deque>

#include "WindowOps.h"

namespace kalvado::test {

// How a test answers the boxes it expects, in order: a Yes/No box takes the
// next scripted answer (`whenNone` once they run out), any other box OK.
struct BoxScript {
    std::deque<int> answers;
    int whenNone = ANSWER_YES;

    int answer(int style)
    {
        if ((style & Style::ButtonMask) != Style::YesNo)
            return ANSWER_OK;
        if (answers.empty())
            return whenNone;
        const int next = answers.front();
        answers.pop_front();
        return next;
    }
};

} // namespace kalvado::test
