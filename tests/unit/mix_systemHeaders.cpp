// Compiled, not run, by the header_mix tests: a program's source file that includes a system
// header (VYN_SYSTEM_HEADER: <GL/gl.h>, <GL/glu.h> or <windows.h>) beside the framework's, before
// them when VYN_SYSTEM_FIRST is 1 and after them otherwise, and uses both as docs/guide.md says:
// constants unqualified, whichever header defines them; the framework's functions and the types
// both vocabularies have qualified.
#if VYN_SYSTEM_FIRST
#include VYN_SYSTEM_HEADER
#include <vyn/testing.h>
#include <vyn/vyn.h>
#else
#include <vyn/testing.h>
#include <vyn/vyn.h>
#include VYN_SYSTEM_HEADER
#endif

using namespace vyn;

namespace {

void CloseOnEscape() {
    StopMainLoop();
}

} // namespace

#ifdef GLU_VERSION_1_1
// A draw pack of GLU's quadrics, drawn with the framework's state and its GLU: GLU's types are
// the same in both vocabularies, its functions qualified as GL's are.
void DrawSphere(TMyDrawPack*) {
    static GLUquadric* const quadric = vyn::gluNewQuadric();
    vyn::glEnable(GL_LIGHTING);
    vyn::gluQuadricDrawStyle(quadric, GLU_FILL);
    vyn::gluSphere(quadric, 1.0, 16, 16);
}
#endif

#ifdef _WINDOWS_
// The Windows API beside the framework's vocabulary: Windows' handles are ::HWND, the
// framework's vyn::HWND.
bool AskBeforeClosing() {
    const ::HWND owner = GetActiveWindow();
    return MessageBoxW(owner, L"Close?", L"first", MB_OKCANCEL) == IDOK &&
           Framework.WindowHandle.load() != vyn::HWND{};
}
#endif

bool BuildScene() {
    vyn::glDisable(GL_FOG);
    vyn::glClearColor(0.2f, 0.2f, 0.3f, 1.0f);
    static_assert(GL_LIGHTING == 0x0B50 && VK_ESCAPE == 0x1B && WM_SIZE == 0x0005);
    return CurrentKeyboard->SetHandler(VK_ESCAPE, KeyDownTable, CloseOnEscape) &&
           CreateFromSettings() && LOWORD(MAKELPARAM(400, 300)) == 400;
}
