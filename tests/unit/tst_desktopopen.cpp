#include "common/platform/system/DesktopOpen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace DesktopOpen;

namespace {

const QString kTarget = QStringLiteral("https://www.vellumark.example/");

void writeFile(const QString& path, const QByteArray& content,
               QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

QByteArray desktopEntry(const QByteArray& exec)
{
    return "[Desktop Entry]\nType=Application\nName=Browser\n" + exec + "\n";
}

// Programs that end at once report long before this.
constexpr int kGraceMs = 10000;

// The result that `open` passes on, waited for with a bound; -1 if none came.
int resultOf(const std::function<void(Done)>& open)
{
    auto result = std::make_shared<int>(-1);
    open([result](int code) { *result = code; });
    (void)QTest::qWaitFor([&] { return *result >= 0; }, 15000);
    return *result;
}

// A file of the given kind at `path` that a reader must pass over.
void makeSpecialFile(const QString& path, const QString& kind, const QByteArray& content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    const QByteArray name = QFile::encodeName(path);
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == "socket") {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof address.sun_path);
        qstrcpy(address.sun_path, name.constData());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    } else if (kind == "endless device") {
        QVERIFY(QFile::link("/dev/zero", path));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        // Valid content, padded with comment lines to the size the kind names.
        const qsizetype size = kind == "over the limit" ? kMaxFileSize + 1 : kMaxFileSize;
        QByteArray padded = content + '\n';
        while (padded.size() < size)
            padded += QByteArray(std::min<qsizetype>(size - padded.size(), 80) - 1, '#') + '\n';
        writeFile(path, padded);
    }
}

// Points the XDG variables into `root` for the life of the object.
class XdgEnvironment {
public:
    explicit XdgEnvironment(const QString& root, const QByteArray& desktop = {})
    {
        const QList<std::pair<const char*, QString>> values = {
            {"XDG_CONFIG_HOME", root + "/config"},
            {"XDG_CONFIG_DIRS", root + "/etc"},
            {"XDG_DATA_HOME", root + "/data"},
            {"XDG_DATA_DIRS", root + "/share1:" + root + "/share2"},
            {"XDG_CURRENT_DESKTOP", QString::fromLatin1(desktop)}};
        for (const auto& [name, value] : values) {
            m_saved.append({name, qgetenv(name)});
            qputenv(name, value.toLocal8Bit());
        }
    }
    ~XdgEnvironment()
    {
        for (const auto& [name, value] : m_saved)
            qputenv(name, value);
    }

private:
    QList<std::pair<const char*, QByteArray>> m_saved;
};

} // namespace

class TestDesktopOpen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cutsAtThePlaceholder_data();
    void cutsAtThePlaceholder();
    void splitsByDesktopEntryQuoting_data();
    void splitsByDesktopEntryQuoting();
    void findsTheDefaultBrowser_data();
    void findsTheDefaultBrowser();
    void passesOverFilesThatAreNotSmallAndRegular_data();
    void passesOverFilesThatAreNotSmallAndRegular();
    void environmentGivesTheSearchOrder();
    void readsTheExecLine();
    void reportsEachFailureWithItsCode_data();
    void reportsEachFailureWithItsCode();
    void startsTheBrowserWithTheAddress();
    void aBrowserThatRunsOnCountsAsOpenedAndIsReaped();
};

void TestDesktopOpen::cutsAtThePlaceholder_data()
{
    // The line that the classic route would run: the cut line, a space and
    // the target.
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("commandLine");
    QTest::newRow("quoted placeholder keeps its space and gains one")
        << R"("/opt/browser/browser" -nohome "%1")"
        << R"("/opt/browser/browser" -nohome  https://www.vellumark.example/)";
    QTest::newRow("bare placeholder drops the options after it")
        << "browser %1 -private -fast" << "browser  https://www.vellumark.example/";
    QTest::newRow("no placeholder") << "browser -new"
                                    << "browser -new https://www.vellumark.example/";
    QTest::newRow("quoted placeholder wins over an earlier bare one")
        << R"(browser %1 -x "%1" -y)" << "browser %1 -x  https://www.vellumark.example/";
    QTest::newRow("%u") << "browser %u" << "browser  https://www.vellumark.example/";
    QTest::newRow("%U") << "browser --new-window %U -z"
                        << "browser --new-window  https://www.vellumark.example/";
    QTest::newRow("%f") << "viewer %f" << "viewer  https://www.vellumark.example/";
    QTest::newRow("quoted %F") << R"(viewer "%F")" << "viewer  https://www.vellumark.example/";
    QTest::newRow("%% is a percent sign, not a placeholder")
        << "browser --title=100%%u %u" << "browser --title=100%%u  https://www.vellumark.example/";
    QTest::newRow("other field codes are no placeholder")
        << "browser %i %c %u" << "browser %i %c  https://www.vellumark.example/";
    QTest::newRow("percent at the end") << "browser 5%" << "browser 5% https://www.vellumark.example/";
}

