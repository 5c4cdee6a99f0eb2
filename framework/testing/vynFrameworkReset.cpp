#include "vynFrameworkReset.h"

#include "framework/render/vynSettingsU.h"
#include "framework/window/vynFramePacing.h"
#include "framework/window/vynHelpersU.h"
#include "framework/window/vynMainWindow.h"

namespace vyn {

void RestoreStartValues() {
    ResetState();
    FreeZeroed(Framework.SelectBuffer);
    Framework.SelectBufferSize = 0;
    Framework.Width = StartWidth;
    Framework.Height = StartHeight;
    Framework.GLLoaded = false;
    Framework.GLVersion = 0.0f;
    Framework.TimerId = StartTimerId;
    Framework.TimerPeriod = CaptionTimerPeriod;
    Framework.TimerRunning = false;
    Framework.FrameCount = 0;
    Framework.NeutralLighting = false;
    Framework.PlainContext = false;
    ResetFramePacing();
    CurrentHintMode = DefaultHintMode;
    PlainGLState = false;
    ClearHandlers();
    ResizeRoutine = nullptr;
}

} // namespace vyn
