#include "common/platform/system/DesktopOpen.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTimer>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>
#include <utility>
#include <vector>

extern char** environ;

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

bool isSmallRegularFile(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_size <= kMaxFileSize;
}

bool isSmallRegularFile(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && isSmallRegularFile(info);
}

// The whole file, or nullopt for anything that is not a small regular file.
// A FIFO, a device or a huge file may sit where a desktop file is looked
// for; opening without waiting and checking what was opened keeps the window
// from hanging on a FIFO or reading /dev/zero for ever.
std::optional<QByteArray> readSmallRegularFile(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0 || !isSmallRegularFile(info) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray content = file.read(kMaxFileSize + 1);
    // It may have grown since it was looked at.
    if (content.size() > kMaxFileSize)
        return std::nullopt;
    return content;
}

// Key/value lines of one group of a desktop-style file; the first of a
// repeated key wins.
QHash<QString, QString> readGroup(const QString& path, const QString& group) {
    QHash<QString, QString> values;
    const auto content = readSmallRegularFile(path);
    if (!content)
        return values;
    bool inGroup = false;
    const QString header = '[' + group + ']';
    for (const QByteArray& raw : content->split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
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

// The rest of a desktop id below `dir`: the file of that name, else each
// dash, the first one first, may stand for a subfolder.
std::optional<QString> findBelow(const QString& dir, const QString& rest) {
    const QString file = dir + '/' + rest;
    if (isSmallRegularFile(file))
        return file;
    for (qsizetype dash = rest.indexOf('-', 1); dash > 0 && dash + 1 < rest.size();
         dash = rest.indexOf('-', dash + 1)) {
        const QString folder = dir + '/' + rest.left(dash);
        if (!QFileInfo(folder).isDir())
            continue;
        if (auto found = findBelow(folder, rest.mid(dash + 1)))
            return found;
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

std::optional<QString> desktopEntryPath(const XdgDirs& dirs, const QString& id) {
    // Each dash may turn into a slash, so ".." anywhere could climb out of
    // applications/. No installed id comes near 255 characters; a longer one
    // is not worth a walk through the folders.
    if (id.isEmpty() || id.size() > 255 || id.contains('/') || id.contains(QStringLiteral("..")))
        return std::nullopt;
    QStringList roots{dirs.dataHome};
    roots += dirs.dataDirs;
    for (const QString& root : roots) {
        if (auto entry = findBelow(root + QStringLiteral("/applications"), id))
            return entry;
    }
    return std::nullopt;
}

std::optional<QString> defaultBrowserEntry(const XdgDirs& dirs) {
    QList<QHash<QString, QString>> defaults;
    for (const QString& list : mimeappsListPaths(dirs))
        defaults << readGroup(list, QStringLiteral("Default Applications"));
    for (const char* type : {"x-scheme-handler/https", "x-scheme-handler/http", "text/html"}) {
        for (const auto& group : std::as_const(defaults)) {
            const QString ids = group.value(QString::fromLatin1(type));
            // The first installed one of the listed handlers.
            for (const QString& id : ids.split(';', Qt::SkipEmptyParts)) {
                if (auto entry = desktopEntryPath(dirs, id.trimmed()))
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

// The program's file: as given when it names a directory, else the first
// executable one on `path`; empty otherwise, with the reason in `failure`.
QString locateProgram(const QString& program, const QStringList& path, int* failure = nullptr) {
    int reason = kFileNotFound;
    if (program.contains('/')) {
        const QFileInfo file(program);
        if (!file.exists())
            reason = file.dir().exists() ? kFileNotFound : kPathNotFound;
        else if (file.isDir() || !file.isExecutable())
            reason = kAccessDenied;
        else
            return file.absoluteFilePath();
    } else {
        for (const QString& dir : path) {
            const QFileInfo file(QDir(dir).filePath(program));
            if (!file.exists())
                continue;
            if (!file.isDir() && file.isExecutable())
                return file.absoluteFilePath();
            reason = kAccessDenied;
        }
    }
    if (failure)
        *failure = reason;
    return {};
}

void startProgram(const QStringList& arguments, const QStringList& path, int graceMs, int failure,
                  Done done) {
    int notFound = 0;
    const QString program = locateProgram(arguments.first(), path, &notFound);
    if (program.isEmpty())
        return done(notFound);

    std::vector<QByteArray> encoded{QFile::encodeName(program)};
    for (const QString& argument : arguments.mid(1))
        encoded.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    argv.reserve(encoded.size() + 1);
    for (QByteArray& argument : encoded)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        return done(kBadFormat);

    // Watched without blocking the window, by polling: a handler of the
    // children's exit signal would be the whole process's. The timer belongs
    // to the application, not to whoever asked, so the program is reaped
    // even when the asker is gone by then; ending the application leaves the
    // program running.
    auto* watch = new QTimer(QCoreApplication::instance());
    auto clock = std::make_shared<QElapsedTimer>();
    auto pending = std::make_shared<Done>(std::move(done));
    clock->start();
    QObject::connect(watch, &QTimer::timeout, watch, [=] {
        int status = 0;
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == 0 && clock->elapsed() < graceMs)
            return;
        const Done report = std::exchange(*pending, nullptr);
        if (ended == 0) {
            // Handed over to a browser that runs on: nothing more to learn
            // but its end, which needs no hurry.
            watch->setInterval(1000);
        } else {
            watch->stop();
            watch->deleteLater();
        }
        if (report)
            report(ended == 0 || (WIFEXITED(status) && WEXITSTATUS(status) == 0) ? kOpened
                                                                                 : failure);
    });
    watch->start(50);
}

void openWithDefaultBrowser(const QString& target, const XdgDirs& dirs, int graceMs, Done done) {
    const auto entry = defaultBrowserEntry(dirs);
    if (!entry)
        return done(kNoAssociation);
    const auto exec = readExecLine(*entry);
    const auto command = exec ? browserCommandLine(*exec, target) : std::nullopt;
    if (!command)
        return done(kIncompleteAssociation);
    startProgram(*command, dirs.path, graceMs, kIncompleteAssociation, std::move(done));
}

void openAddress(const QString& target, const XdgDirs& dirs, int graceMs, Done done) {
    QStringList opener;
    if (const QString xdgOpen = locateProgram(QStringLiteral("xdg-open"), dirs.path);
        !xdgOpen.isEmpty())
        opener = QStringList{xdgOpen, target};
    else if (const QString gio = locateProgram(QStringLiteral("gio"), dirs.path); !gio.isEmpty())
        opener = QStringList{gio, QStringLiteral("open"), target};
    if (opener.isEmpty())
        return openWithDefaultBrowser(target, dirs, graceMs, std::move(done));

    // An opener that ends in failure found no way to open the address.
    startProgram(opener, dirs.path, graceMs, kNoAssociation, [=](int code) {
        if (code > 32)
            return done(code);
        openWithDefaultBrowser(target, dirs, graceMs, [=](int fallback) {
            done(fallback == kNoAssociation ? code : fallback);
        });
    });
}

} // namespace DesktopOpen
