#include "SubdivisionStencils.h"

#include <cstdlib>
#include <cstring>
#include <utility>
#include <new>

#include "InnerShape.h"

namespace {

template <int Count>
bool sameWeights(const float* w, const float (&expected)[Count])
{
    for (int k = 0; k < Count; ++k)
        if (w[k] != expected[k])
            return false;
    return true;
}

// Filling buffers, shared by all tables: a table copies what it needs into
// blocks of the exact size when it is finished. Slots go straight into
// their block, sized by the caller.
struct Filling {
    std::vector<float> weights;
    std::vector<const Point3D*> gathered;
};
Filling& filling()
{
    static Filling f;
    return f;
}

// Freed blocks kept for reuse, largest last. Only big blocks are worth it:
// the allocator hands small ones back cheaply, big ones come fresh from the
// system and fault in page by page.
constexpr size_t CachedBlockMinimum = size_t(1) << 18;
constexpr int CachedBlockLimit = 32;
struct FreeBlocks {
    std::vector<std::pair<void*, size_t>> blocks;
    size_t bytes = 0;
    // The kept blocks die with the program, not with a leak report.
    ~FreeBlocks()
    {
        for (auto& block : blocks)
            std::free(block.first);
    }
};
FreeBlocks& freeBlocks()
{
    static FreeBlocks f;
    return f;
}

// The positions of one evaluation: own sums, then the gathered sources.
// Shared by all tables, since only one evaluation runs at a time.
float* positionScratch(size_t floats)
{
    static std::vector<float> scratch;
    if (scratch.size() < floats)
        scratch.resize(floats);
    return scratch.data();
}

// Sums in entry order, from zero, so that every kernel rounds alike.
template <int Count>
inline void sumFixed(const float* p, const int32_t* s, const float (&w)[Count], float out[3])
{
    float x = 0, y = 0, z = 0;
    for (int k = 0; k < Count; ++k) {
        const float* q = p + 3 * s[k];
        x += w[k] * q[0];
        y += w[k] * q[1];
        z += w[k] * q[2];
    }
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

} // namespace

bool StencilTable::takeBlock(Block& block, size_t bytes)
{
    giveBack(block);
    if (bytes == 0)
        return true;
    FreeBlocks& cache = freeBlocks();
    if (bytes >= CachedBlockMinimum) {
        // The smallest kept block that fits without wasting a quarter.
        for (size_t i = 0; i < cache.blocks.size(); ++i) {
            auto [data, size] = cache.blocks[i];
            if (size >= bytes && size - bytes <= bytes / 4) {
                cache.blocks.erase(cache.blocks.begin() + static_cast<std::ptrdiff_t>(i));
                cache.bytes -= size;
                block = {data, size};
                return true;
            }
        }
    }
    block.data = std::malloc(bytes);
    block.bytes = block.data ? bytes : 0;
    return block.data != nullptr;
}

void StencilTable::giveBack(Block& block)
{
    if (!block.data)
        return;
    FreeBlocks& cache = freeBlocks();
    if (block.bytes >= CachedBlockMinimum && static_cast<int>(cache.blocks.size()) < CachedBlockLimit) {
        auto at = cache.blocks.begin();
        while (at != cache.blocks.end() && at->second < block.bytes)
            ++at;
        cache.blocks.insert(at, {block.data, block.bytes});
        cache.bytes += block.bytes;
    } else {
        std::free(block.data);
    }
    block = {};
}

size_t StencilTable::cachedBytes()
{
    return freeBlocks().bytes;
}

StencilTable::~StencilTable()
{
    giveBack(slots);
    giveBack(weights);
    giveBack(gathered);
    giveBack(listStorage);
    giveBack(elementStorage);
}

const StencilTable* StencilTable::find(const InnerShape& mesh)
{
    for (Geometry* g : mesh.extras)
        if (auto* table = dynamic_cast<StencilTable*>(g))
            return table;
    return nullptr;
}

StencilTable* StencilTable::attach(InnerShape& mesh)
{
    if (const StencilTable* table = find(mesh))
        return const_cast<StencilTable*>(table);
    auto* table = new StencilTable;
    mesh.extras.append(table);
    return table;
}

StencilTable* StencilTable::ensure(InnerShape& mesh)
{
    StencilTable* table = attach(mesh);
    if (!table)
        return nullptr;
    if (!table->matches(mesh))
        table->usable = table->build(mesh);
    return table->usable ? table : nullptr;
}

bool StencilTable::matches(const InnerShape& mesh) const
{
    return vertexCount == mesh.vertices.count() && builtAtChange == mesh.changeCount;
}

StencilEntry* StencilTable::provideListStorage(size_t count)
{
    return takeBlock(listStorage, count * sizeof(StencilEntry)) ? items<StencilEntry>(listStorage) : nullptr;
}

void** StencilTable::provideElementStorage(size_t count)
{
    return takeBlock(elementStorage, count * sizeof(void*)) ? items<void*>(elementStorage) : nullptr;
}

void StencilTable::begin(int ownCount, const Vertex* const* sources, int sourceCount, size_t slotCount)
{
    usable = false;
    offsetsFreeAt = NotSeen;
    vertexCount = ownCount;
    ownSources = 0;
    runs.clear();
    slotsUsed = 0;
    slotsFit = takeBlock(slots, slotCount * sizeof(int32_t));
    Filling& f = filling();
    f.weights.clear();
    f.gathered.clear();
    if (sourceCount > 0)
        f.gathered.assign(sources, sources + sourceCount);
}

void StencilTable::add(const int32_t* entrySlots, const float* entryWeights, int count)
{
    if (count == 4 && sameWeights(entryWeights, QuarterWeights))
        addSlots(Quarters, entrySlots, count);
    else if (count == 9 && sameWeights(entryWeights, RegularWeights))
        addSlots(Regular, entrySlots, count);
    else if (int32_t* out = addSlots(Generic, entrySlots, count)) {
        out[-1] = count;
        std::vector<float>& w = filling().weights;
        w.insert(w.end(), entryWeights, entryWeights + count);
    }
}

int32_t* StencilTable::addSlots(Kind kind, const int32_t* entrySlots, int count)
{
    if (runs.empty() || runs.back().kind != kind)
        runs.push_back({kind, runs.empty() ? 0 : runs.back().end});
    ++runs.back().end;
    const size_t counted = kind == Generic ? 1 : 0;
    if (!slotsFit || slotsUsed + counted + static_cast<size_t>(count) > slots.bytes / sizeof(int32_t)) {
        slotsFit = false;
        return nullptr;
    }
    int32_t* out = items<int32_t>(slots) + slotsUsed + counted;
    slotsUsed += counted + static_cast<size_t>(count);
    for (int k = 0; k < count; ++k) {
        const int32_t slot = entrySlots[k];
        out[k] = slot;
        if (slot < vertexCount && slot >= ownSources)
            ownSources = slot + 1;
    }
    return out;
}

namespace {
template <class T>
bool copyInto(const std::vector<T>& from, void* to)
{
    if (!from.empty())
        std::memcpy(to, from.data(), from.size() * sizeof(T));
    return true;
}
} // namespace

bool StencilTable::finish(int32_t changeCount)
{
    builtAtChange = changeCount;
    const Filling& f = filling();
    gatheredCount = f.gathered.size();
    usable = slotsFit && (runs.empty() ? 0 : runs.back().end) == vertexCount &&
        takeBlock(weights, f.weights.size() * sizeof(float)) && copyInto(f.weights, weights.data) &&
        takeBlock(gathered, gatheredCount * sizeof(const Point3D*)) && copyInto(f.gathered, gathered.data);
    runs.shrink_to_fit();
    return usable;
}

bool StencilTable::build(InnerShape& mesh)
{
    const int n = mesh.vertices.count();
    Vertex* const* own = mesh.vertices.data();
    auto isOwn = [&](const Vertex* v) { return v->tag >= 0 && v->tag < n && own[v->tag] == v; };

    // Own tags are list positions; a plain source (never a vertex of the
    // mesh itself) gets tag -2 - k once it is the k-th gathered one.
    size_t entries = 0;
    for (int i = 0; i < n; ++i) {
        own[i]->tag = i;
        entries += static_cast<size_t>(own[i]->stencil.count());
    }
    begin(n, nullptr, 0, entries + static_cast<size_t>(n));
    std::vector<const Point3D*>& sources = filling().gathered;
    std::vector<int32_t> entrySlots;
    std::vector<float> entryWeights;
    for (int i = 0; i < n; ++i) {
        entrySlots.clear();
        entryWeights.clear();
        for (const StencilEntry& s : own[i]->stencil) {
            auto* src = static_cast<Vertex*>(s.source);
            if (s.flags & StencilEntry::Expand) {
                if (!isOwn(src) || src->tag >= i)
                    return false;
                entrySlots.push_back(src->tag);
            } else {
                if (isOwn(src))
                    return false;
                const int32_t known = -2 - src->tag;
                const bool gatheredAlready = known >= 0 && known < static_cast<int32_t>(sources.size()) &&
                    sources[static_cast<size_t>(known)] == src;
                if (!gatheredAlready) {
                    src->tag = -2 - static_cast<int32_t>(sources.size());
                    sources.push_back(src);
                }
                entrySlots.push_back(n - 2 - src->tag);
            }
            entryWeights.push_back(s.weight);
        }
        add(entrySlots.data(), entryWeights.data(), static_cast<int>(entrySlots.size()));
    }
    return finish(mesh.changeCount) && vertexCount == mesh.vertices.count();
}

template <class Store>
float* StencilTable::sumAll(Store&& store)
{
    // Sources are separate objects: fetching a few ahead hides most of the
    // cache misses of the gathering.
    constexpr int Ahead = 16;
    const size_t g = gatheredCount;
    const int n = vertexCount;
    float* const p = positionScratch(3 * (static_cast<size_t>(n) + g));
    float* const sources = p + 3 * static_cast<size_t>(n);
    const Point3D* const* from = items<const Point3D*>(gathered);
    for (size_t k = 0; k < g; ++k) {
        if (k + Ahead < g)
            __builtin_prefetch(from[k + Ahead]);
        const Point3D* q = from[k];
        sources[3 * k] = q->x;
        sources[3 * k + 1] = q->y;
        sources[3 * k + 2] = q->z;
    }

    const int32_t* s = items<const int32_t>(slots);
    const float* w = items<const float>(weights);
    int i = 0;
    for (const Run& run : runs) {
        float sum[3];
        switch (run.kind) {
        case Quarters:
            for (; i < run.end; ++i, s += 4) {
                sumFixed(p, s, QuarterWeights, sum);
                store(p, i, sum);
            }
            break;
        case Regular:
            for (; i < run.end; ++i, s += 9) {
                sumFixed(p, s, RegularWeights, sum);
                store(p, i, sum);
            }
            break;
        case Generic:
            for (; i < run.end; ++i) {
                const int count = *s++;
                sum[0] = sum[1] = sum[2] = 0.0f;
                for (int k = 0; k < count; ++k) {
                    const float* q = p + 3 * s[k];
                    sum[0] += w[k] * q[0];
                    sum[1] += w[k] * q[1];
                    sum[2] += w[k] * q[2];
                }
                s += count;
                w += count;
                store(p, i, sum);
            }
            break;
        }
    }
    return p;
}

namespace {
inline void keep(float* p, int i, const float sum[3])
{
    float* own = p + 3 * i;
    own[0] = sum[0];
    own[1] = sum[1];
    own[2] = sum[2];
}
} // namespace

const float* StencilTable::sums()
{
    return sumAll(keep);
}

const float* StencilTable::evaluate(InnerShape& mesh, bool keepSums)
{
    constexpr int Ahead = 16;
    const int n = vertexCount;
    Vertex* const* vertices = mesh.vertices.data();
    const int kept = keepSums ? n : ownSources;
    // A mesh found without offsets, with none allocated anywhere since,
    // still has none: its vertices need not be read, only written.
    const bool offsetsFree = offsetsFreeAt == Vertex::displacementsAllocated();
    bool offsetSeen = false;
    float* p = sumAll([&](float* scratch, int i, const float sum[3]) {
        if (i + Ahead < n)
            __builtin_prefetch(&vertices[i + Ahead]->x, 1);
        if (i < kept)
            keep(scratch, i, sum);
        Vertex* v = vertices[i];
        const float* d = offsetsFree ? nullptr : v->displacement;
        if (d) {
            v->setPosition(sum[0] + d[0], sum[1] + d[1], sum[2] + d[2]);
            offsetSeen = true;
        } else {
            v->setPosition(sum[0], sum[1], sum[2]);
        }
    });
    if (!offsetsFree && !offsetSeen)
        offsetsFreeAt = Vertex::displacementsAllocated();
    return keepSums ? p : nullptr;
}

size_t StencilTable::bytes() const
{
    return runs.capacity() * sizeof(Run) + slots.bytes + weights.bytes + gathered.bytes + listStorage.bytes +
        elementStorage.bytes;
}

void StencilTable::release()
{
    delete this;
}
