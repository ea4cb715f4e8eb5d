// Square<Word>: a square of 4 x 4 32-bit or 8 x 8 16-bit pixels held in 16-byte registers, loaded row by
// row, transposed, and stored column by column, for turning pictures a square at a time.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

template <class Word>
struct Square {
    static constexpr int kLanes = 16 / sizeof(Word);

#if defined(__SSE2__)
    __m128i rows[kLanes];

    void Load(int i, const Word* words) {
        rows[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words));
    }
    void Store(int i, Word* words) const {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(words), rows[i]);
    }
    // Stores past the caches to a 16-byte aligned address; FinishStreams orders them before what follows.
    void Stream(int i, Word* words) const {
        _mm_stream_si128(reinterpret_cast<__m128i*>(words), rows[i]);
    }
    static void FinishStreams() {
        _mm_sfence();
    }

    void Transpose() {
        if constexpr (sizeof(Word) == 4) {
            const __m128i t0 = _mm_unpacklo_epi32(rows[0], rows[1]),
                          t1 = _mm_unpacklo_epi32(rows[2], rows[3]);
            const __m128i t2 = _mm_unpackhi_epi32(rows[0], rows[1]),
                          t3 = _mm_unpackhi_epi32(rows[2], rows[3]);
            rows[0] = _mm_unpacklo_epi64(t0, t1);
            rows[1] = _mm_unpackhi_epi64(t0, t1);
            rows[2] = _mm_unpacklo_epi64(t2, t3);
            rows[3] = _mm_unpackhi_epi64(t2, t3);
        } else {
            __m128i s[8], u[8];
            for (int i = 0; i < 4; ++i) {
                s[2 * i] = _mm_unpacklo_epi16(rows[2 * i], rows[2 * i + 1]);
                s[2 * i + 1] = _mm_unpackhi_epi16(rows[2 * i], rows[2 * i + 1]);
            }
            for (int half = 0; half < 2; ++half)
                for (int i = 0; i < 2; ++i) {
                    u[4 * half + 2 * i] = _mm_unpacklo_epi32(s[4 * half + i], s[4 * half + i + 2]);
                    u[4 * half + 2 * i + 1] = _mm_unpackhi_epi32(s[4 * half + i], s[4 * half + i + 2]);
                }
            for (int i = 0; i < 4; ++i) {
                rows[2 * i] = _mm_unpacklo_epi64(u[i], u[i + 4]);
                rows[2 * i + 1] = _mm_unpackhi_epi64(u[i], u[i + 4]);
            }
        }
    }
#else
    Word rows[kLanes][kLanes];

    void Load(int i, const Word* words) {
        std::memcpy(rows[i], words, sizeof rows[i]);
    }
    void Store(int i, Word* words) const {
        std::memcpy(words, rows[i], sizeof rows[i]);
    }
    void Stream(int i, Word* words) const {
        Store(i, words);
    }
    static void FinishStreams() {}

    void Transpose() {
        for (int i = 0; i < kLanes; ++i)
            for (int j = i + 1; j < kLanes; ++j) std::swap(rows[i][j], rows[j][i]);
    }
#endif
};
