/// @file
/// The recording double of the OpenGL binding, for tests.
///
/// While a RecordingGL lives, every GL and GLU call (and the library loader and GetGLProcAddress)
/// goes to it instead of a real library: it appends the call with its arguments to a CallLog, in
/// order, and answers the queries with values the test chose. glIsEnabled follows the
/// glEnable/glDisable calls it saw unless the test sets an answer. Naming a call in FailingCalls
/// makes it throw std::runtime_error, to test the framework's failure paths.
///
/// One instance at a time; its destructor puts the real binding back. Main thread only.
#pragma once

#include "../gl/vynGL.h"
#include "vynCallLog.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vyn {

/// The recording double: while it lives, every slot of GL goes to it.
class RecordingGL {
  public:
    /// Plugs the double into every slot of GL, recording into `log`; throws std::logic_error
    /// while another RecordingGL lives.
    explicit RecordingGL(CallLog& log);
    ~RecordingGL();
    RecordingGL(const RecordingGL&) = delete;
    RecordingGL& operator=(const RecordingGL&) = delete;

    CallLog& Log; ///< Where the calls are recorded.

    /// glGetString answers; a name without an entry answers null.
    std::map<GLenum, std::string> Strings;
    /// glGetIntegerv and glGetFloatv answers, written into the caller's array; a name without an
    /// entry writes nothing.
    ///@{
    std::map<GLenum, std::vector<GLint>> Integers;
    std::map<GLenum, std::vector<GLfloat>> Floats;
    ///@}
    /// glIsEnabled answers that override the tracked state.
    std::map<GLenum, bool> EnabledAnswers;
    /// glGenTextures hands out consecutive names from here, glGenLists consecutive lists.
    ///@{
    GLuint NextTextureName = 1;
    GLuint NextListName = 1;
    ///@}
    /// Calls that raise a GL error (after being recorded), for glGetError to answer. As GL keeps
    /// one flag per kind of error, glGetError answers each kind raised once, in the order first
    /// raised, then GL_NO_ERROR.
    std::map<std::string, GLenum> RaisedErrors;
    /// GetGLProcAddress answers; a name without an entry answers null.
    std::map<std::string, void*> ProcAddresses;
    /// What the library loader and gluScaleImage report.
    ///@{
    bool LoadResult = true;
    GLint ScaleImageResult = 0;
    ///@}
    /// False: as without a GLU library, GLUAvailable() answers false and GLU calls throw.
    bool GLUPresent = true;
    /// Calls that throw instead of being recorded.
    std::set<std::string> FailingCalls;
    /// Runs before each call is recorded: a test's check of the state the call finds.
    std::function<void(const CallRecord&)> BeforeEachCall;

    /// Capabilities switched on by the recorded glEnable/glDisable calls.
    const std::set<GLenum>& Enabled() const { return EnabledCaps; }

    /// Records one call, or throws when the test made it fail.
    void Record(CallRecord call);

  private:
    friend struct RecordingGLAnswers;
    std::set<GLenum> EnabledCaps;
    std::vector<GLenum> PendingErrors;
};

} // namespace vyn
