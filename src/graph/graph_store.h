// The one process-wide record of the directed graph that the program shows and edits, and its
// editing primitives. No platform calls: a refusal is a result value and the caller shows it.
#pragma once

#include <cstdint>

using VertexId = std::int32_t;

// Ids 1..99 are usable; slot 0 of every per-vertex array belongs to no vertex.
constexpr int MaxVertexSlots = 100;
constexpr int VertexRadius = 12;
constexpr double PickRadius = 24.0;

enum class DisplayState : std::int32_t { Plain = 0, Red = 1, Green = 2, Blue = 3 };

enum class EditResult {
    Done,
    LastVertex,
    ArcExists,
    NoSuchArc,
    StoreFull, // every id 1..99 has been given out: no slot is left for a new vertex
};

struct GraphStore {
    std::int32_t vertexCount;
    std::int32_t arcCount;
    std::int32_t removedCount;
    std::uint8_t isRemoved[MaxVertexSlots];
    std::int32_t posX[MaxVertexSlots];
    std::int32_t posY[MaxVertexSlots];
    std::int32_t adj[MaxVertexSlots][MaxVertexSlots]; // adj[tail][head]
    std::int32_t outDegree[MaxVertexSlots];
    std::int32_t inDegree[MaxVertexSlots];
    std::int32_t degree[MaxVertexSlots];
    DisplayState displayState[MaxVertexSlots];
    VertexId selectedVertex;
    VertexId secondVertex;
};

// Zero before anything runs: an empty graph.
extern GraphStore graphStore;

struct VertexDegrees {
    std::int32_t total;
    std::int32_t out;
    std::int32_t in;
};

VertexId hitTest(int x, int y);
// Done with the new id in *newId (when given), or StoreFull with nothing changed.
EditResult addVertex(int x, int y, VertexId* newId = nullptr);
EditResult removeVertex(VertexId v);
void moveVertex(VertexId v, int x, int y);
EditResult addArc(VertexId u, VertexId v);
// addArc on another store: the readers build a scratch copy before it replaces the graph.
EditResult addArcTo(GraphStore& store, VertexId u, VertexId v);
EditResult removeArc(VertexId u, VertexId v);
VertexDegrees vertexDegrees(VertexId v);
