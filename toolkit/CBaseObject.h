#pragma once
// Reference-counted base: objects start with one reference; forget() drops
// one and deletes the object when none is left.

#include "toolkit/VSTGUIFwd.h"

namespace VSTGUI {

using CMessageResult = int32_t;
enum : int32_t
{
    kMessageUnknown = 0,
    kMessageNotified = 1
};

class CBaseObject
{
public:
    CBaseObject() = default;
    CBaseObject(const CBaseObject&) : refCount(1) {}
    CBaseObject& operator=(const CBaseObject&) { return *this; }
    virtual ~CBaseObject() = default;

    virtual void remember() { ++refCount; }
    virtual void forget()
    {
        if (--refCount <= 0)
            delete this;
    }
    int32_t getNbReference() const { return refCount; }

    // Message hook (used by the file selector to report its end).
    virtual CMessageResult notify(CBaseObject* sender, const char* message) { return kMessageUnknown; }

private:
    int32_t refCount = 1;
};

} // namespace VSTGUI
