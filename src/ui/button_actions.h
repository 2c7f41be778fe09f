// SPDX-License-Identifier: Apache-2.0
#pragma once

// What the buttons and the author label do: read a box, convert, write a box;
// copy a box to the clipboard; empty two boxes; open the author's page.
// Qt-free: the window binds these to its controls and hands in real boxes and
// desktop services.

#include "convert/convert_characters.h"
#include "text/box.h"
#include "ui/platform_services.h"

namespace harvela {

inline constexpr const char* authorPageAddress = "https://vintrel.example/";
inline constexpr const char* kCopyFailedText = "\xb8\xb4\xd6\xc6\xca\xa7\xb0\xdc";  // 复制失败
inline constexpr const char* kCopyCaption = "\xb8\xb4\xd6\xc6";                     // 复制

// The boxes the buttons work on, by their names in the window.
struct ButtonBoxes {
    Box& 编辑框2;  // amount in words
    Box& 编辑框3;  // simplified / traditional result
    Box& 编辑框4;  // simplified / traditional input
    Box& 编辑框5;  // re-encoding input
    Box& 编辑框6;  // re-encoding result
    Box& 编辑框7;  // Martian input
    Box& 编辑框8;  // Martian result
};

class ButtonActions {
public:
    ButtonActions(const ButtonBoxes& boxes, PlatformServices& services) : boxes_(boxes), services_(services) {}

    void copyAmountInWords();     // 按钮1
    void convertToTraditional();  // 按钮2
    void convertToSimplified();   // 按钮3
    void copyCharacterResult();   // 按钮4
    void reencodeUtf8ToGb2312();  // 按钮5
    void reencodeGb2312ToUtf8();  // 按钮6
    void copyReencodingResult();  // 按钮7
    void convertToMartian();      // 按钮8
    void convertFromMartian();    // 按钮9
    void copyMartianResult();     // 按钮10
    void clearCharacterPage();    // 按钮11
    void clearMartianPage();      // 按钮12
    void clearReencodingPage();   // 按钮13
    void openAuthorPage();        // 透明标签2

private:
    // Each page's two convert buttons read the same input box and write the same output box.
    void convertCharacterPage(ConversionKind kind);
    void convertMartianPage(bool toMartian);
    void copyToClipboard(const Box& box);
    void reencode(const char* fromEncoding, const char* toEncoding);

    ButtonBoxes boxes_;
    PlatformServices& services_;
};

}  // namespace harvela
