// SPDX-License-Identifier: Apache-2.0
#include "ui/qt_platform_services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include "ui/box_text.h"

namespace harvela {

bool QtPlatformServices::setClipboardText(const Text& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    // The characters the box shows, line breaks as the desktop writes them.
    const QString shown = shownFromText(text, BoxLines::multiple);
    clipboard->setText(shown, QClipboard::Clipboard);
    return clipboard->text(QClipboard::Clipboard) == shown;
}

void QtPlatformServices::showMessageBox(const Text& text, const Text& caption)
{
    QMessageBox box(QMessageBox::NoIcon, shownFromText(caption, BoxLines::single),
                    shownFromText(text, BoxLines::multiple), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatformServices::openAddress(const Text& address)
{
    QDesktopServices::openUrl(QUrl(shownFromText(address, BoxLines::single)));
}

}  // namespace harvela
