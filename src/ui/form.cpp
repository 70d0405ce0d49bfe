#include "ui/form.h"

#include "base/text.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/option_button.h"
#include "ui/progress_bar.h"
#include "ui/tab_strip.h"
#include "ui/text_box.h"
#include "ui/timer.h"

namespace ui {

void FormContext::SetBusyPointer(bool busy) {
    m_busyPointer = busy;
    if (m_host != nullptr) {
        m_host->BusyPointerChanged(busy);
    }
}

Form::Form(FormContext& context, std::string name) : m_context(context), m_name(std::move(name)) {}

Form::~Form() {
    // Timers stop before the controls go, so no tick reaches a dead window.
    for (Control* control : ControlsOfType(ControlType::Timer)) {
        static_cast<Timer*>(control)->Detach();
    }
}

void Form::SetCaption(std::string caption) {
    m_caption = std::move(caption);
    NotifyHost(FormChange::Caption);
}

Control* Form::Find(std::string_view name, std::optional<int> index) const {
    for (const auto& control : m_controls) {
        if (control->Index() == index && base::EqualsIgnoreCase(control->Name(), name)) {
            return control.get();
        }
    }
    if (!index) {
        for (const auto& [alias, control] : m_aliases) {
            if (base::EqualsIgnoreCase(alias, name)) {
                return control;
            }
        }
    }
    return nullptr;
}

void Form::AddAlias(std::string alias, Control& control) {
    m_aliases.emplace_back(std::move(alias), &control);
}

std::vector<Control*> Form::ControlsOfType(ControlType type) const {
    std::vector<Control*> result;
    for (const auto& control : m_controls) {
        if (control->Type() == type) {
            result.push_back(control.get());
        }
    }
    return result;
}

template <typename T, typename... Args>
T& Form::AddControl(Args&&... args) {
    auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *control;
    m_controls.push_back(std::move(control));
    return ref;
}

namespace {

template <typename T>
T& Placed(T& control, std::string caption, Bounds bounds) {
    control.SetCaption(std::move(caption));
    control.SetPosition(bounds);
    return control;
}

}  // namespace

Label& Form::AddLabel(std::string name, std::string caption, Bounds bounds, Control* container,
                      std::optional<int> index) {
    return Placed(AddControl<Label>(std::move(name), index, container), std::move(caption), bounds);
}

Label& Form::AddSkinLabel(std::string name, std::string caption, Bounds bounds, Control* container,
                          std::optional<int> index) {
    return Placed(AddControl<Label>(std::move(name), index, container, ControlType::SkinLabel),
                  std::move(caption), bounds);
}

CommandButton& Form::AddButton(std::string name, std::string caption, Bounds bounds,
                               Control* container, std::optional<int> index) {
    return Placed(AddControl<CommandButton>(std::move(name), index, container), std::move(caption),
                  bounds);
}

Frame& Form::AddFrame(std::string name, std::string caption, Bounds bounds, Control* container,
                      std::optional<int> index) {
    return Placed(AddControl<Frame>(std::move(name), index, container), std::move(caption), bounds);
}

CheckBox& Form::AddCheckBox(std::string name, std::string caption, Bounds bounds,
                            Control* container, std::optional<int> index) {
    return Placed(AddControl<CheckBox>(std::move(name), index, container), std::move(caption),
                  bounds);
}

OptionButton& Form::AddOptionButton(std::string name, std::string caption, Bounds bounds,
                                    Control* container, std::optional<int> index) {
    return Placed(AddControl<OptionButton>(std::move(name), index, container), std::move(caption),
                  bounds);
}

TextBox& Form::AddTextBox(std::string name, Bounds bounds, Control* container,
                          std::optional<int> index) {
    return Placed(AddControl<TextBox>(std::move(name), index, container), "", bounds);
}

ComboBox& Form::AddComboBox(std::string name, Bounds bounds, Control* container,
                            std::optional<int> index) {
    return Placed(AddControl<ComboBox>(std::move(name), index, container), "", bounds);
}

ListBox& Form::AddListBox(std::string name, Bounds bounds, Control* container,
                          std::optional<int> index) {
    return Placed(AddControl<ListBox>(std::move(name), index, container), "", bounds);
}

ListView& Form::AddListView(std::string name, Bounds bounds, Control* container,
                            std::optional<int> index) {
    return Placed(AddControl<ListView>(std::move(name), index, container), "", bounds);
}

TabStrip& Form::AddTabStrip(std::string name, Bounds bounds, Control* container,
                            std::optional<int> index) {
    return Placed(AddControl<TabStrip>(std::move(name), index, container), "", bounds);
}

ProgressBar& Form::AddProgressBar(std::string name, Bounds bounds, Control* container,
                                  std::optional<int> index) {
    return Placed(AddControl<ProgressBar>(std::move(name), index, container), "", bounds);
}

DateTimePicker& Form::AddDateTimePicker(std::string name, Bounds bounds, Control* container,
                                        std::optional<int> index) {
    return Placed(AddControl<DateTimePicker>(std::move(name), index, container), "", bounds);
}

Image& Form::AddImage(std::string name, std::string icon, Bounds bounds, Control* container,
                      std::optional<int> index) {
    Image& image = Placed(AddControl<Image>(std::move(name), index, container), "", bounds);
    image.iconResource = std::move(icon);
    return image;
}

Shape& Form::AddShape(std::string name, Bounds bounds, Control* container) {
    return Placed(AddControl<Shape>(std::move(name), std::nullopt, container), "", bounds);
}

Menu& Form::AddMenu(std::string name, std::string caption, Menu* parentMenu,
                    std::optional<int> index) {
    Menu& menu = AddControl<Menu>(std::move(name), index, parentMenu);
    menu.SetCaption(std::move(caption));
    return menu;
}

Timer& Form::AddTimer(std::string name, int intervalMs, bool enabled) {
    Timer& timer = AddControl<Timer>(std::move(name), std::nullopt, nullptr);
    timer.SetInterval(std::chrono::milliseconds(intervalMs));
    timer.SetEnabled(enabled);
    return timer;
}

void Form::Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    m_shownSinceLoad = false;
    m_hiddenWhileLoading = false;
    if (FormHost* host = m_context.Host()) {
        host->FormLoaded(*this);
    }
    for (Control* control : ControlsOfType(ControlType::Timer)) {
        static_cast<Timer*>(control)->Attach();
    }
    m_loading = true;
    if (onLoad) {
        onLoad();
    }
    m_loading = false;
}

