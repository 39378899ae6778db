#pragma once

#include "platform/Platform.h"
#include "support/SeededRandom.h"

#include <QDir>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QUrl>

#include <functional>

// An in-memory settings store that remembers the order of its writes.
struct FakeSettings final : SettingsStore {
    QString read(const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(section + '/' + key, fallback);
    }
    bool writeAll(const QList<SettingValue>& entries) override
    {
        for (const SettingValue& v : entries) {
            values.insert(v.section + '/' + v.key, v.value);
            writes.append(v.section + '/' + v.key + '=' + v.value);
        }
        return !failing;
    }
    QString location() const override { return QStringLiteral("/fake/Vamblet/Vamblet.ini"); }

    QMap<QString, QString> values;  // "Section/Key" -> value
    QStringList writes;             // "Section/Key=value", in order
    bool failing = false;           // writes are kept in memory but reported as not saved
};

struct RecordingSound final : SoundPlayer {
    void play(const QString& wavPath) override { played.append(wavPath); }
    void prepare(const QStringList& wavPaths) override { prepared = wavPaths; }
    QStringList played;
    QStringList prepared;
};

// Records every box shown; input boxes and questions answer from scripts. `whileOpen` runs inside
// each box, as the timer's ticks would while a real one waits for the player.
struct ScriptedDialogs final : Dialogs {
    struct Box {
        // kind: "message", "question", "input", "open" or "save"; a file box's prompt is its
        // name filter
        QString kind, prompt, title;
    };

    void message(QWidget*, const QString& prompt, const QString& title) override
    {
        open({QStringLiteral("message"), prompt, title});
    }
    bool question(QWidget*, const QString& prompt, const QString& title) override
    {
        open({QStringLiteral("question"), prompt, title});
        return !replies.empty() && replies.takeFirst();
    }
    QString input(QWidget*, const QString& prompt, const QString& title) override
    {
        open({QStringLiteral("input"), prompt, title});
        return answers.empty() ? QString() : answers.takeFirst();
    }
    QString chooseFileOrFolder(QWidget*, const QString& title, const QString& filter) override
    {
        open({QStringLiteral("open"), filter, title});
        return paths.empty() ? QString() : paths.takeFirst();
    }
    QString chooseSaveFile(QWidget*, const QString& title, const QString&,
                           const QString& filter) override
    {
        open({QStringLiteral("save"), filter, title});
        return paths.empty() ? QString() : paths.takeFirst();
    }

    QList<Box> shown;
    QStringList answers;  // for input boxes; "" (Cancel) once they run out
    QList<bool> replies;  // for questions; No once they run out
    QStringList paths;    // for file boxes; "" (Cancel) once they run out
    std::function<void()> whileOpen;

private:
    void open(const Box& box)
    {
        shown.append(box);
        if (whileOpen)
            whileOpen();
    }
};

struct FixedFacts final : ProgramFacts {
    QString programFolder() const override { return folder; }
    QString dataHome() const override { return playerData; }
    QString cacheHome() const override { return playerCache; }
    float twipsPerPixelX() const override { return twipsAcross; }
    float twipsPerPixelY() const override { return twipsDown; }
    QList<QRect> screenAreas() const override { return screens; }
    QRect workArea() const override { return work; }

    QString folder;
    QString playerData;   // none unless a test gives one
    QString playerCache;  // none unless a test gives one
    float twipsAcross = 15;
    float twipsDown = 15;
    QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    QRect work{0, 0, 1920, 1040};  // a panel along the bottom
};

struct RecordingEnd final : ProgramEnd {
    void endNow() override { ++calls; }
    int calls = 0;
};

// Requests to end that a test delivers, as the desktop would.
struct DeliveredEndRequests final : EndRequests {
    void whenAsked(std::function<void()> onRequest) override { handler = std::move(onRequest); }
    void deliver()
    {
        if (handler)
            handler();
    }
    std::function<void()> handler;
};

struct RecordingShell final : Shell {
    bool open(const QUrl& target) override
    {
        opened.append(target.toString());
        return true;
    }
    // Removes what it is given, as where there is no trash.
    bool moveToTrash(const QString& path) override
    {
        trashed.append(path);
        return QDir(path).removeRecursively();
    }
    QStringList opened;
    QStringList trashed;
};

// Timers that tick only when a test says so. The game runs one timer at a time: the latest made.
class ManualTimers final : public TimerFactory {
    struct Timer final : TickTimer {
        Timer(ManualTimers& owner, std::function<void()> onTick)
            : owner(owner)
            , onTick(std::move(onTick))
        {
            owner.m_current = this;
        }
        ~Timer() override
        {
            if (owner.m_current == this)
                owner.m_current = nullptr;
        }

        void start(int milliseconds) override
        {
            every = milliseconds;
            running = true;
        }
        void setInterval(int milliseconds) override { every = milliseconds; }
        int interval() const override { return every; }
        void stop() override { running = false; }
        bool isActive() const override { return running; }

        ManualTimers& owner;
        std::function<void()> onTick;
        int every = 0;
        bool running = false;
    };

public:
    std::unique_ptr<TickTimer> create(std::function<void()> onTick) override
    {
        return std::make_unique<Timer>(*this, std::move(onTick));
    }

    // One tick of the running timer; false when none runs. The tick may end the game and destroy
    // the timer that runs it.
    bool tick()
    {
        if (!anyRunning())
            return false;
        const std::function<void()> onTick = m_current->onTick;
        onTick();
        return true;
    }
    bool anyRunning() const { return m_current && m_current->running; }
    int interval() const { return anyRunning() ? m_current->every : 0; }  // 0 when none runs

private:
    Timer* m_current = nullptr;
};

// Every service doubled, ready to hand to a window as a Platform.
struct FakePlatform {
    FakeSettings settings;
    RecordingSound sound;
    ScriptedDialogs dialogs;
    SeededRandom random;
    FixedFacts facts;
    RecordingEnd end;
    ManualTimers timers;
    RecordingShell shell;
    DeliveredEndRequests endRequests;
    int quits = 0;
    OpenWindows windows{[this] { ++quits; }};
    Platform platform{settings, sound,  dialogs, random, facts,
                      end,      timers, windows, shell,  endRequests};
};
