#pragma once

// HTTP answered from a script of URLs. Each URL gets its body, served in
// blocks of the sizes asked, or a fault on the way: no connection, a read
// error, or a server that falls silent, which the program sees as a
// time-out. A URL that was never scripted does not connect.

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/http.h"

namespace fakes {

class ScriptedHttp : public platform::Http {
public:
    // The whole body arrives, its length not announced (the server ends it
    // by closing the connection).
    void Serve(std::string url, std::string body);
    // The whole body arrives under an HTTP status other than 200 (an error
    // page of the server or of a cache in front of it).
    void ServeStatus(std::string url, int status, std::string body);
    // The answer announces the length of the whole body, but the connection
    // ends after its first `bytes` bytes: the next read brings nothing.
    void CutShort(std::string url, std::string body, std::size_t bytes);
    // The first `bytes` bytes of the body arrive, then reading fails.
    void FailAfter(std::string url, std::string body, std::size_t bytes);
    // The first `bytes` bytes of the body arrive, then the server sends
    // nothing more: the next read waits (onStall runs) and times out.
    void StallAfter(std::string url, std::string body, std::size_t bytes);
    // The server takes the connection and never answers: Get waits (onStall
    // runs) and times out.
    void StallBeforeAnswer(std::string url);
    // Nothing answers at the URL.
    void Refuse(std::string url);
    // The server at the URL shows a certificate that fails its check.
    void RefuseCertificate(std::string url);

    std::unique_ptr<platform::HttpResponse> Get(std::string_view url) override;
    platform::HttpFailure LastFailure() const override { return m_lastFailure; }

    // Every URL asked for, in order.
    std::vector<std::string> requested;
    // The size asked by every read, of every answer, in order.
    std::vector<std::size_t> readSizes;
    // At most this many bytes per read, as a slow line delivers them; 0 gives
    // as many as asked.
    std::size_t largestBlock = 0;
    // Runs while a transfer waits on a silent server, before it gives up, so
    // a test can act meanwhile (advance a clock, press a button).
    std::function<void(std::string_view url)> onStall;

private:
    class Response;

    enum class Ending { Complete, EarlyEnd, ReadError, Stall };
    struct Answer {
        bool answers = true;  // false: the server never answers the request
        std::string body;
        std::size_t goodBytes = 0;  // bytes served before the ending
        Ending ending = Ending::Complete;
        std::optional<std::size_t> promisedLength;
        int status = 200;
    };

    std::map<std::string, Answer, std::less<>> m_answers;
    std::set<std::string, std::less<>> m_badCertificates;
    platform::HttpFailure m_lastFailure = platform::HttpFailure::None;
};

}  // namespace fakes
