#pragma once
// Applying a material to the GL state. Textures are loaded by the display
// code (which reads image files); the mesh drawing only binds what it is given.
#include <functional>

struct Material;

// Sets the front and back glMaterial from m (shininess clamped to GL's 0-128)
// and the current colour to its diffuse colour, so that unlit drawing shows
// the material too. Needs a current context; not between glBegin and glEnd.
void applyMaterial(const Material& m);

// Gives the GL texture name loaded for a material's texture, 0 when it has
// none. The display code installs it; without one nothing is ever textured.
using MaterialTextureSource = std::function<unsigned(const Material&)>;
void setMaterialTextureSource(MaterialTextureSource source);

// Binds m's texture and enables 2D texturing when the source has one for it;
// otherwise disables 2D texturing. Returns whether a texture is bound.
bool bindMaterialTexture(const Material& m);

// Remembers the last material applied during one drawing pass so that runs of
// faces sharing a material switch the GL state once.
class MaterialSwitcher {
public:
    explicit MaterialSwitcher(bool textured) : textured_(textured) {}

    // Applies m (the default material when m is null) unless it is the one
    // applied last. Returns true when the GL state was switched.
    bool use(const Material* m);
    // Whether use(m) would leave the GL state as it is.
    bool isCurrent(const Material* m) const;

private:
    const Material* last_ = nullptr;
    bool textured_;
};
