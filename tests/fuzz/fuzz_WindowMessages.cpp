// libFuzzer target: the window procedure and the main loop on the fake backend, under arbitrary
// streams of messages.
//
// An input is a script: first which key and mouse handlers are armed and what each does (count,
// throw, or recreate the window), then steps, each a message posted to the window (every message
// the procedure handles and unknown ones, with any wParam and lParam: sizes 0, negative, 65535,
// key codes beyond 255) or a user action on the fake (resize, move, minimise, focus, keys, pointer,
// close). The loop runs; whenever it draws a frame or waits, the next step is fed to it; when it
// ends (a closing message, a recreation), the framework's objects and a new window are made again
// for the steps left. After every message the loop dispatches:
//   - the record's size is what the last WM_SIZE other than a minimise said;
//   - Keys changed only at the message's own key, and only for a key message;
//   - a handler ran only for the message's own key or mouse event, once, and only when armed: none
//     for a refused key;
//   - an ending message ended the loop;
// no GL call is ever made while no context is current, and each loop that ends leaves no window.
// A broken invariant aborts with a line saying which; so do an exception out of the loop and any
// sanitizer report.
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/testing/vynFakePlatform.h"
#include "framework/testing/vynFrameworkReset.h"
#include "framework/testing/vynGLRecorder.h"
#include "framework/window/vynMainWindow.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

using namespace vyn;

namespace {

void Require(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "broken invariant: %s\n", invariant);
    std::abort();
}

// ---- Handlers: what each one does, and which ran

enum class Behaviour : uint8_t { Unarmed, Count, Throw, Recreate };

struct HandlerRun {
    bool Key; // else a mouse slot
    int32_t Index;
    int32_t Table;
};

std::array<std::array<Behaviour, KeyCodeCount>, KeyTableCount> KeyBehaviour{};
std::array<Behaviour, MouseSlotCount> MouseBehaviour{};
std::vector<HandlerRun> Runs;

void Behave(Behaviour behaviour) {
    if (behaviour == Behaviour::Throw)
        throw std::runtime_error("handler failed");
    if (behaviour == Behaviour::Recreate)
        CreateFromSettings();
}

template <int32_t Key, int32_t Table>
void KeyHandler() {
    Runs.push_back({true, Key, Table});
    Behave(KeyBehaviour[Table][Key]);
}

template <int32_t Slot>
void MouseHandler() {
    Runs.push_back({false, Slot, 0});
    Behave(MouseBehaviour[Slot]);
}

template <int32_t Table, int32_t... Keys>
constexpr std::array<THandlerRoutine, KeyCodeCount>
KeyHandlersOf(std::integer_sequence<int32_t, Keys...>) {
    return {&KeyHandler<Keys, Table>...};
}

template <int32_t... Slots>
constexpr std::array<THandlerRoutine, MouseSlotCount>
MouseHandlersOf(std::integer_sequence<int32_t, Slots...>) {
    return {&MouseHandler<Slots>...};
}

constexpr std::array<std::array<THandlerRoutine, KeyCodeCount>, KeyTableCount> KeyHandlers = {
    KeyHandlersOf<KeyUpTable>(std::make_integer_sequence<int32_t, KeyCodeCount>()),
    KeyHandlersOf<KeyDownTable>(std::make_integer_sequence<int32_t, KeyCodeCount>())};
constexpr std::array<THandlerRoutine, MouseSlotCount> MouseHandlers =
    MouseHandlersOf(std::make_integer_sequence<int32_t, MouseSlotCount>());

Behaviour ConsumeBehaviour(FuzzedDataProvider& input) {
    return static_cast<Behaviour>(input.ConsumeIntegralInRange<int>(1, 3));
}