void TestDesktopOpen::cutsAtThePlaceholder()
{
    QFETCH(QString, exec);
    QFETCH(QString, commandLine);
    QCOMPARE(cutAtPlaceholder(exec) + ' ' + kTarget, commandLine);
}

void TestDesktopOpen::splitsByDesktopEntryQuoting_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("arguments"); // empty: refused
    QTest::newRow("quoted placeholder")
        << R"("/opt/browser/browser" -nohome "%1")" << kTarget
        << QStringList{"/opt/browser/browser", "-nohome", kTarget};
    QTest::newRow("bare placeholder with options after it")
        << "browser %1 -private" << kTarget << QStringList{"browser", kTarget};
    QTest::newRow("no placeholder") << "browser  -new\t-x" << kTarget
                                    << QStringList{"browser", "-new", "-x", kTarget};
    QTest::newRow("program path with a space")
        << R"("/opt/My Browser/run" %u)" << kTarget << QStringList{"/opt/My Browser/run", kTarget};
    QTest::newRow("escapes inside quotes")
        << R"(/opt/b "--say=\"hi\" \\ \$" %U)" << kTarget
        << QStringList{"/opt/b", R"(--say="hi" \ $)", kTarget};
    QTest::newRow("empty quoted argument") << R"(/opt/b "" %u)" << kTarget
                                           << QStringList{"/opt/b", "", kTarget};
    QTest::newRow("literal percent") << "b --title=100%% %u" << kTarget
                                     << QStringList{"b", "--title=100%", kTarget};
    QTest::newRow("field codes before the placeholder stand for nothing")
        << "b %i %c %k %u" << kTarget << QStringList{"b", kTarget};
    QTest::newRow("a target with spaces, quotes and a semicolon stays one argument")
        << "b %u" << R"(https://x.example/a b"c;rm -rf ~)"
        << QStringList{"b", R"(https://x.example/a b"c;rm -rf ~)"};
    QTest::newRow("open quote") << R"("/opt/browser %u)" << kTarget << QStringList{};
    QTest::newRow("empty line") << "" << kTarget << QStringList{};
    QTest::newRow("placeholder only") << "%u" << kTarget << QStringList{};
    QTest::newRow("empty program") << R"("" %u)" << kTarget << QStringList{};
}

void TestDesktopOpen::splitsByDesktopEntryQuoting()
{
    QFETCH(QString, exec);
    QFETCH(QString, target);
    QFETCH(QStringList, arguments);
    const auto command = browserCommandLine(exec, target);
    if (arguments.isEmpty())
        QCOMPARE(command, std::nullopt);
    else
        QCOMPARE(command.value_or(QStringList{"refused"}), arguments);
}

