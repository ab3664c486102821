// A tiny GIF89a writer for tests (Qt reads GIF but cannot write it): a
// global palette of four colours and frames of palette indices, each with its
// own position, disposal and transparent index. The pixel data are valid LZW
// that never grows past 3-bit codes (a clear code after every two pixels).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class TinyGif {
public:
    struct Frame {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        std::vector<uint8_t> indices;  // row by row, 0 to 3
        int disposal = 1;              // 1 keep, 2 restore to background
        int transparent = -1;          // a palette index, or -1 for none
    };

    TinyGif(int width, int height, std::array<QRgb, 4> palette)
        : width_(width), height_(height), palette_(palette) {}

    // A frame of one palette index.
    static Frame filled(int left, int top, int width, int height, uint8_t index) {
        return Frame{left, top, width, height,
                     std::vector<uint8_t>(std::size_t(width) * std::size_t(height), index)};
    }

    void add(Frame frame) { frames_.push_back(std::move(frame)); }

    QByteArray bytes() const {
        QByteArray out("GIF89a");
        word(out, width_);
        word(out, height_);
        out.append(char(0x91));  // global palette of 4 colours
        out.append(char(0));     // background index
        out.append(char(0));     // aspect
        for (QRgb c : palette_) {
            out.append(char(qRed(c)));
            out.append(char(qGreen(c)));
            out.append(char(qBlue(c)));
        }
        for (const Frame &f : frames_) {
            out.append("\x21\xF9\x04", 3);
            out.append(char((f.disposal << 2) | (f.transparent >= 0 ? 1 : 0)));
            word(out, 10);  // delay, hundredths of a second
            out.append(char(f.transparent >= 0 ? f.transparent : 0));
            out.append(char(0));
            out.append(char(0x2C));
            word(out, f.left);
            word(out, f.top);
            word(out, f.width);
            word(out, f.height);
            out.append(char(0));
            out.append(char(2));  // LZW minimum code size
            appendBlocks(out, lzw(f.indices));
        }
        out.append(char(0x3B));
        return out;
    }

    bool write(const QString &path) const {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes()) == bytes().size();
    }

private:
    static void word(QByteArray &out, int v) {
        out.append(char(v & 0xFF));
        out.append(char((v >> 8) & 0xFF));
    }

    static QByteArray lzw(const std::vector<uint8_t> &indices) {
        QByteArray data;
        uint32_t acc = 0;
        int bits = 0;
        auto put = [&](uint32_t code) {
            acc |= code << bits;
            bits += 3;
            while (bits >= 8) {
                data.append(char(acc & 0xFF));
                acc >>= 8;
                bits -= 8;
            }
        };
        constexpr uint32_t clear = 4, end = 5;
        for (std::size_t i = 0; i < indices.size(); ++i) {
            if (i % 2 == 0) {
                put(clear);
            }
            put(indices[i] & 3);
        }
        put(end);
        if (bits > 0) {
            data.append(char(acc & 0xFF));
        }
        return data;
    }

    static void appendBlocks(QByteArray &out, const QByteArray &data) {
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const QByteArray block = data.mid(at, 255);
            out.append(char(block.size()));
            out.append(block);
        }
        out.append(char(0));
    }

    int width_;
    int height_;
    std::array<QRgb, 4> palette_;
    std::vector<Frame> frames_;
};
