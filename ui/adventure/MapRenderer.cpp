#include "ui/adventure/MapRenderer.h"

#include <QPainter>
#include <cstring>

#include "core/data/GameState.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "ui/kit/Pictures.h"

namespace {

QRgb toRgb(uint32_t bgr) {
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// Ready for fast drawing: opaque pictures as RGB32, transparent ones with the
// colour of pixel (1,1) keyed out, premultiplied.
QImage prepare(const QImage& picture, bool transparent) {
    if (picture.isNull()) return {};
    if (!transparent) return picture.convertToFormat(QImage::Format_RGB32);
    if (picture.width() < 2 || picture.height() < 2)
        return picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb key = picture.pixel(1, 1) | 0xFF000000u;
    if (picture.format() == QImage::Format_Indexed8) {
        QImage copy = picture;
        QList<QRgb> table = copy.colorTable();
        for (QRgb& c : table)
            if ((c | 0xFF000000u) == key) c = qRgba(0, 0, 0, 0);
        copy.setColorTable(table);
        return copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((row[x] | 0xFF000000u) == key) row[x] = 0;
    }
    return argb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A shore piece as drawn over another water picture: its land, sand and surf,
// the rest transparent. Water is left out, the shallows included: they would
// cover the shore the picture below has of its own. Land and sand are where the
// piece differs from open water of the same frame (both come from one palette
// and one wave field) and is not blue.
QImage shoreOverlay(const QImage& piece, const QImage& open) {
    if (piece.isNull() || open.isNull() || piece.size() != open.size()) return {};
    QImage out = piece.convertToFormat(QImage::Format_ARGB32);
    const QImage sea = open.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const auto* under = reinterpret_cast<const QRgb*>(sea.constScanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const bool blue = qBlue(row[x]) > qRed(row[x]) + 25;
            if (row[x] == under[x] || blue) row[x] = 0;
        }
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

MapRenderer::MapRenderer() {
    makeSurfaces();
    recreateMiniMaps();
}

void MapRenderer::makeSurfaces() {
    ground_ = QImage(view_.surfaceWidth() * factor_, view_.surfaceHeight() * factor_,
                     QImage::Format_RGB32);
    ground_.fill(Qt::black);
    frame_ = ground_.copy();
}

void MapRenderer::loadPictures(Platform& platform, bool twice) {
    const auto& table = assets::mapSlots();
    std::vector<QImage> raw(table.size());
    for (size_t i = 1; i < table.size(); ++i) {
        const assets::MapSlot& s = table[i];
        if (s.mirroredFrom > 0) {
            raw[i] = raw[static_cast<size_t>(s.mirroredFrom)].copy();
            if (!raw[i].isNull()) MirrorRows(raw[i]);
        } else if (!s.file.empty()) {
            const std::string picture = dataPath(std::string(assets::kTravel) + s.file);
            raw[i] = twice ? LoadPicTwice(platform, picture) : LoadPic(platform, picture);
        }
        slots_[i] = prepare(raw[i], s.transparent);
    }
    for (int piece = 0; piece < slot::kShorePieces; ++piece)
        for (int frame = 0; frame < 3; ++frame)
            slots_[static_cast<size_t>(slot::kShoreOverlay + 3 * piece + frame)] =
                shoreOverlay(slots_[static_cast<size_t>(shorePieceWater(piece) + frame)],
                             slots_[static_cast<size_t>(slot::kWater + frame)]);
    factor_ = twice ? 2 : 1;
    makeSurfaces();
    loaded_ = true;
}

void MapRenderer::setSlot(int slot, const QImage& picture, bool transparent) {
    if (slot < 1 || slot > slot::kCount) return;
    slots_[static_cast<size_t>(slot)] = prepare(picture, transparent);
}

void MapRenderer::setView(const ViewCells& view) {
    if (view == view_) return;
    view_ = view;
    makeSurfaces();
    viewSource_ = QRect(100, 100, view.cols * 100, view.rows * 100);
}

void MapRenderer::drawBlits(QImage& surface, const std::vector<Blit>& blits) {
    QPainter p(&surface);
    for (const Blit& b : blits) {
        if (b.slot == slot::kDark) {
            p.fillRect(b.x * factor_, b.y * factor_, 100 * factor_, 100 * factor_, Qt::black);
            continue;
        }
        // Slot numbers come from map codes and town races: a value without a
        // picture draws nothing rather than reading past the table.
        if (!slot::drawable(b.slot)) continue;
        const QImage& img = slots_[static_cast<size_t>(b.slot)];
        if (!img.isNull()) p.drawImage(b.x * factor_, b.y * factor_, img);
    }
}

void MapRenderer::buildGroundLayer(const GameState& gs) {
    groundLayerBlits(gs, blits_, view_);
    drawBlits(ground_, blits_);
}

void MapRenderer::composeFrame(GameState& gs, int phase) {
    std::memcpy(frame_.bits(), ground_.constBits(), static_cast<size_t>(ground_.sizeInBytes()));
    frameBlits(gs, phase, blits_, view_);
    drawBlits(frame_, blits_);
    viewSource_ =
        QRect(100 + gs.stepShiftX, 100 + gs.stepShiftY, view_.cols * 100, view_.rows * 100);
    if (gs.stepShiftX == 0 && gs.stepShiftY == 0) {
        nearbyDots(gs, phase, dots_);
        drawDots(gs, dots_);
    }
}

void MapRenderer::recreateMiniMaps() {
    for (QImage& m : mini_) {
        m = QImage(kMiniW, kMiniH, QImage::Format_RGB32);
        m.fill(Qt::black);
    }
}

void MapRenderer::redrawMiniMap(const GameState& gs) {
    allDots(gs, dots_);
    drawDots(gs, dots_);
}

const QImage& MapRenderer::miniMap(int continent) const {
    return mini_[static_cast<size_t>(continent >= 1 && continent <= 3 ? continent - 1 : 0)];
}

void MapRenderer::drawDots(const GameState& gs, const std::vector<Dot>& dots) {
    QImage& m =
        mini_[static_cast<size_t>(gs.continent >= 1 && gs.continent <= 3 ? gs.continent - 1 : 0)];
    // A dot of pen width 4 centred on (3x, 3y).
    for (const Dot& d : dots) {
        const QRgb c = toRgb(d.colour);
        for (int y = d.y - 2; y < d.y + 2; ++y) {
            if (y < 0 || y >= kMiniH) continue;
            auto* row = reinterpret_cast<QRgb*>(m.scanLine(y));
            for (int x = d.x - 2; x < d.x + 2; ++x)
                if (x >= 0 && x < kMiniW) row[x] = c;
        }
    }
}
