#pragma once
// Owning smart pointer for CBaseObject-derived objects (remember/forget).

#include <utility>

namespace VSTGUI {

template <class T>
class SharedPointer
{
public:
    SharedPointer() = default;
    SharedPointer(std::nullptr_t) {}
    // Takes an additional reference.
    explicit SharedPointer(T* p, bool remember = true) : ptr(p)
    {
        if (ptr && remember)
            ptr->remember();
    }
    SharedPointer(const SharedPointer& o) : ptr(o.ptr)
    {
        if (ptr)
            ptr->remember();
    }
    SharedPointer(SharedPointer&& o) noexcept : ptr(o.ptr) { o.ptr = nullptr; }
    template <class U>
    SharedPointer(const SharedPointer<U>& o) : ptr(o.get())
    {
        if (ptr)
            ptr->remember();
    }
    ~SharedPointer()
    {
        if (ptr)
            ptr->forget();
    }
    SharedPointer& operator=(const SharedPointer& o)
    {
        SharedPointer tmp(o);
        std::swap(ptr, tmp.ptr);
        return *this;
    }
    SharedPointer& operator=(SharedPointer&& o) noexcept
    {
        std::swap(ptr, o.ptr);
        return *this;
    }
    SharedPointer& operator=(std::nullptr_t)
    {
        SharedPointer tmp;
        std::swap(ptr, tmp.ptr);
        return *this;
    }
    T* get() const { return ptr; }
    T* operator->() const { return ptr; }
    T& operator*() const { return *ptr; }
    explicit operator bool() const { return ptr != nullptr; }
    operator T*() const { return ptr; }

private:
    T* ptr = nullptr;
};

// Adopts an object that already carries its creation reference.
template <class T>
SharedPointer<T> owned(T* p)
{
    return SharedPointer<T>(p, false);
}

template <class T, class... Args>
SharedPointer<T> makeOwned(Args&&... args)
{
    return SharedPointer<T>(new T(std::forward<Args>(args)...), false);
}

} // namespace VSTGUI
