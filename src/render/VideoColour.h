#pragma once

extern "C" {
#include <libavutil/pixfmt.h>
}

struct AVCodecContext;
struct AVFrame;

// The YUV matrix and range a picture's pixels are in, and the colour tags that say so. Our
// pictures are sRGB; video from 720p up is BT.709 and below it BT.601, as players assume for an
// untagged video of that size.
class VideoColour
{
public:
    enum Matrix { Bt601, Bt709 };

    explicit VideoColour(Matrix matrix = Bt601, bool fullRange = false) : m_matrix(matrix), m_fullRange(fullRange) {}

    // What a video of that size is encoded in: limited (TV) range, the matrix of its class.
    static VideoColour forVideo(int width, int height);
    // What a picture's pixels are in: its tags, and for an untagged or unknown matrix the one
    // players assume for its size; full range when tagged so or of a "J" format.
    static VideoColour of(const AVFrame *picture);

    Matrix matrix() const { return m_matrix; }
    bool fullRange() const { return m_fullRange; }

    // Primaries, transfer and matrix of one standard (BT.709, or SMPTE 170M for BT.601) and the range.
    void tag(AVCodecContext *context) const;
    void tag(AVFrame *frame) const;
    // The scaler's coefficient table for the matrix.
    const int *scalerCoefficients() const;

    bool operator==(const VideoColour &other) const
    {
        return m_matrix == other.m_matrix && m_fullRange == other.m_fullRange;
    }

private:
    AVColorPrimaries primaries() const;
    AVColorTransferCharacteristic transfer() const;
    AVColorSpace space() const;
    AVColorRange range() const { return m_fullRange ? AVCOL_RANGE_JPEG : AVCOL_RANGE_MPEG; }

    Matrix m_matrix;
    bool m_fullRange;
};
