#pragma once
// Consistency check of a mesh's topology, for tests and debug builds.
#include <string>

class InnerShape;

// Checks the topology invariants: every corner's edge joins its vertex and
// the next corner's vertex; every face is listed in its corner edges' face
// lists once per use; an edge with faces is Boundary exactly when it has
// one; no two edges join the same vertex pair; and every referenced element
// belongs to the mesh. Returns an empty string when all hold, otherwise a
// description of the first violation.
std::string validateTopology(const InnerShape& mesh);
