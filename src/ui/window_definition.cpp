// SPDX-License-Identifier: Apache-2.0
#include "ui/window_definition.h"

#include <QFontDatabase>
#include <QStringList>

#include "ui/program_icon.h"

namespace harvela {

namespace {

// Song/Ming-style faces, best first: the Windows face itself, then the ones
// Linux desktops ship.
const char16_t* const kSongFamilies[] = {
    u"SimSun",
    u"宋体",
    u"Noto Serif CJK SC",
    u"Source Han Serif SC",
    u"Source Han Serif CN",
    u"AR PL UMing CN",
    u"Noto Serif CJK TC",
};

QString installedSongFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const char16_t* family : kSongFamilies) {
        const QString name = QString::fromUtf16(family);
        if (installed.contains(name, Qt::CaseInsensitive)) {
            return name;
        }
    }
    return {};
}

}  // namespace

QFont WindowDefinition::songFont(int pixelHeight) const
{
    QFont font;
    font.setFamily(songFamily.isEmpty() ? QStringLiteral("serif") : songFamily);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

WindowDefinition prepareWindowDefinition()
{
    return WindowDefinition{installedSongFamily(), programIcon()};
}

}  // namespace harvela