void ChooseHandlers(FuzzedDataProvider& input) {
    KeyBehaviour = {};
    MouseBehaviour = {};
    for (int armed = input.ConsumeIntegralInRange(0, 8); armed > 0; --armed) {
        const int table = input.ConsumeIntegralInRange(0, KeyTableCount - 1);
        KeyBehaviour[table][input.ConsumeIntegral<uint8_t>()] = ConsumeBehaviour(input);
    }
    for (int armed = input.ConsumeIntegralInRange(0, 4); armed > 0; --armed)
        MouseBehaviour[input.ConsumeIntegralInRange(0, MouseSlotCount - 1)] =
            ConsumeBehaviour(input);
}

void ArmHandlers() {
    for (int32_t table = 0; table < KeyTableCount; ++table)
        for (int32_t key = 0; key < KeyCodeCount; ++key)
            if (KeyBehaviour[table][key] != Behaviour::Unarmed)
                CurrentKeyboard->SetHandler(key, table, KeyHandlers[table][key]);
    for (int32_t slot = 0; slot < MouseSlotCount; ++slot) {
        CurrentMouse->Handlers[slot] = MouseHandlers[slot];
        CurrentMouse->Enabled[slot] = MouseBehaviour[slot] != Behaviour::Unarmed;
    }
}

// ---- Steps

constexpr UINT HandledMessages[] = {
    WM_DESTROY,   WM_CLOSE,      WM_QUERYENDSESSION, WM_QUIT,        WM_ENDSESSION, WM_MOVE,
    WM_SIZE,      WM_ACTIVATE,   WM_SETFOCUS,        WM_KILLFOCUS,   WM_PAINT,      WM_KEYDOWN,
    WM_KEYUP,     WM_SYSCOMMAND, WM_MOUSEMOVE,       WM_LBUTTONDOWN, WM_LBUTTONUP,  WM_RBUTTONDOWN,
    WM_RBUTTONUP, WM_SYSKEYDOWN, WM_SYSKEYUP,        WM_MOUSEWHEEL,  WM_ERASEBKGND, WM_USER};

constexpr WPARAM NotableWParams[] = {SIZE_RESTORED,
                                     SIZE_MINIMIZED,
                                     SIZE_MAXIMIZED,
                                     3,
                                     4,
                                     SC_SCREENSAVE,
                                     SC_MONITORPOWER,
                                     SC_CLOSE,
                                     SC_MINIMIZE,
                                     SC_MAXIMIZE,
                                     SC_RESTORE,
                                     VK_LEFT,
                                     VK_F10,
                                     255,
                                     256,
                                     (WPARAM{1} << 32) | VK_LEFT,
                                     ~WPARAM{0}};

constexpr WORD NotableWords[] = {0, 1, 0x7FFF, 0x8000, 0xFFF6, 0xFFFF};

const char* const SomeText = "text";

WORD ConsumeWord(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.PickValueInArray(NotableWords)
                               : input.ConsumeIntegral<WORD>();
}

UINT ConsumeMessage(FuzzedDataProvider& input) {
    return input.ConsumeIntegralInRange(0, 3) != 0 ? input.PickValueInArray(HandledMessages)
                                                   : input.ConsumeIntegral<UINT>();
}

// Messages whose lParam the default procedure reads as a pointer carry a real one, as Windows'
// own messages do.
LPARAM ConsumeLParam(FuzzedDataProvider& input, UINT message) {
    if (message == WM_SETTEXT)
        return reinterpret_cast<LPARAM>(SomeText);
    if (input.ConsumeBool())
        return static_cast<LPARAM>(input.ConsumeIntegral<uint64_t>());
    return MAKELPARAM(ConsumeWord(input), ConsumeWord(input));
}

void PostStep(FakePlatform& platform, FuzzedDataProvider& input) {
    const UINT message = ConsumeMessage(input);
    const WPARAM wParam = input.ConsumeBool() ? input.PickValueInArray(NotableWParams)
                                              : input.ConsumeIntegral<WPARAM>();
    platform.Post(Framework.WindowHandle, message, wParam, ConsumeLParam(input, message));
}

