// A set of vertex ids 0..127 as two machine words: the circuit search asks "which successors of
// this vertex still lead back" once per step, and two words answer it at once.
#pragma once

#include <bit>
#include <cstdint>

struct VertexSet {
    std::uint64_t word[2];
};

inline void addVertexTo(VertexSet& set, int v) {
    set.word[v >> 6] |= std::uint64_t{1} << (v & 63);
}

inline void dropVertexFrom(VertexSet& set, int v) {
    set.word[v >> 6] &= ~(std::uint64_t{1} << (v & 63));
}

inline bool holdsVertex(const VertexSet& set, int v) {
    return ((set.word[v >> 6] >> (v & 63)) & 1U) != 0;
}

inline VertexSet commonVertices(const VertexSet& a, const VertexSet& b) {
    return VertexSet{{a.word[0] & b.word[0], a.word[1] & b.word[1]}};
}

inline bool isEmptySet(const VertexSet& set) {
    return (set.word[0] | set.word[1]) == 0;
}

// The smallest id in the set, or 0 when it is empty (slot 0 belongs to no vertex).
inline int lowestVertex(const VertexSet& set) {
    if (set.word[0] != 0) {
        return std::countr_zero(set.word[0]);
    }
    if (set.word[1] != 0) {
        return 64 + std::countr_zero(set.word[1]);
    }
    return 0;
}
