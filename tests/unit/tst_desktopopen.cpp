#include "common/platform/DesktopOpen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    void environmentGivesTheSearchOrder();
    void readsTheExecLine();
    void reportsEachFailureWithItsCode_data();
    void reportsEachFailureWithItsCode();
    void startsTheBrowserWithTheAddress();
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
    XdgEnvironment environment(root.path());
    XdgDirs dirs = XdgDirs::fromEnvironment();
    dirs.path = {root.path()};
    QCOMPARE(openWithDefaultBrowser(kTarget, dirs), code);
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
    QCOMPARE(openWithDefaultBrowser(kTarget + "?a b", dirs), kOpened);
    QFile arguments(root.filePath("bin/stand-in.args"));
    QVERIFY(QTest::qWaitFor([&] { return arguments.exists(); }, 5000));
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), QByteArray("--new-window\nhttps://www.vellumark.example/?a b\n"));
}

QTEST_MAIN(TestDesktopOpen)
#include "tst_desktopopen.moc"
