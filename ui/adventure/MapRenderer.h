// The map's pictures and drawing surfaces: the 110 picture slots, the ground and
// frame surfaces (700 x 700, the 7 x 7 cells around the hero, or larger for the
// wider view) and the three mini-maps. It turns the blit lists of MapView into pixels; the map
// window shows the result. Kept apart from the window so a frame can be measured on its own.
#pragma once

#include <QImage>
#include <QRegion>
#include <array>
#include <vector>

#include "core/adventure/MapView.h"

struct GameState;
class Platform;
class QPainter;

class MapRenderer {
public:
    static constexpr int kSurface = 700;
    static constexpr int kMiniW = 214;
    static constexpr int kMiniH = 244;

    MapRenderer();

    // Loads every slot of the map's picture table from programDir (a missing file
    // is fatal through the platform). Transparent slots key out the colour of
    // their pixel (1,1); mirrored slots are the slot before them mirrored.
    // `twice`: the map is composed at twice its size, for scales above 1, each
    // slot from its twin (core/data/Twins) where the twin was drawn from the same
    // 1x picture, else from the 1x picture doubled.
    void loadPictures(Platform& platform, bool twice = false);
    // 2 when composed at twice the size, else 1. Blits, cells and viewSource()
    // stay in the map's own pixels; the surfaces are this many times larger.
    int factor() const { return factor_; }
    bool loaded() const { return loaded_; }
    // Puts a picture into a slot directly (tests and benchmarks).
    void setSlot(int slot, const QImage& picture, bool transparent);
    const QImage& slotImage(int slot) const { return slots_[static_cast<size_t>(slot)]; }

    // The cells the view shows; a change makes the surfaces anew (black), to be
    // drawn by the next buildGroundLayer.
    void setView(const ViewCells& view);
    const ViewCells& view() const { return view_; }

    // Redraws the static layer around the hero.
    void buildGroundLayer(const GameState& gs);
    // Composes one frame: ground, water and ships, armies, the hero, and (at rest)
    // the mini-map around the hero. Updates gs.heroSprite as the frame chooses.
    // The whole surface is composed after the ground layer, the view or the
    // pictures changed, and while a step slides the view; otherwise only the
    // pictures within viewSource() that differ from the last frame's are drawn
    // anew, with the ground under them and whatever overlaps them (the surface
    // outside viewSource() is then left as it was).
    void composeFrame(GameState& gs, int phase);
    // What the last composeFrame changed: on the frame surface, in the map's own
    // pixels (as viewSource()), the whole surface when it was composed whole;
    // and on the current continent's mini-map. Empty when nothing looks different.
    const QRegion& frameChanged() const { return frameChanged_; }
    const QRegion& miniChanged() const { return miniChanged_; }
    // The part of the frame surface that the window shows (500 x 500 for 5 x 5).
    QRect viewSource() const { return viewSource_; }
    // viewSource() in the frame surface's own pixels.
    QRect frameSource() const {
        return QRect(viewSource_.topLeft() * factor_, viewSource_.size() * factor_);
    }
    const QImage& frame() const { return frame_; }
    const QImage& ground() const { return ground_; }

    // Three black mini-maps with their frame, as a new game or a load needs.
    void recreateMiniMaps();
    void redrawMiniMap(const GameState& gs);
    const QImage& miniMap(int continent) const;

private:
    void makeSurfaces();
    void drawBlits(QImage& surface, const std::vector<Blit>& blits);
    void drawBlit(QPainter& p, const Blit& b) const;
    // Whether a blit hides all of `area` (map pixels) under opaque pixels.
    bool covers(const Blit& b, const QRect& area) const;
    // Composes a part of the frame surface (map pixels) anew from this frame's blits.
    void composePart(QPainter& p, const QRect& part);
    // Where a blit draws, in map pixels.
    QRect blitRect(const Blit& b) const;
    // The cells whose blits differ between the last frame and this one.
    QRegion changedBlits() const;
    // Draws the dots; adds those that changed colour to `changed` (mini-map pixels).
    void drawDots(const GameState& gs, const std::vector<Dot>& dots, QRegion* changed);

    std::array<QImage, slot::kAllSlots> slots_;
    QImage ground_;
    QImage frame_;
    std::array<QImage, 3> mini_;
    ViewCells view_;
    QRect viewSource_{100, 100, 500, 500};
    std::vector<Blit> blits_;
    std::vector<Blit> drawn_;  // the blits the frame surface shows
    bool whole_ = true;        // the frame surface is to be composed whole
    QRegion frameChanged_;
    QRegion miniChanged_;
    std::vector<Dot> dots_;
    bool loaded_ = false;
    int factor_ = 1;
};
