#include "Tools/Paint/URpaintStroke.h"

#include "Mesh/Shape.h"

URpaintStroke::Stored URpaintStroke::capture(int index, const Vertex& v)
{
    Stored s{index, {v.x, v.y, v.z}, v.displacement != nullptr, {0, 0, 0}};
    if (v.displacement)
        for (int k = 0; k < 3; ++k)
            s.displacement[k] = v.displacement[k];
    return s;
}

Vertex* URpaintStroke::resolve(int index) const
{
    if (level_ > object_->levelStack.maxBuiltLevel())
        return nullptr;
    InnerShape* mesh = level_ > 0 ? object_->levelStack.levelMesh(level_) : object_;
    return index >= 0 && index < mesh->vertices.count() ? mesh->vertices[index] : nullptr;
}

void URpaintStroke::addVertex(int index)
{
    if (const Vertex* v = resolve(index))
        vertices_.push_back(capture(index, *v));
}

bool URpaintStroke::revert()
{
    for (Stored& s : vertices_) {
        Vertex* v = resolve(s.index);
        if (!v)
            continue;
        const Stored now = capture(s.index, *v);
        v->setPosition(s.position[0], s.position[1], s.position[2]);
        if (!s.hasDisplacement)
            v->freeDisplacement();
        else if (float* d = v->ensureDisplacement())
            for (int k = 0; k < 3; ++k)
                d[k] = s.displacement[k];
        s = now;
    }
    // Positions stay as restored; only normals and drawing follow.
    object_->update(true, false, -1);
    return true;
}
