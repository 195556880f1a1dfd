#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Opening a web address with the desktop's default browser when the toolkit's
// own "open" finds none: the handler named in mimeapps.list, started from its
// desktop entry's Exec= line without a shell. Results use the classic shell
// codes: above 32 on success.
namespace DesktopOpen {

inline constexpr int kOpened = 33;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kBadFormat = 11;
inline constexpr int kIncompleteAssociation = 27;
inline constexpr int kNoAssociation = 31;

// Where the desktop keeps its configuration and data, as the XDG base
// directory rules give them.
struct XdgDirs {
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;
    QStringList desktops; // lower case, from XDG_CURRENT_DESKTOP
    QStringList path;     // PATH, for handlers named without a directory

    static XdgDirs fromEnvironment();
};

// The mimeapps.list files in the order they are consulted.
QStringList mimeappsListPaths(const XdgDirs& dirs);
// The desktop entry of the default handler for web pages: the scheme handlers
// for https, then http, then the handler for HTML files.
std::optional<QString> defaultBrowserEntry(const XdgDirs& dirs);
// The Exec= value of a desktop entry's main group, unescaped; nullopt when
// the file or the key is missing.
std::optional<QString> readExecLine(const QString& desktopEntryPath);

// The command line up to its placeholder: "%1" in quotes if present
// anywhere, else the first bare one; the field codes %u %U %f %F count as %1.
// The whole line when it has none.
QString cutAtPlaceholder(const QString& execLine);
// The cut Exec line split by the desktop-entry quoting rules, with the target
// as one last argument whatever it holds. Nullopt when the line names no
// program or its quoting is broken.
std::optional<QStringList> browserCommandLine(const QString& execLine, const QString& target);

// Starts `arguments` (program first) detached; the program is looked up on
// `path` unless it names a directory.
int startProgram(const QStringList& arguments, const QStringList& path);

// The whole fallback: find the handler, build its command line, start it.
int openWithDefaultBrowser(const QString& target, const XdgDirs& dirs);

} // namespace DesktopOpen
