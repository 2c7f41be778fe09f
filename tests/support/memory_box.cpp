// SPDX-License-Identifier: Apache-2.0
#include "memory_box.h"

#include <utility>

namespace harvela {

void MemoryBox::write(Text text)
{
    text_ = text;
    writes_.push_back(std::move(text));
    raiseTextChanged();
}

void MemoryBox::type(const Text& text)
{
    text_ = text;
    raiseTextChanged();
}

void MemoryBox::forgetHistory()
{
    writes_.clear();
    changeEvents_ = 0;
}

void MemoryBox::raiseTextChanged()
{
    ++changeEvents_;
    if (handler_) {
        handler_();
    }
}

}  // namespace harvela
