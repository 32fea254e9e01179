#include "controls/picture_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace dusk {
namespace {

// Both products fit 16 bits, so the loop vectorises in 16-bit lanes, each division by the
// constant becoming a high-half multiply and a shift.
void BlendBytes(const std::uint8_t* from, const std::uint8_t* to, std::uint8_t* out,
                std::size_t count, std::uint16_t alpha) {
    const auto keep = std::uint16_t(255 - alpha);
    for (std::size_t i = 0; i < count; ++i) {
        const auto kept = std::uint16_t(from[i] * keep);
        const auto taken = std::uint16_t(to[i] * alpha);
        out[i] = std::uint8_t(kept / 255 + taken / 255);
    }
}

void CopyColumn(const Picture& source, int sourceX, Picture& target, int targetX) {
    for (int y = 0; y < target.Height(); ++y) {
        std::memcpy(target.Row(y) + 3 * targetX, source.Row(y) + 3 * sourceX, 3);
        if (target.HasAlpha()) target.AlphaRow(y)[targetX] = source.AlphaRow(y)[sourceX];
    }
}

}  // namespace

void BlendPictures(const Picture& from, const Picture& to, int alpha, Picture& into) {
    const int width = std::min({from.Width(), to.Width(), into.Width()});
    const int height = std::min({from.Height(), to.Height(), into.Height()});
    if (width <= 0 || height <= 0) return;
    const auto a = std::uint16_t(std::clamp(alpha, 0, 255));
    // Rows are unpadded, so pictures of one width blend as a single run of bytes.
    const bool oneRun = from.Width() == width && to.Width() == width && into.Width() == width;
    const int rows = oneRun ? 1 : height;
    const std::size_t pixels = std::size_t(width) * std::size_t(oneRun ? height : 1);
    for (int y = 0; y < rows; ++y) {
        BlendBytes(from.Row(y), to.Row(y), into.Row(y), pixels * 3, a);
    }
    if (!from.HasAlpha() || !to.HasAlpha() || !into.HasAlpha()) return;
    for (int y = 0; y < rows; ++y) {
        BlendBytes(from.AlphaRow(y), to.AlphaRow(y), into.AlphaRow(y), pixels, a);
    }
}

Picture StretchPicture(const Picture& source, int newWidth, int margin) {
    Picture result = source;
    result.Resize(newWidth, source.Height());
    if (result.Empty() || source.Empty()) return result;
    const int last = source.Width() - 1;
    const int middle = std::clamp(margin, 0, last);
    for (int x = std::max(margin, 0); x <= std::min(newWidth - margin, newWidth - 1); ++x) {
        CopyColumn(source, middle, result, x);
    }
    for (int x = std::max(newWidth - margin, 0); x < newWidth; ++x) {
        const int from = source.Width() - margin + (x - (newWidth - margin));
        CopyColumn(source, std::clamp(from, 0, last), result, x);
    }
    return result;
}

Picture ScalePicture(const Picture& source, int width, int height) {
    if (source.Empty() || width <= 0 || height <= 0) return {};
    Picture result(width, height, source.HasAlpha());
    for (int y = 0; y < height; ++y) {
        const int sourceY = int(std::int64_t(y) * source.Height() / height);
        for (int x = 0; x < width; ++x) {
            const int sourceX = int(std::int64_t(x) * source.Width() / width);
            std::memcpy(result.Row(y) + 3 * x, source.Row(sourceY) + 3 * sourceX, 3);
            if (result.HasAlpha()) result.AlphaRow(y)[x] = source.AlphaRow(sourceY)[sourceX];
        }
    }
    return result;
}

