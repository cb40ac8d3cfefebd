#pragma once

// What the sound engine needs from whoever hosts it. The plug-in implements this;
// the engine knows nothing else about the host.
class EngineHost
{
public:
    virtual ~EngineHost() = default;
    // Asks the host for its transport. Returns false when the host gives no time
    // information; the engine then keeps its previous tempo and position.
    virtual bool readHostTime(float& tempoBpm, float& ppqPosition) = 0;
    // Tells the editor (if open) that MIDI arrived.
    virtual void flashMidiSignal(bool on) = 0;
    // A line of the echo could not be allocated ("BROKEN").
    virtual void reportBroken() = 0;
};
