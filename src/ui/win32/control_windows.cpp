#include "ui/win32/control_windows.h"

#include <string>

#include "platform/win32/system_time.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/win32/dpi.h"
#include "ui/win32/list_view_window.h"
#include "ui/win32/theme.h"
#include "ui/win32/window_identity.h"

namespace ui::win32 {

namespace {

DWORD BaseStyle(const Control& control) {
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (control.Visible()) {
        style |= WS_VISIBLE;
    }
    if (!control.Enabled()) {
        style |= WS_DISABLED;
    }
    return style;
}

struct WindowSpec {
    const char* className;
    DWORD style;
    DWORD exStyle = 0;
    std::string text;
};

WindowSpec SpecFor(Control& control) {
    const DWORD base = BaseStyle(control);
    switch (control.Type()) {
        case ControlType::Label:
        case ControlType::SkinLabel: {
            const auto& label = static_cast<const Label&>(control);
            DWORD align = label.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
            if (label.align == Label::Align::Center) {
                align = SS_CENTER;
            } else if (label.align == Label::Align::Right) {
                align = SS_RIGHT;
            }
            return {"STATIC", base | SS_NOTIFY | SS_NOPREFIX | align, 0, control.Caption()};
        }
        case ControlType::CommandButton: {
            const auto& button = static_cast<const CommandButton&>(control);
            return {"BUTTON",
                    base | WS_TABSTOP | (button.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0,
                    control.Caption()};
        }
        case ControlType::Frame:
            return {kFrameClass, base | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, control.Caption()};
        case ControlType::CheckBox:
            return {"BUTTON", base | WS_TABSTOP | BS_CHECKBOX | BS_MULTILINE, 0, control.Caption()};
        case ControlType::OptionButton:
            return {"BUTTON", base | WS_TABSTOP | BS_RADIOBUTTON | BS_MULTILINE, 0,
                    control.Caption()};
        case ControlType::TextBox: {
            const auto& box = static_cast<const TextBox&>(control);
            DWORD style = base | WS_TABSTOP | ES_AUTOHSCROLL;
            if (box.multiLine) {
                style = (style & ~static_cast<DWORD>(ES_AUTOHSCROLL)) | ES_MULTILINE |
                        ES_AUTOVSCROLL | ES_WANTRETURN;
            }
            if (box.scrollBars) {
                style |= WS_VSCROLL;
            }
            if (box.readOnly) {
                style |= ES_READONLY;
            }
            return {"EDIT", style, WS_EX_CLIENTEDGE, box.Text()};
        }
        case ControlType::ComboBox: {
            const auto& combo = static_cast<const ComboBox&>(control);
            const DWORD kind = combo.editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
            return {"COMBOBOX", base | WS_TABSTOP | WS_VSCROLL | kind, 0, combo.Text()};
        }
        case ControlType::ListBox:
            return {"LISTBOX", base | WS_TABSTOP | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                    WS_EX_CLIENTEDGE, ""};
        case ControlType::ListView: {
            const auto& list = static_cast<const ListView&>(control);
            DWORD style = base | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL |
                          LVS_SHAREIMAGELISTS;
            if (!list.showHeaders) {
                style |= LVS_NOCOLUMNHEADER;
            }
            return {WC_LISTVIEWA, style, WS_EX_CLIENTEDGE, ""};
        }
        case ControlType::TabStrip:
            return {WC_TABCONTROLA, base | WS_TABSTOP, 0, ""};
        case ControlType::ProgressBar:
            return {PROGRESS_CLASSA, base | PBS_SMOOTH, 0, ""};
        case ControlType::DateTimePicker: {
            const auto& picker = static_cast<const DateTimePicker&>(control);
            const DWORD format = picker.format == DateTimePicker::Format::Time
                                     ? DTS_TIMEFORMAT | DTS_UPDOWN
                                     : DTS_SHORTDATEFORMAT;
            return {DATETIMEPICK_CLASSA, base | WS_TABSTOP | DTS_SHOWNONE | format, 0, ""};
        }
        case ControlType::Image:
            return {"STATIC", base | SS_ICON | SS_NOTIFY, 0, ""};
        case ControlType::Shape:
            return {"STATIC", base | SS_ETCHEDFRAME, 0, ""};
        case ControlType::Menu:
        case ControlType::Timer:
            break;
    }
    return {nullptr, 0, 0, ""};
}

void SyncValue(Control& control, HWND window) {
    switch (control.Type()) {
        case ControlType::CheckBox: {
            const int value = static_cast<CheckBox&>(control).Value();
            ::SendMessageA(window, BM_SETCHECK,
                           value == 1   ? BST_CHECKED
                           : value == 2 ? BST_INDETERMINATE
                                        : BST_UNCHECKED,
                           0);
            break;
        }
        case ControlType::OptionButton:
            ::SendMessageA(
                window, BM_SETCHECK,
                static_cast<OptionButton&>(control).Value() ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlType::TextBox:
            ::SetWindowTextA(window, static_cast<TextBox&>(control).Text().c_str());
            break;
        case ControlType::ComboBox: {
            auto& combo = static_cast<ComboBox&>(control);
            ::SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(combo.ListIndex()), 0);
            if (combo.ListIndex() < 0 && combo.editable) {
                ::SetWindowTextA(window, combo.Text().c_str());
            }
            break;
        }
        case ControlType::ProgressBar: {
            auto& bar = static_cast<ProgressBar&>(control);
            ::SendMessageA(window, PBM_SETRANGE32, static_cast<WPARAM>(bar.Min()), bar.Max());
            ::SendMessageA(window, PBM_SETPOS, static_cast<WPARAM>(bar.Value()), 0);
            break;
        }
        case ControlType::TabStrip:
            ::SendMessageA(window, TCM_SETCURSEL,
                           static_cast<WPARAM>(static_cast<TabStrip&>(control).SelectedTab() - 1),
                           0);
            break;
        case ControlType::DateTimePicker: {
            const auto& value = static_cast<DateTimePicker&>(control).Value();
            SYSTEMTIME time = value ? platform::win32::ToSystemTime(*value) : SYSTEMTIME{};
            ::SendMessageA(window, DTM_SETSYSTEMTIME, value ? GDT_VALID : GDT_NONE,
                           reinterpret_cast<LPARAM>(&time));
            break;
        }
        default:
            break;
    }
}

void SyncItems(Control& control, HWND window, Change change, int index, int dpi) {
    switch (control.Type()) {
        case ControlType::ListView:
            SyncListView(static_cast<ListView&>(control), window, change, index, dpi);
            break;
        case ControlType::ComboBox: {
            auto& combo = static_cast<ComboBox&>(control);
            if (change == Change::ItemAdded && index >= 0 && index < combo.ItemCount()) {
                ::SendMessageA(window, CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(combo.Items()[index].c_str()));
                break;
            }
            ::SendMessageA(window, CB_RESETCONTENT, 0, 0);
            for (const std::string& item : combo.Items()) {
                ::SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            }
            SyncValue(control, window);
            break;
        }
        case ControlType::ListBox: {
            auto& list = static_cast<ListBox&>(control);
            if (change == Change::ItemAdded && index >= 0 && index < list.ItemCount()) {
                ::SendMessageA(window, LB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(list.Items()[index].c_str()));
                break;
            }
            ::SendMessageA(window, LB_RESETCONTENT, 0, 0);
            for (const std::string& item : list.Items()) {
                ::SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            }
            break;
        }
        case ControlType::TabStrip: {
            auto& tabs = static_cast<TabStrip&>(control);
            ::SendMessageA(window, TCM_DELETEALLITEMS, 0, 0);
            for (int tab = 1; tab <= tabs.TabCount(); ++tab) {
                std::string caption = tabs.TabCaption(tab);
                TCITEMA item{};
                item.mask = TCIF_TEXT;
                item.pszText = caption.data();
                ::SendMessageA(window, TCM_INSERTITEMA, static_cast<WPARAM>(tab - 1),
                               reinterpret_cast<LPARAM>(&item));
            }
            SyncValue(control, window);
            break;
        }
        default:
            break;
    }
}

// The window's rectangle in its parent at a DPI.
RECT PlaceOf(const Control& control, int dpi) {
    RECT place = ToScreen(control.Position(), dpi);
    // A drop-down list's height includes its open list.
    if (control.Type() == ControlType::ComboBox) {
        place.bottom += ToScreen(200, dpi);
    }
    return place;
}

}  // namespace

HWND CreateControlWindow(Control& control, HWND parent, int id, HINSTANCE instance,
                         const Theme& theme, HIMAGELIST smallIcons) {
    const WindowSpec spec = SpecFor(control);
    if (spec.className == nullptr) {
        return nullptr;
    }
    const RECT place = PlaceOf(control, theme.Dpi());
    HWND window =
        ::CreateWindowExA(spec.exStyle, spec.className, spec.text.c_str(), spec.style, place.left,
                          place.top, place.right - place.left, place.bottom - place.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(theme.FontFor(control.LookHint())),
                   FALSE);
    switch (control.Type()) {
        case ControlType::ListView:
            InitialiseListView(static_cast<ListView&>(control), window, smallIcons, theme.Dpi());
            break;
        case ControlType::Image:
            break;  // the form window gives it its icon at the window's DPI
        case ControlType::ComboBox:
        case ControlType::ListBox:
        case ControlType::TabStrip:
            SyncItems(control, window, Change::Items, -1, theme.Dpi());
            break;
        default:
            SyncValue(control, window);
            break;
    }
    return window;
}

void PlaceControlWindow(const Control& control, HWND window, int dpi) {
    const RECT place = PlaceOf(control, dpi);
    ::MoveWindow(window, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 TRUE);
}

void RescaleControlWindow(Control& control, HWND window, const Theme& theme,
                          HIMAGELIST smallIcons) {
    PlaceControlWindow(control, window, theme.Dpi());
    ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(theme.FontFor(control.LookHint())),
                   TRUE);
    if (control.Type() == ControlType::ListView) {
        RescaleListView(static_cast<ListView&>(control), window, smallIcons, theme.Dpi());
    }
}

void SyncControlWindow(Control& control, HWND window, Change change, int index, int dpi) {
    switch (change) {
        case Change::Caption:
            ::SetWindowTextA(window, control.Caption().c_str());
            if (control.Type() == ControlType::Frame) {
                ::InvalidateRect(window, nullptr, TRUE);
            }
            break;
        case Change::Enabled:
            ::EnableWindow(window, control.Enabled() ? TRUE : FALSE);
            break;
        case Change::Visible:
            ::ShowWindow(window, control.Visible() ? SW_SHOW : SW_HIDE);
            break;
        case Change::Bounds:
            PlaceControlWindow(control, window, dpi);
            break;
        case Change::Value:
            SyncValue(control, window);
            break;
        case Change::Items:
        case Change::ItemAdded:
        case Change::ItemRemoved:
        case Change::ItemChanged:
        case Change::Columns:
            SyncItems(control, window, change, index, dpi);
            break;
        case Change::Repaint:
            ::RedrawWindow(window, nullptr, nullptr,
                           RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            break;
        case Change::Look:
            break;  // the form window sets the font, from its theme
    }
}

void ReadUserEdit(Control& control, HWND window) {
    switch (control.Type()) {
        case ControlType::ComboBox: {
            const int length = ::GetWindowTextLengthA(window);
            std::string text(static_cast<std::size_t>(length) + 1, '\0');
            ::GetWindowTextA(window, text.data(), length + 1);
            text.resize(static_cast<std::size_t>(length));
            static_cast<ComboBox&>(control).SetText(std::move(text));
            break;
        }
        case ControlType::TextBox: {
            const int length = ::GetWindowTextLengthA(window);
            std::string text(static_cast<std::size_t>(length) + 1, '\0');
            ::GetWindowTextA(window, text.data(), length + 1);
            text.resize(static_cast<std::size_t>(length));
            static_cast<TextBox&>(control).SetText(std::move(text));
            break;
        }
        case ControlType::DateTimePicker: {
            SYSTEMTIME time{};
            const LRESULT result =
                ::SendMessageA(window, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
            static_cast<DateTimePicker&>(control).SetValue(
                result == GDT_VALID ? std::optional(platform::win32::FromSystemTime(time))
                                    : std::nullopt);
            break;
        }
        default:
            break;
    }
}

}  // namespace ui::win32