void TestDesktopOpen::findsTheDefaultBrowser_data()
{
    // Paths below the temporary root; each list names the handlers it knows.
    using Files = QList<std::pair<QString, QByteArray>>;
    QTest::addColumn<Files>("files");
    QTest::addColumn<QByteArray>("desktop");
    QTest::addColumn<QString>("entry"); // empty: none found

    const QByteArray https = "[Default Applications]\nx-scheme-handler/https=";
    const QByteArray http = "[Default Applications]\nx-scheme-handler/http=";
    const QByteArray html = "[Default Applications]\ntext/html=";
    const std::pair<QString, QByteArray> a{"share1/applications/a.desktop", desktopEntry("Exec=a")};
    const std::pair<QString, QByteArray> b{"share2/applications/b.desktop", desktopEntry("Exec=b")};

    QTest::newRow("nothing declared") << Files{a, b} << QByteArray() << QString();
    QTest::newRow("https in the user's list")
        << Files{{"config/mimeapps.list", https + "a.desktop"}, a} << QByteArray()
        << "share1/applications/a.desktop";
    QTest::newRow("an uninstalled handler is passed over")
        << Files{{"config/mimeapps.list", https + "gone.desktop;b.desktop;"}, b} << QByteArray()
        << "share2/applications/b.desktop";
    QTest::newRow("http when https is not declared")
        << Files{{"etc/mimeapps.list", http + "b.desktop"}, a, b} << QByteArray()
        << "share2/applications/b.desktop";
    QTest::newRow("html files in the system's list")
        << Files{{"share2/applications/mimeapps.list", html + "a.desktop"}, a} << QByteArray()
        << "share1/applications/a.desktop";
    QTest::newRow("https anywhere before http anywhere")
        << Files{{"config/mimeapps.list", http + "a.desktop"},
                 {"share1/applications/mimeapps.list", https + "b.desktop"}, a, b}
        << QByteArray() << "share2/applications/b.desktop";
    QTest::newRow("the user's list before the system's")
        << Files{{"config/mimeapps.list", https + "a.desktop"},
                 {"etc/mimeapps.list", https + "b.desktop"}, a, b}
        << QByteArray() << "share1/applications/a.desktop";
    QTest::newRow("the desktop's own list first")
        << Files{{"config/mimeapps.list", https + "a.desktop"},
                 {"config/tablet-mimeapps.list", https + "b.desktop"}, a, b}
        << QByteArray("Tablet") << "share2/applications/b.desktop";
    QTest::newRow("another desktop's list is ignored")
        << Files{{"config/mimeapps.list", https + "a.desktop"},
                 {"config/tablet-mimeapps.list", https + "b.desktop"}, a, b}
        << QByteArray("Office") << "share1/applications/a.desktop";
    QTest::newRow("only the default group counts")
        << Files{{"config/mimeapps.list",
                  "[Added Associations]\nx-scheme-handler/https=a.desktop\n"}, a}
        << QByteArray() << QString();
    QTest::newRow("the user's own entries before the system's")
        << Files{{"config/mimeapps.list", https + "a.desktop"},
                 {"data/applications/a.desktop", desktopEntry("Exec=mine")}, a}
        << QByteArray() << "data/applications/a.desktop";

    // Desktop ids: a dash may stand for a subfolder of applications/.
    const QByteArray vendor = https + "kfz-vendor-web.desktop";
    const QByteArray entry = desktopEntry("Exec=web");
    QTest::newRow("id in a vendor folder")
        << Files{{"config/mimeapps.list", vendor},
                 {"share1/applications/kfz-vendor/web.desktop", entry}}
        << QByteArray() << "share1/applications/kfz-vendor/web.desktop";
    QTest::newRow("id in nested folders")
        << Files{{"config/mimeapps.list", vendor},
                 {"share2/applications/kfz/vendor/web.desktop", entry}}
        << QByteArray() << "share2/applications/kfz/vendor/web.desktop";
    QTest::newRow("id in the shorter folder")
        << Files{{"config/mimeapps.list", vendor},
                 {"share1/applications/kfz/vendor-web.desktop", entry}}
        << QByteArray() << "share1/applications/kfz/vendor-web.desktop";
    QTest::newRow("the file of the whole id before a folder")
        << Files{{"config/mimeapps.list", vendor},
                 {"share1/applications/kfz-vendor/web.desktop", entry},
                 {"share1/applications/kfz-vendor-web.desktop", entry}}
        << QByteArray() << "share1/applications/kfz-vendor-web.desktop";
    QTest::newRow("an earlier data folder wins over a flatter name")
        << Files{{"config/mimeapps.list", vendor},
                 {"share1/applications/kfz-vendor/web.desktop", entry},
                 {"share2/applications/kfz-vendor-web.desktop", entry}}
        << QByteArray() << "share1/applications/kfz-vendor/web.desktop";
    QTest::newRow("a folder without the rest is passed over")
        << Files{{"config/mimeapps.list", vendor},
                 {"share1/applications/kfz/other.desktop", entry},
                 {"share1/applications/kfz-vendor/web.desktop", entry}}
        << QByteArray() << "share1/applications/kfz-vendor/web.desktop";
    QTest::newRow("a leading or doubled dash is no empty folder")
        << Files{{"config/mimeapps.list", https + "-web.desktop;kfz--web.desktop"},
                 {"share1/applications/web.desktop", entry},
                 {"share1/applications/kfz/-web.desktop", entry}}
        << QByteArray() << "share1/applications/kfz/-web.desktop";
    QTest::newRow("an id with .. is refused")
        << Files{{"config/mimeapps.list", https + "../evil.desktop"},
                 {"share1/evil.desktop", entry}}
        << QByteArray() << QString();
    QTest::newRow("an id whose dash would make .. a folder is refused")
        << Files{{"config/mimeapps.list", https + "..-evil.desktop"},
                 {"share1/evil.desktop", entry}, {"share1/applications/placeholder", ""}}
        << QByteArray() << QString();
    QTest::newRow("an id with a slash is refused")
        << Files{{"config/mimeapps.list", https + "kfz/web.desktop;b.desktop"},
                 {"share1/applications/kfz/web.desktop", entry}, b}
        << QByteArray() << "share2/applications/b.desktop";
}

