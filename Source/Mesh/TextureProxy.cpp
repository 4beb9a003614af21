#include "TextureProxy.h"

#include "Pool.h"

void ProxyVertex::release()
{
    freeOwned();
    giveBackToPool<ProxyVertex>(this);
}

TextureProxy::TextureProxy(Shape* source) : owner(source)
{
    if (source) {
        name = source->name + " UV Proxy";
        displayFlags = source->displayFlags;
    }
    set(Selected, false);
}

void TextureProxy::release()
{
    sourceFaces.freeStorage();
    releaseObjectState();
    giveBackToPool<TextureProxy>(this);
}

void TextureProxy::addProxyFace(Face* proxyFace, Face* sourceFace)
{
    addFace(proxyFace);
    sourceFaces.append(sourceFace);
}
