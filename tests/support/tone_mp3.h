// SPDX-License-Identifier: GPL-3.0-or-later
// MP3 files made at test time: a sine tone encoded by lame, optionally with an ID3v1 tag.
#pragma once

#include <QtCore>
#include <cmath>
#include <numbers>

namespace TestSupport {

// Writes `seconds` of a 440 Hz tone as an MP3 at `path`; an artist or title given
// adds an ID3v1 tag. Returns false when the encoder is missing or fails.
inline bool MakeToneMp3(const QString &path, double seconds, const QString &artist = QString(), const QString &title = QString())
{
    // Raw 16-bit mono samples at 22,050 Hz on the encoder's standard input; at this
    // bit rate a frame holds the encoder's header with the file's length, which is
    // then known as soon as the file is loaded.
    QStringList arguments{"--quiet", "-r", "-s", "22.05", "-m", "m", "--bitwidth", "16", "--signed", "--little-endian",
                          "-b", "64"};
    if (!artist.isEmpty() || !title.isEmpty())
        arguments << "--id3v1-only" << "--ta" << artist << "--tt" << title;
    arguments << "-" << path;
    QByteArray samples;
    QDataStream out(&samples, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    for (int i = 0; i < seconds * 22050; ++i)
        out << qint16(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / 22050));
    QProcess lame;
    lame.start(QStringLiteral("lame"), arguments);
    lame.write(samples);
    lame.closeWriteChannel();
    return lame.waitForFinished(30000) && lame.exitStatus() == QProcess::NormalExit && lame.exitCode() == 0;
}

} // namespace TestSupport
