// SPDX-License-Identifier: Apache-2.0
#include "ui/screen_reader_names.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTabWidget>

#include "ui/box_text.h"
#include "ui/button_actions.h"
#include "ui/press_label.h"

namespace harvela {

namespace {

struct ControlText {
    const char16_t* control;      // object name
    const char16_t* name;
    const char16_t* description;  // only where the name repeats
};

constexpr ControlText kControlTexts[] = {
    {u"编辑框1", u"金额（阿拉伯数字）", nullptr},
    {u"编辑框2", u"大写金额", nullptr},
    {u"按钮1", u"复制转换结果", u"复制大写金额到剪贴板"},

    {u"编辑框4", u"要转换的简体字或繁体字", nullptr},
    {u"编辑框3", u"简繁转换结果", nullptr},
    {u"按钮2", u"转换为繁体字", nullptr},
    {u"按钮3", u"转换为简体字", nullptr},
    {u"按钮11", u"清空", u"清空繁体字转换页的原文和结果"},
    {u"按钮4", u"复制转换结果", u"复制简繁转换结果到剪贴板"},

    {u"编辑框7", u"要转换的简体字或火星文", nullptr},
    {u"编辑框8", u"火星文转换结果", nullptr},
    {u"按钮8", u"简体转换为火星文", nullptr},
    {u"按钮9", u"火星文转换为简体", nullptr},
    {u"按钮12", u"清空", u"清空火星文转换页的原文和结果"},
    {u"按钮10", u"复制转换结果", u"复制火星文转换结果到剪贴板"},

    {u"编辑框5", u"要重新编码的文字", nullptr},
    {u"编辑框6", u"重新编码的结果", nullptr},
    {u"按钮5", u"从 UTF-8 转换为 GB2312", nullptr},
    {u"按钮6", u"从 GB2312 转换为 UTF-8", nullptr},
    {u"按钮13", u"清空", u"清空URL编码解码页的原文和结果"},
    {u"按钮7", u"复制转换结果", u"复制重新编码的结果到剪贴板"},
};

// A label that acts on a press is a link to assistive technology.
class PressLabelAccessible : public QAccessibleWidget {
public:
    explicit PressLabelAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
};

// Qt takes ownership of the interface it is handed and deletes it with the widget.
QAccessibleInterface* pressLabelAsLink(const QString& /*className*/, QObject* object)
{
    auto* label = dynamic_cast<PressLabel*>(object);
    return label != nullptr ? new PressLabelAccessible(label) : nullptr;
}

QString fromUtf16(const char16_t* text)
{
    return text != nullptr ? QString::fromUtf16(text) : QString();
}

}  // namespace

void nameControlsForScreenReaders(QWidget& window)
{
    // Before any interface of a press label is asked for and cached.
    QAccessible::installFactory(pressLabelAsLink);

    for (const ControlText& text : kControlTexts) {
        if (auto* control = window.findChild<QWidget*>(fromUtf16(text.control))) {
            control->setAccessibleName(fromUtf16(text.name));
            control->setAccessibleDescription(fromUtf16(text.description));
        }
    }
    if (auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("选择夹1"))) {
        tabs->setAccessibleName(QStringLiteral("转换种类"));
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->widget(page)->setAccessibleName(tabs->tabText(page));
        }
    }
    if (auto* author = window.findChild<PressLabel*>(QStringLiteral("透明标签2"))) {
        author->setAccessibleName(author->text());
        // The address as the opener is handed it.
        author->setAccessibleDescription(shownFromText(authorPageAddress, BoxLines::single));
    }
}

}  // namespace harvela
