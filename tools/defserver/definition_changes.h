#pragma once

// Definition changes in the form the program's Live Update applies them: a
// kind, ADD or DEL, and a body in the line code of the definition files.
// Publishers give definitions as plain lines, the way the definition files
// hold them once decoded; this turns them into changes, refusing what the
// program would store wrongly or not at all.

#include <string>
#include <string_view>

#include "checked.h"

namespace defserver {

enum class Operation { Add, Del };

[[nodiscard]] std::string_view OperationText(Operation operation) noexcept;

struct Change {
    // FILE, EXE, DLL, REG, COOK, DIR, EXT or a Safety kind (SFILE, SEXE,
    // SDLL, SREG, SDIR, SEXT), plain.
    std::string kind;
    Operation operation = Operation::Add;
    // ADD: the definition coded, its "|" and "=" plain, which the program
    // codes itself. DEL: the key of the line to remove (the line up to its
    // first "="), all of it coded, since the program decodes it whole.
    std::string body;
};

// The kind in upper case, or why it is none the program files.
[[nodiscard]] Checked<std::string> ReadKind(std::string_view kind);

[[nodiscard]] bool IsSafetyKind(std::string_view kind) noexcept;

// `line` is Windows-1252 text: the line as its definition file holds it
// (a Safety line with or without its leading "KIND|"). A REG definition may
// also come in the update's own shape A=B|C|D (key=threat|location|type).
[[nodiscard]] Checked<Change> MakeAddition(std::string_view kind, std::string_view line);

// `lineOrKey` is the line to remove or just its key, the text before its
// first "=" (for REG a key ends with "^": "1^Software\Acme^").
[[nodiscard]] Checked<Change> MakeDeletion(std::string_view kind, std::string_view lineOrKey);

// The body made readable again (Windows-1252): the definition of an ADD,
// the key of a DEL.
[[nodiscard]] std::string PlainBody(Operation operation, std::string_view body);

// Appends one record of the update text, "[BR]" first unless `text` is
// still empty.
void AppendUpdateRecord(std::string& text, std::string_view kind, Operation operation,
                        std::string_view body);

}  // namespace defserver
