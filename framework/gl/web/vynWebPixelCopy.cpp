// glCopyPixels over gl4es's reads and draws of pixel rectangles.
#include "framework/gl/web/vynWebPixelCopy.h"

#include <GL/gl.h>

#include <vector>

namespace vyn {

namespace {

// The rectangle goes out and comes back as tight rows of RGBA, whatever the program's pixel
// storage, which glPushClientAttrib keeps.
void PlainPixelStore() {
    for (GLenum alignment : {GL_PACK_ALIGNMENT, GL_UNPACK_ALIGNMENT})
        ::glPixelStorei(alignment, 1);
    for (GLenum store : {GL_PACK_ROW_LENGTH, GL_PACK_SKIP_PIXELS, GL_PACK_SKIP_ROWS,
                         GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_PIXELS, GL_UNPACK_SKIP_ROWS})
        ::glPixelStorei(store, 0);
}

bool CompilingList() {
    GLint list = 0;
    ::glGetIntegerv(GL_LIST_INDEX, &list);
    return list != 0;
}

} // namespace

void CopyPixelsThroughMemory(GLint x, GLint y, GLsizei width, GLsizei height, GLenum type) {
    if (type != GL_COLOR || width <= 0 || height <= 0 || CompilingList())
        return;
    std::vector<GLubyte> pixels(size_t(width) * size_t(height) * 4);
    ::glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    PlainPixelStore();
    // gl4es's glReadPixels applies no pixel transfer, so glDrawPixels applies it once, as a copy.
    ::glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    ::glDrawPixels(width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    ::glPopClientAttrib();
}

} // namespace vyn
