#include "driver/driver.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <set>

#include "platform/win32/handles.h"
#include "ui/win32/window_identity.h"

namespace driver {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                            b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof(name));
    return name;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(
        [](HWND window, LPARAM found) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool OfProcess(HWND window, DWORD processId) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    return processId == 0 || owner == processId;
}

// A block of memory in the process that owns a window: a list view reads
// the items it is sent from its own address space.
class RemoteBlock {
public:
    RemoteBlock(HWND window, std::size_t size) : m_size(size) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(window, &owner);
        m_process.Reset(
            ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, owner));
        if (m_process) {
            m_address =
                ::VirtualAllocEx(m_process.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        }
    }
    ~RemoteBlock() {
        if (m_address != nullptr) {
            ::VirtualFreeEx(m_process.Get(), m_address, 0, MEM_RELEASE);
        }
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    [[nodiscard]] bool Valid() const noexcept { return m_address != nullptr; }
    [[nodiscard]] void* Address() const noexcept { return m_address; }
    [[nodiscard]] char* At(std::size_t offset) const noexcept {
        return static_cast<char*>(m_address) + offset;
    }
    bool Write(std::size_t offset, const void* bytes, std::size_t size) {
        return offset + size <= m_size &&
               ::WriteProcessMemory(m_process.Get(), At(offset), bytes, size, nullptr) != FALSE;
    }
    bool Read(std::size_t offset, void* bytes, std::size_t size) {
        return offset + size <= m_size &&
               ::ReadProcessMemory(m_process.Get(), At(offset), bytes, size, nullptr) != FALSE;
    }

private:
    platform::win32::UniqueHandle m_process;
    void* m_address = nullptr;
    std::size_t m_size;
};

}  // namespace

std::string IdentityOf(HWND window) {
    const auto atom = static_cast<ATOM>(
        reinterpret_cast<ULONG_PTR>(::GetPropA(window, ui::win32::kIdentityProperty)));
    if (atom == 0) {
        return {};
    }
    char name[256] = {};
    const UINT length = ::GlobalGetAtomNameA(atom, name, sizeof(name));
    return std::string(name, length);
}

