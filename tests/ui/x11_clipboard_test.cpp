// SPDX-License-Identifier: Apache-2.0
// End to end on a real X server: the copy button puts the result on the X11
// clipboard, and another program (xclip) reads it back as the same characters.

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include "gbk.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/qt_platform_services.h"

namespace harvela {
namespace {

// Runs xclip while this program keeps answering the X server, which asks the
// clipboard's owner (this program) for its content.
QByteArray readX11Clipboard()
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                 QStringLiteral("-t"), QStringLiteral("UTF8_STRING")});
    const QDeadlineTimer deadline(10000);
    while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        xclip.waitForFinished(20);
    }
    EXPECT_EQ(xclip.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(xclip.exitCode(), 0) << xclip.readAllStandardError().toStdString();
    return xclip.readAllStandardOutput();
}

TEST(X11Clipboard, TheCopyButtonPutsTheResultOnTheDesktopClipboard)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const WindowDefinition definition = prepareWindowDefinition();
    MainWindow window(definition);
    ProgramState state;
    QtPlatformServices services;
    bindWindow(window, state, services);
    state.enterRunning();
    window.showCentred();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    window.tabs().setCurrentIndex(1);
    writeBoxText(window.editBox(4), gbk("头发，爱国"));
    QTest::mouseClick(&window.button(2), Qt::LeftButton);
    QTest::mouseClick(&window.button(4), Qt::LeftButton);

    EXPECT_EQ(QString::fromUtf8(readX11Clipboard()), QString::fromUtf8("頭發，愛國"));
}

}  // namespace
}  // namespace harvela
