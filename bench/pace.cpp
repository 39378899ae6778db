// The game's pace as the player feels it: a real play window at Hard, steered round the grid so
// that it eats and grows, while another thread keeps the second core busy. Prints the tick
// intervals' mean and the 99th percentile of their deviation from 65 ms, as JSON.

#include "BenchScenes.h"
#include "engine/StartMenu.h"
#include "engine/Windows.h"
#include "engine/frmMain.h"
#include "platform/ClockRandom.h"
#include "platform/QtTimers.h"
#include "support/FakePlatform.h"

#include <QApplication>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The real timers, with each tick's moment written down before the game handles it.
class StampedTimers final : public TimerFactory {
public:
    explicit StampedTimers(std::function<void()> beforeTick)
        : m_beforeTick(std::move(beforeTick))
    {}

    std::unique_ptr<TickTimer> create(std::function<void()> onTick) override
    {
        return m_real.create([this, onTick = std::move(onTick)] {
            stamps.push_back(Clock::now());
            m_beforeTick();
            onTick();
        });
    }

    std::vector<Clock::time_point> stamps;

private:
    QtTimers m_real;
    std::function<void()> m_beforeTick;
};

int keyFor(Heading heading)
{
    return heading == Heading::None ? int(Heading::Up) : int(heading);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int Intervals = 300;
    constexpr double Pace = 65;

    // --quiet leaves the other core alone, for profiling the game by itself.
    const bool loaded = !QCoreApplication::arguments().contains(QStringLiteral("--quiet"));
    std::atomic<bool> stop = false;
    std::thread busy([&] {
        while (loaded && !stop.load(std::memory_order_relaxed)) {
        }
    });

    FakeSettings settings;
    RecordingSound sound;
    ScriptedDialogs dialogs;
    ClockRandom random;
    FixedFacts facts;
    facts.folder = QStringLiteral(KRIEL_PROGRAM_FOLDER);
    RecordingEnd end;
    RecordingShell shell;
    DeliveredEndRequests endRequests;
    OpenWindows windows([] {});
    frmMain* play = nullptr;
    StampedTimers timers([&] {
        // Steer along a closed walk through the grid, as a careful player would.
        play->Form_KeyDown(keyFor(headingAlongCycle(play->board())));
        // Leaves the event loop without closing the window, which quit() would.
        if (int(timers.stamps.size()) > Intervals + 1)
            QCoreApplication::exit(0);
    });
    Platform platform{settings, sound,  dialogs, random, facts,
                      end,      timers, windows, shell,  endRequests};

    StartMenu hard(platform, startMenuLayout());
    hard.PointsPerFood = 8;
    hard.settings = {false, false, true};
    const Windows game{.ops = &hard};
    frmMain window(platform, game);
    play = &window;
    window.TickInterval = QStringLiteral("65");
    window.Show();
    window.GameOver = 0;
    app.exec();

    stop = true;
    busy.join();

    // The first tick comes 1 ms after the window opens; the game's pace starts with the second.
    std::vector<double> intervals;
    for (std::size_t i = 2; i < timers.stamps.size(); ++i)
        intervals.push_back(
            std::chrono::duration<double, std::milli>(timers.stamps[i] - timers.stamps[i - 1])
                .count());
    std::vector<double> deviations;
    double sum = 0;
    for (double interval : intervals) {
        sum += interval;
        deviations.push_back(std::abs(interval - Pace));
    }
    std::sort(deviations.begin(), deviations.end());
    const double p99 = deviations[std::size_t(std::ceil(0.99 * deviations.size())) - 1];
    std::printf("{\"ticks\": %zu, \"mean_ms\": %.3f, \"p99_deviation_ms\": %.3f, "
                "\"max_deviation_ms\": %.3f, \"cells\": %zu, \"alive\": %s}\n",
                intervals.size(), sum / intervals.size(), p99, deviations.back(),
                window.isLoaded() ? window.board().shpkriel.size() : std::size_t(0),
                window.isLoaded() ? "true" : "false");
    return window.isLoaded() ? 0 : 1;
}
