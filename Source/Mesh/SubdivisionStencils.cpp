#include "SubdivisionStencils.h"

#include <new>

#include "InnerShape.h"

StencilTable* StencilTable::ensure(InnerShape& mesh)
{
    StencilTable* table = nullptr;
    for (Geometry* g : mesh.extras)
        if ((table = dynamic_cast<StencilTable*>(g)))
            break;
    if (!table) {
        table = new (std::nothrow) StencilTable;
        if (!table)
            return nullptr;
        if (!mesh.extras.append(table)) {
            delete table;
            return nullptr;
        }
    }
    if (!table->matches(mesh))
        table->usable = table->build(mesh);
    return table->usable ? table : nullptr;
}

bool StencilTable::matches(const InnerShape& mesh) const
{
    return vertexCount == mesh.vertices.count() && builtAtChange == mesh.changeCount;
}

bool StencilTable::build(InnerShape& mesh)
{
    vertexCount = mesh.vertices.count();
    builtAtChange = mesh.changeCount;
    const int n = vertexCount;
    Vertex* const* own = mesh.vertices.data();
    auto isOwn = [&](const Vertex* v) { return v->tag >= 0 && v->tag < n && own[v->tag] == v; };

    // Own tags are list positions; a plain source (never a vertex of the
    // mesh itself) gets tag -2 - slot once it is gathered.
    size_t entries = 0;
    for (int i = 0; i < n; ++i) {
        own[i]->tag = i;
        entries += static_cast<size_t>(own[i]->stencil.count());
    }
    starts.clear();
    slots.clear();
    weights.clear();
    gathered.clear();
    starts.reserve(static_cast<size_t>(n) + 1);
    slots.reserve(entries);
    weights.reserve(entries);
    std::vector<int32_t> ownEntries; // positions in `slots` that name own vertices
    for (int i = 0; i < n; ++i) {
        starts.push_back(static_cast<int32_t>(slots.size()));
        for (const StencilEntry& s : own[i]->stencil) {
            auto* src = static_cast<Vertex*>(s.source);
            if (s.flags & StencilEntry::Expand) {
                if (!isOwn(src) || src->tag >= i)
                    return false;
                ownEntries.push_back(static_cast<int32_t>(slots.size()));
                slots.push_back(src->tag);
            } else {
                if (isOwn(src))
                    return false;
                const int32_t known = -2 - src->tag;
                const bool gatheredAlready = known >= 0 && known < static_cast<int32_t>(gathered.size()) &&
                    gathered[static_cast<size_t>(known)] == src;
                if (!gatheredAlready) {
                    src->tag = -2 - static_cast<int32_t>(gathered.size());
                    gathered.push_back(src);
                }
                slots.push_back(-2 - src->tag);
            }
            weights.push_back(s.weight);
        }
    }
    starts.push_back(static_cast<int32_t>(slots.size()));
    const auto g = static_cast<int32_t>(gathered.size());
    for (int32_t at : ownEntries)
        slots[static_cast<size_t>(at)] += g;
    scratch.assign(3 * (gathered.size() + static_cast<size_t>(n)), 0.0f);
    return true;
}

void StencilTable::evaluate(InnerShape& mesh)
{
    // Vertices are separate objects, wherever the pool put them: fetching a
    // few ahead hides most of the cache misses of the gathering and writing.
    constexpr size_t Ahead = 24;
    float* const buffer = scratch.data();
    const size_t g = gathered.size();
    for (size_t k = 0; k < g; ++k) {
        if (k + Ahead < g)
            __builtin_prefetch(gathered[k + Ahead]);
        const Point3D* p = gathered[k];
        buffer[3 * k] = p->x;
        buffer[3 * k + 1] = p->y;
        buffer[3 * k + 2] = p->z;
    }
    float* const sums = buffer + 3 * g;
    const int32_t* start = starts.data();
    const int32_t* slot = slots.data();
    const float* w = weights.data();
    for (int i = 0; i < vertexCount; ++i) {
        float x = 0, y = 0, z = 0;
        for (int32_t k = start[i], end = start[i + 1]; k < end; ++k) {
            const float* p = buffer + 3 * slot[k];
            x += w[k] * p[0];
            y += w[k] * p[1];
            z += w[k] * p[2];
        }
        sums[3 * i] = x;
        sums[3 * i + 1] = y;
        sums[3 * i + 2] = z;
    }
    Vertex* const* vertices = mesh.vertices.data();
    for (int i = 0; i < vertexCount; ++i) {
        if (static_cast<size_t>(i) + Ahead < static_cast<size_t>(vertexCount))
            __builtin_prefetch(vertices[static_cast<size_t>(i) + Ahead], 1);
        Vertex* v = vertices[i];
        const float* s = sums + 3 * i;
        if (const float* d = v->displacement)
            v->setPosition(s[0] + d[0], s[1] + d[1], s[2] + d[2]);
        else
            v->setPosition(s[0], s[1], s[2]);
    }
}

size_t StencilTable::bytes() const
{
    return starts.capacity() * sizeof(int32_t) + slots.capacity() * sizeof(int32_t) +
        weights.capacity() * sizeof(float) + gathered.capacity() * sizeof(const Point3D*) +
        scratch.capacity() * sizeof(float);
}

void StencilTable::release()
{
    delete this;
}
