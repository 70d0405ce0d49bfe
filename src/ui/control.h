#pragma once

// A control of the headless window model: a name (and an index when it is an
// element of a control array), a type name, a caption and the common
// properties. Handlers hold the program's behaviour; the view observes
// changes through the form's host and turns user input back into calls on
// the control.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

class Form;

enum class ControlType {
    Label,
    SkinLabel,
    CommandButton,
    Frame,
    CheckBox,
    OptionButton,
    TextBox,
    ComboBox,
    ListBox,
    ListView,
    TabStrip,
    ProgressBar,
    DateTimePicker,
    Menu,
    Timer,
    Image,
    Shape,
};

// The type name by which the localisation walks a window ("Label", ...).
[[nodiscard]] std::string_view TypeName(ControlType type) noexcept;

// Position and size in pixels, relative to the control's container.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A hint to the view about how a text should look; the model attaches no
// behaviour to it.
enum class Look {
    Normal,
    Title,       // a page's heading
    Heading,     // a section heading inside a page
    Strong,      // a value the eye should find (counts, dates)
    Link,        // a label that acts when clicked
    Muted,       // secondary text
    Banner,      // large text on the strip across the top of a window
    BannerText,  // ordinary text on that strip
    Nav,         // a page button of the side bar
};

// What changed, for the view.
enum class Change {
    Caption,
    Enabled,
    Visible,
    Bounds,
    Value,
    Items,        // a list's rows or entries were replaced or cleared
    ItemAdded,    // index: the new row
    ItemRemoved,  // index: the removed row
    ItemChanged,  // index: the changed row
    Columns,
    Repaint,
    Look,  // the look hint, and with it the font
};

struct MouseEvent {
    int button = 1;  // 1 left, 2 right, 4 middle
    int shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
    int x = 0;
    int y = 0;
};

class Control {
public:
    Control(Form& owner, ControlType type, std::string name, std::optional<int> index,
            Control* container);
    virtual ~Control() = default;

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    [[nodiscard]] Form& Owner() const noexcept { return m_owner; }
    [[nodiscard]] ControlType Type() const noexcept { return m_type; }
    [[nodiscard]] std::string_view TypeName() const noexcept { return ui::TypeName(m_type); }
    [[nodiscard]] const std::string& Name() const noexcept { return m_name; }
    [[nodiscard]] std::optional<int> Index() const noexcept { return m_index; }
    // The frame that holds this control, or null for the window itself.
    [[nodiscard]] Control* Container() const noexcept { return m_container; }
    // "cmdScan", or "frmView(1)" for an element of a control array.
    [[nodiscard]] std::string Identity() const;

    [[nodiscard]] const std::string& Caption() const noexcept { return m_caption; }
    void SetCaption(std::string caption);

    [[nodiscard]] bool Enabled() const noexcept { return m_enabled; }
    void SetEnabled(bool enabled);

    [[nodiscard]] bool Visible() const noexcept { return m_visible; }
    void SetVisible(bool visible);
    // Visible, and so is every container up to the window.
    [[nodiscard]] bool VisibleOnWindow() const noexcept;

    [[nodiscard]] const Bounds& Position() const noexcept { return m_bounds; }
    void SetPosition(Bounds bounds);

    [[nodiscard]] Look LookHint() const noexcept { return m_look; }
    void SetLook(Look look);

    [[nodiscard]] const std::string& ToolTip() const noexcept { return m_toolTip; }
    void SetToolTip(std::string text) { m_toolTip = std::move(text); }

    // Asks the view to repaint the control.
    void Refresh();

    // The control's Click event: run by the view when the user clicks, and by
    // code that acts as if the user had.
    void Click();
    void MouseDown(const MouseEvent& event);
    void MouseUp(const MouseEvent& event);
    void MouseMove(const MouseEvent& event);

    std::function<void()> onClick;
    std::function<void(const MouseEvent&)> onMouseDown;
    std::function<void(const MouseEvent&)> onMouseUp;
    std::function<void(const MouseEvent&)> onMouseMove;

    // The view's own slot: the window that shows this control.
    void* viewData = nullptr;

protected:
    void Notify(Change change, int index = -1);
    virtual void EnabledChanged() {}

private:
    Form& m_owner;
    ControlType m_type;
    std::string m_name;
    std::optional<int> m_index;
    Control* m_container;
    std::string m_caption;
    bool m_enabled = true;
    bool m_visible = true;
    Bounds m_bounds;
    Look m_look = Look::Normal;
    std::string m_toolTip;
};

// Controls whose only data is their caption.
class Label : public Control {
public:
    Label(Form& owner, std::string name, std::optional<int> index, Control* container,
          ControlType type = ControlType::Label)
        : Control(owner, type, std::move(name), index, container) {}

    // Text alignment, for the view.
    enum class Align { Left, Center, Right };
    Align align = Align::Left;
    bool wordWrap = true;
};

class CommandButton : public Control {
public:
    CommandButton(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::CommandButton, std::move(name), index, container) {}

    bool isDefault = false;  // pressed by Enter
    bool isCancel = false;   // pressed by Escape
};

// A container of other controls; the pages of a window are frames.
class Frame : public Control {
public:
    Frame(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::Frame, std::move(name), index, container) {}

    bool border = true;  // drawn as a captioned group box; without it, a plain panel
};

class Image : public Control {
public:
    Image(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::Image, std::move(name), index, container) {}

    std::string iconResource;  // the name of an icon resource of the program
};

class Shape : public Control {
public:
    Shape(Form& owner, std::string name, std::optional<int> index, Control* container)
        : Control(owner, ControlType::Shape, std::move(name), index, container) {}
};

}  // namespace ui
