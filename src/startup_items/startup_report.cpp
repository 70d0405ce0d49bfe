#include "startup_items/startup_report.h"

#include "core/application.h"
#include "startup_items/startup_scan.h"

namespace startup_items {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSeparator = " | ";

std::string Field(std::string_view text) {
    std::string field(text);
    for (char& c : field) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        } else if (c == '|') {
            c = '/';
        }
    }
    return field;
}

std::string PublisherText(const StartupEntry& entry) {
    if (entry.program.empty() || !entry.fileExists) {
        return {};
    }
    switch (entry.signature.status) {
        case platform::SignatureStatus::Valid:
            return entry.signature.signer.empty() ? "signed" : entry.signature.signer;
        case platform::SignatureStatus::NotValid:
            return entry.signature.signer.empty()
                       ? "signature not valid"
                       : "signature not valid (" + entry.signature.signer + ")";
        case platform::SignatureStatus::NotSigned:
            return "not signed";
    }
    return {};
}

std::string StartsText(const StartupEntry& entry) {
    if (entry.program.empty()) {
        return entry.data;
    }
    return entry.arguments.empty() ? entry.program : entry.program + " " + entry.arguments;
}

std::string VerdictText(const core::Application& app, const JudgedEntry& judged) {
    if (!judged.verdict) {
        return "clean";
    }
    const std::string type =
        app.Message(judged.verdict->type == FindingType::HijackPoint ? "MSG_SI_TYPE_HIJACK"
                                                                     : "MSG_SI_TYPE_STARTUP");
    return type + ": " + app.Message(judged.verdict->reasonKey);
}

}  // namespace

std::string StartupReportSection(const core::Application& app) {
    const StartupItemsState& state = app.startupItems;
    if (!state.read) {
        return {};
    }
    std::string text;
    const auto line = [&text](std::initializer_list<std::string> fields) {
        bool first = true;
        for (const std::string& field : fields) {
            text.append(first ? "" : kSeparator).append(Field(field));
            first = false;
        }
        text.append(kLineEnd);
    };
    text.append("[Startup Items and Hijack Points]").append(kLineEnd);
    line({"Category", "Where", "Starts", "Publisher", "Company", "File", "Verdict"});
    std::size_t findings = 0;
    for (const JudgedEntry& judged : state.entries) {
        const StartupEntry& entry = judged.entry;
        findings += judged.verdict ? 1 : 0;
        line({std::string(CategoryName(entry.category)),
              entry.note.empty() ? entry.where : entry.where + " (" + entry.note + ")",
              StartsText(entry), PublisherText(entry), entry.program.empty() ? "" : entry.company,
              entry.program.empty() ? "" : (entry.fileExists ? "exists" : "missing"),
              VerdictText(app, judged)});
    }
    line({std::string(CategoryName(Category::Hosts)), state.hostsFile,
          state.hostsFileRead ? std::to_string(state.blockingHostsLines) + " lines that block names"
                              : "not read",
          "", "", "", "clean"});
    text.append("Entries = ")
        .append(std::to_string(state.entries.size()))
        .append(", findings = ")
        .append(std::to_string(findings))
        .append(kLineEnd);
    return text;
}

}  // namespace startup_items
