#pragma once
// The GL textures of the reference images, one per image file. Each file is
// read once through the window; a file that cannot be read is remembered as
// such, so that its plane keeps the crossed outline without another read
// every frame. Every call needs the frame's GL context current.
#include <map>
#include <string>
#include <vector>

class TavoApplicationWindow;
struct ReferenceImage;

class ReferenceImageTextures {
public:
    // The texture of the image at `path`, made on first use from what
    // `window` reads; 0 when it cannot be read (or there is no window).
    unsigned textureFor(const std::string& path, TavoApplicationWindow* window);
    // Frees the textures of files no image in `images` shows any more.
    void keepOnly(const std::vector<ReferenceImage>& images);
    int count() const { return static_cast<int>(textures.size()); }

private:
    std::map<std::string, unsigned> textures; // by path; 0 marks a file that could not be read
};
