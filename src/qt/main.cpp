// SPDX-License-Identifier: MIT
// Lexidor on Qt 6: one window. With no argument it opens the window; --help
// and --version answer on the terminal before anything of Qt starts (no
// display needed); any other argument is refused with status 2.
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

#include "LexidorVersion.h"

#include <cstdio>
#include <string_view>

namespace {

void printHelp();
void printVersion()
{
    std::puts("lexidor " LEXIDOR_VERSION);
}

// The options and their texts, in one place: the help lists this table.
struct Option {
    std::string_view shortName, longName, description;
    void (*answer)();
};
constexpr Option options[] = {
    {"-h", "--help", "muestra esta ayuda y termina", printHelp},
    {"-V", "--version", "muestra la versión y termina", printVersion},
};

void printHelp()
{
    std::fputs("Uso: lexidor [OPCIÓN]\n"
               "Glosario de términos de emergencia nuclear. Sin opciones abre la ventana:\n"
               "escriba un término o elíjalo en la lista, y pulse «Buscar» o Intro para ver\n"
               "su definición. Alt+C cierra el programa.\n\n"
               "Opciones:\n",
               stdout);
    for (const Option& o : options)
        std::printf("  %.*s, %-10.*s %.*s\n", int(o.shortName.size()), o.shortName.data(),
                    int(o.longName.size()), o.longName.data(), int(o.description.size()),
                    o.description.data());
}

const Option* findOption(std::string_view argument)
{
    for (const Option& o : options)
        if (argument == o.shortName || argument == o.longName)
            return &o;
    return nullptr;
}

// Answers --help and --version, and refuses anything else: the exit status,
// or -1 when there is no argument and the window is to open.
int answerArguments(int argc, char* argv[])
{
    if (argc < 2)
        return -1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!findOption(argument)) {
            std::fprintf(stderr,
                         "lexidor: %s «%s»\n"
                         "Pruebe «lexidor --help» para ver las opciones.\n",
                         argument.starts_with('-') ? "opción desconocida" : "argumento no admitido", argv[i]);
            return 2;
        }
    }
    findOption(argv[1])->answer();
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

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
    if (const int status = answerArguments(argc, argv); status >= 0)
        return status;

    keepPluginsToTheInstallation();

    QApplication app(argc, argv);
    lexidor::QtWindow::setApplicationIdentity();

    lexidor::QtWindow window([] { QCoreApplication::quit(); });
    window.showCentred();
    return QApplication::exec();
}
