// The game's hot paths on the real code: loading a skin, its outline, one tick, placing the food,
// repainting after a tick, and installing a shared skin.

#include "BenchScenes.h"
#include "engine/SceneChanges.h"
#include "engine/ScenePainter.h"
#include "formats/PictureLoading.h"
#include "layouts/PixelScale.h"
#include "platform/ClockRandom.h"
#include "rules/Food.h"
#include "rules/Tick.h"
#include "skins/Region.h"
#include "skins/SkinInstall.h"
#include "support/ArchiveWriter.h"
#include "support/FakePlatform.h"
#include "support/SkinFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QString programFolder;

void BM_SkinLoadDefault(benchmark::State& state)
{
    SkinnedWindow window;
    for (auto _ : state) {
        const auto error = window.load(programFolder + "/Skins/Default");
        benchmark::DoNotOptimize(error);
    }
}
BENCHMARK(BM_SkinLoadDefault)->Unit(benchmark::kMillisecond);

// The Default skin installed from a zip of its three files, as a drop on the skin selector does
// it: unpacking, the load that checks it, the rename into place, and a free name beside the game's
// own Default.
void BM_InstallDefaultFromZip(benchmark::State& state)
{
    const QTemporaryDir home;
    const QString zip = home.filePath(QStringLiteral("Default.zip"));
    if (!writeArchive(zip, skinEntries(programFolder + QStringLiteral("/Skins/Default"), {})))
        state.SkipWithError("the zip could not be written");
    FixedFacts facts;
    facts.folder = programFolder;
    facts.playerData = home.path();
    for (auto _ : state) {
        const SkinInstall install = installSkin(zip, facts, [](const QString&) { return false; });
        state.PauseTiming();
        if (!install.ok())
            state.SkipWithError(qPrintable(install.refusal));
        QDir(install.path).removeRecursively();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InstallDefaultFromZip)->Unit(benchmark::kMillisecond);

const QColor KeyColour(255, 0, 255);

// A skin picture of the key colour with a rounded body on it; `holes` then cuts into the body.
QImage roundedSkinPicture(QSize size, QRect body, int radius,
                          const std::function<void(QPainter&)>& holes)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(KeyColour);
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 120, 110));
    painter.drawRoundedRect(body, radius, radius);
    painter.setBrush(KeyColour);
    holes(painter);
    return picture;
}

// A full-HD skin: a frame of transparent colour round a shape with holes, several runs a row.
QImage largeSkinPicture()
{
    return roundedSkinPicture({1920, 1080}, {40, 40, 1840, 1000}, 200, [](QPainter& painter) {
        for (int i = 0; i < 6; ++i)
            painter.drawEllipse(QPoint(250 + i * 290, 540), 90, 380);
    });
}

void scanRepeatedly(benchmark::State& state, const QImage& picture)
{
    Region region;
    for (auto _ : state) {
        qint32 transColor = 1;
        region.ScanPicture(picture, transColor);
        benchmark::DoNotOptimize(region);
    }
}

void BM_OutlineFullHd(benchmark::State& state)
{
    scanRepeatedly(state, largeSkinPicture());
}
BENCHMARK(BM_OutlineFullHd)->Unit(benchmark::kMillisecond);

// Loads the skin in `folder` again and again, the whole load as the play window does it, and
// reports how many rectangles its outline took.
void loadSkinRepeatedly(benchmark::State& state, const SkinFolder& folder)
{
    SkinnedWindow window;
    for (auto _ : state) {
        const auto error = window.load(folder.skinPath());
        if (error) {
            std::fprintf(stderr, "the benchmark's skin was refused: %s\n",
                         qPrintable(error->reason));
            std::abort();
        }
    }
    state.counters["rectangles"] = double(window.outline.value_or(QRegion()).rectCount());
}

// 2000 × 2200, every other column transparent: over two million one-pixel runs, a thousand
// rectangles once rows alike are merged.
QImage stripesPicture()
{
    QImage picture(2000, 2200, QImage::Format_RGB32);
    picture.fill(QColor(30, 120, 110));
    for (int x = 0; x < picture.width(); x += 2)
        for (int y = 0; y < picture.height(); ++y)
            picture.setPixelColor(x, y, KeyColour);
    return picture;
}

void BM_SkinLoadStripes(benchmark::State& state)
{
    SkinFolder folder(QStringLiteral("Stripes"));
    folder.setBitmap(stripesPicture());
    loadSkinRepeatedly(state, folder);
}
BENCHMARK(BM_SkinLoadStripes)->Unit(benchmark::kMillisecond);

void BM_OutlineStripes(benchmark::State& state)
{
    scanRepeatedly(state, stripesPicture());
}
BENCHMARK(BM_OutlineStripes)->Unit(benchmark::kMillisecond);

// The largest picture a skin may have, 8000 × 4000, with an outline as detailed as is still
// taken: big rounded corners and a band of slanting slots, every row there unlike the one before.
void BM_SkinLoadLargest(benchmark::State& state)
{
    SkinFolder folder(QStringLiteral("Largest"));
    const QImage picture =
        roundedSkinPicture({8000, 4000}, {0, 0, 8000, 3999}, 1000, [](QPainter& painter) {
            for (int i = 0; i < 16; ++i) {
                const int x = 300 + i * 420;
                const QPoint slot[] = {
                    {x, 1600}, {x + 150, 1600}, {x + 950, 2400}, {x + 800, 2400}};
                painter.drawPolygon(slot, 4);
            }
        });
    folder.setBitmap(picture);
    loadSkinRepeatedly(state, folder);
}
BENCHMARK(BM_SkinLoadLargest)->Unit(benchmark::kMillisecond);

