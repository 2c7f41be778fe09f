// SPDX-License-Identifier: Apache-2.0
// The harvela executable: prepares the user-interface system and runs the
// program; its result is the process's exit code.

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "ui/program.h"
#include "ui/qt_platform_services.h"

namespace {

// Without a display the toolkit would abort with its own error; say it plainly.
bool displayAvailable()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("harvela: no display available (DISPLAY is not set); "
                   "to try it without one, run it under Xvfb: xvfb-run -a harvela\n",
                   stderr);
        return -1;
    }
    QApplication application(argc, argv);
    // Desktops and Wayland compositors match the window to its desktop entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(HARVELA_APP_ID));
    harvela::StandardWindowFactory windows;
    harvela::ProgramState state;
    harvela::QtPlatformServices services;
    return harvela::runProgram(windows, state, services);
}
