#include "Formats/SceneContents.h"

#include "Mesh/Material.h"
#include "Mesh/Shape.h"

void discardContents(SceneContents& contents)
{
    for (Shape* s : contents.objects)
        s->release();
    for (Material* m : contents.materials)
        delete m;
    contents = SceneContents{};
}
