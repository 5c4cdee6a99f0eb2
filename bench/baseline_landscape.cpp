// baseline-landscape: the landscape demo's scene drawn by a plain SDL2 + OpenGL program, written
// the way one would without the framework, as a yardstick for the demo's frame rate.
//
// It loads pv.cppa2, pt.cppa2 and Ground.bmp, asks for the framebuffer the demo gets, sets the same
// fixed-function state in the same order of effect, uploads the texture halved to a power of two
// (compressed, mipmapped), and draws the mesh with client arrays as fast as the driver lets it;
// the arrow keys tilt the scene. --draw keeps the mesh on the driver's side instead, each way a
// retained draw could: the figures that chose the framework's retained packs.
//
//   baseline-landscape [--data DIR] [--seconds N] [--shot FILE.ppm] [--draw HOW]
//     --data DIR      folder with the three files (default: the working directory)
//     --seconds N     stop after N seconds and print the frame rate and the time to first frame
//     --shot FILE     write the first frame as a binary PPM picture
//     --draw HOW      arrays: client arrays every frame (default); list: a display list compiled
//                     once; buffers: buffer objects, the same GL_QUADS call; indexed: buffer
//                     objects drawn as indexed triangles, two per quad; list-indexed: a display
//                     list compiled once from those indexed triangles
//
// Single-threaded: everything runs on the main thread with the context current.
#define GL_GLEXT_PROTOTYPES // buffer objects (OpenGL 1.5), which Mesa's libGL exports
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vyn::baseline {

using Clock = std::chrono::steady_clock;

struct ArrayFile {
    std::int32_t Count = 0;
    std::vector<float> Floats;
};

struct Image {
    int Width = 0;
    int Height = 0;
    std::vector<unsigned char> Pixels; // RGB, rows bottom-up, each padded to 4 bytes
};

enum class DrawHow { Arrays, List, Buffers, Indexed, ListIndexed };

struct Options {
    std::string Data = ".";
    double Seconds = 0; // 0: until the window is closed
    std::string Shot;
    DrawHow Draw = DrawHow::Arrays;
};

std::vector<unsigned char> ReadWholeFile(const std::string& name) {
    std::ifstream file(name, std::ios::binary);
    if (!file)
        throw std::runtime_error(name + ": cannot open");
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::int32_t Int32At(const std::vector<unsigned char>& bytes, std::size_t at) {
    return static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                                     static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// An array file: header (unused value, payload bytes, count), then floats per vertex.
ArrayFile LoadArrayFile(const std::string& name, int floatsPerVertex) {
    const std::vector<unsigned char> bytes = ReadWholeFile(name);
    if (bytes.size() < 12)
        throw std::runtime_error(name + ": shorter than its 12-byte header");
    const std::int32_t size = Int32At(bytes, 4);
    ArrayFile array{Int32At(bytes, 8), {}};
    if (size < 0 || static_cast<std::size_t>(size) > bytes.size() - 12 || array.Count < 0 ||
        static_cast<std::int64_t>(array.Count) * floatsPerVertex * 4 > size)
        throw std::runtime_error(name + ": payload shorter than its header says");
    array.Floats.resize(static_cast<std::size_t>(size) / 4);
    std::copy_n(bytes.begin() + 12, array.Floats.size() * 4,
                reinterpret_cast<unsigned char*>(array.Floats.data()));
    return array;
}

// A 24-bit uncompressed bottom-up BMP into RGB rows.
Image LoadBmp(const std::string& name) {
    const std::vector<unsigned char> bytes = ReadWholeFile(name);
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        throw std::runtime_error(name + ": not a BMP file");
    Image image{Int32At(bytes, 18), Int32At(bytes, 22), {}};
    const std::int32_t offset = Int32At(bytes, 10);
    const int bits = bytes[28] | bytes[29] << 8;
    const std::size_t rowBytes = (static_cast<std::size_t>(image.Width) * 3 + 3) / 4 * 4;
    if (bits != 24 || Int32At(bytes, 30) != 0 || image.Width <= 0 || image.Height <= 0 ||
        image.Width > 16384 || image.Height > 16384 || offset < 54 ||
        rowBytes * image.Height > bytes.size() - static_cast<std::size_t>(offset))
        throw std::runtime_error(name + ": not a 24-bit uncompressed bottom-up bitmap");
    image.Pixels.assign(bytes.begin() + offset, bytes.begin() + offset + rowBytes * image.Height);
    for (int row = 0; row < image.Height; ++row)
        for (int column = 0; column < image.Width; ++column)
            std::swap(image.Pixels[row * rowBytes + column * 3],
                      image.Pixels[row * rowBytes + column * 3 + 2]);
    return image;
}

// The framework's state presets, in the order they take effect: lighting and fog, then the
// presets (stencil off, hints left alone, colour material, depth, culling, smoothing, arrays).
void SetUpState() {
    const GLfloat fogColor[] = {0.0f, 0.0f, 0.0f, 0.5f};
    const GLfloat lightPosition[] = {0.5f, 0.75f, 0.5f, 0.95f};
    const GLfloat lightModelAmbient[] = {0.9f, 0.6f, 0.5f, 0.95f};
    const GLfloat ambient[] = {0.95f, 0.1f, 0.7f, 0.95f};
    const GLfloat diffuse[] = {0.95f, 0.1f, 0.75f, 0.95f};
    const GLfloat specular[] = {1.0f, 0.0f, 0.0f, 0.95f};
    const GLfloat emission[] = {0.35f, 0.35f, 35.35f, 0.95f};
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_DIFFUSE);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialf(GL_FRONT, GL_SHININESS, 15.0f);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glLightfv(GL_LIGHT0, GL_POSITION, lightPosition);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, lightModelAmbient);
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_EXP2);
    glFogfv(GL_FOG_COLOR, fogColor);
    glFogf(GL_FOG_DENSITY, 0.055f);
    glFogf(GL_FOG_END, 1.0f);
    glFogf(GL_FOG_START, 1.0f);

    glDisable(GL_STENCIL_TEST);
    // Colour material is already on, so each mode copies the current colour into its property
    // as it is chosen; emission is the one left tracking.
    for (GLenum mode : {GL_AMBIENT, GL_SPECULAR, GL_DIFFUSE, GL_EMISSION})
        glColorMaterial(GL_FRONT, mode);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_MULTISAMPLE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glClearDepth(1.0);
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
    glPolygonMode(GL_FRONT, GL_FILL);
    glPolygonMode(GL_BACK, GL_LINE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(0.0f, 0.0f);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

// Each size halved, then rounded up to a power of two.
int TextureSize(int size) {
    int power = 2;
    while (power < size / 2)
        power *= 2;
    return power;
}

GLuint UploadTexture(const Image& image) {
    Image scaled{TextureSize(image.Width), TextureSize(image.Height), {}};
    const std::size_t rowBytes = (static_cast<std::size_t>(scaled.Width) * 3 + 3) / 4 * 4;
    scaled.Pixels.resize(rowBytes * scaled.Height);
    if (gluScaleImage(GL_RGB, image.Width, image.Height, GL_UNSIGNED_BYTE, image.Pixels.data(),
                      scaled.Width, scaled.Height, GL_UNSIGNED_BYTE, scaled.Pixels.data()) != 0)
        throw std::runtime_error("gluScaleImage failed");
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_COMPRESSED_RGB, scaled.Width, scaled.Height, 0, GL_RGB,
                 GL_UNSIGNED_BYTE, scaled.Pixels.data());
    return name;
}

// The framebuffer the demo's pixel format gets on Mesa (32-bit colour with alpha, 24-bit depth,
// 8-bit stencil): clearing depth that shares its words with stencil, and writing alpha, are part
// of every frame's work.
void RequestDemoFramebuffer() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    for (SDL_GLattr channel : {SDL_GL_RED_SIZE, SDL_GL_GREEN_SIZE, SDL_GL_BLUE_SIZE,
                               SDL_GL_ALPHA_SIZE, SDL_GL_STENCIL_SIZE})
        SDL_GL_SetAttribute(channel, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
}

void SetProjection(int width, int height) {
    width = width > 0 ? width : 1;
    height = height > 0 ? height : 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// The mesh's draw call, as it is made every frame.
class Mesh {
  public:
    Mesh(DrawHow how, const ArrayFile& positions, const ArrayFile& texCoords)
        : How(how), Positions(positions), TexCoords(texCoords) {
        if (How == DrawHow::List || How == DrawHow::ListIndexed)
            CompileList();
        else if (How != DrawHow::Arrays)
            UploadBuffers();
    }

    void Draw() const {
        switch (How) {
        case DrawHow::Arrays:
            glTexCoordPointer(2, GL_FLOAT, 0, TexCoords.Floats.data());
            glVertexPointer(3, GL_FLOAT, 0, Positions.Floats.data());
            glDrawArrays(GL_QUADS, 0, Positions.Count);
            break;
        case DrawHow::List:
        case DrawHow::ListIndexed:
            glCallList(List);
            break;
        case DrawHow::Buffers:
            glDrawArrays(GL_QUADS, 0, Positions.Count);
            break;
        case DrawHow::Indexed:
            glDrawElements(GL_TRIANGLES, IndexCount, GL_UNSIGNED_INT, nullptr);
            break;
        }
    }

  private:
    void CompileList() {
        List = glGenLists(1);
        glTexCoordPointer(2, GL_FLOAT, 0, TexCoords.Floats.data());
        glVertexPointer(3, GL_FLOAT, 0, Positions.Floats.data());
        const std::vector<GLuint> indices =
            How == DrawHow::ListIndexed ? QuadIndices() : std::vector<GLuint>();
        glNewList(List, GL_COMPILE);
        if (How == DrawHow::ListIndexed)
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT,
                           indices.data());
        else
            glDrawArrays(GL_QUADS, 0, Positions.Count);
        glEndList();
    }

    // Bound once for good: nothing else in the program draws.
    void UploadBuffers() {
        GLuint buffers[3] = {};
        glGenBuffers(3, buffers);
        glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
        glBufferData(GL_ARRAY_BUFFER, Bytes(TexCoords, 2), TexCoords.Floats.data(), GL_STATIC_DRAW);
        glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
        glBindBuffer(GL_ARRAY_BUFFER, buffers[1]);
        glBufferData(GL_ARRAY_BUFFER, Bytes(Positions, 3), Positions.Floats.data(), GL_STATIC_DRAW);
        glVertexPointer(3, GL_FLOAT, 0, nullptr);
        if (How == DrawHow::Indexed)
            UploadQuadIndices(buffers[2]);
    }

    static GLsizeiptr Bytes(const ArrayFile& array, int floatsPerVertex) {
        return static_cast<GLsizeiptr>(array.Count) * floatsPerVertex * sizeof(float);
    }

    // Quad a b c d as the triangles a b d and b c d, split as llvmpipe splits GL_QUADS (the same
    // pixels); both keep the quad's winding.
    std::vector<GLuint> QuadIndices() const {
        std::vector<GLuint> indices;
        indices.reserve(static_cast<std::size_t>(Positions.Count) / 4 * 6);
        for (GLuint quad = 0; quad + 4 <= static_cast<GLuint>(Positions.Count); quad += 4)
            indices.insert(indices.end(), {quad, quad + 1, quad + 3, quad + 1, quad + 2, quad + 3});
        return indices;
    }

    void UploadQuadIndices(GLuint buffer) {
        const std::vector<GLuint> indices = QuadIndices();
        IndexCount = static_cast<GLsizei>(indices.size());
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)), indices.data(),
                     GL_STATIC_DRAW);
    }

    DrawHow How;
    const ArrayFile& Positions;
    const ArrayFile& TexCoords;
    GLuint List = 0;
    GLsizei IndexCount = 0;
};

