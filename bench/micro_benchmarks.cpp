// The game's hot paths on the real code: loading a skin, its outline, one tick, placing the food,
// and repainting after a tick.

#include "BenchScenes.h"
#include "engine/Food.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "engine/Tick.h"
#include "platform/ClockRandom.h"
#include "skins/Region.h"
#include "skins/SkinLoader.h"
#include "support/FakePlatform.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QString programFolder;

void BM_SkinLoadDefault(benchmark::State& state)
{
    FixedFacts facts;
    const PlayWindowScene layout = playWindowLayout();
    SkinLoader loader;
    for (auto _ : state) {
        PlayWindowScene scene = layout;
        const auto error = loader.load(programFolder + "/Skins/Default", scene, nullptr, facts);
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_SkinLoadDefault)->Unit(benchmark::kMillisecond);

// A full-HD skin: a frame of transparent colour round a shape with holes, several runs a row.
QImage largeSkinPicture()
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 120, 110));
    painter.drawRoundedRect(QRect(40, 40, 1840, 1000), 200, 200);
    painter.setBrush(QColor(255, 0, 255));
    for (int i = 0; i < 6; ++i)
        painter.drawEllipse(QPoint(250 + i * 290, 540), 90, 380);
    return picture;
}

void BM_OutlineFullHd(benchmark::State& state)
{
    const QImage picture = largeSkinPicture();
    Region region;
    for (auto _ : state) {
        qint32 transColor = 1;
        region.ScanPicture(picture, transColor);
        benchmark::DoNotOptimize(region);
    }
}
BENCHMARK(BM_OutlineFullHd)->Unit(benchmark::kMillisecond);

void BM_Tick(benchmark::State& state)
{
    PlayWindowScene scene = defaultSkinScene(programFolder);
    layKriel(scene, int(state.range(0)));
    KrielState kriel{Heading::None, 0, 1};
    ClockRandom random;
    for (auto _ : state) {
        kriel.Direction = headingAlongCycle(scene);
        const TickResult result = Tick(scene, kriel, 8, random);
        if (result.died)
            state.SkipWithError("the kriel died");
    }
}
BENCHMARK(BM_Tick)->Arg(1)->Arg(100)->Arg(360)->Unit(benchmark::kMicrosecond);

void BM_PlaceFood(benchmark::State& state)
{
    PlayWindowScene scene = defaultSkinScene(programFolder);
    // Body cells 1 to N hold N cells of the grid; the head lies on the last of them.
    layKriel(scene, int(state.range(0)) + 1);
    scene.head().bounds = scene.shpkriel.back().bounds;
    ClockRandom random;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceFood(scene, random));
}
BENCHMARK(BM_PlaceFood)->Arg(0)->Arg(180)->Arg(359)->Unit(benchmark::kMicrosecond);

// One tick of a 40-cell kriel on the Default skin, then the repaint of what changed, on an image
// of the window's size.
void BM_RepaintPerTick(benchmark::State& state)
{
    PlayWindowScene scene = defaultSkinScene(programFolder);
    layKriel(scene, 40);
    const PixelScale scale;
    QImage window(scale.pixelX(scene.width), scale.pixelY(scene.height), QImage::Format_RGB32);
    {
        QPainter painter(&window);
        paintScene(painter, scene, scale, window.rect());
    }
    KrielState kriel{Heading::None, 0, 1};
    ClockRandom random;
    double painted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const PlayWindowScene before = scene;
        kriel.Direction = headingAlongCycle(scene);
        Tick(scene, kriel, 8, random);
        state.ResumeTiming();

        const QRegion changed = changedArea(before, scene, scale);
        QPainter painter(&window);
        painter.setClipRegion(changed);
        paintScene(painter, scene, scale, changed);
        painter.end();
        for (const QRect& r : changed)
            painted += double(r.width()) * r.height();
    }
    const double windowArea = double(window.width()) * window.height();
    state.counters["painted_px"] = benchmark::Counter(painted, benchmark::Counter::kAvgIterations);
    state.counters["painted_pct"] =
        benchmark::Counter(100 * painted / windowArea, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RepaintPerTick)->Unit(benchmark::kMicrosecond);

// For comparison: the same tick with the whole window repainted, as before repaints were
// limited to what changed.
void BM_RepaintWholeWindow(benchmark::State& state)
{
    PlayWindowScene scene = defaultSkinScene(programFolder);
    layKriel(scene, 40);
    const PixelScale scale;
    QImage window(scale.pixelX(scene.width), scale.pixelY(scene.height), QImage::Format_RGB32);
    KrielState kriel{Heading::None, 0, 1};
    ClockRandom random;
    for (auto _ : state) {
        kriel.Direction = headingAlongCycle(scene);
        Tick(scene, kriel, 8, random);
        QPainter painter(&window);
        paintScene(painter, scene, scale, window.rect());
    }
}
BENCHMARK(BM_RepaintWholeWindow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    programFolder = QStringLiteral(KRIEL_PROGRAM_FOLDER);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
