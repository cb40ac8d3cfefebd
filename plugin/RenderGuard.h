#pragma once
// Keeps a render call away from state that the other threads replace as a
// block (setProgram, setChunk, setSampleRate), without ever making the audio
// thread wait; and keeps those other threads (the host's user-interface
// thread, its loading or automation threads, the editor) out of each other's
// way.
//
// The audio thread raises `rendering`, then looks at `busy`: if a replacement
// is under way it lowers `rendering` again and the caller outputs silence for
// that block. A replacing thread takes the mutex, raises `busy`, then yields
// until `rendering` is low, replaces the state, lowers `busy` and lets the
// mutex go. Both sides store their own flag before loading the other's
// (sequentially consistent), so at least one of them always sees the other.
// A replacing thread may wait up to one block, or for another replacing
// thread; the audio thread never waits. Replacements nest on one thread
// (setSampleRate re-applies the program through setProgram).
//
// The thread that renders is noted at every block: work for the engine that
// arrives on other threads once audio runs is handed to it (Kelvane's
// pending parameters and notes) instead of waiting for it.
#include <atomic>
#include <mutex>
#include <thread>

class RenderGuard
{
public:
    // Audio thread. True: go ahead and call leaveRender() afterwards.
    bool tryEnterRender()
    {
        rendering.store(true, std::memory_order_seq_cst);
        if (busy.load(std::memory_order_seq_cst) != 0)
        {
            rendering.store(false, std::memory_order_release);
            return false;
        }
        renderThread.store(std::this_thread::get_id(), std::memory_order_relaxed);
        return true;
    }
    void leaveRender() { rendering.store(false, std::memory_order_release); }

    // The thread that rendered last; none before the first block.
    bool isRenderThread() const { return renderThread.load(std::memory_order_relaxed) == std::this_thread::get_id(); }
    bool hasRendered() const { return renderThread.load(std::memory_order_relaxed) != std::thread::id(); }

    // Other threads.
    void beginReplace()
    {
        mutex.lock();
        holdEngine();
    }
    // The same without waiting for another replacing thread; false when one is at work.
    bool tryBeginReplace()
    {
        if (!mutex.try_lock())
            return false;
        holdEngine();
        return true;
    }
    void endReplace()
    {
        busy.fetch_sub(1, std::memory_order_release);
        if (--depth == 0)
            owner.store(std::thread::id(), std::memory_order_relaxed);
        mutex.unlock();
    }
    // True on the thread inside a replacement: the engine is its own.
    bool replacingHere() const { return owner.load(std::memory_order_relaxed) == std::this_thread::get_id(); }

    class ReplaceScope
    {
    public:
        explicit ReplaceScope(RenderGuard& g) : guard(g) { guard.beginReplace(); }
        ~ReplaceScope() { guard.endReplace(); }
        ReplaceScope(const ReplaceScope&) = delete;
        ReplaceScope& operator=(const ReplaceScope&) = delete;

    private:
        RenderGuard& guard;
    };

    // The banks' names, paths and whole records, read or written by the
    // other threads one at a time; the audio thread never needs them.
    class BankScope
    {
    public:
        explicit BankScope(RenderGuard& g) : lock(g.mutex) {}

    private:
        std::lock_guard<std::recursive_mutex> lock;
    };

private:
    void holdEngine()
    {
        if (depth++ == 0)
            owner.store(std::this_thread::get_id(), std::memory_order_relaxed);
        busy.fetch_add(1, std::memory_order_seq_cst);
        while (rendering.load(std::memory_order_seq_cst))
            std::this_thread::yield();
    }

    std::atomic<int> busy{0};
    std::atomic<bool> rendering{false};
    std::atomic<std::thread::id> renderThread{};
    std::recursive_mutex mutex;
    int depth = 0; // under the mutex
    std::atomic<std::thread::id> owner{};
};
