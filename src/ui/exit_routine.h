// SPDX-License-Identifier: Apache-2.0
#pragma once

// The exit routine slot: one routine, or none, that runs once when the
// program ends normally.

#include <functional>

namespace harvela {

class ExitRoutineSlot {
public:
    // Replaces the routine registered before, if any.
    void registerRoutine(std::function<void()> routine) { routine_ = std::move(routine); }
    // Forgets the routine without running it.
    void discard() { routine_ = nullptr; }
    // Runs the routine, if one is registered, and forgets it.
    void runAndForget()
    {
        std::function<void()> routine = std::move(routine_);
        routine_ = nullptr;
        if (routine) {
            routine();
        }
    }
    bool isRegistered() const { return static_cast<bool>(routine_); }

private:
    std::function<void()> routine_;
};

}  // namespace harvela
