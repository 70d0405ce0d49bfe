#pragma once

// A certificate authority that the current user's machine trusts for as long
// as the object lives: added to the user's "Root" store and deleted from it
// again. (Wine adds it without asking; Windows would ask the user first.)

#include <windows.h>

#include <wincrypt.h>

#include <fstream>
#include <iterator>
#include <string>

namespace win32_tests {

class TrustedAuthority {
public:
    // derPath: the authority's certificate, DER-coded.
    explicit TrustedAuthority(const std::string& derPath) {
        std::ifstream in(derPath, std::ios::binary);
        const std::string der((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
        m_store =
            ::CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, "Root");
        if (m_store != nullptr && !der.empty()) {
            ::CertAddEncodedCertificateToStore(
                m_store, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &m_added);
            // Wine's registry stores write on closing otherwise, too late for
            // the chain engine, which reads the roots when it first checks one.
            ::CertControlStore(m_store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
        }
    }
    ~TrustedAuthority() {
        if (m_added != nullptr) {
            // Frees the context too.
            ::CertDeleteCertificateFromStore(m_added);
            ::CertControlStore(m_store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
        }
        if (m_store != nullptr) {
            ::CertCloseStore(m_store, 0);
        }
    }
    TrustedAuthority(const TrustedAuthority&) = delete;
    TrustedAuthority& operator=(const TrustedAuthority&) = delete;

    [[nodiscard]] bool Trusted() const noexcept { return m_added != nullptr; }

private:
    HCERTSTORE m_store = nullptr;
    PCCERT_CONTEXT m_added = nullptr;
};

}  // namespace win32_tests
