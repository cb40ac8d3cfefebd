#pragma once

// What the sound engine needs from whoever hosts it: the transport. The
// plug-in implements this; the engine knows nothing else about its host, and
// reports what happened (a batch held events, a line could not be allocated)
// through the results of its own calls.
class EngineHost
{
public:
    virtual ~EngineHost() = default;
    // Asks the host for its transport. Returns false when the host gives no time
    // information; the engine then keeps its previous tempo and position.
    virtual bool readHostTime(float& tempoBpm, float& ppqPosition) = 0;
};
