// SPDX-License-Identifier: Apache-2.0
#pragma once

// An in-memory box for tests: it records every write and every text-changed
// event, and can run a handler on each change, as the amount box does.

#include <functional>
#include <vector>

#include "text/box.h"

namespace harvela {

class MemoryBox : public Box {
public:
    Text read() const override { return text_; }
    void write(Text text) override;

    // A change made by the user (typing, deleting, pasting): raises the event.
    void type(const Text& text);
    void onTextChanged(std::function<void()> handler) { handler_ = std::move(handler); }

    const std::vector<Text>& writes() const { return writes_; }
    int changeEvents() const { return changeEvents_; }
    void forgetHistory();

private:
    void raiseTextChanged();

    Text text_;
    std::vector<Text> writes_;
    int changeEvents_ = 0;
    std::function<void()> handler_;
};

}  // namespace harvela
