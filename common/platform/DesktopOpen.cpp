#include "common/platform/DesktopOpen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>

namespace DesktopOpen {

namespace {

// The XDG rules ignore relative entries.
QStringList absoluteDirs(const QString& list, const QStringList& fallback) {
    QStringList dirs;
    for (const QString& dir : list.split(':', Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            dirs << dir;
    }
    return dirs.isEmpty() ? fallback : dirs;
}

QString absoluteDir(const char* variable, const QString& fallback) {
    const QString dir = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(dir) ? dir : fallback;
}

// Key/value lines of one group of a desktop-style file; the first of a
// repeated key wins.
QHash<QString, QString> readGroup(const QString& path, const QString& group) {
    QHash<QString, QString> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    bool inGroup = false;
    const QString header = '[' + group + ']';
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inGroup = line == header;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inGroup && equals > 0) {
            const QString key = line.left(equals).trimmed();
            if (!values.contains(key))
                values.insert(key, line.mid(equals + 1).trimmed());
        }
    }
    return values;
}

// The escapes of desktop-entry string values.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        out += next == 's'   ? QChar(' ')
               : next == 'n' ? QChar('\n')
               : next == 't' ? QChar('\t')
               : next == 'r' ? QChar('\r')
                             : next;
    }
    return out;
}

std::optional<QString> findDesktopEntry(const XdgDirs& dirs, const QString& id) {
    QStringList roots{dirs.dataHome};
    roots += dirs.dataDirs;
    for (const QString& root : roots) {
        const QString path = root + QStringLiteral("/applications/") + id;
        if (QFileInfo(path).isFile())
            return path;
    }
    return std::nullopt;
}

bool isPlaceholderCode(QChar c) {
    return QStringLiteral("1uUfF").contains(c);
}

// Arguments by the desktop-entry quoting rules; nullopt on an open quote.
std::optional<QStringList> splitArguments(const QString& line) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == '"')
                quoted = false;
            else if (c == '\\' && i + 1 < line.size())
                current += line[++i];
            else
                current += c;
        } else if (c == ' ' || c == '\t') {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            inArgument = true;
            if (c == '"')
                quoted = true;
            else
                current += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;

    // Field codes other than the placeholder stand for nothing here.
    QStringList expanded;
    for (const QString& argument : std::as_const(arguments)) {
        if (argument.size() == 2 && argument[0] == '%' && argument[1] != '%')
            continue;
        expanded << QString(argument).replace(QStringLiteral("%%"), QStringLiteral("%"));
    }
    return expanded;
}

} // namespace

XdgDirs XdgDirs::fromEnvironment() {
    const QString home = QDir::homePath();
    XdgDirs dirs;
    dirs.configHome = absoluteDir("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    dirs.configDirs = absoluteDirs(qEnvironmentVariable("XDG_CONFIG_DIRS"), {"/etc/xdg"});
    dirs.dataHome = absoluteDir("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    dirs.dataDirs =
        absoluteDirs(qEnvironmentVariable("XDG_DATA_DIRS"), {"/usr/local/share", "/usr/share"});
    for (const QString& desktop :
         qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts))
        dirs.desktops << desktop.toLower();
    dirs.path = qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts);
    return dirs;
}

QStringList mimeappsListPaths(const XdgDirs& dirs) {
    QStringList files;
    const auto addDir = [&](const QString& dir) {
        for (const QString& desktop : dirs.desktops)
            files << dir + '/' + desktop + QStringLiteral("-mimeapps.list");
        files << dir + QStringLiteral("/mimeapps.list");
    };
    addDir(dirs.configHome);
    for (const QString& dir : dirs.configDirs)
        addDir(dir);
    addDir(dirs.dataHome + QStringLiteral("/applications"));
    for (const QString& dir : dirs.dataDirs)
        addDir(dir + QStringLiteral("/applications"));
    return files;
}

std::optional<QString> defaultBrowserEntry(const XdgDirs& dirs) {
    const QStringList lists = mimeappsListPaths(dirs);
    for (const char* type : {"x-scheme-handler/https", "x-scheme-handler/http", "text/html"}) {
        for (const QString& list : lists) {
            const QString ids = readGroup(list, QStringLiteral("Default Applications"))
                                    .value(QString::fromLatin1(type));
            // The first installed one of the listed handlers.
            for (const QString& id : ids.split(';', Qt::SkipEmptyParts)) {
                if (auto entry = findDesktopEntry(dirs, id.trimmed()))
                    return entry;
            }
        }
    }
    return std::nullopt;
}

std::optional<QString> readExecLine(const QString& desktopEntryPath) {
    const auto group = readGroup(desktopEntryPath, QStringLiteral("Desktop Entry"));
    const auto exec = group.constFind(QStringLiteral("Exec"));
    if (exec == group.cend())
        return std::nullopt;
    return unescapeValue(*exec);
}

QString cutAtPlaceholder(const QString& execLine) {
    qsizetype bare = -1;
    for (qsizetype i = 0; i + 1 < execLine.size(); ++i) {
        if (execLine[i] != '%')
            continue;
        if (execLine[i + 1] == '%') { // a literal percent sign
            ++i;
            continue;
        }
        if (!isPlaceholderCode(execLine[i + 1]))
            continue;
        // A quoted placeholder is looked for first, wherever it stands.
        if (i > 0 && execLine[i - 1] == '"' && i + 2 < execLine.size() && execLine[i + 2] == '"')
            return execLine.left(i - 1);
        if (bare < 0)
            bare = i;
    }
    return bare < 0 ? execLine : execLine.left(bare);
}

std::optional<QStringList> browserCommandLine(const QString& execLine, const QString& target) {
    auto arguments = splitArguments(cutAtPlaceholder(execLine));
    if (!arguments || arguments->isEmpty() || arguments->first().isEmpty())
        return std::nullopt;
    // The target is one argument whatever it holds; no shell ever sees it.
    *arguments << target;
    return arguments;
}

int startProgram(const QStringList& arguments, const QStringList& path) {
    const QString& program = arguments.first();
    QString resolved;
    if (program.contains('/')) {
        const QFileInfo file(program);
        if (!file.exists())
            return file.dir().exists() ? kFileNotFound : kPathNotFound;
        if (file.isDir() || !file.isExecutable())
            return kAccessDenied;
        resolved = file.absoluteFilePath();
    } else {
        bool denied = false;
        for (const QString& dir : path) {
            const QFileInfo file(QDir(dir).filePath(program));
            if (!file.exists())
                continue;
            if (!file.isDir() && file.isExecutable()) {
                resolved = file.absoluteFilePath();
                break;
            }
            denied = true;
        }
        if (resolved.isEmpty())
            return denied ? kAccessDenied : kFileNotFound;
    }
    return QProcess::startDetached(resolved, arguments.mid(1)) ? kOpened : kBadFormat;
}

int openWithDefaultBrowser(const QString& target, const XdgDirs& dirs) {
    const auto entry = defaultBrowserEntry(dirs);
    if (!entry)
        return kNoAssociation;
    const auto exec = readExecLine(*entry);
    const auto command = exec ? browserCommandLine(*exec, target) : std::nullopt;
    if (!command)
        return kIncompleteAssociation;
    return startProgram(*command, dirs.path);
}

} // namespace DesktopOpen
