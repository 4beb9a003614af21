#pragma once
// A named selection group: a set of vertices, edges or faces of objects, or
// a set of whole objects. Members name their object and the element's
// position in that object's list, so the scene formats write them as they
// are; a position past the end of the list (after a topology edit) is a
// member that no longer exists and is skipped by whoever reads it.
#include <cstdint>
#include <string>
#include <vector>

class Shape;

struct Group {
    // Values of `kind`, in the order the scene formats number them.
    enum Kind { Vertices = 0, Edges = 1, Faces = 2, Objects = 3 };

    struct Member {
        Shape* object = nullptr; // not owned; a scene object
        int32_t element = -1;    // position in the object's list of `kind`; -1 in object groups
        bool operator==(const Member&) const = default;
    };

    int32_t kind = Objects;
    std::string name;
    std::vector<Member> members;
};
