#include "publisher.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>

#include "ansi_text.h"
#include "answer_signing.h"
#include "base/text.h"
#include "change_log.h"
#include "core/text_lines.h"
#include "definition_changes.h"
#include "extension_list.h"
#include "submitted_names.h"

namespace defserver {

namespace {

constexpr std::string_view kUsage =
    "usage: defpublish --db FILE COMMAND\n"
    "       defpublish keygen FOLDER\n"
    "  keygen FOLDER                   make the publisher's key pair in FOLDER:\n"
    "                                  publisher.key (for defserver --signing-key,\n"
    "                                  keep it secret) and publisher.pub (for the\n"
    "                                  program's build)\n"
    "  init                            make an empty database\n"
    "  add KIND LINE [--date DATE]     publish a definition\n"
    "  del KIND LINE|KEY [--date DATE] withdraw a definition\n"
    "  import KIND FILE [--date DATE]  publish every line of a file; with KIND\n"
    "                                  SAFETY each line starts with its own kind\n"
    "  seed-samples FOLDER [--date DATE]\n"
    "                                  publish the sample definitions of FOLDER,\n"
    "                                  dated as its date.txt says\n"
    "  import-extensions FILE [--skip-bad] [--date DATE]\n"
    "                                  publish an EXT definition for every\n"
    "                                  confirmed extension of a chrome-mal-ids\n"
    "                                  table (CSV); a bad line stops it, unless\n"
    "                                  --skip-bad, which publishes the rest\n"
    "  list [--since DATE]             show the changes, oldest first\n"
    "  submissions                     show the submitted names, oldest first:\n"
    "                                  id, date (UTC), address, names by \"|\"\n"
    "KIND: FILE, EXE, DLL, REG, COOK, DIR, EXT, SFILE, SEXE, SDLL, SREG, SDIR, SEXT.\n"
    "LINE: the definition as its file holds it, in UTF-8.\n"
    "DATE (UTC): \"2026-12-08 10:00:00\" or \"12/8/2026 10:00:00 AM\"; each new\n"
    "date must lie after the newest change. Without --date: now.\n";

// The sample files and the kind of their lines.
struct SampleFile {
    std::string_view name;
    std::string_view kind;
};
constexpr std::array<SampleFile, 6> kSampleFiles{{
    {"FileDefinition.txt", "FILE"},
    {"ExeDefinition.txt", "EXE"},
    {"RegistryDefinition.txt", "REG"},
    {"BlockedCookies.txt", "COOK"},
    {"DirectoryDefinition.txt", "DIR"},
    {"Safety.txt", "SAFETY"},
}};

struct CommandLine {
    std::optional<std::string> db;
    std::optional<std::string> date;
    std::optional<std::string> since;
    std::vector<std::string> words;
    bool help = false;
    bool skipBad = false;
};

Checked<CommandLine> ReadCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            line.help = true;
            continue;
        }
        if (argument == "--skip-bad") {
            line.skipBad = true;
            continue;
        }
        if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            line.words.push_back(argument);
            continue;
        }
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        }
        std::optional<std::string>* target = argument == "--db"      ? &line.db
                                             : argument == "--date"  ? &line.date
                                             : argument == "--since" ? &line.since
                                                                     : nullptr;
        if (target == nullptr) {
            return Checked<CommandLine>::Failure("unknown option " + argument);
        }
        if (!value) {
            return Checked<CommandLine>::Failure(argument + " needs a value");
        }
        *target = std::move(value);
    }
    return line;
}

Checked<std::optional<UnixSeconds>> ReadOptionalDate(const std::optional<std::string>& text) {
    using Result = Checked<std::optional<UnixSeconds>>;
    if (!text) {
        return std::optional<UnixSeconds>();
    }
    const std::optional<UnixSeconds> date = ReadDateText(*text);
    if (!date) {
        return Result::Failure("\"" + *text +
                               "\" is not a date: write 2026-12-08 10:00:00 or "
                               "12/8/2026 10:00:00 AM (UTC)");
    }
    return date;
}

Checked<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    std::ifstream file;
    if (std::filesystem::is_regular_file(path, error)) {
        file.open(path, std::ios::binary);
    }
    if (!file.is_open()) {
        return Checked<std::string>::Failure("cannot read " + path.string());
    }
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The changes of a file of definition lines, or every problem found in it
// with its line number.
Checked<std::vector<Change>> ReadDefinitionFile(std::string_view kind,
                                                const std::filesystem::path& path) {
    using Result = Checked<std::vector<Change>>;
    Checked<std::string> content = ReadWholeFile(path);
    if (!content) {
        return Result::Failure(content.Error());
    }
    std::string_view utf8 = *content;
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") {
        utf8.remove_prefix(3);
    }
    std::vector<Change> changes;
    std::string problems;
    const std::vector<std::string> lines = core::TextLines(utf8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (base::IsBlank(lines[i])) {
            continue;
        }
        const std::string where = path.string() + ":" + std::to_string(i + 1) + ": ";
        const Checked<std::string> line = Utf8ToAnsi(lines[i]);
        if (!line) {
            problems += where + line.Error() + "\n";
            continue;
        }
        std::string lineKind(kind);
        if (kind == "SAFETY") {
            lineKind = base::Trim(std::string_view(*line).substr(0, line->find('|')));
            if (!IsSafetyKind(base::UpperCase(lineKind))) {
                problems +=
                    where + "a Safety line starts with SFILE, SEXE, SDLL, SREG, SDIR or SEXT\n";
                continue;
            }
        }
        Checked<Change> change = MakeAddition(lineKind, *line);
        if (!change) {
            problems += where + change.Error() + "\n";
            continue;
        }
        changes.push_back(std::move(*change));
    }
    if (!problems.empty()) {
        problems.pop_back();
        return Result::Failure(problems);
    }
    return changes;
}

