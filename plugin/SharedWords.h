#pragma once
// The program records are plain bytes (they are the chunks and the files),
// but their parameter words are written by whatever thread the host
// automates from while other threads read them. Every access that may meet
// another thread's goes through these: whole 32-bit words, relaxed atomic,
// so a reader sees the old or the new value and never a torn one.
#include <cstddef>
#include <cstdint>
#include <cstring>

inline float loadWord(const float& word)
{
    float v;
    __atomic_load(&word, &v, __ATOMIC_RELAXED);
    return v;
}

inline void storeWord(float& word, float v) { __atomic_store(&word, &v, __ATOMIC_RELAXED); }

inline int32_t loadWord(const int32_t& word) { return __atomic_load_n(&word, __ATOMIC_RELAXED); }
inline void storeWord(int32_t& word, int32_t v) { __atomic_store_n(&word, v, __ATOMIC_RELAXED); }

// Copies bytes between records (both 4-byte aligned) word by word. A last
// partial word keeps the destination's remaining bytes.
inline void copyWords(void* dst, const void* src, size_t bytes)
{
    auto* d = static_cast<uint32_t*>(dst);
    const auto* s = static_cast<const uint32_t*>(src);
    const size_t whole = bytes / 4;
    for (size_t i = 0; i < whole; ++i)
        __atomic_store_n(d + i, __atomic_load_n(s + i, __ATOMIC_RELAXED), __ATOMIC_RELAXED);
    if (const size_t rest = bytes % 4)
    {
        uint32_t word = __atomic_load_n(d + whole, __ATOMIC_RELAXED);
        uint32_t from = __atomic_load_n(s + whole, __ATOMIC_RELAXED);
        std::memcpy(&word, &from, rest); // little-endian: the leading bytes
        __atomic_store_n(d + whole, word, __ATOMIC_RELAXED);
    }
}