QImage noise()
{
    QImage noise(8000, 4000, QImage::Format_RGB32);
    QRandomGenerator(1).fillRange(reinterpret_cast<quint32*>(noise.bits()),
                                  noise.sizeInBytes() / 4);
    return noise;
}

// The slowest picture the loader takes: noise over the most pixels allowed, as a progressive JPEG
// whose heaviest scan is repeated up to the most scans taken, or as many as the largest file holds.
QByteArray slowestPicture()
{
    const QImage noise = ::noise();
    const qint64 base = progressiveJpeg(noise, 10).size();
    const qint64 perScan = progressiveJpeg(noise, 11).size() - base;
    return progressiveJpeg(
        noise, int(std::min<qint64>(jpegScansTaken(qint64(noise.width()) * noise.height()),
                                    10 + (MaxPictureBytes - base) / perScan)));
}

// Loads `picture` as a skin's file, again and again.
void loadPictureRepeatedly(benchmark::State& state, const QByteArray& picture)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("food.gif")));
    if (!file.open(QIODevice::WriteOnly) || file.write(picture) != picture.size())
        std::abort();
    file.close();
    for (auto _ : state) {
        const PictureResult result = loadPicture(file.fileName());
        if (!result.loaded()) {
            std::fprintf(stderr, "the picture was refused: %s\n", qPrintable(result.refusal));
            std::abort();
        }
    }
    state.counters["scans"] = double(picture.count("\xFF\xDA"));
    state.counters["MB"] = double(picture.size()) / (1 << 20);
}

void BM_PictureLoadSlowest(benchmark::State& state)
{
    static const QByteArray slowest = slowestPicture();
    loadPictureRepeatedly(state, slowest);
}
BENCHMARK(BM_PictureLoadSlowest)->Unit(benchmark::kMillisecond);

// The floor it is measured against: the same noise as a JPEG of one scan, at the best quality.
void BM_PictureLoadPlainJpeg(benchmark::State& state)
{
    static const QByteArray plain = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        noise().save(&buffer, "JPEG", 100);
        return bytes;
    }();
    loadPictureRepeatedly(state, plain);
}
BENCHMARK(BM_PictureLoadPlainJpeg)->Unit(benchmark::kMillisecond);

void BM_Tick(benchmark::State& state)
{
    Board board = defaultSkinWindow(programFolder).board;
    layKriel(board, int(state.range(0)));
    KrielState kriel{Heading::None, 0, 1};
    ClockRandom random;
    for (auto _ : state) {
        kriel.Direction = headingAlongCycle(board);
        const TickResult result = Tick(board, kriel, 8, random);
        if (result.died)
            state.SkipWithError("the kriel died");
    }
}
BENCHMARK(BM_Tick)->Arg(1)->Arg(100)->Arg(360)->Unit(benchmark::kMicrosecond);

void BM_PlaceFood(benchmark::State& state)
{
    Board board = defaultSkinWindow(programFolder).board;
    // Body cells 1 to N hold N cells of the grid; the head lies on the last of them.
    layKriel(board, int(state.range(0)) + 1);
    board.head() = board.shpkriel.back();
    ClockRandom random;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceFood(board, random));
}
BENCHMARK(BM_PlaceFood)->Arg(0)->Arg(180)->Arg(359)->Unit(benchmark::kMicrosecond);

// One tick of a 40-cell kriel on the Default skin, then the repaint of what changed, on an image
// of the window's size.
void BM_RepaintPerTick(benchmark::State& state)
{
    SkinnedWindow skinned = defaultSkinWindow(programFolder);
    Board& board = skinned.board;
    const PlayLook& look = skinned.look;
    layKriel(board, 40);
    const PixelScale scale;
    QImage window(scale.pixelX(look.width), scale.pixelY(look.height), QImage::Format_RGB32);
    {
        QPainter painter(&window);
        paintScene(painter, board, look, scale, window.rect());
    }
    KrielState kriel{Heading::None, 0, 1};
    ClockRandom random;
    double painted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const Board before = board;
        kriel.Direction = headingAlongCycle(board);
        Tick(board, kriel, 8, random);
        state.ResumeTiming();

        const QRegion changed = changedArea(before, board, look, scale);
        QPainter painter(&window);
        painter.setClipRegion(changed);
        paintScene(painter, board, look, scale, changed);
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
    SkinnedWindow skinned = defaultSkinWindow(programFolder);
    Board& board = skinned.board;
    const PlayLook& look = skinned.look;
    layKriel(board, 40);
    const PixelScale scale;
    QImage window(scale.pixelX(look.width), scale.pixelY(look.height), QImage::Format_RGB32);
    KrielState kriel{Heading::None, 0, 1};
    ClockRandom random;
    for (auto _ : state) {
        kriel.Direction = headingAlongCycle(board);
        Tick(board, kriel, 8, random);
        QPainter painter(&window);
        paintScene(painter, board, look, scale, window.rect());
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
