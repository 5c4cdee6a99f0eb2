#include "vynWindowSystem.h"

#include "vynInputMessages.h"
#include "vynPlatform.h"

#include <algorithm>
#include <cctype>

namespace vyn {

namespace {

// MAKEINTRESOURCE-style names (an atom or resource number in a pointer) are below 0x10000.
bool IsResourceNumber(const char* name) {
    return reinterpret_cast<uintptr_t>(name) < 0x10000;
}

std::string ClassKey(const char* name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

LPARAM SizeLParam(const RECT& rect) {
    return MAKELPARAM(static_cast<WORD>(Width(rect)), static_cast<WORD>(Height(rect)));
}

RECT LocalRect(const RECT& client) {
    return RECT{0, 0, Width(client), Height(client)};
}

RECT Union(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

constexpr WPARAM CloseKey = VK_F1 + 3; // F4

bool InFilter(UINT message, UINT filterMin, UINT filterMax) {
    return (filterMin == 0 && filterMax == 0) || (message >= filterMin && message <= filterMax);
}

} // namespace

RECT FrameInsets(DWORD style, bool menu) {
    const LONG border =
        (style & WS_THICKFRAME) ? FrameBorder : ((style & WS_BORDER) ? ThinBorder : 0);
    LONG top = border;
    if ((style & WS_CAPTION) == WS_CAPTION)
        top += CaptionHeight;
    if (menu)
        top += MenuHeight;
    return RECT{border, top, border, border};
}

RECT WindowRectOfClient(const RECT& client, DWORD style) {
    const RECT inset = FrameInsets(style, false);
    return RECT{client.left - inset.left, client.top - inset.top, client.right + inset.right,
                client.bottom + inset.bottom};
}

RECT ClientRectOfWindow(const RECT& window, DWORD style) {
    const RECT inset = FrameInsets(style, false);
    RECT client{window.left + inset.left, window.top + inset.top, window.right - inset.right,
                window.bottom - inset.bottom};
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

LONG Width(const RECT& rect) {
    return rect.right - rect.left;
}
LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

WindowSystem::WindowSystem() : MainThread(std::this_thread::get_id()) {}

// ---- Classes ----

ATOM WindowSystem::RegisterClass(const WNDCLASSEXA* windowClass) {
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA) ||
        windowClass->lpfnWndProc == nullptr || windowClass->lpszClassName == nullptr ||
        IsResourceNumber(windowClass->lpszClassName) || *windowClass->lpszClassName == '\0')
        return 0;
    const std::string key = ClassKey(windowClass->lpszClassName);
    if (Classes.count(key) != 0 || NextAtom == 0xFFFF)
        return 0;
    ClassEntry& entry = Classes[key];
    entry.Name = windowClass->lpszClassName;
    entry.Record = *windowClass;
    entry.Record.lpszClassName = entry.Name.c_str();
    entry.Record.lpszMenuName = nullptr;
    return NextAtom++;
}

BOOL WindowSystem::UnregisterClass(const char* className) {
    const WNDCLASSEXA* found = FindClass(className);
    if (found == nullptr)
        return FALSE;
    const std::string key = ClassKey(className);
    for (const auto& [handle, record] : Records)
        if (ClassKey(record.ClassName.c_str()) == key)
            return FALSE;
    Classes.erase(key);
    return TRUE;
}

const WNDCLASSEXA* WindowSystem::FindClass(const char* className) const {
    if (className == nullptr || IsResourceNumber(className))
        return nullptr;
    const auto found = Classes.find(ClassKey(className));
    return found == Classes.end() ? nullptr : &found->second.Record;
}

std::vector<std::string> WindowSystem::ClassNames() const {
    std::vector<std::string> names;
    for (const auto& [key, entry] : Classes)
        names.push_back(entry.Name);
    return names;
}

// ---- Windows ----

HWND WindowSystem::AddWindow(const char* className, const char* caption, DWORD style, DWORD exStyle,
                             const RECT& client) {
    const WNDCLASSEXA* windowClass = FindClass(className);
    if (windowClass == nullptr)
        return nullptr;
    auto handle = reinterpret_cast<HWND>(NextWindow++);
    WindowRecord& record = Records[handle];
    record.Handle = handle;
    record.ClassName = windowClass->lpszClassName;
    record.Procedure = windowClass->lpfnWndProc;
    record.Style = style;
    record.ExStyle = exStyle;
    record.Caption = caption ? caption : "";
    record.Client = record.Normal = client;
    std::lock_guard lock(QueueMutex);
    LiveWindows.insert(handle);
    return handle;
}

bool WindowSystem::SendCreationMessages(HWND window) {
    if (Send(window, WM_CREATE, 0, 0) == -1) {
        DestroyWindow(window);
        return false;
    }
    if (const WindowRecord* record = Find(window))
        Send(window, WM_SIZE, SIZE_RESTORED, SizeLParam(record->Client));
    if (const WindowRecord* record = Find(window))
        Send(window, WM_MOVE, 0, PointLParam(record->Client.left, record->Client.top));
    return Find(window) != nullptr;
}

bool WindowSystem::DestroyWindow(HWND window) {
    WindowRecord* record = Find(window);
    if (record == nullptr || record->Destroying)
        return false;
    record->Destroying = true;
    record->Visible = false;
    Deactivate(window, Delivery::Send);
    Send(window, WM_DESTROY, 0, 0);
    Forget(window);
    return true;
}

void WindowSystem::Forget(HWND window) {
    Records.erase(window);
    if (Active == window)
        Active = nullptr;
    if (Focus == window)
        Focus = nullptr;
    std::lock_guard lock(QueueMutex);
    LiveWindows.erase(window);
    PendingCaptions.erase(window);
    std::erase_if(Queue, [window](const MSG& queued) { return queued.hwnd == window; });
}

WindowRecord* WindowSystem::Find(HWND window) {
    const auto found = Records.find(window);
    return found == Records.end() ? nullptr : &found->second;
}

const WindowRecord* WindowSystem::Find(HWND window) const {
    const auto found = Records.find(window);
    return found == Records.end() ? nullptr : &found->second;
}

WindowRecord* WindowSystem::FindByDeviceContext(HDC deviceContext) {
    if (deviceContext == nullptr)
        return nullptr;
    for (auto& [handle, record] : Records)
        if (record.DeviceContext == deviceContext)
            return &record;
    return nullptr;
}

std::vector<HWND> WindowSystem::Windows() const {
    std::vector<HWND> handles;
    for (const auto& [handle, record] : Records)
        handles.push_back(handle);
    return handles;
}

// ---- State changes ----

void WindowSystem::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery how) {
    if (how == Delivery::Send)
        Send(window, message, wParam, lParam);
    else
        Post(window, message, wParam, lParam);
}

void WindowSystem::Resize(HWND window, LONG width, LONG height, Delivery how) {
    WindowRecord* record = Find(window);
    if (record == nullptr || record->Minimized ||
        (Width(record->Client) == width && Height(record->Client) == height))
        return;
    record->Client.right = record->Client.left + std::max<LONG>(width, 0);
    record->Client.bottom = record->Client.top + std::max<LONG>(height, 0);
    if (!record->Maximized)
        record->Normal = record->Client;
    Invalidate(window, nullptr);
    Deliver(window, WM_SIZE, record->Maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
            SizeLParam(record->Client), how);
}

void WindowSystem::Move(HWND window, LONG x, LONG y, Delivery how) {
    WindowRecord* record = Find(window);
    if (record == nullptr || (record->Client.left == x && record->Client.top == y))
        return;
    const LONG width = Width(record->Client), height = Height(record->Client);
    record->Client = RECT{x, y, x + width, y + height};
    if (!record->Maximized && !record->Minimized)
        record->Normal = record->Client;
    Deliver(window, WM_MOVE, 0, PointLParam(x, y), how);
}

void WindowSystem::Minimize(HWND window, Delivery how) {
    WindowRecord* record = Find(window);
    if (record == nullptr || record->Minimized)
        return;
    record->Minimized = true;
    Deliver(window, WM_SIZE, SIZE_MINIMIZED, 0, how);
    Deactivate(window, how);
}

void WindowSystem::Maximize(HWND window, const RECT& area, Delivery how) {
    WindowRecord* record = Find(window);
    if (record == nullptr ||
        (record->Maximized && !record->Minimized && Width(record->Client) == Width(area) &&
         Height(record->Client) == Height(area)))
        return;
    record->Maximized = true;
    record->Minimized = false;
    record->Client = area;
    Invalidate(window, nullptr);
    Deliver(window, WM_SIZE, SIZE_MAXIMIZED, SizeLParam(area), how);
    Deliver(window, WM_MOVE, 0, PointLParam(area.left, area.top), how);
}

void WindowSystem::Restore(HWND window, Delivery how) {
    WindowRecord* record = Find(window);
    if (record == nullptr || (!record->Minimized && !record->Maximized))
        return;
    record->Minimized = record->Maximized = false;
    record->Client = record->Normal;
    Invalidate(window, nullptr);
    Deliver(window, WM_SIZE, SIZE_RESTORED, SizeLParam(record->Client), how);
    Deliver(window, WM_MOVE, 0, PointLParam(record->Client.left, record->Client.top), how);
}

void WindowSystem::Activate(HWND window, Delivery how) {
    if (Find(window) == nullptr)
        return;
    if (Active != window) {
        if (Active != nullptr)
            Deactivate(Active, how);
        Active = window;
        Deliver(window, WM_ACTIVATE, WA_ACTIVE, 0, how);
    }
    if (Focus != window) {
        const HWND previous = Focus;
        if (previous != nullptr)
            Deliver(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0, how);
        Focus = window;
        Deliver(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0, how);
    }
}

void WindowSystem::Deactivate(HWND window, Delivery how) {
    if (Active == window && window != nullptr) {
        Active = nullptr;
        Deliver(window, WM_ACTIVATE, WA_INACTIVE, 0, how);
    }
    if (Focus == window && window != nullptr) {
        Focus = nullptr;
        Deliver(window, WM_KILLFOCUS, 0, 0, how);
    }
}

void WindowSystem::MakeVisible(HWND window) {
    WindowRecord* record = Find(window);
    if (record == nullptr || record->Visible)
        return;
    record->Visible = true;
    record->Invalid = true;
    record->UpdateRect = LocalRect(record->Client);
    Send(window, WM_SHOWWINDOW, TRUE, 0);
}

BOOL WindowSystem::Show(HWND window, int command, const RECT& screen) {
    const WindowRecord* record = Find(window);
    if (record == nullptr)
        return FALSE;
    const BOOL wasVisible = record->Visible ? TRUE : FALSE;
    if (command == SW_HIDE) {
        if (wasVisible) {
            Find(window)->Visible = false;
            Send(window, WM_SHOWWINDOW, FALSE, 0);
            Deactivate(window, Delivery::Send);
        }
        return wasVisible;
    }
    MakeVisible(window);
    if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED) {
        Minimize(window, Delivery::Send);
        return wasVisible;
    }
    if (command == SW_MAXIMIZE)
        Maximize(window, screen, Delivery::Send);
    else if (command == SW_SHOWNORMAL || command == SW_RESTORE)
        Restore(window, Delivery::Send);
    Activate(window, Delivery::Send);
    return wasVisible;
}

