// defserver: the definitions server, the language server and the data
// collection server of the program, over plain HTTP (a proxy in front adds
// TLS and a cache).

#include <signal.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "change_log.h"
#include "http_listener.h"
#include "request_handler.h"

namespace {

constexpr const char* kUsage =
    "usage: defserver --db FILE [--listen ADDRESS] [--port N] [--localization FILE]\n"
    "                 [--signing-key FILE] [--per-address N] [--behind-proxy]\n"
    "  --db FILE            the database that defpublish keeps\n"
    "  --listen ADDRESS     the address to listen on (default 127.0.0.1)\n"
    "  --port N             the port (default 8080; 0 picks a free one)\n"
    "  --localization FILE  served as /Languages/21/Localization.txt\n"
    "  --signing-key FILE   the publisher.key of defpublish keygen: signs every\n"
    "                       changes answer and the localisation file (.sig)\n"
    "  --per-address N      connections of one address at once (default 8;\n"
    "                       0: no limit)\n"
    "  --behind-proxy       a proxy on this machine sends every request: take the\n"
    "                       client's address from its X-Real-IP header, no\n"
    "                       limit per address unless --per-address gives one,\n"
    "                       and a changes request whose date is not written as\n"
    "                       the program writes it is redirected to that form\n";

struct Options {
    std::string db;
    std::string address = "127.0.0.1";
    int port = 8080;
    std::optional<std::string> localization;
    std::optional<std::string> signingKey;
    std::optional<int> perAddress;
    bool behindProxy = false;
};

std::optional<int> ReadNumber(const std::string& value, int most) {
    std::size_t used = 0;
    int number = -1;
    try {
        number = std::stoi(value, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (used != value.size() || number < 0 || number > most) {
        return std::nullopt;
    }
    return number;
}

std::optional<Options> ReadOptions(int argc, char** argv) {
    Options options;
    bool haveDb = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--behind-proxy") {
            options.behindProxy = true;
            continue;
        }
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (option == "--db") {
            options.db = value;
            haveDb = true;
        } else if (option == "--listen") {
            options.address = value;
        } else if (option == "--port") {
            const std::optional<int> port = ReadNumber(value, 65535);
            if (!port) {
                return std::nullopt;
            }
            options.port = *port;
        } else if (option == "--per-address") {
            options.perAddress = ReadNumber(value, 1 << 20);
            if (!options.perAddress) {
                return std::nullopt;
            }
        } else if (option == "--localization") {
            options.localization = value;
        } else if (option == "--signing-key") {
            options.signingKey = value;
        } else {
            return std::nullopt;
        }
    }
    return haveDb ? std::optional(options) : std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::optional<Options> options = ReadOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    // Blocked before any thread starts, so that every thread inherits the
    // mask and only the wait below takes these signals.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    defserver::Checked<defserver::ChangeLog> log =
        defserver::ChangeLog::Open(options->db, defserver::Database::Opening::ExistingOnly);
    if (!log) {
        std::fprintf(stderr, "defserver: %s (defpublish --db %s init makes one)\n",
                     log.Error().c_str(), options->db.c_str());
        return 1;
    }
    std::error_code error;
    if (options->localization && !std::filesystem::is_regular_file(*options->localization, error)) {
        std::fprintf(stderr, "defserver: no localisation file at %s\n",
                     options->localization->c_str());
        return 1;
    }
    const defserver::Checked<std::optional<defserver::UnixSeconds>> newest = log->NewestTime();
    if (!newest) {
        std::fprintf(stderr, "defserver: %s: %s\n", options->db.c_str(), newest.Error().c_str());
        return 1;
    }

    defserver::ServerSettings settings{options->localization, std::nullopt};
    // The proxy in front keeps a copy of each changes answer per date.
    settings.canonicalDates = options->behindProxy;
    if (options->signingKey) {
        defserver::Checked<defserver::SigningKey> key =
            defserver::SigningKey::Load(*options->signingKey);
        if (!key) {
            std::fprintf(stderr, "defserver: %s\n", key.Error().c_str());
            return 1;
        }
        settings.signingKey = std::move(*key);
    }
    defserver::ConnectionLimits limits;
    limits.addressFromProxy = options->behindProxy;
    limits.perAddress = options->perAddress.value_or(options->behindProxy ? 0 : limits.perAddress);

    defserver::RequestHandler handler(*log, std::move(settings));
    defserver::HttpListener listener(handler, limits);
    const int port = listener.Bind(options->address, options->port);
    if (port <= 0) {
        std::fprintf(stderr, "defserver: cannot listen on %s port %d\n", options->address.c_str(),
                     options->port);
        return 1;
    }
    std::fprintf(stderr, "defserver: serving %s on http://%s:%d/ (newest change: %s)%s\n",
                 options->db.c_str(), options->address.c_str(), port,
                 *newest ? defserver::DateAnswerText(**newest).c_str() : "none",
                 options->signingKey ? ", answers signed" : "");

    std::atomic<bool> ended = false;
    std::thread serving([&] {
        listener.Run();
        ended = true;
    });
    int signal = 0;
    while (!ended && signal <= 0) {
        const timespec wait{0, 200'000'000};
        signal = sigtimedwait(&stopSignals, nullptr, &wait);
    }
    listener.Stop();
    serving.join();
    if (signal > 0) {
        std::fprintf(stderr, "defserver: stopped by signal %d\n", signal);
        return 0;
    }
    std::fprintf(stderr, "defserver: the listener ended on its own\n");
    return 1;
}
