#include "fakes/fake_http.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

namespace fakes {

class ScriptedHttp::Response final : public platform::HttpResponse {
public:
    Response(ScriptedHttp& http, std::string url, Answer answer)
        : m_http(http), m_url(std::move(url)), m_answer(std::move(answer)) {}

    std::optional<std::string> Read(std::size_t size) override {
        m_http.readSizes.push_back(size);
        if (m_failed) {
            return std::nullopt;
        }
        const std::size_t end = m_answer.ending == Ending::Complete
                                    ? m_answer.body.size()
                                    : std::min(m_answer.goodBytes, m_answer.body.size());
        if (m_served == end && m_answer.ending != Ending::Complete &&
            m_answer.ending != Ending::EarlyEnd) {
            m_failed = true;
            if (m_answer.ending == Ending::Stall && m_http.onStall) {
                m_http.onStall(m_url);
            }
            return std::nullopt;
        }
        std::size_t count = std::min(size, end - m_served);
        if (m_http.largestBlock != 0) {
            count = std::min(count, m_http.largestBlock);
        }
        std::string block = m_answer.body.substr(m_served, count);
        m_served += count;
        return block;
    }

    std::optional<std::uint64_t> PromisedLength() override { return m_answer.promisedLength; }

    int Status() override { return m_answer.status; }

private:
    ScriptedHttp& m_http;
    std::string m_url;
    Answer m_answer;
    std::size_t m_served = 0;
    bool m_failed = false;
};

void ScriptedHttp::Serve(std::string url, std::string body) {
    m_answers[std::move(url)] = Answer{true, std::move(body), 0, Ending::Complete, std::nullopt};
}

void ScriptedHttp::ServeStatus(std::string url, int status, std::string body) {
    Answer answer{true, std::move(body), 0, Ending::Complete, std::nullopt};
    answer.status = status;
    m_answers[std::move(url)] = std::move(answer);
}

void ScriptedHttp::CutShort(std::string url, std::string body, std::size_t bytes) {
    const std::size_t promised = body.size();
    m_answers[std::move(url)] = Answer{true, std::move(body), bytes, Ending::EarlyEnd, promised};
}

void ScriptedHttp::FailAfter(std::string url, std::string body, std::size_t bytes) {
    m_answers[std::move(url)] =
        Answer{true, std::move(body), bytes, Ending::ReadError, std::nullopt};
}

void ScriptedHttp::StallAfter(std::string url, std::string body, std::size_t bytes) {
    m_answers[std::move(url)] = Answer{true, std::move(body), bytes, Ending::Stall, std::nullopt};
}

void ScriptedHttp::StallBeforeAnswer(std::string url) {
    m_answers[std::move(url)] = Answer{false, {}, 0, Ending::Stall, std::nullopt};
}

void ScriptedHttp::Refuse(std::string url) {
    m_answers.erase(url);
    m_badCertificates.erase(url);
}

void ScriptedHttp::RefuseCertificate(std::string url) {
    m_answers.erase(url);
    m_badCertificates.insert(std::move(url));
}

std::unique_ptr<platform::HttpResponse> ScriptedHttp::Get(std::string_view url) {
    requested.emplace_back(url);
    m_lastFailure = m_badCertificates.contains(url) ? platform::HttpFailure::Certificate
                                                    : platform::HttpFailure::Unreachable;
    const auto found = m_answers.find(url);
    if (found == m_answers.end()) {
        return nullptr;
    }
    if (!found->second.answers) {
        if (onStall) {
            onStall(url);
        }
        return nullptr;
    }
    m_lastFailure = platform::HttpFailure::None;
    return std::make_unique<Response>(*this, std::string(url), found->second);
}

}  // namespace fakes