HWND WindowSystem::SetFocus(HWND window) {
    const HWND previous = Focus;
    if (window == nullptr) {
        if (previous != nullptr) {
            Focus = nullptr;
            Send(previous, WM_KILLFOCUS, 0, 0);
        }
        return previous;
    }
    Activate(window, Delivery::Send);
    return previous;
}

BOOL WindowSystem::Invalidate(HWND window, const RECT* rect) {
    if (window == nullptr) {
        for (HWND handle : Windows())
            Invalidate(handle, rect);
        return TRUE;
    }
    WindowRecord* record = Find(window);
    if (record == nullptr)
        return FALSE;
    const RECT area = rect ? *rect : LocalRect(record->Client);
    record->UpdateRect = record->Invalid ? Union(record->UpdateRect, area) : area;
    record->Invalid = true;
    return TRUE;
}

void WindowSystem::Validate(HWND window) {
    if (WindowRecord* record = Find(window)) {
        record->Invalid = false;
        record->UpdateRect = RECT{};
    }
}

// ---- Device contexts ----

HDC WindowSystem::DeviceContextOf(HWND window) {
    WindowRecord* record = Find(window);
    if (record == nullptr)
        return nullptr;
    if (record->DeviceContext == nullptr)
        record->DeviceContext = reinterpret_cast<HDC>(NextDeviceContext++);
    return record->DeviceContext;
}