// The user actions that need nothing but the window.
using WindowAction = void (FakePlatform::*)(HWND);
constexpr WindowAction WindowActions[] = {
    &FakePlatform::Minimize, &FakePlatform::Maximize, &FakePlatform::Restore, &FakePlatform::Focus,
    &FakePlatform::Unfocus,  &FakePlatform::Expose,   &FakePlatform::Close};

void DoUserAction(FakePlatform& platform, FuzzedDataProvider& input) {
    const HWND window = Framework.WindowHandle;
    const auto coordinate = [&input] { return input.ConsumeIntegralInRange(-32768, 32767); };
    const auto extent = [&input] { return input.ConsumeIntegralInRange(0, 65535); };
    const auto button = [&input] {
        return input.ConsumeBool() ? MouseButton::Left : MouseButton::Right;
    };
    switch (input.ConsumeIntegralInRange(0, 6)) {
    case 0:
        return platform.Resize(extent(), extent(), window);
    case 1:
        return platform.Move(coordinate(), coordinate(), window);
    case 2:
        return (platform.*input.PickValueInArray(WindowActions))(window);
    case 3:
        return platform.KeyDown(input.ConsumeIntegral<uint8_t>(), input.ConsumeBool(), window);
    case 4:
        return platform.KeyUp(input.ConsumeIntegral<uint8_t>(), window);
    case 5:
        return platform.MouseMove(coordinate(), coordinate(), window);
    default:
        if (input.ConsumeBool())
            return platform.ButtonDown(button(), coordinate(), coordinate(), window);
        return platform.ButtonUp(button(), coordinate(), coordinate(), window);
    }
}

// ---- One run of the script

