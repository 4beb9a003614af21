#include "support/MeshDescription.h"

#include <functional>
#include <sstream>
#include <unordered_map>

namespace fixtures {

std::string describe(const InnerShape& m)
{
    std::unordered_map<const void*, int> at;
    for (int i = 0; i < m.vertices.count(); ++i)
        at[m.vertices[i]] = i;
    for (int i = 0; i < m.edges.count(); ++i)
        at[m.edges[i]] = i;
    for (int i = 0; i < m.faces.count(); ++i)
        at[m.faces[i]] = i;
    auto ref = [&](const void* p) {
        if (!p)
            return std::string("-");
        auto it = at.find(p);
        return it == at.end() ? std::string("?") : std::to_string(it->second);
    };
    std::ostringstream out;
    for (const Vertex* v : m.vertices) {
        out << "v " << v->x << ' ' << v->y << ' ' << v->z << " f" << int(v->flags) << '/' << int(v->flags2) << " m"
            << ref(v->mirror) << " w" << v->paintWeight;
        if (v->displacement)
            out << " d" << v->displacement[0] << ',' << v->displacement[1] << ',' << v->displacement[2];
        for (const Face* f : v->faces)
            out << " vf" << ref(f);
        out << '\n';
    }
    for (const Edge* e : m.edges) {
        out << "e " << ref(e->startVertex) << '-' << ref(e->endVertex) << " f" << int(e->flags) << '/'
            << int(e->flags2);
        for (const Face* f : e->faces)
            out << ' ' << ref(f);
        out << '\n';
    }
    std::function<void(const Face*)> face = [&](const Face* f) {
        out << "f" << int(f->flags) << '/' << int(f->flags2) << " mat" << f->material << " m" << ref(f->mirror);
        for (const Corner& c : f->corners)
            out << " (" << ref(c.vertex) << ' ' << ref(c.edge) << ' ' << c.u << ' ' << c.v << ' ' << c.w << ')';
        for (const Face* h : f->holes) {
            out << " hole[";
            face(h);
            out << ']';
        }
    };
    for (const Face* f : m.faces) {
        face(f);
        out << '\n';
    }
    return out.str();
}

} // namespace fixtures
