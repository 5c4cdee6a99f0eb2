// vyn's test doubles, for an application's own tests (link vyn::testing): a fake platform backend
// that behaves like a window system without a display, a recording GL double that logs every call
// with its arguments, the call log both write, and RestoreStartValues to begin each test afresh.
// While a FakePlatform and a RecordingGL live, the framework talks to them instead of the real
// window system and GL; docs/guide.md shows a test.
#pragma once

#include <vyn/vyn.h>

#include "framework/testing/vynCallLog.h"
#include "framework/testing/vynFakePlatform.h"
#include "framework/testing/vynFrameworkReset.h"
#include "framework/testing/vynGLRecorder.h"
