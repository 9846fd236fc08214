#include "ui/adventure/MapRenderer.h"

#include <QPainter>
#include <algorithm>
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
    whole_ = true;
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
    whole_ = true;
}

void MapRenderer::setView(const ViewCells& view) {
    if (view == view_) return;
    view_ = view;
    makeSurfaces();
    viewSource_ = QRect(100, 100, view.cols * 100, view.rows * 100);
}

void MapRenderer::drawBlits(QImage& surface, const std::vector<Blit>& blits) {
    QPainter p(&surface);
    for (const Blit& b : blits) drawBlit(p, b);
}

void MapRenderer::drawBlit(QPainter& p, const Blit& b) const {
    if (b.slot == slot::kDark) {
        p.fillRect(b.x * factor_, b.y * factor_, 100 * factor_, 100 * factor_, Qt::black);
        return;
    }
    // Slot numbers come from map codes and town races: a value without a
    // picture draws nothing rather than reading past the table.
    if (!slot::drawable(b.slot)) return;
    const QImage& img = slots_[static_cast<size_t>(b.slot)];
    if (!img.isNull()) p.drawImage(b.x * factor_, b.y * factor_, img);
}

bool MapRenderer::covers(const Blit& b, const QRect& area) const {
    if (b.slot != slot::kDark &&
        (!slot::drawable(b.slot) ||
         slots_[static_cast<size_t>(b.slot)].format() != QImage::Format_RGB32))
        return false;
    return blitRect(b).contains(area);
}

// Cell by cell: where an opaque picture covers the whole cell, neither the ground
// nor anything drawn before that picture shows.
void MapRenderer::composePart(QPainter& p, const QRect& part) {
    for (int top = part.top() / 100 * 100; top <= part.bottom(); top += 100)
        for (int left = part.left() / 100 * 100; left <= part.right(); left += 100) {
            const QRect area = part & QRect(left, top, 100, 100);
            if (area.isEmpty()) continue;
            size_t first = blits_.size();
            while (first > 0 && !covers(blits_[first - 1], area)) --first;
            const QRect px(area.topLeft() * factor_, area.size() * factor_);
            p.setClipRect(px);
            if (first == 0)
                p.drawImage(px.topLeft(), ground_, px);
            else
                --first;
            for (size_t i = first; i < blits_.size(); ++i)
                if (area.intersects(blitRect(blits_[i]))) drawBlit(p, blits_[i]);
        }
}

QRect MapRenderer::blitRect(const Blit& b) const {
    if (b.slot == slot::kDark) return QRect(b.x, b.y, 100, 100);
    if (!slot::drawable(b.slot)) return {};
    const QImage& img = slots_[static_cast<size_t>(b.slot)];
    return QRect(b.x, b.y, (img.width() + factor_ - 1) / factor_,
                 (img.height() + factor_ - 1) / factor_);
}

// Compared blit by blit in their order: a pixel outside every blit that differs
// is covered by the same pictures in the same order as before, so it is unchanged.
// The few areas that differ (a cell is under several blits) are gathered once
// each before the region is made.
QRegion MapRenderer::changedBlits() const {
    std::vector<QRect> areas;
    auto add = [&areas](const QRect& r) {
        if (!r.isEmpty() && std::find(areas.begin(), areas.end(), r) == areas.end())
            areas.push_back(r);
    };
    const size_t n = std::max(blits_.size(), drawn_.size());
    for (size_t i = 0; i < n; ++i) {
        const bool before = i < drawn_.size(), now = i < blits_.size();
        if (before && now && drawn_[i] == blits_[i]) continue;
        if (before) add(blitRect(drawn_[i]));
        if (now) add(blitRect(blits_[i]));
    }
    QRegion changed;
    for (const QRect& r : areas) changed += r;
    return changed;
}

void MapRenderer::buildGroundLayer(const GameState& gs) {
    groundLayerBlits(gs, blits_, view_);
    drawBlits(ground_, blits_);
    whole_ = true;
}

void MapRenderer::composeFrame(GameState& gs, int phase) {
    frameBlits(gs, phase, blits_, view_);
    const QRect source(100 + gs.stepShiftX, 100 + gs.stepShiftY, view_.cols * 100,
                       view_.rows * 100);
    // The view moves while a step slides it: then, and after the surfaces
    // changed, the whole surface is composed. Otherwise only the part the window
    // shows is kept up to date, where pictures changed; a slide composes the rest.
    if (whole_ || source != viewSource_) {
        std::memcpy(frame_.bits(), ground_.constBits(), static_cast<size_t>(ground_.sizeInBytes()));
        drawBlits(frame_, blits_);
        frameChanged_ = QRect(0, 0, view_.surfaceWidth(), view_.surfaceHeight());
        whole_ = false;
    } else {
        frameChanged_ = changedBlits() & source;
        if (!frameChanged_.isEmpty()) {
            QPainter p(&frame_);
            for (const QRect& part : frameChanged_) composePart(p, part);
        }
    }
    drawn_.swap(blits_);
    viewSource_ = source;
    miniChanged_ = QRegion();
    if (gs.stepShiftX == 0 && gs.stepShiftY == 0) {
        nearbyDots(gs, phase, dots_);
        drawDots(gs, dots_, &miniChanged_);
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
    drawDots(gs, dots_, nullptr);
}

const QImage& MapRenderer::miniMap(int continent) const {
    return mini_[static_cast<size_t>(continent >= 1 && continent <= 3 ? continent - 1 : 0)];
}

void MapRenderer::drawDots(const GameState& gs, const std::vector<Dot>& dots, QRegion* changed) {
    QImage& m =
        mini_[static_cast<size_t>(gs.continent >= 1 && gs.continent <= 3 ? gs.continent - 1 : 0)];
    const QRect all(0, 0, kMiniW, kMiniH);
    // A dot of pen width 4 centred on (3x, 3y).
    for (const Dot& d : dots) {
        const QRgb c = toRgb(d.colour);
        bool differs = false;
        for (int y = d.y - 2; y < d.y + 2; ++y) {
            if (y < 0 || y >= kMiniH) continue;
            auto* row = reinterpret_cast<QRgb*>(m.scanLine(y));
            for (int x = d.x - 2; x < d.x + 2; ++x)
                if (x >= 0 && x < kMiniW && row[x] != c) {
                    row[x] = c;
                    differs = true;
                }
        }
        if (differs && changed) *changed += QRect(d.x - 2, d.y - 2, 4, 4) & all;
    }
}
