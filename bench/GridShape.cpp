#include "GridShape.h"

#include "Mesh/Pool.h"
#include "Mesh/Shape.h"

Shape* gridShape(int quadsPerSide)
{
    const int side = quadsPerSide + 1;
    const auto coordinate = [quadsPerSide](int k) { return static_cast<float>(k) / quadsPerSide; };
    Shape* grid = take<Shape>();
    grid->vertices.reserve(side * side);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i)
            grid->addVertex(take<Vertex>(coordinate(i), 0.0f, coordinate(j)));
    Vertex** v = grid->vertices.data();
    grid->faces.reserve(quadsPerSide * quadsPerSide);
    for (int j = 0; j < quadsPerSide; ++j)
        for (int i = 0; i < quadsPerSide; ++i) {
            Face* f = take<Face>();
            for (int k : {j * side + i, (j + 1) * side + i, (j + 1) * side + i + 1, j * side + i + 1})
                f->appendCorner(v[k]);
            f->corners[2].u = f->corners[2].v = 1.0f;
            grid->addFace(f);
        }
    grid->buildEdges();
    grid->update(true, false, -1);
    grid->renumber();
    return grid;
}

void gridArrays(int quadsPerSide, std::vector<float>& outPositions, std::vector<int>& outQuads)
{
    const int side = quadsPerSide + 1;
    outPositions.resize(size_t(side) * side * 3);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            float* p = &outPositions[(size_t(j) * side + i) * 3];
            p[0] = float(i) / quadsPerSide, p[1] = 0, p[2] = float(j) / quadsPerSide;
        }
    outQuads.clear();
    outQuads.reserve(size_t(quadsPerSide) * quadsPerSide * 4);
    for (int j = 0; j < quadsPerSide; ++j)
        for (int i = 0; i < quadsPerSide; ++i) {
            const int v = j * side + i;
            outQuads.insert(outQuads.end(), {v, v + side, v + side + 1, v + 1});
        }
}
