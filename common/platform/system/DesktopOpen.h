#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Opening a web address with the desktop's own opener (xdg-open, else gio),
// and, where there is none or it gives up, with the default browser named in
// mimeapps.list, started from its desktop entry's Exec= line. Nothing goes
// through a shell. Results use the classic shell codes: above 32 on success.
namespace DesktopOpen {

inline constexpr int kOpened = 33;
inline constexpr int kFileNotFound = 2;
inline constexpr int kPathNotFound = 3;
inline constexpr int kAccessDenied = 5;
inline constexpr int kBadFormat = 11;
inline constexpr int kIncompleteAssociation = 27;
inline constexpr int kNoAssociation = 31;

// Desktop files are small; a mimeapps.list or desktop entry above this size
// is passed over as if it were absent, as is anything but a regular file.
inline constexpr qint64 kMaxFileSize = 1024 * 1024;

// Runs once with the outcome, on the thread that asked; possibly before the
// call that was given it returns.
using Done = std::function<void(int code)>;

// Where the desktop keeps its configuration and data, as the XDG base
// directory rules give them.
struct XdgDirs {
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;
    QStringList desktops; // lower case, from XDG_CURRENT_DESKTOP
    QStringList path;     // PATH, for programs named without a directory

    static XdgDirs fromEnvironment();
};

// The mimeapps.list files in the order they are consulted.
QStringList mimeappsListPaths(const XdgDirs& dirs);
// The file of a desktop id in the first data folder that has one. A dash of
// the id may stand for a subfolder of applications/ ("a-b.desktop" is also
// "a/b.desktop"). Ids with a slash or ".." are refused.
std::optional<QString> desktopEntryPath(const XdgDirs& dirs, const QString& id);
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

// Starts `arguments` (program first; looked up on `path` unless it names a
// directory) and tells `done`: kOpened once the program ends with status 0
// or is still running after `graceMs` (a browser that stays in the
// foreground), `failure` when it ends otherwise, or why it could not start.
// The program is never stopped, and is reaped whenever it ends.
void startProgram(const QStringList& arguments, const QStringList& path, int graceMs, int failure,
                  Done done);

// The default browser of mimeapps.list: find it, build its command line,
// start it. One that fails at once is an invalid association.
void openWithDefaultBrowser(const QString& target, const XdgDirs& dirs, int graceMs, Done done);

// The desktop's opener found on the search path, with the target as one
// argument; the default browser when there is no opener or it fails. The
// opener's failure stands when no default browser is declared.
void openAddress(const QString& target, const XdgDirs& dirs, int graceMs, Done done);

} // namespace DesktopOpen
