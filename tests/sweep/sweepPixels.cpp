// Pixel rectangles: the raster position with glBitmap, glDrawPixels, glCopyPixels, glReadPixels,
// pixel storage, transfer and zoom.
#include "sweepCases.h"

#include <vector>

namespace sweep {

namespace {

// An arrow of 16 × 16 bits, rows from the bottom, two bytes a row.
constexpr GLubyte Arrow[] = {0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01, 0x80, 0x01,
                             0x80, 0x01, 0x80, 0x01, 0x80, 0x3F, 0xFC, 0x1F, 0xF8, 0x0F, 0xF0,
                             0x07, 0xE0, 0x03, 0xC0, 0x01, 0x80, 0x00, 0x00, 0x00, 0x00};

// A 16 × 16 RGB picture: a red-to-green ramp across, blue rising up, a white frame.
std::vector<GLubyte> Picture() {
    std::vector<GLubyte> pixels;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool frame = x == 0 || y == 0 || x == 15 || y == 15;
            pixels.push_back(frame ? 255 : GLubyte(255 - x * 16));
            pixels.push_back(frame ? 255 : GLubyte(x * 16));
            pixels.push_back(frame ? 255 : GLubyte(y * 16));
        }
    return pixels;
}

void DrawPicture(GLint x, GLint y) {
    const std::vector<GLubyte> pixels = Picture();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos2i(x, y);
    glDrawPixels(16, 16, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
}

void Bitmap() {
    PixelProjection();
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glColor3f(1, 1, 0);
    glRasterPos2i(4, 4);
    // Each bitmap moves the raster position on by 18 pixels, the last one up as well.
    for (int step = 0; step < 3; ++step)
        glBitmap(16, 16, 0, 0, 18, step == 2 ? 20 : 0, Arrow);
    glColor3f(0, 1, 1); // taken at the next glRasterPos only
    glBitmap(16, 16, 8, 8, 0, 0, Arrow);
    glRasterPos2i(10, 44);
    glBitmap(16, 16, 0, 0, 0, 0, Arrow);
}

// Bitmaps take neither the pixel zoom nor the pixel transfer: the arrows come out as they are,
// in the raster colour, with nothing around them.
void BitmapZoomTransfer() {
    PixelProjection();
    glPixelZoom(3, 2);
    glPixelTransferf(GL_RED_BIAS, 0.5f);
    glPixelTransferf(GL_ALPHA_BIAS, 0.5f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glColor3f(0, 0.5f, 1);
    glRasterPos2i(6, 6);
    glBitmap(16, 16, 0, 0, 24, 24, Arrow);
    glBitmap(16, 16, 0, 0, 0, 0, Arrow);
}

void RasterPos3D() {
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -2);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glColor3f(1, 0.5f, 0.5f);
    glRasterPos3f(-1, -1, 0);
    glBitmap(16, 16, 0, 0, 0, 0, Arrow);
    glColor3f(0.5f, 1, 0.5f);
    glRasterPos3f(0.5f, 0.5f, 0);
    glBitmap(16, 16, 0, 0, 0, 0, Arrow);
    // Outside the view: the raster position is invalid and nothing is drawn.
    glRasterPos3f(0, 0, 20);
    glBitmap(16, 16, 0, 0, 0, 0, Arrow);
}

void DrawPixels() {
    PixelProjection();
    DrawPicture(4, 4);
    const std::vector<GLubyte> square(8 * 8 * 4, 255);
    glRasterPos2i(40, 40);
    glDrawPixels(8, 8, GL_RGBA, GL_UNSIGNED_BYTE, square.data());
}

// Luminance rows of 5 pixels from a store of rows of 8, skipping a row and two pixels.
void DrawPixelsStore() {
    PixelProjection();
    GLubyte store[8 * 8];
    for (int index = 0; index < 64; ++index)
        store[index] = GLubyte(index * 4);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 8);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 1);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 2);
    glRasterPos2i(10, 10);
    glPixelZoom(6, 6);
    glDrawPixels(5, 7, GL_LUMINANCE, GL_UNSIGNED_BYTE, store);
}

void PixelZoom() {
    PixelProjection();
    glPixelZoom(2.5f, 2);
    DrawPicture(2, 4);
    glPixelZoom(-1, -1);
    DrawPicture(60, 60);
}