HWND FindForm(std::string_view formName, DWORD processId, milliseconds timeout) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopLevelWindows()) {
                if (::IsWindowVisible(window) && OfProcess(window, processId) &&
                    ClassOf(window) == ui::win32::kFormClass &&
                    SameName(IdentityOf(window), formName)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

HWND FindControl(HWND form, std::string_view identity) {
    struct Search {
        std::string_view identity;
        HWND found = nullptr;
    } search{identity};
    ::EnumChildWindows(
        form,
        [](HWND window, LPARAM data) -> BOOL {
            auto* state = reinterpret_cast<Search*>(data);
            if (SameName(IdentityOf(window), state->identity)) {
                state->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string TextOf(HWND window) {
    if (window == nullptr) {
        return {};
    }
    DWORD_PTR length = 0;
    if (::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length) ==
        0) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutA(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()),
                          SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(copied);
    return text;
}

bool IsShown(HWND window) {
    return window != nullptr && ::IsWindowVisible(window) != FALSE;
}

bool Click(HWND control) {
    if (control == nullptr) {
        return false;
    }
    if (ClassOf(control) == "Button") {
        ::PostMessageA(control, BM_CLICK, 0, 0);
        return true;
    }
    // A label tells its window of a click with a notification.
    HWND parent = ::GetParent(control);
    ::PostMessageA(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(control), STN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
    return true;
}

bool SelectTab(HWND tabStrip, int tab) {
    if (tabStrip == nullptr || tab < 1) {
        return false;
    }
    ::PostMessageA(tabStrip, TCM_SETCURFOCUS, static_cast<WPARAM>(tab - 1), 0);
    return true;
}

bool Close(HWND form) {
    return form != nullptr && ::PostMessageA(form, WM_CLOSE, 0, 0) != FALSE;
}

std::vector<std::string> ComboItems(HWND combo) {
    // The wide form of the messages is carried between processes intact.
    std::vector<std::string> items;
    const auto count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const auto length =
            static_cast<int>(::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
        std::wstring wide(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
        const auto copied = static_cast<int>(::SendMessageW(
            combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data())));
        wide.resize(static_cast<std::size_t>(std::max(copied, 0)));
        std::string text(wide.size() * 2 + 1, '\0');
        const int bytes =
            ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()),
                                  text.data(), static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(static_cast<std::size_t>(std::max(bytes, 0)));
        items.push_back(std::move(text));
    }
    return items;
}

bool SelectComboItem(HWND combo, std::string_view text) {
    const std::vector<std::string> items = ComboItems(combo);
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) {
        return false;
    }
    const auto index = static_cast<WPARAM>(found - items.begin());
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    ::PostMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    return true;
}

bool ChooseMenu(HWND form, std::string_view entry) {
    static const UINT chooseMenu = ::RegisterWindowMessageA(ui::win32::kChooseMenuMessage);
    // The atom stays in the table: the program reads it after this returns.
    const ATOM name = ::GlobalAddAtomA(std::string(entry).c_str());
    return form != nullptr && name != 0 &&
           ::PostMessageA(form, chooseMenu, static_cast<WPARAM>(name), 0) != FALSE;
}

int ListItemCount(HWND list) {
    return list == nullptr ? 0 : static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::string ListItemText(HWND list, int item, int subItem) {
    constexpr std::size_t kChars = 1024;
    RemoteBlock block(list, sizeof(LVITEMW) + kChars * sizeof(wchar_t));
    if (!block.Valid()) {
        return {};
    }
    LVITEMW request{};
    request.iSubItem = subItem;
    request.pszText = reinterpret_cast<wchar_t*>(block.At(sizeof(LVITEMW)));
    request.cchTextMax = static_cast<int>(kChars);
    if (!block.Write(0, &request, sizeof(request))) {
        return {};
    }
    const auto length =
        static_cast<int>(::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                        reinterpret_cast<LPARAM>(block.Address())));
    std::wstring wide(static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(kChars))),
                      L'\0');
    if (!block.Read(sizeof(LVITEMW), wide.data(), wide.size() * sizeof(wchar_t))) {
        return {};
    }
    std::string text(wide.size() * 3 + 1, '\0');
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                              static_cast<int>(text.size()), nullptr, nullptr);
    text.resize(static_cast<std::size_t>(std::max(bytes, 0)));
    return text;
}

bool CheckListItem(HWND list, int item, bool checked) {
    RemoteBlock block(list, sizeof(LVITEMW));
    LVITEMW change{};
    change.stateMask = LVIS_STATEIMAGEMASK;
    change.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    return block.Valid() && block.Write(0, &change, sizeof(change)) &&
           ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                          reinterpret_cast<LPARAM>(block.Address())) != FALSE;
}

HWND FindMessageBox(DWORD processId, milliseconds timeout) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND window : TopLevelWindows()) {
                if (::IsWindowVisible(window) && OfProcess(window, processId) &&
                    ClassOf(window) == "#32770") {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return found;
}

std::string MessageBoxText(HWND box) {
    // The message box's text is the static control with id 0xFFFF.
    return TextOf(::GetDlgItem(box, 0xFFFF));
}

bool AnswerMessageBox(HWND box, int buttonId) {
    HWND button = ::GetDlgItem(box, buttonId);
    if (button == nullptr) {
        return false;
    }
    ::PostMessageA(button, BM_CLICK, 0, 0);
    return true;
}

int SaveScreenshot(HWND window, const std::string& path) {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (window != nullptr) {
        ::GetWindowRect(window, &area);
    }
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return 0;
    }
    platform::win32::WindowDc screen(nullptr);
    platform::win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.Get()));
    platform::win32::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.Get(), width, height));
    {
        platform::win32::SelectedObject selected(memory.Get(), bitmap.Get());
        ::BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(stride) * height);
    if (::GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), pixels.data(),
                    reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
        return 0;
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(reinterpret_cast<const char*>(pixels.data()),
              static_cast<std::streamsize>(pixels.size()));
    if (!out) {
        return 0;
    }

    std::set<unsigned> colours;
    for (int row = 0; row < height && colours.size() < 1000; ++row) {
        for (int column = 0; column < width; column += 3) {
            const unsigned char* p = &pixels[static_cast<std::size_t>(row) * stride + column * 3];
            colours.insert(p[0] | (p[1] << 8) | (p[2] << 16));
        }
    }
    return static_cast<int>(colours.size());
}

}  // namespace driver
