#pragma once

// The records of an update text as the definitions server sends them, and
// the definition lines they become. A record is
//   <kind, in the line code>|<ADD or DEL>[DEF]<body>
// and records are separated by "[BR]". The body is definition text in the
// line code with its "|" and "=" separators plain.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace update {

enum class Operation { Add, Delete };

struct UpdateRecord {
    std::string kind;  // decoded: "FILE", "EXE", "DLL", "REG", "COOK", "DIR", "EXT", "S..."
    Operation operation = Operation::Add;
    std::string body;  // as sent
};

// The definition files an update writes, in the order it writes them. The
// browser extensions come last, after the six files that every program
// version knows: a version without them skips their kind.
enum class TargetFile { Files, Executables, Registry, Cookies, Folders, Safety, Extensions };
inline constexpr TargetFile kTargetFiles[] = {
    TargetFile::Files,   TargetFile::Executables, TargetFile::Registry,  TargetFile::Cookies,
    TargetFile::Folders, TargetFile::Safety,      TargetFile::Extensions};

// The file's name in the data folder.
[[nodiscard]] std::string_view TargetFileName(TargetFile target) noexcept;

// Whether records of the kind go into the file ("EXE" goes into two).
[[nodiscard]] bool Accepts(TargetFile target, std::string_view kind) noexcept;

// The records of an update text that are whole: a known operation, a body,
// and for a registry addition the fields it needs. Anything else (an error
// page, a truncated or garbled record) is left out, so that it can neither
// add nor remove a line.
[[nodiscard]] std::vector<UpdateRecord> ReadUpdateRecords(std::string_view updateText);

// The coded definition line that an addition writes into the file.
[[nodiscard]] std::string DefinitionLineOf(const UpdateRecord& record);

// The key that a deletion names, decoded and in lower case: the body up to
// its first "=". (An addition's key is that of the line it files.)
[[nodiscard]] std::string RecordKey(std::string_view body);

// The key of a stored definition line: the decoded line up to its first
// "=", in lower case. Written into `key`, whose room is reused line after
// line.
void LineKeyInto(std::string_view codedLine, std::string& key);

// A print of a key, equal for equal keys: of a key as RecordKey and
// LineKeyInto give it, and of a stored line's key computed straight from the
// line. It lets a pass turn most lines away before their key is built.
[[nodiscard]] std::uint64_t KeyPrint(std::string_view key) noexcept;
[[nodiscard]] std::uint64_t LineKeyPrint(std::string_view codedLine) noexcept;

// A date answer of the server made ready for conversion: blanks around it,
// tabs and line ends removed, and cut just after the first "PM" or, without
// one, the first "AM".
[[nodiscard]] std::string CleanDateAnswer(std::string_view answer);

}  // namespace update
