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

// UTF-8 of a string the interface gives.
std::string Utf8Of(BSTR text) {
    const int length = text == nullptr ? 0 : static_cast<int>(::SysStringLen(text));
    if (length == 0) {
        return {};
    }
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// A BSTR of UTF-8 text, freed when it goes; empty when the text is not
// UTF-8.
class Utf8Bstr {
public:
    explicit Utf8Bstr(std::string_view utf8) {
        const int length = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                                 static_cast<int>(utf8.size()), nullptr, 0);
        if (length <= 0) {
            return;
        }
        m_text = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
        if (m_text != nullptr) {
            ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), m_text,
                                  length);
        }
    }
    ~Utf8Bstr() { ::SysFreeString(m_text); }
    Utf8Bstr(const Utf8Bstr&) = delete;
    Utf8Bstr& operator=(const Utf8Bstr&) = delete;
    [[nodiscard]] BSTR Get() const { return m_text; }

private:
    BSTR m_text = nullptr;
};

TaskChange ChangeOf(HRESULT result) {
    if (SUCCEEDED(result)) {
        return TaskChange::Done;
    }
    if (result == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) ||
        result == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)) {
        return TaskChange::NotFound;
    }
    if (result == HRESULT_FROM_WIN32(ERROR_ALREADY_EXISTS) ||
        result == HRESULT_FROM_WIN32(ERROR_FILE_EXISTS)) {
        return TaskChange::AlreadyThere;
    }
    if (result == E_ACCESSDENIED) {
        return TaskChange::AccessDenied;
    }
    return TaskChange::Failed;
}

// The scheduler on this machine, connected; null when it cannot be.
ComPtr<ITaskService> ConnectedService() {
    ComPtr<ITaskService> service;
    if (FAILED(::CoCreateInstance(CLSID_TaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_ITaskService, service.PutVoid()))) {
        return {};
    }
    VARIANT none;
    ::VariantInit(&none);
    if (FAILED(service->Connect(none, none, none, none))) {
        return {};
    }
    return service;
}

// A task's path as its folder's path and its own name.
struct TaskPlace {
    std::string folder;
    std::string name;
};

std::optional<TaskPlace> PlaceOf(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    if (slash == std::string_view::npos || slash + 1 >= path.size()) {
        return std::nullopt;
    }
    return TaskPlace{slash == 0 ? "\\" : std::string(path.substr(0, slash)),
                     std::string(path.substr(slash + 1))};
}

}  // namespace

std::optional<std::vector<ScheduledTask>> ScheduledTasksWin32::ListTasks() {
    const ComScope com;
    if (!com.Usable()) {
        return std::nullopt;
    }
    const ComPtr<ITaskService> service = ConnectedService();
    if (!service) {
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

std::optional<std::string> ScheduledTasksWin32::ExportTask(std::string_view path) {
    const ComScope com;
    const std::optional<TaskPlace> place = PlaceOf(path);
    const ComPtr<ITaskService> service = com.Usable() ? ConnectedService() : ComPtr<ITaskService>();
    if (!place || !service) {
        return std::nullopt;
    }
    const UniqueBstr folderPath(place->folder);
    const UniqueBstr name(place->name);
    ComPtr<ITaskFolder> folder;
    ComPtr<IRegisteredTask> task;
    BSTR xml = nullptr;
    if (FAILED(service->GetFolder(folderPath.Get(), folder.Put())) || !folder ||
        FAILED(folder->GetTask(name.Get(), task.Put())) || !task || FAILED(task->get_Xml(&xml))) {
        return std::nullopt;
    }
    std::string text = Utf8Of(xml);
    ::SysFreeString(xml);
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

TaskChange ScheduledTasksWin32::DeleteTask(std::string_view path) {
    const ComScope com;
    const std::optional<TaskPlace> place = PlaceOf(path);
    const ComPtr<ITaskService> service = com.Usable() ? ConnectedService() : ComPtr<ITaskService>();
    if (!place || !service) {
        return TaskChange::Failed;
    }
    const UniqueBstr folderPath(place->folder);
    const UniqueBstr name(place->name);
    ComPtr<ITaskFolder> folder;
    const HRESULT opened = service->GetFolder(folderPath.Get(), folder.Put());
    if (FAILED(opened) || !folder) {
        return ChangeOf(FAILED(opened) ? opened : E_FAIL);
    }
    return ChangeOf(folder->DeleteTask(name.Get(), 0));
}

TaskChange ScheduledTasksWin32::RegisterTask(std::string_view path, std::string_view xml) {
    const ComScope com;
    const std::optional<TaskPlace> place = PlaceOf(path);
    const ComPtr<ITaskService> service = com.Usable() ? ConnectedService() : ComPtr<ITaskService>();
    const Utf8Bstr definition(xml);
    if (!place || !service || definition.Get() == nullptr) {
        return TaskChange::Failed;
    }
    const UniqueBstr folderPath(place->folder);
    const UniqueBstr name(place->name);
    ComPtr<ITaskFolder> folder;
    if (FAILED(service->GetFolder(folderPath.Get(), folder.Put())) || !folder) {
        const UniqueBstr root("\\");
        ComPtr<ITaskFolder> rootFolder;
        VARIANT noSecurity;
        ::VariantInit(&noSecurity);
        const HRESULT made =
            FAILED(service->GetFolder(root.Get(), rootFolder.Put())) || !rootFolder
                ? E_FAIL
                : rootFolder->CreateFolder(folderPath.Get(), noSecurity, folder.Put());
        if (FAILED(made) || !folder) {
            return ChangeOf(FAILED(made) ? made : E_FAIL);
        }
    }
    ComPtr<IRegisteredTask> existing;
    if (SUCCEEDED(folder->GetTask(name.Get(), existing.Put())) && existing) {
        return TaskChange::AlreadyThere;
    }
    VARIANT none;
    ::VariantInit(&none);
    ComPtr<IRegisteredTask> registered;
    // TASK_CREATE alone: the scheduler refuses where a task of that path
    // appeared meanwhile. The definition's own principal runs it.
    return ChangeOf(folder->RegisterTask(name.Get(), definition.Get(), TASK_CREATE, none, none,
                                         TASK_LOGON_NONE, none, registered.Put()));
}

}  // namespace platform::win32
