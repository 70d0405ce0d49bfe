#include "fakes/test_hashing.h"

#include <openssl/evp.h>

namespace fakes {

namespace {

struct ContextDeleter {
    void operator()(EVP_MD_CTX* context) const noexcept { EVP_MD_CTX_free(context); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, ContextDeleter>;

class OpenSslSha256 : public platform::HashStream {
public:
    explicit OpenSslSha256(DigestContext context) noexcept : m_context(std::move(context)) {}

    bool Update(std::string_view bytes) override {
        if (m_context && EVP_DigestUpdate(m_context.get(), bytes.data(), bytes.size()) == 1) {
            return true;
        }
        m_context.reset();
        return false;
    }

    std::optional<platform::Sha256Digest> Finish() override {
        platform::Sha256Digest digest{};
        unsigned int size = 0;
        const bool finished = m_context &&
                              EVP_DigestFinal_ex(m_context.get(), digest.data(), &size) == 1 &&
                              size == digest.size();
        m_context.reset();
        if (!finished) {
            return std::nullopt;
        }
        return digest;
    }

private:
    DigestContext m_context;
};

}  // namespace

std::unique_ptr<platform::HashStream> TestHashing::NewSha256() {
    DigestContext context(EVP_MD_CTX_new());
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1) {
        return nullptr;
    }
    return std::make_unique<OpenSslSha256>(std::move(context));
}

}  // namespace fakes
