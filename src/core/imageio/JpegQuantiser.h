// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QtGlobal>

#include <array>

namespace imageio {

// Chooses a JPEG's quantised DCT coefficients itself, so the encoder can spend its bytes
// where the eye notices them: libjpeg only rounds every coefficient to its nearest step.
// Each 8 × 8 luma block goes through a trellis over its zero runs that weighs the Huffman
// bits each choice costs against the squared error it adds, the error counted dearer in flat
// blocks than in busy ones (what structural similarity, and the eye, forgives). Chroma is
// rounded. Pure computation: no libjpeg calls, any thread, no state between photos.
class JpegQuantiser
{
public:
    using Block = std::array<qint16, 64>; // natural (row-major) order, as libjpeg stores it
    using Table = std::array<quint16, 64>;
    // Huffman code length of each AC symbol (run of zeros << 4 | size of the value).
    using AcCodeLengths = std::array<quint8, 256>;

    // The tables at `quality` (1..100, libjpeg's scale): at 50 our own, calibrated on
    // photos against libjpeg's standard tables at 50; other qualities scale them as
    // libjpeg scales its own. Entries stay 1..255 (baseline).
    static Table lumaTable(int quality);
    static Table chromaTable(int quality);

    // Orthonormal 2-D DCT of level-shifted samples (sample - 128).
    static void forwardDct(const float samples[64], float coefficients[64]);

    // A table with its reciprocals: multiplying is much cheaper than dividing.
    struct Steps {
        explicit Steps(const Table &table);
        Table table;
        std::array<float, 64> reciprocal;
    };

    // Plain rounding to the nearest step, clamped to what baseline JPEG can code.
    static void round(const float coefficients[64], const Steps &steps, Block &out);
    // Rate-distortion choice of the AC coefficients (DC rounded), costs from `lengths`; one
    // unit of squared error costs `errorWeight` bits in a flat block, less in a busy one.
    static void trellis(const float coefficients[64], const Steps &steps, const AcCodeLengths &lengths,
                        float errorWeight, Block &out);

    // Quantises an RGB888, RGB32, ARGB32, RGBX8888, RGBA8888 or Grayscale8 image one band
    // of blocks at a time: 16 rows for colour (4:2:0, chroma averaged over 2 × 2 pixels),
    // 8 for grey. Edges repeat the last column and row out to whole blocks.
    class Planes
    {
    public:
        Planes(const QImage &image, int quality, const AcCodeLengths &lumaLengths);
        bool grey() const { return m_grey; }
        int bandCount() const;
        int lumaBlocksPerRow() const { return m_lumaBlocks; }
        int chromaBlocksPerRow() const { return (m_lumaBlocks + 1) / 2; }
        // Fills the band's blocks: `luma` has two rows (one for grey) of lumaBlocksPerRow().
        void quantiseBand(int band, Block *const luma[2], Block *cb, Block *cr) const;

    private:
        const QImage &m_image;
        bool m_grey;
        int m_bytesPerPixel;
        int m_red, m_green, m_blue; // byte offsets within a pixel
        int m_lumaBlocks;
        Steps m_luma, m_chroma;
        float m_errorWeight;
        const AcCodeLengths &m_lengths;
    };
};

} // namespace imageio