class Publisher {
public:
    Publisher(CommandLine line, std::ostream& out, std::ostream& err, UnixSeconds now)
        : m_line(std::move(line)), m_out(out), m_err(err), m_now(now) {}

    int Run() {
        const std::string& command = m_line.words.front();
        if (command == "init") {
            return Expect(1) ? Init() : 2;
        }
        if (command == "add" || command == "del") {
            return Expect(3) ? Publish(command == "add" ? Operation::Add : Operation::Del) : 2;
        }
        if (command == "import") {
            return Expect(3) ? Import() : 2;
        }
        if (command == "import-extensions") {
            return Expect(2) ? ImportExtensions() : 2;
        }
        if (command == "seed-samples") {
            return Expect(2) ? SeedSamples() : 2;
        }
        if (command == "list") {
            return Expect(1) ? List() : 2;
        }
        if (command == "submissions") {
            return Expect(1) ? Submissions() : 2;
        }
        m_err << "defpublish: unknown command " << command << "\n" << kUsage;
        return 2;
    }

private:
    bool Expect(std::size_t words) {
        if (m_line.words.size() == words) {
            return true;
        }
        m_err << "defpublish: " << m_line.words.front() << " takes "
              << (words == 1 ? "no" : std::to_string(words - 1)) << " argument"
              << (words == 2 ? "" : "s") << "\n"
              << kUsage;
        return false;
    }

    int Fail(const std::string& why) {
        m_err << "defpublish: " << why << "\n";
        return 1;
    }

    std::optional<ChangeLog> OpenLog(Database::Opening opening) {
        Checked<ChangeLog> log = ChangeLog::Open(*m_line.db, opening);
        if (!log) {
            m_err << "defpublish: " << log.Error()
                  << (opening == Database::Opening::ExistingOnly ? " (init makes one)" : "")
                  << "\n";
            return std::nullopt;
        }
        return std::move(*log);
    }

    int Init() { return OpenLog(Database::Opening::CreateIfMissing) ? Report("ready") : 1; }

    int Report(std::string_view what) {
        m_out << *m_line.db << ": " << what << "\n";
        return 0;
    }

    // Appends the changes under the --date given, or `fallback`, or now.
    int Append(const std::vector<Change>& changes, std::optional<UnixSeconds> fallback,
               const std::string& what) {
        const Checked<std::optional<UnixSeconds>> date = ReadOptionalDate(m_line.date);
        if (!date) {
            return Fail(date.Error());
        }
        std::optional<ChangeLog> log = OpenLog(Database::Opening::CreateIfMissing);
        if (!log) {
            return 1;
        }
        const Checked<UnixSeconds> used = log->Append(changes, *date ? *date : fallback, m_now);
        if (!used) {
            return Fail(used.Error());
        }
        m_out << what << ", dated " << IsoDateText(*used) << " UTC (" << DateAnswerText(*used)
              << ")\n";
        return 0;
    }

    int Publish(Operation operation) {
        const Checked<std::string> line = Utf8ToAnsi(m_line.words[2]);
        if (!line) {
            return Fail(line.Error());
        }
        const Checked<Change> change = operation == Operation::Add
                                           ? MakeAddition(m_line.words[1], *line)
                                           : MakeDeletion(m_line.words[1], *line);
        if (!change) {
            return Fail(change.Error());
        }
        return Append({*change}, std::nullopt,
                      std::string(OperationText(operation)) + " " + change->kind + " " +
                          AnsiToUtf8(PlainBody(operation, change->body)));
    }

    int Import() {
        const Checked<std::string> kind = base::EqualsIgnoreCase(m_line.words[1], "SAFETY")
                                              ? Checked<std::string>("SAFETY")
                                              : ReadKind(m_line.words[1]);
        if (!kind) {
            return Fail(kind.Error());
        }
        const Checked<std::vector<Change>> changes = ReadDefinitionFile(*kind, m_line.words[2]);
        if (!changes) {
            return Fail(changes.Error() + "\nnothing published");
        }
        if (changes->empty()) {
            return Fail("no definitions in " + m_line.words[2]);
        }
        return Append(
            *changes, std::nullopt,
            "ADD " + std::to_string(changes->size()) + " definitions from " + m_line.words[2]);
    }

