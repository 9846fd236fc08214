// The adventure map's drawing: one whole frame as the 200 ms timer draws it, and
// the ground layer rebuilt after every step.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

#include "core/data/GameState.h"
#include "platform/AssetNames.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/Random.h"
#include "platform/headless/HeadlessPlatform.h"
#include "ui/adventure/MapRenderer.h"

namespace {

// A busy corner of a continent: shores, forests and rocks that join, towns,
// treasure and armies, all within the 7 x 7 view.
std::unique_ptr<GameState> busyMap() {
    auto gs = std::make_unique<GameState>();
    Random rnd(11);
    gs->continent = 1;
    gs->heroX = 20;
    gs->heroY = 20;
    for (int x = 1; x <= kMapW; ++x)
        for (int y = 1; y <= kMapH; ++y) {
            gs->ground(x, y) = static_cast<uint16_t>(1 + rnd(8));
            const uint32_t r = rnd(10);
            uint16_t code = 0;
            if (x < 19)
                code = 100;
            else if (r < 2)
                code = static_cast<uint16_t>(55 + rnd(5));
            else if (r < 4)
                code = static_cast<uint16_t>(65 + rnd(5));
            else if (r == 4)
                code = static_cast<uint16_t>(500 + rnd(4));
            gs->cell(1, x, y) = code;
            gs->explored(1, x, y) = 1;
        }
    gs->here(18, 20) = 110;
    gs->here(22, 22) = 703;
    gs->town(3).race = 2;
    gs->here(21, 19) = 76;
    gs->here(20, 20) = 0;
    return gs;
}

// The generated pictures when the build folder has them, plain stand-ins of
// the same size otherwise.
MapRenderer& renderer() {
    static MapRenderer r;
    static bool ready = false;
    if (!ready) {
        HeadlessPlatform platform;
        if (platform.fileExists(dataPath(std::string(assets::kTravel) + "FreeT/grass1.pic"))) {
            r.loadPictures(platform);
        } else {
            for (int s = 1; s <= 110; ++s) {
                QImage img(100, 100, QImage::Format_ARGB32);
                img.fill(qRgb(s, 255 - s, 90));
                for (int y = 0; y < 100; ++y)
                    for (int x = 0; x < 100; ++x)
                        if ((x - 50) * (x - 50) + (y - 50) * (y - 50) > 1600)
                            img.setPixel(x, y, qRgb(255, 0, 255));
                r.setSlot(s, img, s >= 50);
            }
        }
        ready = true;
    }
    return r;
}

void BM_BuildGroundLayer(benchmark::State& state) {
    auto gs = busyMap();
    MapRenderer& r = renderer();
    for (auto _ : state) {
        r.buildGroundLayer(*gs);
        benchmark::DoNotOptimize(r.ground().constBits());
    }
}
BENCHMARK(BM_BuildGroundLayer)->Unit(benchmark::kMicrosecond);

// Ground copy, water and ships, armies, hero, mini-map around the hero, and the
// copy of the view and the mini-map onto the window's surface.
void BM_FormPaintFrame(benchmark::State& state) {
    auto gs = busyMap();
    MapRenderer& r = renderer();
    r.buildGroundLayer(*gs);
    QImage window(732, 511, QImage::Format_ARGB32_Premultiplied);
    int phase = 1;
    for (auto _ : state) {
        phase = phase > 3 ? 1 : phase + 1;
        r.composeFrame(*gs, phase);
        QPainter p(&window);
        p.drawImage(QRect(6, 5, 500, 500), r.frame(), r.viewSource());
        p.drawImage(512, 5, r.miniMap(gs->continent));
        p.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_FormPaintFrame)->Unit(benchmark::kMicrosecond);

// A step's frame: the view shifted, armies sliding, no mini-map.
void BM_StepFrame(benchmark::State& state) {
    auto gs = busyMap();
    MapRenderer& r = renderer();
    r.buildGroundLayer(*gs);
    // Every frame of a slide has a new offset, so each is composed whole.
    int shift = 0;
    for (auto _ : state) {
        shift = shift % 99 + 1;
        gs->stepShiftX = shift;
        r.composeFrame(*gs, 2);
        benchmark::DoNotOptimize(r.frame().constBits());
    }
}
BENCHMARK(BM_StepFrame)->Unit(benchmark::kMicrosecond);

void BM_RedrawMiniMap(benchmark::State& state) {
    auto gs = busyMap();
    MapRenderer& r = renderer();
    for (auto _ : state) {
        r.redrawMiniMap(*gs);
        benchmark::DoNotOptimize(r.miniMap(1).constBits());
    }
}
BENCHMARK(BM_RedrawMiniMap)->Unit(benchmark::kMicrosecond);

}  // namespace