int WindowSystem::ReleaseDeviceContext(HWND window, HDC deviceContext) {
    const WindowRecord* record = Find(window);
    return record != nullptr && deviceContext != nullptr && record->DeviceContext == deviceContext
               ? 1
               : 0;
}

BOOL WindowSystem::DeleteDeviceContext(HDC deviceContext) {
    WindowRecord* record = FindByDeviceContext(deviceContext);
    if (record == nullptr)
        return FALSE;
    record->DeviceContext = nullptr;
    return TRUE;
}

// ---- Messages ----

LRESULT WindowSystem::Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WindowRecord* record = Find(window);
    if (record == nullptr || record->Procedure == nullptr)
        return 0;
    // The record may go away while the procedure runs; copy what the call needs.
    const WNDPROC procedure = record->Procedure;
    if (Delivering)
        Delivering(window, message, wParam, lParam);
    return procedure(window, message, wParam, lParam);
}

bool WindowSystem::Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window != nullptr && Find(window) == nullptr)
        return false;
    std::lock_guard lock(QueueMutex);
    Queue.push_back(MSG{window, message, wParam, lParam, ++Ticks, POINT{}});
    return true;
}

bool WindowSystem::TakeQueued(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                              bool remove) {
    std::lock_guard lock(QueueMutex);
    const auto found = std::find_if(Queue.begin(), Queue.end(), [&](const MSG& queued) {
        return (window == nullptr || queued.hwnd == window) &&
               InFilter(queued.message, filterMin, filterMax);
    });
    if (found == Queue.end())
        return false;
    *message = *found;
    if (remove)
        Queue.erase(found);
    return true;
}

