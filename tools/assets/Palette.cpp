#include "tools/assets/Palette.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>

namespace gen {

namespace {

struct Entry {
    std::array<int, 3> c;
    uint32_t n;
};

// Weighted squared distance: the eye is most sensitive to green, least to blue.
inline int dist(const std::array<int, 3>& a, const std::array<int, 3>& b) {
    int dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::array<int, 3> rgbOf(QRgb p) {
    return {qRed(p), qGreen(p), qBlue(p)};
}

struct Box {
    size_t begin, end;  // range in the entry vector
    uint64_t weight;
    int axis;
    int range;
};

Box makeBox(std::vector<Entry>& e, size_t b, size_t en) {
    std::array<int, 3> lo{255, 255, 255}, hi{0, 0, 0};
    uint64_t w = 0;
    for (size_t i = b; i < en; ++i) {
        for (int k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], e[i].c[k]);
            hi[k] = std::max(hi[k], e[i].c[k]);
        }
        w += e[i].n;
    }
    static const int weight[3] = {3, 4, 2};
    int axis = 0, range = -1;
    for (int k = 0; k < 3; ++k) {
        int r = (hi[k] - lo[k]) * weight[k];
        if (r > range) range = r, axis = k;
    }
    return Box{b, en, w, axis, range};
}

}  // namespace

std::vector<QRgb> buildPalette(const std::vector<const QImage*>& images, int maxColours) {
    std::unordered_map<uint32_t, uint32_t> hist;
    for (const QImage* im : images) {
        QImage img = im->convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(row[x]) >= 128) ++hist[row[x] & 0xFFFFFFu];
        }
    }
    std::vector<std::pair<uint32_t, uint32_t>> sorted(hist.begin(), hist.end());
    std::sort(sorted.begin(), sorted.end());
    std::vector<Entry> e;
    e.reserve(sorted.size());
    for (auto [c, n] : sorted) e.push_back({rgbOf(c), n});
    if (e.empty()) return {qRgb(0, 0, 0)};
    if (static_cast<int>(e.size()) <= maxColours) {
        std::vector<QRgb> pal;
        for (const auto& x : e) pal.push_back(qRgb(x.c[0], x.c[1], x.c[2]));
        return pal;
    }

    // Median cut: split the box with the widest weighted spread, at its weighted median.
    std::vector<Box> boxes{makeBox(e, 0, e.size())};
    while (static_cast<int>(boxes.size()) < maxColours) {
        int best = -1;
        double bestScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            double score = double(boxes[i].range) * std::sqrt(double(boxes[i].weight));
            if (score > bestScore) bestScore = score, best = static_cast<int>(i);
        }
        if (best < 0) break;
        Box b = boxes[best];
        int axis = b.axis;
        std::stable_sort(e.begin() + b.begin, e.begin() + b.end,
                         [axis](const Entry& x, const Entry& y) { return x.c[axis] < y.c[axis]; });
        uint64_t half = b.weight / 2, acc = 0;
        size_t cut = b.begin + 1;
        for (size_t i = b.begin; i < b.end - 1; ++i) {
            acc += e[i].n;
            cut = i + 1;
            if (acc >= half) break;
        }
        boxes[best] = makeBox(e, b.begin, cut);
        boxes.push_back(makeBox(e, cut, b.end));
    }
    std::vector<std::array<double, 3>> centre;
    for (const Box& b : boxes) {
        double s[3] = {0, 0, 0};
        for (size_t i = b.begin; i < b.end; ++i)
            for (int k = 0; k < 3; ++k) s[k] += double(e[i].c[k]) * e[i].n;
        centre.push_back({s[0] / b.weight, s[1] / b.weight, s[2] / b.weight});
    }

    // A few k-means rounds over the distinct colours.
    std::vector<std::array<int, 3>> ic(centre.size());
    for (int round = 0; round < 3; ++round) {
        for (size_t j = 0; j < centre.size(); ++j)
            ic[j] = {int(centre[j][0] + 0.5), int(centre[j][1] + 0.5), int(centre[j][2] + 0.5)};
        std::vector<std::array<double, 4>> acc(centre.size(), {0, 0, 0, 0});
        for (const Entry& x : e) {
            size_t bi = 0;
            int bd = dist(x.c, ic[0]);
            for (size_t j = 1; j < ic.size(); ++j) {
                int d = dist(x.c, ic[j]);
                if (d < bd) bd = d, bi = j;
            }
            for (int k = 0; k < 3; ++k) acc[bi][k] += double(x.c[k]) * x.n;
            acc[bi][3] += x.n;
        }
        for (size_t j = 0; j < centre.size(); ++j)
            if (acc[j][3] > 0)
                for (int k = 0; k < 3; ++k) centre[j][k] = acc[j][k] / acc[j][3];
    }
    std::vector<QRgb> pal;
    for (const auto& c : centre)
        pal.push_back(qRgb(int(c[0] + 0.5), int(c[1] + 0.5), int(c[2] + 0.5)));
    std::sort(pal.begin(), pal.end());
    pal.erase(std::unique(pal.begin(), pal.end()), pal.end());
    return pal;
}

std::vector<uint8_t> mapToPalette(const QImage& src, const std::vector<QRgb>& palette, int first,
                                  int keyIndex) {
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    std::vector<uint8_t> out(size_t(img.width()) * img.height());
    std::vector<std::array<int, 3>> pc;
    for (QRgb p : palette) pc.push_back(rgbOf(p));
    std::unordered_map<uint32_t, uint8_t> cache;
    size_t o = 0;
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x, ++o) {
            if (qAlpha(row[x]) < 128 && keyIndex >= 0) {
                out[o] = static_cast<uint8_t>(keyIndex);
                continue;
            }
            uint32_t c = row[x] & 0xFFFFFFu;
            auto it = cache.find(c);
            if (it != cache.end()) {
                out[o] = it->second;
                continue;
            }
            auto rgb = rgbOf(c);
            int bi = first, bd = dist(rgb, pc[first]);
            for (int j = first + 1; j < static_cast<int>(pc.size()); ++j) {
                int d = dist(rgb, pc[j]);
                if (d < bd) bd = d, bi = j;
            }
            cache.emplace(c, static_cast<uint8_t>(bi));
            out[o] = static_cast<uint8_t>(bi);
        }
    }
    return out;
}

}  // namespace gen
