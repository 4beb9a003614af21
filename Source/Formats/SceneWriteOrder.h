#pragma once
// Which objects a save writes, and the numbers the file gives them.
//
// Files refer to objects by number ("-Disp", "-snum", "-texp", "-mem",
// "INSI", "TEXF", group members), and readers resolve a number against the
// objects read so far. So the writers number objects in the order they
// write them, which the readers then always agree with:
//   .tva: shapes and UV proxies in scene order, then instances, then lights;
//   .tvb: its chunk order, shapes ("SHAP"), instances, lights, UV proxies ("TEXP").
// A selected-only save numbers only what it writes. An object of the scene
// that is not written gets -1 - (its scene position), so that a reference
// to it takes the no-source form ("-irnum") and readers ignore it.
#include <unordered_map>
#include <vector>

class Shape;
struct Group;
struct Material;

enum class ObjectOrder { Ascii, Binary };

class ObjectNumbers {
public:
    // `objects`: the scene's objects, in scene order.
    ObjectNumbers(const std::vector<Shape*>& objects, bool selectedOnly, ObjectOrder order);

    // The written objects in file order; object i has number i.
    const std::vector<Shape*>& written() const { return written_; }
    // The number of a written object; -1 - scene position for an object of
    // the scene that is not written; -1 for null or an object not in the scene.
    int numberOf(const Shape* object) const;

private:
    std::vector<Shape*> written_;
    std::unordered_map<const Shape*, int> numbers_;
};

// Whether a save writes `object`: with `selectedOnly`, a shape, instance or
// light when selected, a UV proxy when its owner is. Instances without a
// source are never written.
bool objectIsWritten(const Shape& object, bool selectedOnly);

struct FileGroupMember {
    int object;  // file number of the object
    int element; // position in its list; -1 for object groups
};

// The members of `group` as the files list them: for element groups object
// by object in scene order and, within an object, in element order, each
// once; for object groups in member order. Members of objects not written
// and positions past the end of their list are left out.
std::vector<FileGroupMember> fileGroupMembers(const Group& group, const std::vector<Shape*>& objects,
                                              const ObjectNumbers& numbers);

// Sets each material's `index` to its position in `materials`.
void numberMaterials(const std::vector<Material*>& materials);
// The position of `m` in `materials` (after numberMaterials); -1 for a face
// without a material of the list (the scene's default material).
int materialNumber(const Material* m, const std::vector<Material*>& materials);
