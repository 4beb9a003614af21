#include "MaterialGL.h"

#include <GL/gl.h>

#include <algorithm>
#include <utility>

#include "Material.h"

namespace {
MaterialTextureSource& textureSource()
{
    static MaterialTextureSource source;
    return source;
}
}

void applyMaterial(const Material& m)
{
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m.ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, m.diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m.emission);
    // GL rejects a shininess outside 0-128 and would keep the previous one.
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(m.shininess, 0.0f, 128.0f));
    glColor4fv(m.diffuse);
}

void setMaterialTextureSource(MaterialTextureSource source)
{
    textureSource() = std::move(source);
}

bool bindMaterialTexture(const Material& m)
{
    unsigned name = textureSource() ? textureSource()(m) : 0;
    if (name == 0) {
        glDisable(GL_TEXTURE_2D);
        return false;
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glEnable(GL_TEXTURE_2D);
    return true;
}

bool MaterialSwitcher::use(const Material* m)
{
    if (!m)
        m = Material::defaultMaterial();
    if (m == last_)
        return false;
    applyMaterial(*m);
    if (textured_)
        bindMaterialTexture(*m);
    last_ = m;
    return true;
}

bool MaterialSwitcher::isCurrent(const Material* m) const
{
    return (m ? m : Material::defaultMaterial()) == last_;
}
