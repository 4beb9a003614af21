#include "Scene/View/ReferenceImageTextures.h"

#include <GL/gl.h>

#include <algorithm>

#include "Scene/TavoApplicationWindow.h"
#include "Scene/View/SceneDisplayManager.h"

unsigned ReferenceImageTextures::textureFor(const std::string& path, TavoApplicationWindow* window)
{
    auto found = textures.find(path);
    if (found != textures.end())
        return found->second;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgba;
    GLuint texture = 0;
    if (window && window->readImage(path, width, height, rgba) && width > 0 && height > 0 &&
        rgba.size() >= static_cast<size_t>(width) * height * 4) {
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        // Clamped so that the plane's edge does not pick up the opposite side.
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    textures[path] = texture;
    return texture;
}

void ReferenceImageTextures::keepOnly(const std::vector<ReferenceImage>& images)
{
    for (auto it = textures.begin(); it != textures.end();) {
        const bool shown = std::ranges::any_of(images, [&](const ReferenceImage& r) { return r.imagePath == it->first; });
        if (shown) {
            ++it;
            continue;
        }
        GLuint texture = it->second;
        if (texture)
            glDeleteTextures(1, &texture);
        it = textures.erase(it);
    }
}