class Script {
  public:
    explicit Script(FuzzedDataProvider& input) : Input(input) {
        Recorder.Strings = {{GL_VENDOR, "Vendor"},
                            {GL_RENDERER, "Renderer"},
                            {GL_VERSION, "1.5.0"},
                            {GL_EXTENSIONS, ""}};
        Recorder.Integers[GL_MAX_NAME_STACK_DEPTH] = {64};
        Recorder.BeforeEachCall = [this](const CallRecord& call) {
            Require(call.Name == "LoadGLBinding" || Platform.CurrentContext() != nullptr,
                    "no GL call outside a current context");
        };
        Platform.MaxIdleWaits = 1 << 20;
        Platform.Windows().Delivering = [this](HWND, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_SIZE && wParam != SIZE_MINIMIZED)
                LastSize = lParam;
        };
        Platform.On("SwapBuffers", [this] { Feed(); });
        Platform.On("WaitMessage", [this] { Feed(); });
        Platform.On("TranslateMessage", [this] { BeforeDispatch(); });
        Platform.On("DispatchMessageA", [this] { AfterDispatch(); });
    }

    void Run() {
        RestoreStartValues();
        ChooseHandlers(Input);
        // A loop that took no step (it ended before drawing or waiting) ends the script.
        size_t left = 0;
        do {
            left = Input.remaining_bytes();
            RunOneWindow();
        } while (Input.remaining_bytes() > 0 && Input.remaining_bytes() < left);
    }

  private:
    void RunOneWindow() {
        CreateGlobals();
        LastSize.reset();
        Closing = false;
        Require(CreateFromSettings(), "a window can be made");
        ArmHandlers();
        ShowMainWindow();
        Require(RunMainLoop(), "the loop ends by its teardown, not by a failure");
        Require(!Framework.ContextReady && Platform.Windows().Windows().empty() &&
                    Platform.RegisteredClasses().empty(),
                "the loop's end leaves no window and no class");
        Log.Clear();
    }

    // The next step, or the close once the script is done.
    void Feed() {
        if (!Framework.LoopRunning || !Framework.WindowHandle)
            return;
        if (Input.remaining_bytes() == 0) {
            if (!Closing)
                Platform.Post(Framework.WindowHandle, WM_CLOSE);
            Closing = true;
            return;
        }
        if (Input.ConsumeIntegralInRange(0, 3) != 0)
            PostStep(Platform, Input);
        else
            DoUserAction(Platform, Input);
    }

    void BeforeDispatch() {
        Taken = MessageRecord;
        std::copy(std::begin(CurrentKeyboard->Keys), std::end(CurrentKeyboard->Keys),
                  KeysBefore.begin());
        Runs.clear();
        Log.Clear();
    }

    void AfterDispatch() {
        CheckSize();
        CheckKeys();
        CheckHandlers();
        const bool ending = Taken.message == WM_CLOSE || Taken.message == WM_DESTROY ||
                            Taken.message == WM_QUIT ||
                            (Taken.message == WM_ENDSESSION && Taken.wParam != 0);
        Require(!ending || !Framework.LoopRunning, "an ending message ends the loop");
    }

    void CheckSize() const {
        if (!LastSize)
            return;
        const auto size = static_cast<uintptr_t>(*LastSize);
        Require(Framework.Width == LOWORD(size) && Framework.Height == HIWORD(size),
                "the record's size is what the last WM_SIZE said");
    }

    bool KeyMessage() const { return Taken.message == WM_KEYDOWN || Taken.message == WM_KEYUP; }

    void CheckKeys() const {
        for (int32_t key = 0; key < KeyCodeCount; ++key) {
            const bool own = KeyMessage() && Taken.wParam == static_cast<WPARAM>(key);
            const bool expected = own ? Taken.message == WM_KEYDOWN : KeysBefore[key];
            Require(CurrentKeyboard->Keys[key] == expected, "Keys change only for their own key");
        }
    }

    // The handler the message may run: its key and table, or its mouse slot.
    std::optional<HandlerRun> Expected() const {
        // A key beyond the table is refused whole: no handler, whatever its low bits say.
        if (KeyMessage() && Taken.wParam >= static_cast<WPARAM>(KeyCodeCount))
            return std::nullopt;
        if (KeyMessage())
            return HandlerRun{true, static_cast<int32_t>(Taken.wParam),
                              Taken.message == WM_KEYDOWN ? KeyDownTable : KeyUpTable};
        switch (Taken.message) {
        case WM_MOUSEMOVE:
            return HandlerRun{false, MouseMoveSlot, 0};
        case WM_LBUTTONDOWN:
            return HandlerRun{false, MouseLeftDownSlot, 0};
        case WM_LBUTTONUP:
            return HandlerRun{false, MouseLeftUpSlot, 0};
        case WM_RBUTTONDOWN:
            return HandlerRun{false, MouseRightDownSlot, 0};
        case WM_RBUTTONUP:
            return HandlerRun{false, MouseRightUpSlot, 0};
        default:
            return std::nullopt;
        }
    }

    static bool Armed(const HandlerRun& run) {
        if (!run.Key)
            return MouseBehaviour[run.Index] != Behaviour::Unarmed;
        return KeyBehaviour[run.Table][run.Index] != Behaviour::Unarmed;
    }

    void CheckHandlers() const {
        const std::optional<HandlerRun> expected = Expected();
        const size_t runs = expected && Armed(*expected) ? 1 : 0;
        Require(Runs.size() == runs, "a handler runs once for its own armed event, else none");
        if (runs == 1)
            Require(Runs[0].Key == expected->Key && Runs[0].Index == expected->Index &&
                        Runs[0].Table == expected->Table,
                    "the handler that ran is the message's own");
    }

    FuzzedDataProvider& Input;
    CallLog Log;
    RecordingGL Recorder{Log};
    FakePlatform Platform{Log};
    std::optional<LPARAM> LastSize;
    MSG Taken{};
    std::array<bool, KeyCodeCount> KeysBefore{};
    bool Closing = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    Script(input).Run();
    return 0;
}