void TestDesktopOpen::passesOverFilesThatAreNotSmallAndRegular_data()
{
    // The user's list names a, the system's names b; a's entry is in the
    // user's data folder and in share1. One of them is replaced by `kind`.
    QTest::addColumn<QString>("special");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("entry");
    const QString list = "config/mimeapps.list";
    const QString mine = "data/applications/a.desktop";
    for (const char* kind : {"fifo", "socket", "endless device", "folder", "over the limit"}) {
        QTest::addRow("list: %s", kind) << list << kind << "share2/applications/b.desktop";
        QTest::addRow("entry: %s", kind) << mine << kind << "share1/applications/a.desktop";
    }
    QTest::newRow("list: at the limit") << list << "at the limit" << mine;
    QTest::newRow("entry: at the limit") << mine << "at the limit" << mine;
}

void TestDesktopOpen::passesOverFilesThatAreNotSmallAndRegular()
{
    QFETCH(QString, special);
    QFETCH(QString, kind);
    QFETCH(QString, entry);
    QTemporaryDir root;
    const QList<std::pair<QString, QByteArray>> files = {
        {"config/mimeapps.list", "[Default Applications]\nx-scheme-handler/https=a.desktop\n"},
        {"etc/mimeapps.list", "[Default Applications]\nx-scheme-handler/https=b.desktop\n"},
        {"data/applications/a.desktop", desktopEntry("Exec=mine %u")},
        {"share1/applications/a.desktop", desktopEntry("Exec=a %u")},
        {"share2/applications/b.desktop", desktopEntry("Exec=b %u")}};
    for (const auto& [path, content] : files) {
        if (path == special)
            makeSpecialFile(root.filePath(path), kind, content);
        else
            writeFile(root.filePath(path), content);
    }
    XdgEnvironment environment(root.path());
    // Off the test's thread, so that a lookup that hangs fails here instead
    // of hanging the test.
    auto lookup = std::async(std::launch::async, [dirs = XdgDirs::fromEnvironment()] {
        const auto found = defaultBrowserEntry(dirs);
        return std::pair{found.value_or(QString()), found ? readExecLine(*found) : std::nullopt};
    });
    if (lookup.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A writer lets a reader stuck on the FIFO go.
        const QByteArray fifo = QFile::encodeName(root.filePath(special));
        ::close(::open(fifo.constData(), O_WRONLY | O_NONBLOCK));
        QFAIL("the lookup waited on a file");
    }
    const auto [found, exec] = lookup.get();
    QCOMPARE(found, root.filePath(entry));
    QVERIFY(exec.has_value());
}

void TestDesktopOpen::findsTheDefaultBrowser()
{
    using Files = QList<std::pair<QString, QByteArray>>;
    QFETCH(Files, files);
    QFETCH(QByteArray, desktop);
    QFETCH(QString, entry);
    QTemporaryDir root;
    for (const auto& [path, content] : files)
        writeFile(root.filePath(path), content);
    XdgEnvironment environment(root.path(), desktop);
    const auto found = defaultBrowserEntry(XdgDirs::fromEnvironment());
    QCOMPARE(found.value_or(QString()), entry.isEmpty() ? QString() : root.filePath(entry));
}

