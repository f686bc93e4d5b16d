// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/command_line.h"

#include "core/catalogue/addition.h"
#include "platform/app_dir.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

namespace Startup {

CommandLine::CommandLine() : help_(parser_.addHelpOption()), version_(parser_.addVersionOption())
{
    parser_.addPositionalArgument(QStringLiteral("files"), QStringLiteral("MP3 files to add to the catalogue and play."),
                                  QStringLiteral("[file...]"));
}

std::optional<int> CommandLine::Answer(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // Unknown options may be the toolkit's own; they are judged later.
    parser_.parse(arguments);
    if (parser_.isSet(version_)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return EXIT_SUCCESS;
    }
    if (parser_.isSet(help_)) {
        // The program's folder, and the help text's first line, need an application object.
        QCoreApplication app(argc, argv);
        Describe();
        std::fputs(qPrintable(parser_.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

QStringList CommandLine::SongFiles() const
{
    QStringList songs;
    QStringList others;
    for (const QString &name : parser_.positionalArguments())
        (IsSongFile(name) ? songs : others) << name;
    if (!others.isEmpty())
        std::fprintf(stderr, "korvel: left out, as their names do not end in \"mp3\": \"%s\"\n",
                     qPrintable(others.join(QStringLiteral("\", \""))));
    return songs;
}

void CommandLine::RefuseUnknownOptions()
{
    // --help-all lists the toolkit's options too, which only the application object knows.
    Describe();
    parser_.process(QCoreApplication::arguments());
}

void CommandLine::Describe()
{
    parser_.setApplicationDescription(
        QStringLiteral("Korvel, a desktop MP3 jukebox.\n\n"
                       "The playlists (playlist0.txt to playlist5.txt) and the settings (Korvel.ini) are in\n  %1")
            .arg(QDir::toNativeSeparators(Platform::ApplicationDirectory())));
}

} // namespace Startup
