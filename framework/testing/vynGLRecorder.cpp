#include "vynGLRecorder.h"

#include <algorithm>
#include <stdexcept>

namespace vyn {

namespace {

RecordingGL* Active = nullptr;

RecordingGL& Recorder() {
    if (!Active)
        throw std::logic_error("no RecordingGL is installed");
    return *Active;
}

// Records a call and answers with the result type's zero.
template <typename Result>
struct Recorded {
    const char* Name;
    template <typename... Args>
    Result operator()(const Args&... args) const {
        Recorder().Record(Call(Name, args...));
        return Result();
    }
};

#define VYN_GL_RECORDED(ret, name, params, args)                                                   \
    ret VYN_GLAPI Record_##name params {                                                           \
        return Recorded<ret>{#name} args;                                                          \
    }
VYN_GL_FUNCS(VYN_GL_RECORDED)
VYN_GLU_FUNCS(VYN_GL_RECORDED)
#undef VYN_GL_RECORDED

bool RecordLoad(const char* glLibrary, const char* gluLibrary) {
    RecordingGL& recorder = Recorder();
    recorder.Record(Call("LoadGLBinding", glLibrary, gluLibrary));
    return recorder.LoadResult;
}

void* RecordProcAddress(const char* name) {
    RecordingGL& recorder = Recorder();
    recorder.Record(Call("GetGLProcAddress", name));
    auto answer = recorder.ProcAddresses.find(name);
    return answer == recorder.ProcAddresses.end() ? nullptr : answer->second;
}

} // namespace

// The calls whose answers a test chooses.
struct RecordingGLAnswers {
    static void VYN_GLAPI Enable(GLenum cap) {
        Recorder().Record(Call("glEnable", cap));
        Recorder().EnabledCaps.insert(cap);
    }

    static void VYN_GLAPI Disable(GLenum cap) {
        Recorder().Record(Call("glDisable", cap));
        Recorder().EnabledCaps.erase(cap);
    }

    static GLboolean VYN_GLAPI IsEnabled(GLenum cap) {
        RecordingGL& recorder = Recorder();
        recorder.Record(Call("glIsEnabled", cap));
        auto answer = recorder.EnabledAnswers.find(cap);
        if (answer != recorder.EnabledAnswers.end())
            return answer->second ? GL_TRUE : GL_FALSE;
        return recorder.EnabledCaps.count(cap) ? GL_TRUE : GL_FALSE;
    }

    static const GLubyte* VYN_GLAPI GetString(GLenum name) {
        RecordingGL& recorder = Recorder();
        recorder.Record(Call("glGetString", name));
        auto answer = recorder.Strings.find(name);
        if (answer == recorder.Strings.end())
            return nullptr;
        return reinterpret_cast<const GLubyte*>(answer->second.c_str());
    }

    template <typename Value>
    static void Answer(const std::map<GLenum, std::vector<Value>>& answers, GLenum name,
                       Value* params) {
        auto answer = answers.find(name);
        if (answer != answers.end() && params)
            std::copy(answer->second.begin(), answer->second.end(), params);
    }

    static void VYN_GLAPI GetIntegerv(GLenum name, GLint* params) {
        Recorder().Record(Call("glGetIntegerv", name, params));
        Answer(Recorder().Integers, name, params);
    }

    static void VYN_GLAPI GetFloatv(GLenum name, GLfloat* params) {
        Recorder().Record(Call("glGetFloatv", name, params));
        Answer(Recorder().Floats, name, params);
    }

    static void VYN_GLAPI GenTextures(GLsizei n, GLuint* textures) {
        RecordingGL& recorder = Recorder();
        recorder.Record(Call("glGenTextures", n, textures));
        for (GLsizei i = 0; i < n && textures; ++i)
            textures[i] = recorder.NextTextureName++;
    }

    static GLuint VYN_GLAPI GenLists(GLsizei range) {
        RecordingGL& recorder = Recorder();
        recorder.Record(Call("glGenLists", range));
        const GLuint first = recorder.NextListName;
        recorder.NextListName += static_cast<GLuint>(range);
        return first;
    }

    static GLenum VYN_GLAPI GetError() {
        RecordingGL& recorder = Recorder();
        recorder.Record(Call("glGetError"));
        if (recorder.PendingErrors.empty())
            return GL_NO_ERROR;
        const GLenum error = recorder.PendingErrors.front();
        recorder.PendingErrors.erase(recorder.PendingErrors.begin());
        return error;
    }

    static GLint VYN_GLAPI ScaleImage(GLenum format, GLint widthIn, GLint heightIn, GLenum typeIn,
                                      const void* dataIn, GLint widthOut, GLint heightOut,
                                      GLenum typeOut, void* dataOut) {
        RecordingGL& recorder = Recorder();
        recorder.Record(Call("gluScaleImage", format, widthIn, heightIn, typeIn, dataIn, widthOut,
                             heightOut, typeOut, dataOut));
        return recorder.ScaleImageResult;
    }

    static bool GLUPresent() { return Recorder().GLUPresent; }
};

RecordingGL::RecordingGL(CallLog& log) : Log(log) {
    if (Active)
        throw std::logic_error("a RecordingGL is already installed");
    Active = this;
#define VYN_GL_INSTALL(ret, name, params, args) GL.name = Record_##name;
    VYN_GL_FUNCS(VYN_GL_INSTALL)
    VYN_GLU_FUNCS(VYN_GL_INSTALL)
#undef VYN_GL_INSTALL
    GL.LoadLibraries = RecordLoad;
    GL.FindProcAddress = RecordProcAddress;
    GL.GLUEntryPointsAvailable = RecordingGLAnswers::GLUPresent;
    GL.glEnable = RecordingGLAnswers::Enable;
    GL.glDisable = RecordingGLAnswers::Disable;
    GL.glIsEnabled = RecordingGLAnswers::IsEnabled;
    GL.glGetString = RecordingGLAnswers::GetString;
    GL.glGetIntegerv = RecordingGLAnswers::GetIntegerv;
    GL.glGetFloatv = RecordingGLAnswers::GetFloatv;
    GL.glGenTextures = RecordingGLAnswers::GenTextures;
    GL.glGenLists = RecordingGLAnswers::GenLists;
    GL.glGetError = RecordingGLAnswers::GetError;
    GL.gluScaleImage = RecordingGLAnswers::ScaleImage;
}

RecordingGL::~RecordingGL() {
    Active = nullptr;
    ResetGLDispatch();
}

void RecordingGL::Record(CallRecord call) {
    if (FailingCalls.count(call.Name))
        throw std::runtime_error(call.Name + " failed (injected by the test)");
    // As the binding without a GLU library: its calls throw.
    if (!GLUPresent && call.Name.starts_with("glu"))
        throw std::runtime_error("GLU entry point " + call.Name + " is not available");
    const auto raised = RaisedErrors.find(call.Name);
    if (raised != RaisedErrors.end() && std::find(PendingErrors.begin(), PendingErrors.end(),
                                                  raised->second) == PendingErrors.end())
        PendingErrors.push_back(raised->second);
    if (BeforeEachCall)
        BeforeEachCall(call);
    Log.Add(std::move(call));
}

} // namespace vyn