void TestDesktopOpen::environmentGivesTheSearchOrder()
{
    XdgEnvironment environment("/x", "Tablet:Office");
    qputenv("XDG_CONFIG_DIRS", "relative/ignored:/etc/one");
    QCOMPARE(mimeappsListPaths(XdgDirs::fromEnvironment()),
             (QStringList{"/x/config/tablet-mimeapps.list", "/x/config/office-mimeapps.list",
                          "/x/config/mimeapps.list", "/etc/one/tablet-mimeapps.list",
                          "/etc/one/office-mimeapps.list", "/etc/one/mimeapps.list",
                          "/x/data/applications/tablet-mimeapps.list",
                          "/x/data/applications/office-mimeapps.list",
                          "/x/data/applications/mimeapps.list",
                          "/x/share1/applications/tablet-mimeapps.list",
                          "/x/share1/applications/office-mimeapps.list",
                          "/x/share1/applications/mimeapps.list",
                          "/x/share2/applications/tablet-mimeapps.list",
                          "/x/share2/applications/office-mimeapps.list",
                          "/x/share2/applications/mimeapps.list"}));

    // Relative or missing settings fall back to the standard places.
    qputenv("XDG_CONFIG_HOME", "relative");
    qunsetenv("XDG_CONFIG_DIRS");
    qunsetenv("XDG_DATA_DIRS");
    const XdgDirs dirs = XdgDirs::fromEnvironment();
    QCOMPARE(dirs.configHome, QDir::homePath() + "/.config");
    QCOMPARE(dirs.configDirs, QStringList{"/etc/xdg"});
    QCOMPARE(dirs.dataDirs, (QStringList{"/usr/local/share", "/usr/share"}));
}

void TestDesktopOpen::readsTheExecLine()
{
    QTemporaryDir root;
    const QString path = root.filePath("b.desktop");
    writeFile(path, "# comment\n[Desktop Action new]\nExec=other\n[Desktop Entry]\n"
                    "Name=B\nExec = /opt/My\\sB/run --a=\\\\x %u \n Exec=second\n");
    QCOMPARE(readExecLine(path).value_or("none"), QString("/opt/My B/run --a=\\x %u"));
    writeFile(path, desktopEntry("TryExec=b"));
    QCOMPARE(readExecLine(path), std::nullopt);
    QCOMPARE(readExecLine(root.filePath("missing.desktop")), std::nullopt);
}

void TestDesktopOpen::reportsEachFailureWithItsCode_data()
{
    QTest::addColumn<QByteArray>("mimeapps");
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("programIsExecutable");
    QTest::addColumn<int>("code");
    const QByteArray declared = "[Default Applications]\nx-scheme-handler/https=b.desktop\n";
    QTest::newRow("no handler") << QByteArray() << desktopEntry("Exec=@/browser %u") << true
                                << kNoAssociation;
    QTest::newRow("handler not installed")
        << QByteArray("[Default Applications]\nx-scheme-handler/https=gone.desktop\n")
        << desktopEntry("Exec=@/browser %u") << true << kNoAssociation;
    QTest::newRow("entry without a command") << declared << desktopEntry("Name=B") << true
                                             << kIncompleteAssociation;
    QTest::newRow("broken quoting") << declared << desktopEntry("Exec=\"@/browser %u") << true
                                    << kIncompleteAssociation;
    QTest::newRow("no such program") << declared << desktopEntry("Exec=@/missing %u") << true
                                     << kFileNotFound;
    QTest::newRow("no such folder") << declared << desktopEntry("Exec=@/none/browser %u") << true
                                    << kPathNotFound;
    QTest::newRow("not on the search path")
        << declared << desktopEntry("Exec=kestrin-no-such-browser %u") << true << kFileNotFound;
    QTest::newRow("not executable") << declared << desktopEntry("Exec=@/browser %u") << false
                                    << kAccessDenied;
    QTest::newRow("a folder") << declared << desktopEntry("Exec=@ %u") << true << kAccessDenied;
    QTest::newRow("not a program") << declared << desktopEntry("Exec=@/notes %u") << true
                                   << kBadFormat;
    QTest::newRow("the browser fails at once")
        << declared << desktopEntry("Exec=@/failing %u") << true << kIncompleteAssociation;
    QTest::newRow("the browser is killed at once")
        << declared << desktopEntry("Exec=@/crashing %u") << true << kIncompleteAssociation;
}