bool WindowSystem::TakePaint(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    if (!InFilter(WM_PAINT, filterMin, filterMax))
        return false;
    for (const auto& [handle, record] : Records) {
        if ((window == nullptr || handle == window) && record.Visible && !record.Minimized &&
            record.Invalid) {
            *message = MSG{handle, WM_PAINT, 0, 0, Ticks, POINT{}};
            return true;
        }
    }
    return false;
}

BOOL WindowSystem::Peek(MSG* message, HWND window, UINT filterMin, UINT filterMax,
                        UINT removeFlags) {
    if (message == nullptr || (window != nullptr && Find(window) == nullptr))
        return FALSE;
    DeliverCaptions();
    if (TakeQueued(message, window, filterMin, filterMax, (removeFlags & PM_REMOVE) != 0))
        return TRUE;
    return TakePaint(message, window, filterMin, filterMax) ? TRUE : FALSE;
}

bool WindowSystem::HasMessage(HWND window) {
    {
        std::lock_guard lock(QueueMutex);
        if (!PendingCaptions.empty())
            return true;
    }
    MSG ignored{};
    return Peek(&ignored, window, 0, 0, PM_NOREMOVE) != FALSE;
}

LRESULT WindowSystem::DefaultSysCommand(HWND window, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        return vyn::SendMessageA(window, WM_CLOSE, 0, 0);
    case SC_MINIMIZE:
        vyn::ShowWindow(window, SW_MINIMIZE);
        return 0;
    case SC_MAXIMIZE:
        vyn::ShowWindow(window, SW_MAXIMIZE);
        return 0;
    case SC_RESTORE:
        vyn::ShowWindow(window, SW_RESTORE);
        return 0;
    default:
        return 0;
    }
}

LRESULT WindowSystem::DefaultProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* record = Find(window);
    if (record == nullptr)
        return 0;
    switch (message) {
    case WM_CLOSE:
        vyn::DestroyWindow(window);
        return 0;
    case WM_SYSCOMMAND:
        return DefaultSysCommand(window, wParam);
    case WM_SYSKEYDOWN:
        // Alt+F4 asks to close, as the system menu would.
        if (wParam == CloseKey && (lParam & (LPARAM{1} << 29)) != 0)
            return vyn::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_SETTEXT:
        record->Caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
        if (CaptionChanged)
            CaptionChanged(window, record->Caption);
        return TRUE;
    case WM_PAINT:
        Validate(window);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    default:
        return 0;
    }
}

// ---- Captions across threads ----

BOOL WindowSystem::SetCaption(HWND window, const char* text) {
    const std::string caption = text ? text : "";
    if (OnMainThread()) {
        if (Find(window) == nullptr)
            return FALSE;
        return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str())) ? TRUE
                                                                                      : FALSE;
    }
    {
        std::lock_guard lock(QueueMutex);
        if (LiveWindows.count(window) == 0)
            return FALSE;
        PendingCaptions[window] = caption;
    }
    if (Wake)
        Wake();
    return TRUE;
}

void WindowSystem::DeliverCaptions() {
    std::map<HWND, std::string> captions;
    {
        std::lock_guard lock(QueueMutex);
        captions.swap(PendingCaptions);
    }
    for (const auto& [window, caption] : captions)
        Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
}

} // namespace vyn
