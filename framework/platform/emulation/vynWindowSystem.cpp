#include "vynWindowSystem.h"

#include "framework/core/vynFailure.h"

#include "vynInputMessages.h"

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

BOOL AdjustRectForFrame(RECT* rect, DWORD style, BOOL menu) {
    if (rect == nullptr)
        return FALSE;
    const RECT inset = FrameInsets(style, menu != FALSE);
    *rect = RECT{rect->left - inset.left, rect->top - inset.top, rect->right + inset.right,
                 rect->bottom + inset.bottom};
    return TRUE;
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
    if (Classes.count(key) != 0) {
        Fail(std::string("RegisterClassExA failed: the window class ") +
             windowClass->lpszClassName + " is already registered");
        return 0;
    }
    if (NextAtom == 0xFFFF)
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
    try {
        if (Send(window, WM_CREATE, 0, 0) == -1) {
            DestroyWindow(window);
            return false;
        }
        if (const WindowRecord* record = Find(window))
            Send(window, WM_SIZE, SIZE_RESTORED, SizeLParam(record->Client));
        if (const WindowRecord* record = Find(window))
            Send(window, WM_MOVE, 0, PointLParam(record->Client.left, record->Client.top));
        return Find(window) != nullptr;
    } catch (...) {
        // The failure unwinds through CreateWindowExA, which then made no window: none may stay.
        Forget(window);
        throw;
    }
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
    return KeysOf(Records);
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

BOOL WindowSystem::Foreground(HWND window) {
    if (Find(window) == nullptr)
        return FALSE;
    Activate(window, Delivery::Send);
    return TRUE;
}

HWND WindowSystem::SetFocus(HWND window) {
    if (window != nullptr && Find(window) == nullptr)
        return nullptr;
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

BOOL WindowSystem::Update(HWND window) {
    const WindowRecord* record = Find(window);
    if (record == nullptr)
        return FALSE;
    if (record->Invalid)
        Send(window, WM_PAINT, 0, 0);
    return TRUE;
}

HDC WindowSystem::BeginPaint(HWND window, PAINTSTRUCT* paint) {
    const WindowRecord* record = Find(window);
    if (record == nullptr || paint == nullptr)
        return nullptr;
    *paint = PAINTSTRUCT{};
    paint->hdc = DeviceContextOf(window);
    paint->rcPaint = record->Invalid ? record->UpdateRect : RECT{};
    Validate(window);
    return paint->hdc;
}

BOOL WindowSystem::EndPaint(HWND window, const PAINTSTRUCT* paint) {
    return Find(window) != nullptr && paint != nullptr ? TRUE : FALSE;
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

} // namespace vyn