void TestDesktopOpen::reportsEachFailureWithItsCode()
{
    QFETCH(QByteArray, mimeapps);
    QFETCH(QByteArray, entry);
    QFETCH(bool, programIsExecutable);
    QFETCH(int, code);
    QTemporaryDir root;
    if (!mimeapps.isEmpty())
        writeFile(root.filePath("config/mimeapps.list"), mimeapps);
    writeFile(root.filePath("share1/applications/b.desktop"),
              entry.replace('@', root.path().toLocal8Bit()));
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (programIsExecutable)
        permissions |= QFile::ExeOwner;
    writeFile(root.filePath("browser"), "#!/bin/sh\ntouch \"$0.ran\"\n", permissions);
    writeFile(root.filePath("notes"), "plain words, no interpreter\n", permissions);
    writeFile(root.filePath("failing"), "#!/bin/sh\nexit 1\n", permissions);
    writeFile(root.filePath("crashing"), "#!/bin/sh\nkill -SEGV $$\n", permissions);
    XdgEnvironment environment(root.path());
    XdgDirs dirs = XdgDirs::fromEnvironment();
    dirs.path = {root.path()};
    QCOMPARE(resultOf([&](const Done& done) {
                 openWithDefaultBrowser(kTarget, dirs, kGraceMs, done);
             }),
             code);
    QVERIFY(!QFile::exists(root.filePath("browser.ran")));
}

void TestDesktopOpen::startsTheBrowserWithTheAddress()
{
    QTemporaryDir root;
    writeFile(root.filePath("config/mimeapps.list"),
              "[Default Applications]\nx-scheme-handler/http=b.desktop\n");
    // Named without a folder: found on the search path.
    writeFile(root.filePath("share2/applications/b.desktop"),
              desktopEntry("Exec=stand-in --new-window %u --ignored"));
    writeFile(root.filePath("bin/stand-in"),
              "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" \"$0.args\"\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    XdgEnvironment environment(root.path());
    XdgDirs dirs = XdgDirs::fromEnvironment();
    dirs.path = {root.filePath("missing"), root.filePath("bin")};
    QCOMPARE(resultOf([&](const Done& done) {
                 openWithDefaultBrowser(kTarget + "?a b", dirs, kGraceMs, done);
             }),
             kOpened);
    QFile arguments(root.filePath("bin/stand-in.args"));
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), QByteArray("--new-window\nhttps://www.vellumark.example/?a b\n"));
}

void TestDesktopOpen::aBrowserThatRunsOnCountsAsOpenedAndIsReaped()
{
    QTemporaryDir root;
    writeFile(root.filePath("browser"), "#!/bin/sh\necho $$ > \"$0.pid\"\nexec sleep 60\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QList<int> results;
    startProgram({root.filePath("browser")}, {}, 300, kNoAssociation,
                 [&](int code) { results << code; });
    QVERIFY(QTest::qWaitFor([&] { return !results.isEmpty(); }, 10000));
    QCOMPARE(results, QList<int>{kOpened});
    QFile pidFile(root.filePath("browser.pid"));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const pid_t pid = pidFile.readAll().trimmed().toInt();
    QVERIFY(pid > 0);
    // Not stopped: it still runs.
    QFile state(QStringLiteral("/proc/%1/stat").arg(pid));
    QVERIFY(state.open(QIODevice::ReadOnly));
    QVERIFY(!state.readAll().contains(") Z "));
    // Once it ends it is reaped, and nothing more is reported.
    QCOMPARE(::kill(pid, SIGTERM), 0);
    QVERIFY(QTest::qWaitFor([&] { return ::kill(pid, 0) != 0 && errno == ESRCH; }, 10000));
    QCOMPARE(results, QList<int>{kOpened});
}

QTEST_MAIN(TestDesktopOpen)
#include "tst_desktopopen.moc"