Picture FitPicture(const Picture& source, int width, int height) {
    if (source.Empty() || width <= 0 || height <= 0) return {};
    if (source.Width() == width && source.Height() == height) return source;
    if (std::abs(source.Width() - width) > 1 || std::abs(source.Height() - height) > 1) {
        return ResamplePicture(source, width, height);
    }
    Picture result(width, height, source.HasAlpha());
    for (int y = 0; y < height; ++y) {
        const int sourceY = std::min(y, source.Height() - 1);
        for (int x = 0; x < width; ++x) {
            const int sourceX = std::min(x, source.Width() - 1);
            std::memcpy(result.Row(y) + 3 * x, source.Row(sourceY) + 3 * sourceX, 3);
            if (result.HasAlpha()) result.AlphaRow(y)[x] = source.AlphaRow(sourceY)[sourceX];
        }
    }
    return result;
}

void CompositeOnto(Picture& target, const Picture& source, Point at) {
    // The overlap in source coordinates, in 64 bits so that no far-off position overflows;
    // bytes are reached by index, so no pointer is ever formed outside either picture.
    const std::int64_t x = at.x, y = at.y;
    const int left = int(std::clamp<std::int64_t>(-x, 0, source.Width()));
    const int top = int(std::clamp<std::int64_t>(-y, 0, source.Height()));
    const int right = int(std::clamp<std::int64_t>(target.Width() - x, left, source.Width()));
    const int bottom = int(std::clamp<std::int64_t>(target.Height() - y, top, source.Height()));
    const std::span<const std::uint8_t> from = source.ColorBytes();
    const std::span<std::uint8_t> to = target.ColorBytes();
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            const unsigned a = source.AlphaAt(column, row);
            const std::size_t in = (std::size_t(row) * source.Width() + column) * 3;
            const std::size_t out =
                (std::size_t(row + y) * target.Width() + std::size_t(column + x)) * 3;
            for (std::size_t c = 0; c < 3; ++c) {
                to[out + c] =
                    std::uint8_t((from[in + c] * a + to[out + c] * (255 - a) + 127) / 255);
            }
        }
    }
}

namespace {

// How much of source cell `cell` the target cell [from, to) covers, for every source cell.
struct Span {
    int first;
    std::vector<double> weights;
};

std::vector<Span> Footprints(int sourceLength, int targetLength) {
    std::vector<Span> spans(static_cast<std::size_t>(targetLength));
    const double step = double(sourceLength) / targetLength;
    for (int t = 0; t < targetLength; ++t) {
        const double from = t * step;
        const double to = from + step;
        Span& span = spans[std::size_t(t)];
        span.first = int(from);
        for (int s = span.first; s < sourceLength && s < to; ++s) {
            span.weights.push_back((std::min(to, s + 1.0) - std::max(from, double(s))) / step);
        }
    }
    return spans;
}

}  // namespace

Picture ResamplePicture(const Picture& source, int width, int height) {
    if (source.Empty() || width < 1 || height < 1) return {};
    Picture result(width, height, source.HasAlpha());
    const std::vector<Span> columns = Footprints(source.Width(), width);
    const std::vector<Span> rows = Footprints(source.Height(), height);
    for (int y = 0; y < height; ++y) {
        const Span& row = rows[std::size_t(y)];
        for (int x = 0; x < width; ++x) {
            const Span& column = columns[std::size_t(x)];
            double sum[3] = {0, 0, 0};
            double alphaSum = 0;
            for (std::size_t j = 0; j < row.weights.size(); ++j) {
                const int sy = row.first + int(j);
                for (std::size_t i = 0; i < column.weights.size(); ++i) {
                    const int sx = column.first + int(i);
                    const double weight = row.weights[j] * column.weights[i];
                    const double alpha = weight * source.AlphaAt(sx, sy) / 255.0;
                    const std::uint8_t* pixel = source.Row(sy) + 3 * sx;
                    for (int c = 0; c < 3; ++c) sum[c] += alpha * pixel[c];
                    alphaSum += alpha;
                }
            }
            std::uint8_t* out = result.Row(y) + 3 * x;
            for (int c = 0; c < 3; ++c) {
                out[c] = alphaSum > 0 ? std::uint8_t(std::lround(sum[c] / alphaSum)) : 0;
            }
            result.SetAlphaAt(x, y, std::uint8_t(std::lround(std::min(alphaSum, 1.0) * 255)));
        }
    }
    return result;
}

}  // namespace dusk
