#include "platform/win32/scheduled_tasks_win32.h"

#include <windows.h>

#include <taskschd.h>

#include "platform/win32/com_handles.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

// Folders below folders below the root: deeper than any real layout, and an
// end to a tree that a broken store would make endless.
constexpr int kDeepestFolder = 16;

// The program's text (its ANSI code page) of a string the interface gives.
std::string TextOf(BSTR text) {
    if (text == nullptr) {
        return {};
    }
    const int length = static_cast<int>(::SysStringLen(text));
    if (length == 0) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string narrow(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

// A BSTR the callee hands out, freed when it goes.
class OutBstr {
public:
    OutBstr() = default;
    ~OutBstr() { ::SysFreeString(m_text); }
    OutBstr(const OutBstr&) = delete;
    OutBstr& operator=(const OutBstr&) = delete;
    BSTR* Put() {
        ::SysFreeString(m_text);
        m_text = nullptr;
        return &m_text;
    }
    [[nodiscard]] std::string Text() const { return TextOf(m_text); }

private:
    BSTR m_text = nullptr;
};

std::vector<std::string> RepetitionsOf(ITaskDefinition& definition) {
    std::vector<std::string> repetitions;
    ComPtr<ITriggerCollection> triggers;
    LONG count = 0;
    if (FAILED(definition.get_Triggers(triggers.Put())) || !triggers ||
        FAILED(triggers->get_Count(&count))) {
        return repetitions;
    }
    for (LONG i = 1; i <= count; ++i) {
        ComPtr<ITrigger> trigger;
        ComPtr<IRepetitionPattern> repetition;
        OutBstr interval;
        if (SUCCEEDED(triggers->get_Item(i, trigger.Put())) && trigger &&
            SUCCEEDED(trigger->get_Repetition(repetition.Put())) && repetition &&
            SUCCEEDED(repetition->get_Interval(interval.Put())) && !interval.Text().empty()) {
            repetitions.push_back(interval.Text());
        }
    }
    return repetitions;
}

std::vector<TaskProgram> ProgramsOf(ITaskDefinition& definition) {
    std::vector<TaskProgram> programs;
    ComPtr<IActionCollection> actions;
    LONG count = 0;
    if (FAILED(definition.get_Actions(actions.Put())) || !actions ||
        FAILED(actions->get_Count(&count))) {
        return programs;
    }
    for (LONG i = 1; i <= count; ++i) {
        ComPtr<IAction> action;
        TASK_ACTION_TYPE type = TASK_ACTION_EXEC;
        ComPtr<IExecAction> exec;
        if (FAILED(actions->get_Item(i, action.Put())) || !action ||
            FAILED(action->get_Type(&type)) || type != TASK_ACTION_EXEC ||
            FAILED(action->QueryInterface(IID_IExecAction, exec.PutVoid())) || !exec) {
            continue;
        }
        OutBstr path;
        OutBstr arguments;
        if (FAILED(exec->get_Path(path.Put()))) {
            continue;
        }
        if (FAILED(exec->get_Arguments(arguments.Put()))) {
            arguments.Put();
        }
        programs.push_back({path.Text(), arguments.Text()});
    }
    return programs;
}

void AddTask(IRegisteredTask& registered, std::vector<ScheduledTask>& tasks) {
    ScheduledTask task;
    OutBstr path;
    if (FAILED(registered.get_Path(path.Put()))) {
        return;
    }
    task.path = path.Text();
    VARIANT_BOOL enabled = VARIANT_TRUE;
    if (SUCCEEDED(registered.get_Enabled(&enabled))) {
        task.enabled = enabled != VARIANT_FALSE;
    }
    ComPtr<ITaskDefinition> definition;
    if (SUCCEEDED(registered.get_Definition(definition.Put())) && definition) {
        ComPtr<ITaskSettings> settings;
        VARIANT_BOOL hidden = VARIANT_FALSE;
        if (SUCCEEDED(definition->get_Settings(settings.Put())) && settings &&
            SUCCEEDED(settings->get_Hidden(&hidden))) {
            task.hidden = hidden != VARIANT_FALSE;
        }
        task.repetitions = RepetitionsOf(*definition.Get());
        task.programs = ProgramsOf(*definition.Get());
    }
    // A scheduler that lists no actions or triggers through its interface
    // gives the task's definition instead.
    OutBstr xml;
    if ((task.programs.empty() || task.repetitions.empty()) &&
        (SUCCEEDED(registered.get_Xml(xml.Put())) ||
         (definition && SUCCEEDED(definition->get_XmlText(xml.Put()))))) {
        task.definitionXml = xml.Text();
    }
    tasks.push_back(std::move(task));
}

// The names of the task files in the scheduler's store for the folder: for
// a scheduler that cannot count its tasks (Wine's), each is then asked for
// by its name through the interface.
std::vector<std::string> StoredTaskNames(ITaskFolder& folder) {
    std::vector<std::string> names;
    OutBstr path;
    char system[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(system, MAX_PATH);
    if (FAILED(folder.get_Path(path.Put())) || length == 0 || length >= MAX_PATH) {
        return names;
    }
    std::string pattern = std::string(system) + "\\Tasks" + path.Text();
    if (pattern.back() != '\\') {
        pattern += '\\';
    }
    pattern += '*';
    WIN32_FIND_DATAA found{};
    const UniqueFindHandle find{::FindFirstFileA(pattern.c_str(), &found)};
    if (!find) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(found.cFileName);
        }
    } while (::FindNextFileA(find.Get(), &found));
    return names;
}

void AddFolder(ITaskFolder& folder, int depth, std::vector<ScheduledTask>& tasks) {
    ComPtr<IRegisteredTaskCollection> collection;
    LONG count = 0;
    if (FAILED(folder.GetTasks(TASK_ENUM_HIDDEN, collection.Put())) || !collection ||
        FAILED(collection->get_Count(&count))) {
        for (const std::string& name : StoredTaskNames(folder)) {
            const UniqueBstr taskName(name);
            ComPtr<IRegisteredTask> task;
            if (SUCCEEDED(folder.GetTask(taskName.Get(), task.Put())) && task) {
                AddTask(*task.Get(), tasks);
            }
        }
    } else {
        for (LONG i = 1; i <= count; ++i) {
            VARIANT index;
            ::VariantInit(&index);
            index.vt = VT_I4;
            index.lVal = i;
            ComPtr<IRegisteredTask> task;
            if (SUCCEEDED(collection->get_Item(index, task.Put())) && task) {
                AddTask(*task.Get(), tasks);
            }
        }
    }
    if (depth >= kDeepestFolder) {
        return;
    }
    ComPtr<ITaskFolderCollection> folders;
    if (FAILED(folder.GetFolders(0, folders.Put())) || !folders ||
        FAILED(folders->get_Count(&count))) {
        return;
    }
    for (LONG i = 1; i <= count; ++i) {
        VARIANT index;
        ::VariantInit(&index);
        index.vt = VT_I4;
        index.lVal = i;
        ComPtr<ITaskFolder> sub;
        if (SUCCEEDED(folders->get_Item(index, sub.Put())) && sub) {
            AddFolder(*sub.Get(), depth + 1, tasks);
        }
    }
}

}  // namespace

std::optional<std::vector<ScheduledTask>> ScheduledTasksWin32::ListTasks() {
    const ComScope com;
    if (!com.Usable()) {
        return std::nullopt;
    }
    ComPtr<ITaskService> service;
    if (FAILED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_ITaskService, service.PutVoid()))) {
        return std::nullopt;
    }
    VARIANT none;
    ::VariantInit(&none);
    if (FAILED(service->Connect(none, none, none, none))) {
        return std::nullopt;
    }
    const UniqueBstr root("\\");
    ComPtr<ITaskFolder> folder;
    if (FAILED(service->GetFolder(root.Get(), folder.Put())) || !folder) {
        return std::nullopt;
    }
    std::vector<ScheduledTask> tasks;
    AddFolder(*folder.Get(), 0, tasks);
    return tasks;
}

}  // namespace platform::win32
