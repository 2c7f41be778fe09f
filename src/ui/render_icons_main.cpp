// SPDX-License-Identifier: Apache-2.0
// harvela_render_icons <folder> <icon name>: renders the program's icon into
// the hicolor theme layout, <folder>/<n>x<n>/apps/<icon name>.png, at every
// theme size. Run at build time on the offscreen platform, so the installed
// icons are the very images the window draws.

#include <QDir>
#include <QGuiApplication>
#include <QString>

#include <cstdio>

#include "ui/program_icon.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: harvela_render_icons <folder> <icon name>\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QString iconName = QString::fromLocal8Bit(argv[2]);
    for (const int size : harvela::kThemeIconSizes) {
        const QString sizeFolder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = folder.filePath(sizeFolder + QLatin1Char('/') + iconName + QStringLiteral(".png"));
        if (!folder.mkpath(sizeFolder) || !harvela::drawIconImage(size).save(path, "PNG")) {
            std::fprintf(stderr, "harvela_render_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
