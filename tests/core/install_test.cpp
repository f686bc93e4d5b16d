// An install into a prefix, and where the program keeps the user's files.
#include "core/storage/settings.h"
#include "platform/app_dir.h"

#include <QtTest>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;
constexpr auto Shared = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;

// The standard output of a program that succeeds, else its standard error.
QString Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool ok = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return QString::fromLocal8Bit(ok ? process.readAllStandardOutput() : "failed: " + process.readAllStandardError());
}
} // namespace

class InstallTest : public QObject {
    Q_OBJECT
private slots:
    void installPutsTheProgramItsEntryAndItsIconUnderThePrefix()
    {
        QTemporaryDir prefix, data;
        // The program is built in the build tree's src folder.
        const QString build = QFileInfo(KORVEL_BINARY).absolutePath() + "/..";
        QVERIFY(!Run("cmake", {"--install", build, "--prefix", prefix.path()}).startsWith("failed"));
        const QString program = prefix.filePath("bin/korvel");
        QFile entry(prefix.filePath("share/applications/korvel.desktop"));
        QVERIFY(entry.open(QIODevice::ReadOnly) && entry.readAll().contains("\nExec=\"" + QFile::encodeName(program) + "\" %F\n"));
        QCOMPARE(Run("desktop-file-validate", {entry.fileName()}), "");
        QVERIFY(QFile::exists(prefix.filePath("share/icons/hicolor/scalable/apps/korvel.svg")));
        QCOMPARE(Run(program, {"--version"}), "Korvel 1.3\n");
        // An installed program keeps the user's files in the user's data folder, even where it could write.
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        QVERIFY(Run(program, {"--help"}).contains("\n  " + data.filePath("korvel") + "\n"));
    }

    void filesStayBesideAProgramThatCanWriteThereAndGoToTheDataFolderOtherwise()
    {
        for (bool readOnly : {false, true}) {
            QTemporaryDir root;
            const QString program = root.filePath("bin"), data = root.filePath("data");
            QVERIFY(QDir().mkpath(program) && QDir().mkpath(data));
            // Root writes anywhere: the program's folder is read-only to it as another user's folder is to that user.
            const bool asNobody = readOnly && geteuid() == 0;
            QVERIFY(QFile::setPermissions(root.path(), Shared) && QFile::setPermissions(data, Shared | QFile::WriteOther));
            QVERIFY(QFile::setPermissions(program, readOnly && !asNobody ? Shared & ~QFile::WriteOwner : Shared));
            qputenv("XDG_DATA_HOME", QFile::encodeName(data));
            const pid_t child = fork();
            if (child == 0) {
                if (asNobody && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
                    _exit(2);
                Platform::SetApplicationDirectory(Platform::FilesDirectoryFor(program));
                _exit(Functions::WriteSettings({}) ? 0 : 1);
            }
            int status = -1;
            QCOMPARE(TEMP_FAILURE_RETRY(waitpid(child, &status, 0)), child);
            QCOMPARE(status, 0);
            QCOMPARE(QDir(program).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), readOnly ? QStringList() : QStringList{"Korvel.ini"});
            QCOMPARE(QFileInfo::exists(data + "/korvel/Korvel.ini"), readOnly);
        }
    }
};

QTEST_GUILESS_MAIN(InstallTest)
#include "install_test.moc"
