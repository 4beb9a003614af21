#include "Material.h"

namespace {
Material builtInDefault;
Material* currentDefault = &builtInDefault;
}

Material* Material::defaultMaterial()
{
    return currentDefault;
}

void Material::setDefaultMaterial(Material* m)
{
    currentDefault = m ? m : &builtInDefault;
}
