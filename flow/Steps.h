#pragma once

#include <exception>
#include <functional>
#include <initializer_list>

namespace kalvado {

// Runs the steps of a guarded handler in order. When a step fails, the
// handler's recovery runs and the handler goes on with the next step, so
// one broken image costs only the image, never the rest of the action.
inline void RunSteps(std::initializer_list<std::function<void()>> steps, const std::function<void()>& recover)
{
    for (const auto& step : steps) {
        try {
            step();
        } catch (const std::exception&) {
            recover();
        }
    }
}

} // namespace kalvado
