// SPDX-License-Identifier: MIT
// Lexidor on Qt 6: one window, no arguments.
//
// Nothing is loaded from the program's own directory. By default Qt reads a
// qt6.conf or qt.conf found beside the executable (which may point the plugin
// search anywhere) and searches the executable's directory for plugins. A copy
// of the program started from a directory others can write to would then load
// whatever was planted there. So, before the application object exists:
// - a built-in ":/qt/etc/qt.conf", which Qt prefers to any file, repeats the
//   Qt installation's own directories, so no qt.conf file is looked for;
// - the plugin search path is the installation's plugin directory (and any
//   QT_PLUGIN_PATH the user set), without the executable's directory.

#include "QtWindow.h"

#include <QtCore/QByteArray>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QLibraryInfo>
#include <QtCore/QStringList>
#include <QtWidgets/QApplication>

#include <cstdint>
#include <vector>

QT_BEGIN_NAMESPACE
// Registers resource data in rcc's format (what rcc-generated code calls).
bool qRegisterResourceData(int version, const unsigned char* tree, const unsigned char* names,
                           const unsigned char* data);
QT_END_NAMESPACE

namespace {

void put16(std::vector<unsigned char>& out, std::uint16_t v)
{
    out.push_back(static_cast<unsigned char>(v >> 8));
    out.push_back(static_cast<unsigned char>(v & 0xFF));
}

void put32(std::vector<unsigned char>& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v >> 16));
    put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
}

// The hash rcc stores with each resource name.
std::uint32_t resourceNameHash(const QString& name)
{
    std::uint32_t h = 0;
    for (const QChar c : name) {
        h = (h << 4) + c.unicode();
        h ^= (h & 0xF0000000) >> 23;
        h &= 0x0FFFFFFF;
    }
    return h;
}

// ":/qt/etc/qt.conf" with every directory Qt was installed with, as QtCore
// reports them before any qt.conf is read: Qt then behaves as without one.
void registerBuiltInQtConf()
{
    struct Key {
        QLibraryInfo::LibraryPath path;
        const char* name;
    };
    static constexpr Key keys[] = {{QLibraryInfo::PrefixPath, "Prefix"},
                                   {QLibraryInfo::DocumentationPath, "Documentation"},
                                   {QLibraryInfo::HeadersPath, "Headers"},
                                   {QLibraryInfo::LibrariesPath, "Libraries"},
                                   {QLibraryInfo::LibraryExecutablesPath, "LibraryExecutables"},
                                   {QLibraryInfo::BinariesPath, "Binaries"},
                                   {QLibraryInfo::PluginsPath, "Plugins"},
                                   {QLibraryInfo::QmlImportsPath, "QmlImports"},
                                   {QLibraryInfo::ArchDataPath, "ArchData"},
                                   {QLibraryInfo::DataPath, "Data"},
                                   {QLibraryInfo::TranslationsPath, "Translations"},
                                   {QLibraryInfo::ExamplesPath, "Examples"},
                                   {QLibraryInfo::TestsPath, "Tests"},
                                   {QLibraryInfo::SettingsPath, "Settings"}};
    QByteArray conf("[Paths]\n");
    for (const Key& key : keys)
        conf += QByteArray(key.name) + '=' + QLibraryInfo::path(key.path).toUtf8() + '\n';

    // rcc format, version 1: a tree of nodes (root, "qt", "etc", "qt.conf"),
    // the names, and the file's data. Qt keeps pointers to all three.
    static std::vector<unsigned char> tree, names, data;
    put32(data, static_cast<std::uint32_t>(conf.size()));
    data.insert(data.end(), conf.begin(), conf.end());

    std::uint32_t nameOffset[3] = {};
    const QString parts[3] = {QStringLiteral("qt"), QStringLiteral("etc"), QStringLiteral("qt.conf")};
    for (int i = 0; i < 3; ++i) {
        nameOffset[i] = static_cast<std::uint32_t>(names.size());
        put16(names, static_cast<std::uint16_t>(parts[i].size()));
        put32(names, resourceNameHash(parts[i]));
        for (const QChar c : parts[i])
            put16(names, c.unicode());
    }
    constexpr std::uint16_t directory = 0x02;
    auto directoryNode = [](std::uint32_t name, std::uint32_t firstChild) {
        put32(tree, name);
        put16(tree, directory);
        put32(tree, 1); // one child
        put32(tree, firstChild);
    };
    directoryNode(0, 1);             // root
    directoryNode(nameOffset[0], 2); // qt
    directoryNode(nameOffset[1], 3); // etc
    put32(tree, nameOffset[2]);      // qt.conf: a file
    put16(tree, 0);                  // flags
    put16(tree, 0);                  // any territory
    put16(tree, 1);                  // language C
    put32(tree, 0);                  // data offset
    qRegisterResourceData(1, tree.data(), names.data(), data.data());
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
    registerBuiltInQtConf();
    keepPluginsToTheInstallation();

    QApplication app(argc, argv);
    lexidor::QtWindow::setApplicationIdentity();

    lexidor::QtWindow window([] { QCoreApplication::quit(); });
    window.showCentred();
    return QApplication::exec();
}
