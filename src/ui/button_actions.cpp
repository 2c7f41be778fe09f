// SPDX-License-Identifier: Apache-2.0
#include "ui/button_actions.h"

#include "convert/convert_encoding.h"
#include "convert/martian_text.h"

namespace harvela {

void ButtonActions::copyToClipboard(const Box& box)
{
    // An empty box puts the empty text on the clipboard too.
    if (!services_.setClipboardText(readBoxText(box))) {
        services_.showMessageBox(kCopyFailedText, kCopyCaption);
    }
}

void ButtonActions::reencode(const char* fromEncoding, const char* toEncoding)
{
    // Each value passes on to the next step without a copy of the whole text.
    writeBoxText(boxes_.编辑框6,
                 bytesToText(convertEncoding(textToBytes(readBoxText(boxes_.编辑框5)), fromEncoding, toEncoding)));
}

void ButtonActions::convertCharacterPage(ConversionKind kind)
{
    writeBoxText(boxes_.编辑框3, convertCharacters(readBoxText(boxes_.编辑框4), kind));
}

void ButtonActions::convertMartianPage(bool toMartian)
{
    writeBoxText(boxes_.编辑框8, convertMartianText(readBoxText(boxes_.编辑框7), toMartian));
}

void ButtonActions::copyAmountInWords()
{
    copyToClipboard(boxes_.编辑框2);
}

void ButtonActions::convertToTraditional()
{
    convertCharacterPage(simplifiedToTraditional);
}

void ButtonActions::convertToSimplified()
{
    convertCharacterPage(traditionalToSimplified);
}

void ButtonActions::copyCharacterResult()
{
    copyToClipboard(boxes_.编辑框3);
}

void ButtonActions::reencodeUtf8ToGb2312()
{
    reencode(kUtf8, kGb2312);
}

void ButtonActions::reencodeGb2312ToUtf8()
{
    reencode(kGb2312, kUtf8);
}

void ButtonActions::copyReencodingResult()
{
    copyToClipboard(boxes_.编辑框6);
}

void ButtonActions::convertToMartian()
{
    convertMartianPage(true);
}

void ButtonActions::convertFromMartian()
{
    convertMartianPage(false);
}

void ButtonActions::copyMartianResult()
{
    copyToClipboard(boxes_.编辑框8);
}

void ButtonActions::clearCharacterPage()
{
    writeBoxText(boxes_.编辑框3, Text());
    writeBoxText(boxes_.编辑框4, Text());
}

void ButtonActions::clearMartianPage()
{
    writeBoxText(boxes_.编辑框7, Text());
    writeBoxText(boxes_.编辑框8, Text());
}

void ButtonActions::clearReencodingPage()
{
    writeBoxText(boxes_.编辑框5, Text());
    writeBoxText(boxes_.编辑框6, Text());
}

void ButtonActions::openAuthorPage()
{
    services_.openAddress(authorPageAddress);
}

}  // namespace harvela
