// SPDX-License-Identifier: Apache-2.0
// harvela_screenshot <folder>: shows the window as the program does, types a
// sample amount, puts a sample text into the input box of the other pages and
// saves one PNG per page (page-1.png … page-4.png) and the icon's images
// (icon.png) into the folder. At a device pixel ratio above 1 (for instance
// QT_SCALE_FACTOR=2) the names say so: page-1@2x.png … icon@2x.png. Used by
// `make screenshot` under Xvfb.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

#include "text/gbk_codec.h"
#include "ui/program.h"
#include "ui/program_icon.h"
#include "ui/qt_platform_services.h"

namespace {

using namespace harvela;

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void typeKeys(QWidget& target, const QString& keys)
{
    for (const QChar key : keys) {
        QKeyEvent press(QEvent::KeyPress, key.unicode(), Qt::NoModifier, QString(key));
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, key.unicode(), Qt::NoModifier, QString(key));
        QApplication::sendEvent(&target, &release);
    }
}

void writeSample(MainWindow& window, int boxNumber, const char* utf8)
{
    writeBoxText(window.editBox(boxNumber), utf8ToGbk(utf8));
}

QPixmap shotOf(MainWindow& window)
{
    QPixmap shot;
    if (QScreen* screen = window.screen()) {
        shot = screen->grabWindow(window.winId());
    }
    return shot.isNull() ? window.grab() : shot;
}

// The window's icon at each of its sizes, as the window gets it at this
// device pixel ratio.
QImage iconSheet(const QIcon& icon, qreal ratio)
{
    const int gap = 8;
    int width = gap;
    for (const int size : kIconSizes) {
        width += size + gap;
    }
    const QSize logical(width, kIconSizes.back() + 2 * gap);
    QImage sheet(logical * ratio, QImage::Format_ARGB32);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    int left = gap;
    for (const int size : kIconSizes) {
        painter.drawPixmap(left, gap + kIconSizes.back() - size,
                           icon.pixmap(QSize(size, size), ratio));
        left += size + gap;
    }
    return sheet;
}

// "" at a device pixel ratio of 1, "@2x" at 2.
QString ratioSuffix(qreal ratio)
{
    return ratio > 1 ? QStringLiteral("@%1x").arg(ratio) : QString();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: harvela_screenshot <folder>\n", stderr);
        return 2;
    }
    QApplication application(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "harvela_screenshot: cannot create %s\n", argv[1]);
        return 1;
    }

    StandardWindowFactory windows;
    std::unique_ptr<MainWindow> window;
    if (windows.prepareDefinition()) {
        window = windows.loadWindow();
    }
    if (window == nullptr) {
        std::fputs("harvela_screenshot: the window could not be built\n", stderr);
        return 1;
    }
    ProgramState state;
    QtPlatformServices services;
    bindWindow(*window, state, services);
    state.enterRunning();
    window->showCentred();
    settle(300);

    typeKeys(dynamic_cast<QWidget&>(window->editBox(1)), QStringLiteral("123456789012.34"));
    writeSample(*window, 4, "简体字与繁體字，一字一转。");
    writeSample(*window, 7, "火星文：把常用汉字换成形近字。");
    writeSample(*window, 5, "URL 编码解码：UTF-8 ⇄ GB2312");

    const qreal ratio = window->devicePixelRatioF();
    const QString suffix = ratioSuffix(ratio);
    bool saved = true;
    for (int page = 0; page < MainWindow::kPageCount; ++page) {
        window->tabs().setCurrentIndex(page);
        settle(200);
        const QString path = folder.filePath(QStringLiteral("page-%1%2.png").arg(page + 1).arg(suffix));
        saved = shotOf(*window).save(path) && saved;
    }
    saved = iconSheet(window->windowIcon(), ratio)
                .save(folder.filePath(QStringLiteral("icon%1.png").arg(suffix)))
            && saved;
    std::printf("%s %s\n", saved ? "Saved the pages and the icon into" : "Could not save into",
                qPrintable(folder.absolutePath()));
    return saved ? 0 : 1;
}
