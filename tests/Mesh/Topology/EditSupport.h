#pragma once
// What the edit tests compare: element and border counts of a mesh, the
// consistency checks every edit must pass, and element lists by position.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <ostream>

#include "Mesh/InnerShape.h"
#include "Mesh/Validate.h"
#include "support/Fixtures.h"

struct EditCounts {
    int vertices, edges, faces, borders;
    bool operator==(const EditCounts&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const EditCounts& c)
{
    return out << "{" << c.vertices << " v, " << c.edges << " e, " << c.faces << " f, " << c.borders << " borders}";
}

inline EditCounts countsOf(const InnerShape& m)
{
    const int borders = static_cast<int>(std::count_if(m.edges.begin(), m.edges.end(), [](const Edge* e) { return e->faces.count() == 1; }));
    return {m.vertices.count(), m.edges.count(), m.faces.count(), borders};
}

// Every edge with two faces is run both ways by them (holes included).
inline bool windingConsistent(const InnerShape& m)
{
    for (const Edge* e : m.edges) {
        if (e->faces.count() != 2)
            continue;
        int forward = 0;
        for (const Face* f : e->faces) {
            for (const Corner& c : f->corners)
                forward += c.edge == e && c.vertex == e->startVertex;
            for (const Face* h : f->holes)
                for (const Corner& c : h->corners)
                    forward += c.edge == e && c.vertex == e->startVertex;
        }
        if (forward != 1)
            return false;
    }
    return true;
}

inline List<Vertex*> allVertices(const InnerShape& m)
{
    List<Vertex*> out;
    for (Vertex* v : m.vertices)
        out.append(v);
    return out;
}

// The edges joining the vertices at the given list positions.
inline List<Edge*> edgesBetween(const InnerShape& m, std::initializer_list<std::pair<int, int>> pairs)
{
    List<Edge*> out;
    for (auto [a, b] : pairs)
        out.append(m.findEdge(m.vertices[a], m.vertices[b]));
    return out;
}