void Form::Show() {
    const bool wasLoaded = m_loaded;
    Load();
    if (!m_loaded) {
        return;  // the Load event unloaded the window again
    }
    if (!wasLoaded && m_hiddenWhileLoading) {
        return;  // the Load event chose to keep the window out of sight
    }
    if (!m_visible) {
        m_visible = true;
        NotifyHost(FormChange::Visible);
    }
    if (!m_shownSinceLoad) {
        m_shownSinceLoad = true;
        if (onResize) {
            onResize();
        }
    }
}

void Form::ShowModal() {
    Load();
    if (!m_loaded) {
        return;
    }
    m_modal = true;
    m_visible = true;
    if (FormHost* host = m_context.Host()) {
        host->RunModal(*this);
    }
    m_modal = false;
}

void Form::Hide() {
    if (m_loading) {
        m_hiddenWhileLoading = true;
    }
    if (m_visible) {
        m_visible = false;
        NotifyHost(FormChange::Visible);
    }
}

bool Form::Unload(UnloadMode mode) {
    if (!m_loaded) {
        return true;
    }
    if (onQueryUnload && onQueryUnload(mode)) {
        return false;
    }
    if (onUnload) {
        onUnload();
    }
    for (Control* control : ControlsOfType(ControlType::Timer)) {
        static_cast<Timer*>(control)->Detach();
    }
    m_visible = false;
    m_loaded = false;
    if (FormHost* host = m_context.Host()) {
        host->FormUnloaded(*this);
    }
    return true;
}

void Form::SetWindowState(WindowState state) {
    if (state == m_state) {
        return;
    }
    m_state = state;
    NotifyHost(FormChange::WindowState);
    if (onResize) {
        onResize();
    }
}

void Form::ResizedByUser(WindowState state, int width, int height) {
    m_state = state;
    if (state == WindowState::Normal || state == WindowState::Maximized) {
        m_width = width;
        m_height = height;
    }
    if (onResize) {
        onResize();
    }
}

void Form::SetSize(int width, int height) {
    m_width = width;
    m_height = height;
    NotifyHost(FormChange::Bounds);
}

void Form::Move(int left, int top) {
    centerOnScreen = false;
    if (left == m_left && top == m_top) {
        return;
    }
    m_left = left;
    m_top = top;
    NotifyHost(FormChange::Position);
}

void Form::SetIconResource(std::string name) {
    m_iconResource = std::move(name);
    NotifyHost(FormChange::Icon);
}

void Form::SetRedrawLocked(bool locked) {
    if (locked == m_redrawLocked) {
        return;
    }
    m_redrawLocked = locked;
    NotifyHost(FormChange::RedrawLock);
}

void Form::BringToFront() {
    NotifyHost(FormChange::BringToFront);
}

void Form::Refresh() {
    NotifyHost(FormChange::Repaint);
}

void Form::SetShownInTaskList(bool shown) {
    if (shown == m_shownInTaskList) {
        return;
    }
    m_shownInTaskList = shown;
    NotifyHost(FormChange::TaskListVisibility);
}

void Form::MouseMove(const MouseEvent& event) {
    if (onMouseMove) {
        onMouseMove(event);
    }
}

void Form::ControlChanged(Control& control, Change change, int index) {
    if (!m_loaded) {
        return;
    }
    if (FormHost* host = m_context.Host()) {
        host->ControlChanged(control, change, index);
    }
}

void Form::NotifyHost(FormChange change) {
    if (!m_loaded) {
        return;
    }
    if (FormHost* host = m_context.Host()) {
        host->FormChanged(*this, change);
    }
}

}  // namespace ui
