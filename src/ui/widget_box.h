// SPDX-License-Identifier: Apache-2.0
#pragma once

// A box over a real widget. The widget holds Unicode; the program reads and
// writes GBK texts. Reading after a write gives back exactly the bytes
// written, even bytes that stand for no character (shown as U+FFFD), while
// the widget's own change signal reports no other change; what the widget
// makes of the text while showing it (a line edit's length limit, say) does
// not count. After any other change the box reads what the widget shows,
// unless an editable box shows again exactly what the last write put there
// (an edit undone by hand).

#include <QString>

#include <functional>
#include <optional>

#include "text/box.h"
#include "ui/box_text.h"

namespace harvela {

class WidgetBox : public Box {
public:
    Text read() const final;
    // Raises the text-changed event exactly once.
    void write(Text text) final;

    // The handler of the text-changed event: runs after every change of the
    // text, by the user or by write().
    void onTextChanged(std::function<void()> handler) { handler_ = std::move(handler); }

protected:
    explicit WidgetBox(BoxLines lines) : lines_(lines) {}
    ~WidgetBox() override = default;

    // The widget's text as it stands, and replacing it.
    virtual QString shownText() const = 0;
    virtual void showText(const QString& shown) = 0;
    // Whether the user can change the text; only the program changes a
    // read-only box.
    virtual bool userEditable() const = 0;

    // Subclasses call this for every change their widget reports.
    void widgetTextChanged();

private:
    void raiseTextChanged();

    BoxLines lines_;
    Text written_;
    // Until the first write, the widget's text is the box's text.
    bool changedSinceWrite_ = true;
    // What an editable box showed right after the last write.
    std::optional<QString> shownForWritten_;
    bool writing_ = false;
    std::function<void()> handler_;
};

}  // namespace harvela