void DrawScene(GLuint texture, const Mesh& mesh) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    mesh.Draw();
    glDisable(GL_TEXTURE_2D);
}

// The back buffer as a binary PPM, top row first.
void WriteShot(const std::string& name, int width, int height) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::ofstream file(name, std::ios::binary);
    file << "P6\n" << width << ' ' << height << "\n255\n";
    for (int row = height - 1; row >= 0; --row)
        file.write(reinterpret_cast<const char*>(&pixels[row * width * 3]), width * 3);
    if (!file)
        throw std::runtime_error(name + ": cannot write");
}

DrawHow DrawHowNamed(const std::string& name) {
    const std::pair<const char*, DrawHow> names[] = {{"arrays", DrawHow::Arrays},
                                                     {"list", DrawHow::List},
                                                     {"buffers", DrawHow::Buffers},
                                                     {"indexed", DrawHow::Indexed},
                                                     {"list-indexed", DrawHow::ListIndexed}};
    for (const auto& [known, how] : names)
        if (name == known)
            return how;
    throw std::invalid_argument(
        "--draw takes arrays, list, buffers, indexed or list-indexed, not " + name);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            throw std::invalid_argument("missing value after " + option);
        const std::string value = argv[++i];
        if (option == "--data")
            options.Data = value;
        else if (option == "--shot")
            options.Shot = value;
        else if (option == "--seconds")
            options.Seconds = std::atof(value.c_str());
        else if (option == "--draw")
            options.Draw = DrawHowNamed(value);
        else
            throw std::invalid_argument("unknown option " + option);
        if (option == "--seconds" && !(options.Seconds > 0))
            throw std::invalid_argument("--seconds needs a positive number, not " + value);
    }
    return options;
}

