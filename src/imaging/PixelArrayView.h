#pragma once

#include <QtGlobal>

#include <array>
#include <optional>
#include <type_traits>

// The pixel array of an image, seen in place: bytes indexed (channel, x, y) over the
// image's own scanlines. Channel 0 is red, 1 green, 2 blue; x runs from the left column,
// y from the top row; 255 in all three channels is white, 0 black.
//
// Pixels are 32-bit words 0xffRRGGBB (QImage::Format_RGB32), the layout Qt decodes,
// scales and paints fastest, so no image is ever converted to serve a pixel array. A view
// only points at rows: it never owns or copies pixels and is valid while the image it
// looks at stays unchanged.
namespace PixelLayout {

inline constexpr int kBytesPerPixel = 4;
inline constexpr int kChannels = 3;

// Byte offset of each channel inside one 32-bit pixel word.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
inline constexpr std::array<int, kChannels> kChannelOffset{2, 1, 0};
#else
inline constexpr std::array<int, kChannels> kChannelOffset{1, 2, 3};
#endif

} // namespace PixelLayout

template <typename Byte>
class BasicPixelArrayView
{
    static_assert(std::is_same_v<std::remove_const_t<Byte>, uchar>);

public:
    BasicPixelArrayView() = default;

    // A view of width x height pixels whose row y starts at firstRow + y * bytesPerLine.
    // Sizes that cannot describe such rows give an empty view.
    BasicPixelArrayView(Byte *firstRow, int width, int height, qsizetype bytesPerLine)
    {
        if (firstRow == nullptr || width <= 0 || height <= 0
            || bytesPerLine < qsizetype(width) * PixelLayout::kBytesPerPixel)
            return;
        m_firstRow = firstRow;
        m_width = width;
        m_height = height;
        m_bytesPerLine = bytesPerLine;
    }

    // A writable view can always be read as a read-only one.
    template <typename Other>
        requires(std::is_const_v<Byte> && std::is_same_v<Other, uchar>)
    BasicPixelArrayView(const BasicPixelArrayView<Other> &other)
        : BasicPixelArrayView(other.row(0), other.width(), other.height(), other.bytesPerLine())
    {
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isEmpty() const { return m_firstRow == nullptr; }
    qsizetype bytesPerLine() const { return m_bytesPerLine; }

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // First byte of row y; the row holds width() pixels of kBytesPerPixel bytes each.
    Byte *row(int y) const
    {
        Q_ASSERT(isEmpty() || (y >= 0 && y < m_height));
        return m_firstRow == nullptr ? nullptr : m_firstRow + qsizetype(y) * m_bytesPerLine;
    }

    // Unchecked in release builds: this is the inner loop of every pixel pass.
    Byte &at(int channel, int x, int y) const
    {
        Q_ASSERT(channel >= 0 && channel < PixelLayout::kChannels && contains(x, y));
        return row(y)[qsizetype(x) * PixelLayout::kBytesPerPixel + PixelLayout::kChannelOffset[channel]];
    }

    void setPixel(int x, int y, uchar channel0, uchar channel1, uchar channel2) const
        requires(!std::is_const_v<Byte>)
    {
        at(0, x, y) = channel0;
        at(1, x, y) = channel1;
        at(2, x, y) = channel2;
    }

    // The rectangle of width x height pixels whose top-left pixel is (left, top), seen in
    // place; nothing when it does not lie wholly inside this view.
    std::optional<BasicPixelArrayView> region(int left, int top, int width, int height) const
    {
        if (isEmpty() || width <= 0 || height <= 0 || left < 0 || top < 0
            || width > m_width - left || height > m_height - top)
            return std::nullopt;
        return BasicPixelArrayView(row(top) + qsizetype(left) * PixelLayout::kBytesPerPixel, width,
                                   height, m_bytesPerLine);
    }

private:
    Byte *m_firstRow = nullptr;
    int m_width = 0;
    int m_height = 0;
    qsizetype m_bytesPerLine = 0;
};

using PixelArrayView = BasicPixelArrayView<uchar>;
using ConstPixelArrayView = BasicPixelArrayView<const uchar>;
