// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmark libraries and the floor an addition is measured against: a bare
// single-thread walk that reads each song's tag, warm or after the page cache is emptied.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Bench {

// The same system calls a tag reader cannot avoid, with nothing else: list each
// directory, stat each entry, and open, fstat, read 63 bytes and close each song.
// The songs' paths are kept in `walked` when given, in the order they were met.
inline long ReferenceWalk(const std::string &start, std::vector<std::string> *walked = nullptr)
{
    long checksum = 0;
    std::deque<std::string> queue{start};
    while (!queue.empty()) {
        const std::string dir = std::move(queue.front());
        queue.pop_front();
        DIR *d = ::opendir(dir.c_str());
        if (!d)
            continue;
        while (const dirent *entry = ::readdir(d)) {
            if (entry->d_name[0] == '.')
                continue;
            struct stat st {};
            if (::fstatat(::dirfd(d), entry->d_name, &st, 0) != 0)
                continue;
            const std::string path = dir + "/" + entry->d_name;
            if (S_ISDIR(st.st_mode)) {
                queue.push_back(path);
                continue;
            }
            const std::size_t length = std::strlen(entry->d_name);
            if (length < 3 || std::strcmp(entry->d_name + length - 3, "mp3") != 0)
                continue;
            if (walked)
                walked->push_back(path);
            const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            char tag[63];
            if (::fstat(fd, &st) == 0 && st.st_size >= 128 && ::pread(fd, tag, sizeof tag, st.st_size - 128) > 0)
                checksum += tag[3];
            ::close(fd);
        }
        ::closedir(d);
    }
    return checksum;
}

// Empties the kernel's page cache, so that the next reads come from the disk; needs root.
inline bool DropPageCache()
{
    if (::geteuid() != 0)
        return false;
    ::sync();
    QFile control(QStringLiteral("/proc/sys/vm/drop_caches"));
    return control.open(QIODevice::WriteOnly) && control.write("3") == 1;
}

// The shared maker of the 32,767-song library, found above the source tree.
inline QString LibraryMaker()
{
    for (QDir dir(QStringLiteral(KORVEL_SOURCE_DIR)); !dir.isRoot(); dir.cdUp()) {
        const QString script = dir.filePath(QStringLiteral("shared/bench/make_library.py"));
        if (QFile::exists(script))
            return script;
    }
    return QString();
}

// Runs a library maker, which writes its songs under `into`.
inline bool MakeLibrary(const QString &maker, const QString &into)
{
    if (maker.isEmpty())
        return false;
    QProcess make;
    // The maker's own report would mix with the figures on standard output.
    make.setStandardOutputFile(QProcess::nullDevice());
    make.start(QStringLiteral("python3"), {maker, into});
    return make.waitForFinished(-1) && make.exitCode() == 0;
}

// The 32,767-song library. The benchmarks of one run share the one that
// KORVEL_BENCH_LIBRARY names, made there by the first; without it each makes its own
// in `scratch`. Empty when it cannot be made.
inline QString Library(const QTemporaryDir &scratch)
{
    const QString shared = qEnvironmentVariable("KORVEL_BENCH_LIBRARY");
    if (!shared.isEmpty() && !QDir(shared).isEmpty())
        return shared;
    const QString path = shared.isEmpty() ? scratch.path() : shared;
    if (MakeLibrary(LibraryMaker(), path))
        return path;
    std::fprintf(stderr, "cannot make the library in %s\n", qPrintable(path));
    return QString();
}

} // namespace Bench
