#include "Mesh/Topology/UnifyNormals.h"

#include <unordered_map>
#include <vector>

#include "Mesh/Shape.h"
#include "Mesh/Topology/MeshCleanup.h"
#include "Mesh/Topology/ObjectProtocol.h"

namespace {

// True when f runs e from its start vertex to its end vertex (the first
// corner of f on e decides).
bool runsForward(Face& f, const Edge* e)
{
    bool forward = false, found = false;
    forEachContour(f, [&](Face& contour) {
        for (const Corner& c : contour.corners)
            if (!found && c.edge == e) {
                found = true;
                forward = c.vertex == e->startVertex;
            }
    });
    return forward;
}

} // namespace

int unifyNormals(InnerShape& mesh, const List<Face*>& faces)
{
    // Per listed face: -1 unvisited, else 0 kept or 1 to be reversed.
    std::unordered_map<Face*, int> turn;
    for (Face* f : mesh.faces)
        turn.emplace(f, -2);
    std::vector<Face*> listed;
    for (Face* f : faces) {
        auto it = turn.find(f);
        if (f && it != turn.end() && it->second == -2) {
            it->second = -1;
            listed.push_back(f);
        }
    }
    std::vector<Face*> reversed;
    for (Face* seed : listed) {
        if (turn[seed] != -1)
            continue;
        std::vector<Face*> part{seed}, stack{seed};
        turn[seed] = 0;
        while (!stack.empty()) {
            Face* f = stack.back();
            stack.pop_back();
            forEachContour(*f, [&](Face& contour) {
                for (const Corner& c : contour.corners) {
                    Edge* e = c.edge;
                    if (!e || e->faces.count() != 2 || e->faces[0] == e->faces[1])
                        continue;
                    Face* g = InnerShape::otherFace(f, e);
                    auto it = turn.find(g);
                    if (it == turn.end() || it->second != -1)
                        continue;
                    // g agrees with f when the two run e opposite ways as they stand.
                    const bool opposite = runsForward(*f, e) != runsForward(*g, e);
                    it->second = opposite ? turn[f] : 1 - turn[f];
                    part.push_back(g);
                    stack.push_back(g);
                }
            });
        }
        size_t flipped = 0;
        for (Face* f : part)
            flipped += turn[f] == 1;
        const int minority = 2 * flipped <= part.size() ? 1 : 0;
        for (Face* f : part)
            if (turn[f] == minority)
                reversed.push_back(f);
    }
    if (reversed.empty())
        return 0;
    List<Face*> list;
    for (Face* f : reversed)
        list.append(f);
    mesh.InnerShape::flipFaces(list);
    return list.count();
}

int unifyNormals(Shape& object, const List<Face*>& faces)
{
    return editTopology(object, [&](InnerShape& mesh) { return unifyNormals(mesh, faces); });
}
