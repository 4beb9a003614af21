#include "Mesh/Topology/PassNumber.h"

namespace {
int32_t passCounter = 100000000;
}

int32_t nextPassNumber()
{
    return ++passCounter;
}
