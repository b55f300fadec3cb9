// SPDX-License-Identifier: MIT
// Lexidor on Qt 6: one window, no arguments.
//
// Nothing is loaded from the program's own directory. By default Qt reads a
// qt6.conf or qt.conf found beside the executable (which may point the plugin
// search anywhere) and searches the executable's directory for plugins. A copy
// of the program started from a directory others can write to would then load
// whatever was planted there. So, before the application object exists:
// - a built-in ":/qt/etc/qt.conf" (made by the build), which Qt prefers to
//   any file, repeats the Qt installation's own directories, so no qt.conf
//   file is looked for;
// - the plugin search path is the installation's plugin directory (and any
//   QT_PLUGIN_PATH the user set), without the executable's directory.

#include "QtWindow.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QStringList>
#include <QtWidgets/QApplication>

namespace {

// Qt adds the executable's directory to the plugin search path when the
// application object is created, then replays changes made before it on top:
// a directory that was in the search path and was taken out stays out. The
// executable's directory is put in through QT_PLUGIN_PATH for the moment the
// search path is first worked out, and taken out again.
void keepPluginsToTheInstallation()
{
    const QString exeDir = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).canonicalPath();
    const bool userPath = qEnvironmentVariableIsSet("QT_PLUGIN_PATH");
    const QByteArray userValue = qgetenv("QT_PLUGIN_PATH");

    qputenv("QT_PLUGIN_PATH", QFile::encodeName(exeDir));
    QStringList paths = QCoreApplication::libraryPaths();
    paths.removeAll(exeDir);
    QCoreApplication::setLibraryPaths(paths);

    if (userPath)
        qputenv("QT_PLUGIN_PATH", userValue);
    else
        qunsetenv("QT_PLUGIN_PATH");
}

} // namespace

int main(int argc, char* argv[])
{
    keepPluginsToTheInstallation();

    QApplication app(argc, argv);
    lexidor::QtWindow::setApplicationIdentity();

    lexidor::QtWindow window([] { QCoreApplication::quit(); });
    window.showCentred();
    return QApplication::exec();
}
