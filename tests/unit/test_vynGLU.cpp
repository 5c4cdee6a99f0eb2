// GLU through the binding: the list against the system's header, every listed entry point bound to
// the library's own, and callbacks (the tessellator's) passing through with their types intact.
#include "framework/gl/vynGL.h"
#include "framework/gl/vynGLLibrary.h"
#include "framework/testing/vynGLRecorder.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

using namespace vyn;
using vyn::test::Address;

namespace {

#define VYN_GLU_NAME(ret, name, params, args) #name,
const std::set<std::string> ListedGLU12 = {VYN_GLU_1_2_FUNCS(VYN_GLU_NAME)};
const std::set<std::string> ListedGLU = {VYN_GLU_FUNCS(VYN_GLU_NAME)};
#undef VYN_GLU_NAME

class GLULibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadGLBinding(DefaultGLLibraryName(), DefaultGLULibraryName()));
        Library = OpenLibrary(DefaultGLULibraryName());
        ASSERT_NE(Library, nullptr) << LastLibraryError();
    }
    void TearDown() override {
        ResetGLDispatch();
        CloseLibrary(Library);
    }
    LibraryHandle Library = nullptr;
};

// What the tessellator hands back: the triangles' corners, three by three.
struct Triangles {
    std::vector<const GLdouble*> Corners;
    GLenum Primitive = 0;
    int Errors = 0;

    double Area() const {
        double area = 0;
        for (size_t i = 0; i + 2 < Corners.size(); i += 3) {
            const GLdouble *a = Corners[i], *b = Corners[i + 1], *c = Corners[i + 2];
            area += std::abs((b[0] - a[0]) * (c[1] - a[1]) - (c[0] - a[0]) * (b[1] - a[1])) / 2;
        }
        return area;
    }
};

void VYN_GLAPI OnBegin(GLenum primitive, void* data) {
    static_cast<Triangles*>(data)->Primitive = primitive;
}
void VYN_GLAPI OnVertex(void* vertex, void* data) {
    static_cast<Triangles*>(data)->Corners.push_back(static_cast<const GLdouble*>(vertex));
}
void VYN_GLAPI OnError(GLenum, void* data) {
    ++static_cast<Triangles*>(data)->Errors;
}
// Every triangle on its own (an edge-flag callback asks for GL_TRIANGLES alone).
void VYN_GLAPI OnEdgeFlag(GLboolean, void*) {}

} // namespace

TEST(GLUList, HoldsEveryEntryPointOfGLU13) {
    std::ifstream header("/usr/include/GL/glu.h");
    if (!header)
        GTEST_SKIP() << "no /usr/include/GL/glu.h to compare with";
    const std::string text{std::istreambuf_iterator<char>(header), {}};
    const std::regex declaration(R"(GLAPIENTRY\s+(glu\w+)\s*\()");
    std::set<std::string> declared;
    for (std::sregex_iterator found(text.begin(), text.end(), declaration), last; found != last;
         ++found)
        if (!std::regex_search((*found)[1].str(), std::regex("EXT$"))) // extensions: not GLU 1.3
            declared.insert((*found)[1]);
    EXPECT_GT(declared.size(), 50u) << "the header's declarations were not found";
    EXPECT_EQ(ListedGLU, declared);
}

TEST_F(GLULibrary, EveryListedEntryPointIsTheLibrarysOwn) {
    EXPECT_TRUE(GLUAvailable());
    // A GLU 1.2 library (Windows') lacks GLU 1.3's seven: their calls throw, naming them.
#define VYN_GLU_EXPECT_BOUND(ret, name, params, args)                                              \
    if (void* own = FindLibrarySymbol(Library, #name))                                             \
        EXPECT_EQ(Address(GL.name), own) << #name;                                                 \
    else                                                                                           \
        EXPECT_FALSE(ListedGLU12.count(#name)) << #name << " is GLU 1.2's, and missing";
    VYN_GLU_FUNCS(VYN_GLU_EXPECT_BOUND)
#undef VYN_GLU_EXPECT_BOUND
    if (!FindLibrarySymbol(Library, "gluUnProject4")) {
        try {
            GLdouble out[4];
            gluUnProject4(0, 0, 0, 1, nullptr, nullptr, nullptr, 0, 1, out, out + 1, out + 2,
                          out + 3);
            ADD_FAILURE() << "a missing entry point was called";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("gluUnProject4"), std::string::npos);
        }
    }
}

// An L of three unit squares, concave at (1, 1): its triangles, whichever the tessellator makes,
// cover 3 square units, each corner one of the program's own vertices.
TEST_F(GLULibrary, TessellatesAConcavePolygonThroughCallbacks) {
    GLdouble corners[][3] = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 1, 0}, {1, 2, 0}, {0, 2, 0}};
    GLUtesselator* tess = gluNewTess();
    ASSERT_NE(tess, nullptr);
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<GLUfuncptr>(OnBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<GLUfuncptr>(OnVertex));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<GLUfuncptr>(OnError));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<GLUfuncptr>(OnEdgeFlag));
    gluTessNormal(tess, 0, 0, 1);
    Triangles triangles;
    gluTessBeginPolygon(tess, &triangles);
    gluTessBeginContour(tess);
    for (GLdouble* corner : corners)
        gluTessVertex(tess, corner, corner);
    gluTessEndContour(tess);
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);

    EXPECT_EQ(triangles.Errors, 0);
    EXPECT_EQ(triangles.Primitive, GL_TRIANGLES);
    EXPECT_EQ(triangles.Corners.size(), 12u) << "four triangles";
    EXPECT_DOUBLE_EQ(triangles.Area(), 3.0);
    for (const GLdouble* corner : triangles.Corners)
        EXPECT_TRUE(corner >= corners[0] && corner <= corners[5]) << "a vertex GLU made up";
}

TEST(GLURecorder, LogsCallbacksAndObjectsAsAddresses) {
    CallLog log;
    RecordingGL recorder(log);
    GLUquadric* quadric = gluNewQuadric();
    const auto callback = reinterpret_cast<GLUfuncptr>(OnError);
    gluQuadricCallback(quadric, GLU_ERROR, callback);
    gluSphere(quadric, 1.5, 8, 4);
    EXPECT_EQ(log.Calls(), (std::vector<CallRecord>{
                               Call("gluNewQuadric"),
                               Call("gluQuadricCallback", quadric, GLU_ERROR, Address(callback)),
                               Call("gluSphere", quadric, 1.5, 8, 4)}));
}