void PixelTransfer() {
    PixelProjection();
    glPixelTransferf(GL_RED_SCALE, 0.3f);
    glPixelTransferf(GL_BLUE_BIAS, 0.5f);
    glPixelZoom(2, 2);
    DrawPicture(0, 0);
    glPixelTransferf(GL_RED_SCALE, 1);
    glPixelTransferf(GL_BLUE_BIAS, 0);
    // A colour map that turns green's ramp upside down, an entry for each of its values (red's
    // map is one entry of 0). Blue is left as it was: the desktop's Mesa (llvmpipe) takes blue and
    // alpha of colour-mapped pixels from the wrong texels.
    std::vector<GLfloat> inverted(256);
    for (size_t index = 0; index < inverted.size(); ++index)
        inverted[index] = 1 - GLfloat(index) / 255;
    glPixelMapfv(GL_PIXEL_MAP_G_TO_G, GLsizei(inverted.size()), inverted.data());
    glPixelTransferi(GL_MAP_COLOR, GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_FALSE, GL_TRUE);
    DrawPicture(34, 34);
}

void CopyPixels() {
    PixelProjection();
    DrawPicture(2, 2);
    glColor3f(1, 1, 0);
    Rectangle(20, 2, 28, 10);
    glRasterPos2i(36, 30);
    glCopyPixels(2, 2, 26, 16, GL_COLOR);
    glPixelZoom(1, -1);
    glRasterPos2i(4, 60);
    glCopyPixels(2, 2, 16, 16, GL_COLOR);
}

// What the read-back cases read: a red square over a green one in the cell's corner.
void OverlappingSquares() {
    PixelProjection();
    glColor3f(0.2f, 0.8f, 0.2f);
    Rectangle(2, 2, 14, 14);
    glColor3f(1, 0.3f, 0.3f);
    Rectangle(6, 6, 18, 18);
}

// What is drawn is read back and drawn again, twice as large, beside it.
void ReadPixels() {
    OverlappingSquares();
    std::vector<GLubyte> pixels(20 * 20 * 4);
    glReadPixels(0, 0, 20, 20, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glRasterPos2i(22, 22);
    glPixelZoom(2, 2);
    glDrawPixels(20, 20, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}

// Colour indices in diagonal stripes, drawn through the maps from indices to colours: four
// entries, of which an index takes the one its two low bits name.
void DrawPixelsIndex() {
    PixelProjection();
    const GLfloat red[] = {1, 0, 0, 0.5f}, green[] = {0, 1, 0, 0.5f}, blue[] = {0, 0, 1, 0.5f};
    const GLfloat alpha[] = {1, 1, 1, 1};
    glPixelMapfv(GL_PIXEL_MAP_I_TO_R, 4, red);
    glPixelMapfv(GL_PIXEL_MAP_I_TO_G, 4, green);
    glPixelMapfv(GL_PIXEL_MAP_I_TO_B, 4, blue);
    glPixelMapfv(GL_PIXEL_MAP_I_TO_A, 4, alpha);
    GLubyte indices[8 * 8];
    for (int index = 0; index < 64; ++index)
        indices[index] = GLubyte(index % 8 + index / 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos2i(8, 8);
    glPixelZoom(6, 6);
    glDrawPixels(8, 8, GL_COLOR_INDEX, GL_UNSIGNED_BYTE, indices);
}

// A part of the frame read into the middle of a larger grey store (row length and skips, rows of
// an odd number of RGB pixels), and the whole store drawn back over it, twice as large.
void ReadPixelsStore() {
    OverlappingSquares();
    constexpr int StoreSize = 24;
    std::vector<GLubyte> store(StoreSize * StoreSize * 3, 160);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, StoreSize);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 7);
    glPixelStorei(GL_PACK_SKIP_ROWS, 3);
    glReadPixels(4, 4, 13, 15, GL_RGB, GL_UNSIGNED_BYTE, store.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glRasterPos2i(16, 16);
    glPixelZoom(2, 2);
    glDrawPixels(StoreSize, StoreSize, GL_RGB, GL_UNSIGNED_BYTE, store.data());
}

const SweepCase Cases[] = {
    {"bitmap", Bitmap},
    {"bitmap-zoom-transfer", BitmapZoomTransfer},
    {"raster-pos-3d", RasterPos3D},
    {"draw-pixels", DrawPixels},
    {"draw-pixels-store", DrawPixelsStore},
    {"draw-pixels-index", DrawPixelsIndex},
    {"pixel-zoom", PixelZoom},
    {"pixel-transfer", PixelTransfer},
    {"copy-pixels", CopyPixels},
    {"read-pixels", ReadPixels},
    {"read-pixels-store", ReadPixelsStore},
};

} // namespace

std::span<const SweepCase> PixelCases() {
    return Cases;
}

} // namespace sweep
