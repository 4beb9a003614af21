#include "Mesh/Topology/SplitFace.h"

#include <vector>

#include "Mesh/InnerShape.h"
#include "Mesh/Pool.h"
#include "Mesh/Topology/MeshCleanup.h"

Face* splitFaceAlong(InnerShape& mesh, Face& f, const Vertex* p, const Vertex* q)
{
    const int n = f.cornerCount();
    int i = -1, j = -1;
    for (int k = 0; k < n; ++k) {
        if (f.corners[k].vertex == p)
            i = k;
        if (f.corners[k].vertex == q)
            j = k;
    }
    if (i < 0 || j < 0 || i == j || (i + 1) % n == j || (j + 1) % n == i)
        return nullptr;
    Face* g = take<Face>(f.material);
    if (!g)
        return nullptr;
    copyFlags(f, *g);
    std::vector<Corner> kept;
    for (int k = i;; k = (k + 1) % n) {
        kept.push_back(f.corners[k]);
        if (k == j)
            break;
    }
    for (int k = j;; k = (k + 1) % n) {
        g->corners.append(f.corners[k]);
        if (k == i)
            break;
    }
    f.corners.clear();
    for (const Corner& c : kept)
        f.corners.append(c);
    for (Corner* c : {&f.corners[f.cornerCount() - 1], &g->corners[g->cornerCount() - 1]})
        c->edge = nullptr;
    mesh.addFace(g);
    return g;
}
