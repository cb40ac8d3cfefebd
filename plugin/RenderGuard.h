#pragma once
// Keeps a render call away from state that the user-interface thread replaces
// as a block (setProgram, setChunk, setSampleRate), without ever making the
// audio thread wait.
//
// The audio thread raises `rendering`, then looks at `busy`: if a replacement
// is under way it lowers `rendering` again and the caller outputs silence for
// that block. The user-interface thread raises `busy`, then yields until
// `rendering` is low, replaces the state and lowers `busy`. Both sides store
// their own flag before loading the other's (sequentially consistent), so at
// least one of them always sees the other. The UI thread may wait up to one
// block; the audio thread never waits. `busy` counts, so replacements nest
// (setSampleRate re-applies the program through setProgram).
#include <atomic>
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
        return true;
    }
    void leaveRender() { rendering.store(false, std::memory_order_release); }

    // User-interface thread.
    void beginReplace()
    {
        busy.fetch_add(1, std::memory_order_seq_cst);
        while (rendering.load(std::memory_order_seq_cst))
            std::this_thread::yield();
    }
    void endReplace() { busy.fetch_sub(1, std::memory_order_release); }

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

private:
    std::atomic<int> busy{0};
    std::atomic<bool> rendering{false};
};