    int ImportExtensions() {
        const std::string& file = m_line.words[1];
        const Checked<std::string> content = ReadWholeFile(file);
        if (!content) {
            return Fail(content.Error());
        }
        const Checked<ExtensionList> list = ReadExtensionList(*content);
        if (!list) {
            return Fail(file + ": " + list.Error() + "\nnothing published");
        }
        for (const std::string& bad : list->badLines) {
            m_err << file << ":" << bad.substr(std::string_view("line ").size())
                  << (m_line.skipBad ? " (skipped)" : "") << "\n";
        }
        if (!list->badLines.empty() && !m_line.skipBad) {
            return Fail("nothing published; --skip-bad publishes the other lines");
        }
        if (list->additions.empty()) {
            return Fail("no confirmed extensions in " + file);
        }
        return Append(list->additions, std::nullopt,
                      "ADD " + std::to_string(list->additions.size()) +
                          " extension definitions from " + file + " (" +
                          std::to_string(list->badLines.size()) + " bad lines skipped, " +
                          std::to_string(list->unconfirmed) + " not confirmed)");
    }

    int SeedSamples() {
        const std::filesystem::path folder(m_line.words[1]);
        std::vector<Change> changes;
        std::string problems;
        std::string counts;
        for (const SampleFile& sample : kSampleFiles) {
            const std::filesystem::path path = folder / sample.name;
            std::error_code error;
            if (!std::filesystem::exists(path, error)) {
                continue;
            }
            Checked<std::vector<Change>> read = ReadDefinitionFile(sample.kind, path);
            if (!read) {
                problems += read.Error() + "\n";
                continue;
            }
            counts += (counts.empty() ? "" : ", ") + std::to_string(read->size()) + " " +
                      std::string(sample.kind);
            changes.insert(changes.end(), read->begin(), read->end());
        }
        if (!problems.empty()) {
            return Fail(problems + "nothing published");
        }
        if (changes.empty()) {
            return Fail("no sample definitions in " + folder.string());
        }
        // The samples planted beside the program carry this date, so that a
        // program holding them asks only for what was published later.
        std::optional<UnixSeconds> sampleDate;
        if (const Checked<std::string> dateFile = ReadWholeFile(folder / "date.txt"); dateFile) {
            const std::vector<std::string> lines = core::TextLines(*dateFile);
            sampleDate = lines.empty() ? std::nullopt : ReadDateText(lines.front());
            if (!sampleDate) {
                return Fail((folder / "date.txt").string() + " holds no date");
            }
        }
        return Append(
            changes, sampleDate,
            "ADD " + std::to_string(changes.size()) + " sample definitions (" + counts + ")");
    }

    int List() {
        const Checked<std::optional<UnixSeconds>> since = ReadOptionalDate(m_line.since);
        if (!since) {
            return Fail(since.Error());
        }
        std::optional<ChangeLog> log = OpenLog(Database::Opening::ExistingOnly);
        if (!log) {
            return 1;
        }
        const Checked<Done> listed = log->ForEachAfter(
            since->value_or(std::numeric_limits<UnixSeconds>::min()),
            [&](const LoggedChange& change) {
                m_out << change.id << "\t" << IsoDateText(change.time) << "\t" << change.kind
                      << "\t" << OperationText(change.operation) << "\t"
                      << AnsiToUtf8(PlainBody(change.operation, change.body)) << "\n";
            });
        return listed ? 0 : Fail(listed.Error());
    }

    int Submissions() {
        std::optional<ChangeLog> log = OpenLog(Database::Opening::ExistingOnly);
        if (!log) {
            return 1;
        }
        const Checked<Done> listed = log->ForEachSubmission([&](const StoredSubmission& stored) {
            std::string names;
            for (const std::string& name : SubmittedNames(stored.data)) {
                names += (names.empty() ? "" : "|") + AnsiToUtf8(name);
            }
            m_out << stored.id << "\t" << IsoDateText(stored.time) << "\t" << stored.remoteAddress
                  << "\t" << names << "\n";
        });
        return listed ? 0 : Fail(listed.Error());
    }

    const CommandLine m_line;
    std::ostream& m_out;
    std::ostream& m_err;
    const UnixSeconds m_now;
};

}  // namespace

int RunPublisher(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                 UnixSeconds now) {
    Checked<CommandLine> line = ReadCommandLine(arguments);
    if (!line) {
        err << "defpublish: " << line.Error() << "\n" << kUsage;
        return 2;
    }
    if (line->help) {
        out << kUsage;
        return 0;
    }
    if (line->words.size() == 2 && line->words.front() == "keygen" && !line->db) {
        const Checked<std::string> made = GenerateKeyPair(line->words[1]);
        if (!made) {
            err << "defpublish: " << made.Error() << "\n";
            return 1;
        }
        out << "key pair made in " << line->words[1] << ": " << kPrivateKeyFile << " (secret), "
            << kPublicKeyFile << " " << *made << "\n";
        return 0;
    }
    if (line->words.empty() || !line->db) {
        err << kUsage;
        return 2;
    }
    return Publisher(std::move(*line), out, err, now).Run();
}

}  // namespace defserver
