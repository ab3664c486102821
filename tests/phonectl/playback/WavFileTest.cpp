#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "WavFile.h"

using velkor17::WavFile;

namespace {
WavFile::Audio sample() {
    WavFile::Audio a;
    a.sampleRate = 48000;
    a.channels = 1;
    a.samples = {0, 1, -1, 32767, -32768, 1234};
    return a;
}
}  // namespace

TEST(WavFile, HeaderAndRoundTrip) {
    const QByteArray image = WavFile::encode(sample());
    ASSERT_EQ(image.size(), 44 + 12);
    // Mono 16-bit PCM at 48000 Hz: 96000 bytes a second, blocks of 2 bytes.
    const QByteArray header(
        "RIFF\x30\0\0\0"
        "WAVEfmt \x10\0\0\0\x01\0\x01\0"
        "\x80\xBB\0\0\0\x77\x01\0\x02\0\x10\0"
        "data\x0C\0\0\0",
        44);
    EXPECT_EQ(image.left(44), header);
    const auto back = WavFile::decode(image);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->sampleRate, 48000);
    EXPECT_EQ(back->channels, 1);
    EXPECT_EQ(back->samples, sample().samples);
}

TEST(WavFile, SkipsUnknownChunks) {
    QByteArray image = WavFile::encode(sample());
    QByteArray extra(
        "LIST\x03\x00\x00\x00"
        "abc\x00",
        12);  // odd length, padded
    image.insert(36, extra);
    const auto back = WavFile::decode(image);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->samples, sample().samples);
}

TEST(WavFile, DamagedImagesAreRefusedWithAReason) {
    const QByteArray good = WavFile::encode(sample());
    QString error;
    EXPECT_FALSE(WavFile::decode(QByteArray(), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(WavFile::decode(good.left(43), &error));  // data chunk cut off
    QByteArray longData = good;
    longData[40] = char(0xFF);  // data length past the end
    EXPECT_FALSE(WavFile::decode(longData, &error));
    QByteArray eightBit = good;
    eightBit[34] = 8;
    EXPECT_FALSE(WavFile::decode(eightBit, &error));
    QByteArray noFormat = good;
    noFormat.replace(12, 4, "junk");
    EXPECT_FALSE(WavFile::decode(noFormat, &error));
}

TEST(WavFile, WritesAtomicallyAndReportsFailures) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.wav");
    ASSERT_EQ(WavFile::write(path, sample()), WavFile::WriteStatus::Ok);
    const auto back = WavFile::read(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->samples, sample().samples);
    EXPECT_EQ(WavFile::write(dir.filePath("missing/a.wav"), sample()),
              WavFile::WriteStatus::CannotOpen);
    WavFile::Audio bad = sample();
    bad.channels = 0;
    EXPECT_EQ(WavFile::write(path, bad), WavFile::WriteStatus::CannotWrite);
    EXPECT_TRUE(WavFile::read(path));  // the old file is still whole
    EXPECT_FALSE(WavFile::read(dir.filePath("nothing.wav")));
}

TEST(WavFile, AnyPrefixOrCorruptionDecodesSafely) {
    QByteArray image = WavFile::encode(sample());
    image.insert(36, QByteArray("LIST\x04\x00\x00\x00"
                                "abcd",
                                12));
    for (qsizetype n = 0; n < image.size(); ++n) {
        EXPECT_FALSE(WavFile::decode(image.left(n))) << n;
    }
    quint32 seed = 12345;
    for (int round = 0; round < 2000; ++round) {
        QByteArray damaged = image;
        for (int k = 0; k < 3; ++k) {
            seed = seed * 1664525u + 1013904223u;
            damaged[qsizetype(seed % quint32(damaged.size()))] = char(seed >> 24);
        }
        const auto audio = WavFile::decode(damaged);
        if (audio) {
            EXPECT_LE(audio->samples.size() * 2, size_t(damaged.size()));
        }
    }
}
