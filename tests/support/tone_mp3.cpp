#include "support/tone_mp3.h"

#include <QDataStream>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cmath>
#include <numbers>

namespace TestSupport {

namespace {
constexpr int SampleRate = 22050;

QByteArray toneWave(double seconds)
{
    const auto samples = static_cast<quint32>(seconds * SampleRate);
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(SampleRate) << quint32(SampleRate * 2) << quint16(2)
        << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        out << qint16(8000 * std::sin(2 * std::numbers::pi * 440.0 * i / SampleRate));
    return wave;
}
} // namespace

bool LameAvailable() { return !QStandardPaths::findExecutable(QStringLiteral("lame")).isEmpty(); }

bool MakeToneMp3(const QString &path, double seconds, const QString &artist, const QString &title)
{
    if (!LameAvailable())
        return false;
    QTemporaryFile wave;
    if (!wave.open() || wave.write(toneWave(seconds)) < 0 || !wave.flush())
        return false;
    QStringList arguments{QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("32")};
    if (!artist.isEmpty() || !title.isEmpty())
        arguments << QStringLiteral("--id3v1-only") << QStringLiteral("--ta") << artist << QStringLiteral("--tt")
                  << title;
    arguments << wave.fileName() << path;
    QProcess lame;
    lame.start(QStringLiteral("lame"), arguments);
    return lame.waitForFinished(30000) && lame.exitStatus() == QProcess::NormalExit && lame.exitCode() == 0;
}

} // namespace TestSupport