// Handles pending events; false once the window has been closed.
bool HandleEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT)
            return false;
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_LEFT)
            glRotatef(-1.5f, 1, 0, 0);
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_RIGHT)
            glRotatef(1.5f, 1, 0, 0);
        if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            SetProjection(event.window.data1, event.window.data2);
    }
    return true;
}

int Run(const Options& options, Clock::time_point started) {
    const ArrayFile positions = LoadArrayFile(options.Data + "/pv.cppa2", 3);
    const ArrayFile texCoords = LoadArrayFile(options.Data + "/pt.cppa2", 2);
    if (texCoords.Count < positions.Count)
        throw std::runtime_error("pt.cppa2 holds fewer vertices than pv.cppa2");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("SDL_Init: ") + SDL_GetError());
    RequestDemoFramebuffer();
    SDL_Window* window = SDL_CreateWindow("baseline", SDL_WINDOWPOS_CENTERED,
                                          SDL_WINDOWPOS_CENTERED, 400, 300, SDL_WINDOW_OPENGL);
    SDL_GLContext context = window ? SDL_GL_CreateContext(window) : nullptr;
    if (!context)
        throw std::runtime_error(std::string("window or GL context: ") + SDL_GetError());

    SetUpState();
    const GLuint texture = UploadTexture(LoadBmp(options.Data + "/Ground.bmp"));
    SetProjection(400, 300);
    const Mesh mesh(options.Draw, positions, texCoords);
    double firstFrameMs = 0;
    long frames = 0;
    const Clock::time_point loopStart = Clock::now();
    while (HandleEvents()) {
        DrawScene(texture, mesh);
        if (frames == 0 && !options.Shot.empty())
            WriteShot(options.Shot, 400, 300);
        SDL_GL_SwapWindow(window);
        if (++frames == 1)
            firstFrameMs =
                std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        const double elapsed = std::chrono::duration<double>(Clock::now() - loopStart).count();
        if (options.Seconds > 0 && elapsed >= options.Seconds) {
            std::printf("baseline: %ld frames in %.2f s = %.1f fps; first frame after %.1f ms\n",
                        frames, elapsed, frames / elapsed, firstFrameMs);
            break;
        }
    }
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

} // namespace vyn::baseline

int main(int argc, char** argv) {
    const auto started = vyn::baseline::Clock::now();
    try {
        return vyn::baseline::Run(vyn::baseline::ParseOptions(argc, argv), started);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "baseline-landscape: %s\n", failure.what());
        return 1;
    }
}
