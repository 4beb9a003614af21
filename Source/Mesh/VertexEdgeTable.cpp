#include "VertexEdgeTable.h"

#include <algorithm>
#include <new>

#include "InnerShape.h"

template <class T>
bool VertexEdgeTable::ensure(std::unique_ptr<T[]>& array, long& capacity, long wanted)
{
    if (wanted <= capacity)
        return true;
    array.reset(new T[wanted]);
    capacity = wanted;
    return true;
}

bool VertexEdgeTable::start(int vertexCount)
{
    vertexCount_ = vertexCount;
    if (!ensure(start_, startCapacity_, vertexCount + 1L) || !ensure(used_, usedCapacity_, vertexCount + 1L))
        return false;
    std::fill(start_.get(), start_.get() + vertexCount + 1, 0);
    std::fill(used_.get(), used_.get() + vertexCount + 1, 0);
    return true;
}

bool VertexEdgeTable::finishCounting()
{
    for (int i = 0; i < vertexCount_; ++i)
        start_[i + 1] += start_[i];
    return ensure(entries_, entryCapacity_, start_[vertexCount_] + 1L);
}
